#include "resultlist.h"

#include <QHeaderView>
#include <QTableView>

namespace ParloxEd {

void makeResultList(QTableView &view)
{
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setWordWrap(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 6);
    view.horizontalHeader()->setStretchLastSection(true);
}

} // namespace ParloxEd
