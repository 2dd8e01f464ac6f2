#pragma once

#include <Parlox/format/lngtypes.h>
#include <QByteArray>
#include <QDateTime>
#include <QStringList>

class QIODevice;

// `parlox-lng export`: one target language of a translations file, against its default
// language, as a PO or XLIFF file for translators' tools.
namespace Parlox::LngExport {

enum class Format { Po, Xliff };

struct Request {
    Format format = Format::Po;
    QString language;
    // The translations file's name, shown in the exported file.
    QString fileName;
    QDateTime revised;
};

struct Result {
    QByteArray bytes;
    // One line per unit the format cannot carry; those units are left out of bytes.
    QStringList problems;
};

// Every entry with a source text becomes a unit; a language the file lacks gives empty
// targets. Throws InputError when the file has no default language or language is it.
Result exportDocument(const Lng::Document &document, const Request &request);

// args start with "export". Returns an LngTool::ExitCode; throws Error for a file that cannot
// be read or written.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace Parlox::LngExport
