#pragma once

class QTableView;

namespace ParloxEd {

// Makes a table view a list of results to choose from: read-only, one whole row chosen at a
// time, no row numbers, the last column taking the rest. Rows have a fixed height, so a list of
// thousands is never measured row by row.
void makeResultList(QTableView &view);

} // namespace ParloxEd
