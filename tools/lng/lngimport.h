#pragma once

#include "translationunit.h"
#include <Parlox/format/lngtypes.h>

#include <QList>
#include <QStringList>

class QIODevice;

// `parlox-lng import`: the targets of a translated PO or XLIFF file written back into one
// language of a translations file, changing nothing else.
namespace Parlox::LngImport {

struct Outcome {
    // "LINE: unit "ID": what is wrong", one per unit that was not taken.
    QStringList problems;
    // "LINE: unit "ID": ...", one per fuzzy unit left out.
    QStringList fuzzy;
    qsizetype changed = 0;
    bool languageAdded = false;
};

enum class FuzzyUnits { LeaveOut, Take };

// Sets the values of language from the units' targets, adding the language as the last
// column when the file lacks it. A unit is found by its context; one without a context by its
// references, or else by a source text that only one entry has. A unit is refused when it
// matches no entry, appears twice, its source differs from the file's source text, or its
// target cannot be stored exactly; an empty target is an untranslated unit and leaves the value
// as it is, and a fuzzy unit is left out unless fuzzy says Take. The document changes only in
// the values taken (and the new column). Throws InputError when the file has no default
// language or language is it.
Outcome importUnits(Lng::Document &document, const QString &language,
                    const QList<TranslationUnit> &units, FuzzyUnits fuzzy = FuzzyUnits::LeaveOut);

struct TranslatedFile {
    QList<TranslationUnit> units;
    // The language the file says it holds (a PO header's Language, an XLIFF target-language);
    // empty when it says none.
    QString language;
};

// The units of a translated file: XLIFF when its first character is "<" (in UTF-8 or, with or
// without a byte-order mark, UTF-16 or UTF-32), PO otherwise. Throws InputError "LINE: what
// is wrong".
TranslatedFile readTranslatedFile(QByteArrayView file);
QList<TranslationUnit> readTranslated(QByteArrayView file);

// args start with "import". Writes nothing when a unit is refused, unless --partial is given,
// or when the translated file names another language, unless --any-language is given; fuzzy
// units are listed and left out unless --fuzzy is given.
// Returns an LngTool::ExitCode; throws Error for a file that cannot be read or written.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace Parlox::LngImport
