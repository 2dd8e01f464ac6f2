#include "checkspane.h"

#include "checklistmodel.h"
#include "editordocument.h"
#include "mainformui.h"
#include "panedock.h"
#include "resultlist.h"
#include "tablegridmodel.h"

#include <Parlox/form.h>

#include <QHeaderView>
#include <QMainWindow>
#include <QTableView>

namespace ParloxEd {
namespace {

// A few warnings in view without taking the grid's room; keys and language names readable.
constexpr int PaneHeight = 120;
constexpr int KeyWidth = 180;
constexpr int LanguageWidth = 100;

} // namespace

ChecksPane::ChecksPane(const EditorDocument &document, const MainFormUi &ui, QMainWindow &window)
    : QObject(&window), m_ui(ui)
{
    Parlox::TParloxForm *translator = ui.translator;
    m_model = new CheckListModel(
        *document.grid(),
        [translator](const QString &identifier) { return translator->GetUserString(identifier); },
        this);
    m_list = new QTableView(&window);
    m_list->setObjectName(QStringLiteral("ChecksList"));
    m_list->setModel(m_model);
    // Fixed column widths too: measuring thousands of warnings would stall the window.
    makeResultList(*m_list);
    m_list->horizontalHeader()->resizeSection(int(CheckListModel::Column::Key), KeyWidth);
    m_list->horizontalHeader()->resizeSection(int(CheckListModel::Column::Language), LanguageWidth);
    m_list->setMinimumHeight(PaneHeight);
    connect(m_list, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { selectWarning(index.row()); });
    connect(m_list, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { selectWarning(index.row()); });
    dockPane(window, ui, "ChecksDock", "ChecksPane1", m_list, Qt::BottomDockWidgetArea,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
}

void ChecksPane::selectWarning(int row) const
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const CheckListModel::Cell cell = m_model->cellAt(row);
    const QModelIndex index = m_ui.tabla->model()->index(cell.row, cell.column);
    // Focus first: the cell's editor opens with the selection and must keep the focus.
    m_ui.tabla->setFocus();
    m_ui.tabla->setCurrentIndex(index);
    m_ui.tabla->scrollTo(index);
}

} // namespace ParloxEd
