#pragma once

#include "editordocument.h"
#include "textmatcher.h"

#include <QList>
#include <optional>

// Searches over every table of an editor document, each laid out as the grid shows it: keys
// without their delimiters, one row per whole entry, every value typed so far included.
namespace ParloxEd::DocumentSearch {

using CellRef = EditorDocument::CellRef;

// Whether a cell's line holds the matcher's text; a key as the key column shows it.
bool cellContains(const PackedLines &lines, qsizetype line, int column, const TextMatcher &matcher);

// Every key or value cell holding `text`, letter case ignored, and access keys ("&") too when
// told: table by table in menu order, row by row. Only the table shown unless allTables is set.
QList<CellRef> findText(const EditorDocument &doc, const QString &text, bool allTables,
                        bool ignoreAccessKeys = false);

// The first entry whose key is `key`, with or without its delimiters, letter case ignored;
// failing that, the first whose key holds it. The table shown is searched first, then every
// table in menu order.
std::optional<CellRef> findKey(const EditorDocument &doc, const QString &key);

// The next empty value cell after `from`, row by row and table by table in menu order,
// coming round to `from` itself last; none when every value is filled.
std::optional<CellRef> nextUntranslated(const EditorDocument &doc, const CellRef &from);

} // namespace ParloxEd::DocumentSearch
