#pragma once

#include "documentchecksmodel.h"

namespace ParloxEd {

// What the Checks pane knows of one table: its warnings and the lines they were found in.
struct DocumentChecksModel::Group {
    EditorDocument::TableRef table;
    int order = 0; // position in menu order
    // The lines last checked whole, shared with the table while it is unchanged, so that
    // finding a table unchanged costs nothing.
    PackedLines lines;
    // The grid shows the table: its edits are followed entry by entry (edited) instead of
    // taking its lines after every keystroke, which would make the next one copy them.
    bool live = false;
    bool edited = false;
    qsizetype languages = -1;
    QList<Item> items;
};

} // namespace ParloxEd
