#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

namespace Parlox {

// The arguments of `parlox-lng export` and `parlox-lng import`.
struct TranslationArgs {
    QString lngPath;
    // import: the translated PO or XLIFF file.
    QString translatedPath;
    // export: "po" or "xliff".
    QString format;
    QString language;
    // export: where to write; empty for standard output.
    QString output;
    bool partial = false;
    // import: a translated file for another language is imported all the same.
    bool anyLanguage = false;
    // import: fuzzy units are taken as final translations.
    bool fuzzy = false;

    // Parses args, the command word first. On a usage error, prints it and the command's
    // usage line to err and returns nothing.
    static std::optional<TranslationArgs> parse(const QStringList &args, QIODevice &err);
};

} // namespace Parlox
