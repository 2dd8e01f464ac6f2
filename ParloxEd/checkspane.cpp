#include "checkspane.h"

#include "checklistmodel.h"
#include "editordocument.h"
#include "gridfocus.h"
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

ChecksPane::ChecksPane(EditorDocument &document, const MainFormUi &ui, QMainWindow &window)
    : QObject(&window), m_document(document)
{
    Parlox::TParloxForm *translator = ui.translator;
    m_model = new CheckListModel(
        *document.grid(),
        [translator](const QString &identifier) { return translator->GetUserString(identifier); },
        this);
    connect(&document, &EditorDocument::textsChanged, m_model, &CheckListModel::retranslate);
    m_list = new QTableView(&window);
    m_list->setObjectName(QStringLiteral("ChecksList"));
    m_list->setModel(m_model);
    // Fixed column widths too: measuring thousands of warnings would stall the window.
    makeResultList(*m_list);
    m_list->horizontalHeader()->resizeSection(int(CheckListModel::Column::Key), KeyWidth);
    m_list->horizontalHeader()->resizeSection(int(CheckListModel::Column::Language), LanguageWidth);
    m_list->setMinimumHeight(PaneHeight);
    connect(m_list, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { showWarning(index.row()); });
    // Only the user's browsing moves the grid: a list changing under the typing (a warning
    // gone, another come) shifts its current row too.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) {
                if (m_list->hasFocus())
                    showWarning(index.row());
            });
    GridFocus *focus = ui.gridFocus;
    connect(m_list, &QAbstractItemView::activated, this, [this, focus](const QModelIndex &index) {
        showWarning(index.row());
        focus->enter();
    });
    dockPane(window, ui, "ChecksDock", "ChecksPane1", m_list, Qt::BottomDockWidgetArea,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
}

// The model's rows are the grid's own; the document maps them through the filter and shows a
// row the filter hides.
void ChecksPane::showWarning(int row) const
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const CheckListModel::Cell cell = m_model->cellAt(row);
    m_document.reveal({m_document.currentTableRef(), cell.row, cell.column});
}

} // namespace ParloxEd
