#pragma once

#include <Parlox/exchange/tsfile.h>
#include <Parlox/format/lngtypes.h>

#include <QStringList>

// tr() messages as the user-strings tables of a translations document: one form per context,
// one entry per message and plural form (keys as TrKey writes them), the file's default
// language holding the source texts.
namespace Parlox::Exchange::TrTables {

struct MergeOutcome {
    // "LINE: CONTEXT: "SOURCE": what is wrong", one per message or form not taken.
    QStringList problems;
    // Messages the .ts marks obsolete or unfinished, and entries of its contexts it no longer
    // lists: reported, left as they are.
    QStringList notes;
    qsizetype added = 0;
    qsizetype changed = 0;
    bool languageAdded = false;
};

// Adds the entries the messages lack, with their source texts in the default language, and
// sets the values of language from finished translations; existing values stay otherwise.
// language is added as the last column when the document lacks it. Throws Parlox::Error when
// the document has no default language.
MergeOutcome merge(Lng::Document &document, const QString &language, const TsFile &ts);

// Every tr() entry of every user-strings table as messages in language, against the default
// language. Throws Parlox::Error when the document lacks either language.
TsFile messages(const Lng::Document &document, const QString &language);

} // namespace Parlox::Exchange::TrTables
