#pragma once

#include <Parlox/format/lngfile.h>

// Adding and deleting a language in a whole document: its name in the language list and its
// value line in every entry of every table, the message strings and each form's two tables.
namespace ParloxEd::LanguageColumns {

// The new language comes last, with an empty value everywhere; the first language of a
// document becomes its default.
void add(Parlox::Lng::Document &content, const QString &name);

// The first remaining language takes over from a deleted default; a later default moves up
// with its column.
void remove(Parlox::Lng::Document &content, qsizetype language);

} // namespace ParloxEd::LanguageColumns
