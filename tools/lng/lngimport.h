#pragma once

#include "translationunit.h"

#include <QList>
#include <QStringList>

class QIODevice;

namespace Parlox::Lng {
struct Document;
}

// `parlox-lng import`: the targets of a translated PO or XLIFF file written back into one
// language of a translations file, changing nothing else.
namespace Parlox::LngImport {

struct Outcome {
    // "LINE: unit "ID": what is wrong", one per unit that was not taken.
    QStringList problems;
    qsizetype changed = 0;
    bool languageAdded = false;
};

// Sets the values of language from the units' targets, adding the language as the last
// column when the file lacks it. A unit is refused when it matches no entry, appears twice,
// its source differs from the file's source text, or its target cannot be stored exactly; an
// empty target is an untranslated unit and leaves the value as it is. The document changes
// only in the values taken (and the new column). Throws InputError when the file has no
// default language or language is it.
Outcome importUnits(Lng::Document &document, const QString &language,
                    const QList<TranslationUnit> &units);

// The units of a translated file: XLIFF when its first character is "<", PO otherwise. Throws
// InputError "LINE: what is wrong".
QList<TranslationUnit> readTranslated(QByteArrayView file);

// args start with "import". Writes nothing when a unit is refused, unless --partial is given.
// Returns an LngTool::ExitCode; throws Error for a file that cannot be read or written.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace Parlox::LngImport
