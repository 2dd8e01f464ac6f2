#pragma once

#include "editordocument.h"

#include <Parlox/format/valuechecks.h>

#include <QString>
#include <functional>

namespace ParloxEd {

// What a translator accepts when a warning is "not a problem": one check that one value of an
// entry fails. The value's text is part of it, so a value changed afterwards is checked again.
struct WarningSubject {
    QString table;    // tableName(): stays the same whatever the interface language
    QString key;      // the key line, delimiters included
    QString language; // the language's name
    QString value;
    Parlox::ValueChecks::Check check = Parlox::ValueChecks::Check::AccessKeys;
    bool operator==(const WarningSubject &) const = default;
};

size_t qHash(const WarningSubject &subject, size_t seed = 0);

using IsAccepted = std::function<bool(const WarningSubject &)>;

// A table's name for what is remembered about it: the message strings, or a form's name with
// its view. Captions will not do, as they follow the interface language.
QString tableName(const EditorDocument &document, EditorDocument::TableRef table);

// The checks of `failed` that are not accepted for the value; `subject` names the value, its
// check is set in turn to each failed one.
Parlox::ValueChecks::Checks openChecks(Parlox::ValueChecks::Checks failed, WarningSubject subject,
                                       const IsAccepted &accepted);

// The value a table's value line holds, as a subject of a warning still to be named.
WarningSubject subjectOf(const EditorDocument &document, EditorDocument::TableRef table,
                         const PackedLines &lines, qsizetype line);

// The checks a table's value line fails that are not accepted; none for a key line, a line of
// the first language or a line that backs no cell.
Parlox::ValueChecks::Checks openChecksAt(const EditorDocument &document,
                                         EditorDocument::TableRef table, const PackedLines &lines,
                                         qsizetype line, const IsAccepted &accepted);

} // namespace ParloxEd
