#include "lngtool.h"

#include "encodingoption.h"
#include "lngcheck.h"
#include "lngexport.h"
#include "lngimport.h"
#include "lngjson.h"
#include "lngts.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>

#include <QIODevice>
#include <new>

namespace Parlox::LngTool {
namespace {

const QByteArray UsageLine =
    "usage: parlox-lng dump FILE | build IN.json OUT.LNG | check [--strict] FILE | "
    "export FILE ... | import FILE TRANSLATED ... [--encoding NAME]\n";

QByteArray readFile(const QString &path)
{
    return LockedFile(path, LockedFile::Access::SharedRead).readAll();
}

int dump(const QString &path, QIODevice &out)
{
    out.write(LngJson::dump(readFile(path)));
    return Success;
}

int build(const QString &in, const QString &outPath)
{
    // Everything is encoded in memory first; the output file is touched only by the final,
    // atomic replacement, under the lock every writer of the file takes.
    Lng::Document document = LngJson::parse(readFile(in));
    document.encoding = EncodingOption::forNewFile();
    const QByteArray bytes = Lng::writeDocument(document);
    LockedFile::writeNew(outPath, bytes);
    return Success;
}

// The file an error is about, for the one-line message.
QString subject(const QStringList &args)
{
    return args.size() > 1 ? args[1] : QString();
}

} // namespace

void printLine(QIODevice &device, const QString &line)
{
    // Texts from the files read (ids, keywords, element names) may hold control characters; a
    // raw NUL or line break would cut or split the line for whoever reads it.
    QString shown;
    shown.reserve(line.size() + 1);
    for (const QChar c : line)
        shown += c.unicode() < 0x20 && c != u'\t'
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                     : QString(c);
    device.write((shown + u'\n').toUtf8());
}

namespace {

// The command named first, its arguments already checked.
int dispatch(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const QString &command = args[0];
    if (LngTs::handles(args))
        return LngTs::run(args, out, err);
    if (command == u"export")
        return LngExport::run(args, out, err);
    if (command == u"import")
        return LngImport::run(args, out, err);
    if (command == u"check")
        return LngCheck::run(args, out, err);
    if (command == u"dump")
        return dump(args[1], out);
    return build(args[1], args[2]);
}

} // namespace

int run(const QStringList &given, QIODevice &out, QIODevice &err)
{
    QStringList args = given;
    if (!EncodingOption::take(args, err))
        return Usage;
    const QString command = args.value(0);
    if (args.size() == 1 && (command == u"--help" || command == u"-h")) {
        out.write(UsageLine);
        return Success;
    }
    const bool known =
        (command == u"dump" && args.size() == 2) || (command == u"build" && args.size() == 3);
    // These parse their own options.
    const bool ownOptions = command == u"check" || command == u"export" || command == u"import";
    if (!known && !ownOptions) {
        err.write(UsageLine);
        return Usage;
    }
    try {
        return dispatch(args, out, err);
    } catch (const FileError &e) {
        // File errors already name their file.
        printLine(err, QStringLiteral("parlox-lng: ") + e.message());
    } catch (const Error &e) {
        printLine(err, QStringLiteral("parlox-lng: %1: %2").arg(subject(args), e.message()));
    } catch (const std::bad_alloc &) {
        // Whatever was allocated for the command is gone by now, so the message fits.
        printLine(err, QStringLiteral("parlox-lng: %1: There is not enough memory for this file.")
                           .arg(subject(args)));
    }
    return BadInput;
}

} // namespace Parlox::LngTool
