#pragma once

#include <Parlox/format/lngfile.h>

// Adding and deleting a language in a whole document: its name in the language list and its
// value line in every entry of every table, the message strings and each form's two tables.
// Each returns what undoing it needs and no more: a deleted column's own strings, which it
// shares with nothing, so an undo history stays within the size of the columns it changed.
namespace ParloxEd::LanguageColumns {

// What adding a language changed besides appending its column.
struct Added {
    int oldDefault = -1;
    // The size of each table before (in the order of the tables), as a table cut short of an
    // entry got its new line at the very end.
    QList<qsizetype> oldSizes;
};

// The new language comes last, with an empty value everywhere; the first language of a
// document becomes its default.
Added add(Parlox::Lng::PackedDocument &content, const QString &name);
// Takes the last language out again, leaving the document as it was before add().
void undoAdd(Parlox::Lng::PackedDocument &content, const Added &added);

// A deleted language: its position, name, values of every table and the default before.
struct Removed {
    qsizetype position = -1;
    QString name;
    int oldDefault = -1;
    // The values of every table one after another, and how many each table gave.
    Parlox::Lng::PackedLines values;
    QList<qsizetype> counts;
};

// The first remaining language takes over from a deleted default; a later default moves up
// with its column. An index outside the language list changes nothing.
Removed remove(Parlox::Lng::PackedDocument &content, qsizetype language);
// Puts a deleted language back where it was, with its values and as the default it was.
void undoRemove(Parlox::Lng::PackedDocument &content, Removed removed);

} // namespace ParloxEd::LanguageColumns
