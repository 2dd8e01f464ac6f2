#include "workbench.h"

#include "detailpane.h"
#include "documentsearch.h"
#include "findpane.h"
#include "gridfiltermodel.h"
#include "gridfocus.h"
#include "mainformui.h"
#include "panedock.h"
#include "panefocus.h"
#include "progressmodel.h"
#include "suggestioncommands.h"
#include "tablegridmodel.h"
#include "userdialogs.h"

#include <Parlox/platform/registrykey.h>
#include <Parlox/select.h>

#include <QAction>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QUndoStack>

namespace ParloxEd {

using namespace Parlox;

namespace {

const QString LayoutValue = QStringLiteral("Panes");
const QString GeometryValue = QStringLiteral("Window");
constexpr int FilterWidth = 200;
// What a side pane needs to show a text readably; the find pane at the bottom, a few results.
constexpr int SidePaneWidth = 260;
constexpr int BottomPaneHeight = 120;

} // namespace

Workbench::Workbench(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                     GridFilterModel &filter, QMainWindow &window)
    : QObject(&window), m_document(document), m_ui(ui), m_dialogs(dialogs), m_filter(filter),
      m_window(window)
{
    placeEditMenu();
    connectActions();
    setUpPanes();
    setUpFilter();
    followSelection();
}

// Edit sits where desktop programs keep it, after File.
void Workbench::placeEditMenu()
{
    auto *edit = m_ui.component<QMenu>("EditMenu");
    m_window.menuBar()->insertMenu(m_ui.languagesMenu->menuAction(), edit);
}

void Workbench::connectActions()
{
    const auto action = [this](const char *name, const QList<QKeySequence> &keys) {
        auto *item = m_ui.component<QAction>(name);
        item->setShortcuts(keys);
        return item;
    };
    QUndoStack *stack = m_document.undoStack();
    QAction *undo = action("Undo1", QKeySequence::keyBindings(QKeySequence::Undo));
    QAction *redo = action("Redo1", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    const std::pair<const char *, void (Workbench::*)()> commands[] = {
        {"Find1", &Workbench::Find1Click},
        {"GoToKey1", &Workbench::GoToKey1Click},
        {"NextUntranslated1", &Workbench::NextUntranslated1Click},
        {"NextTable1", &Workbench::NextTable1Click},
        {"PreviousTable1", &Workbench::PreviousTable1Click},
        {"FindNext1", &Workbench::FindNext1Click},
        {"FindPrevious1", &Workbench::FindPrevious1Click}};
    const QKeySequence keys[] = {QKeySequence::Find,
                                 QKeySequence(Qt::CTRL | Qt::Key_G),
                                 QKeySequence(Qt::CTRL | Qt::Key_J),
                                 QKeySequence(Qt::CTRL | Qt::Key_PageDown),
                                 QKeySequence(Qt::CTRL | Qt::Key_PageUp),
                                 QKeySequence(Qt::Key_F3),
                                 QKeySequence(Qt::SHIFT | Qt::Key_F3)};
    static_assert(std::size(commands) == std::size(keys));
    for (size_t i = 0; i < std::size(keys); ++i) {
        connect(action(commands[i].first, {keys[i]}), &QAction::triggered, this,
                [this, handler = commands[i].second] {
                    m_dialogs.guarded([this, handler] { (this->*handler)(); });
                });
    }
}

void Workbench::setUpPanes()
{
    m_detail = new DetailPane(m_document, &m_window);
    m_detail->setMinimumWidth(SidePaneWidth);
    m_ui.paneFocus->setEntry(m_detail, [this] { m_detail->focusLanguage(m_column - 1); });
    connect(m_detail, &DetailPane::leftLastEditor, m_ui.gridFocus, &GridFocus::enter);
    new SuggestionCommands(m_document, m_ui, m_dialogs, m_detail->suggestions(), this);
    dockPane(m_window, m_ui, "DetailDock", "DetailPane1", m_detail, Qt::RightDockWidgetArea,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_find = new FindPane(m_document, m_ui, m_dialogs, this);
    m_find->widget()->setMinimumHeight(BottomPaneHeight);
    dockPane(m_window, m_ui, "FindDock", "FindPane1", m_find->widget(), Qt::BottomDockWidgetArea,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    auto *progress = m_ui.component<QTableView>("ProgressTable");
    progress->setModel(new ProgressModel(m_document, progress));
    progress->verticalHeader()->hide();
    progress->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    progress->setEditTriggers(QAbstractItemView::NoEditTriggers);
    progress->setMinimumWidth(SidePaneWidth);
    dockPane(m_window, m_ui, "ProgressDock", "ProgressPane1", progress, Qt::RightDockWidgetArea,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
}

void Workbench::setUpFilter()
{
    auto *label = m_ui.component<QLabel>("FilterLabel");
    auto *text = m_ui.component<QLineEdit>("FilterText");
    label->setBuddy(text);
    auto *buttons = qobject_cast<QHBoxLayout *>(m_ui.component<QWidget>("Panel1")->layout());
    text->setMaximumWidth(FilterWidth);
    buttons->addWidget(label);
    buttons->addWidget(text);
    connect(text, &QLineEdit::textChanged, this, [this](const QString &typed) {
        m_filter.setText(typed);
        // The cell selected before the filter hid its row is selected again once it shows,
        // without the keys leaving the filter box.
        const QModelIndex cell =
            m_filter.mapFromSource(m_document.grid()->index(m_entry, m_column));
        if (!m_ui.tabla->currentIndex().isValid() && cell.isValid())
            m_ui.gridFocus->showCell(cell);
    });
}

void Workbench::followSelection()
{
    connect(m_ui.tabla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                const int entry = m_filter.entry(current);
                if (entry < 0)
                    return;
                m_entry = entry;
                m_column = current.column();
                m_document.endCellEdit();
                m_detail->showEntry(entry);
            });
    connect(&m_document, &EditorDocument::cellRevealed, this, &Workbench::selectCell);
    // An undo or redo that refilled the grid keeps the cell the user was on.
    connect(&m_document, &EditorDocument::tableReloaded, this,
            [this] { selectCell(m_entry, m_column); });
}

void Workbench::selectCell(int entry, int column)
{
    const TableGridModel *grid = m_document.grid();
    const QModelIndex cell = grid->index(std::min(entry, grid->rowCount() - 1),
                                         std::min(column, grid->columnCount() - 1));
    if (!m_filter.mapFromSource(cell).isValid())
        m_ui.component<QLineEdit>("FilterText")->clear();
    m_ui.gridFocus->showCell(m_filter.mapFromSource(cell));
}

EditorDocument::CellRef Workbench::selectedCell() const
{
    return {m_document.currentTableRef(), m_entry, m_column};
}

void Workbench::Find1Click()
{
    m_ui.component<QDockWidget>("FindDock")->show();
    m_find->start();
}

void Workbench::GoToKey1Click()
{
    if (!m_document.isOpen())
        return;
    const QString key = m_dialogs.askName("GOTO_KEY", "GOTO_KEY_NAME");
    if (key.isEmpty())
        return;
    if (const auto cell = DocumentSearch::findKey(m_document, key)) {
        m_document.reveal({cell->table, cell->entry, m_column});
        m_ui.gridFocus->enter();
    } else
        m_dialogs.tell(mtError, "GOTO_KEY_NOKEY", key);
}

void Workbench::NextUntranslated1Click()
{
    if (!m_document.isOpen())
        return;
    if (const auto cell = DocumentSearch::nextUntranslated(m_document, selectedCell())) {
        m_document.reveal(*cell);
        m_ui.gridFocus->enter();
    } else
        m_dialogs.tell(mtInformation, "ALL_TRANSLATED");
}

void Workbench::FindNext1Click()
{
    m_find->step(1);
}

void Workbench::FindPrevious1Click()
{
    m_find->step(-1);
}

void Workbench::NextTable1Click()
{
    stepTable(1);
}

void Workbench::PreviousTable1Click()
{
    stepTable(-1);
}

// Every table in menu order, the message strings once, coming round at either end.
void Workbench::stepTable(int step)
{
    if (!m_document.isOpen())
        return;
    QList<EditorDocument::TableRef> tables;
    m_document.visitTables(
        [&tables](EditorDocument::TableRef table, const PackedLines &) { tables.append(table); });
    if (tables.isEmpty())
        return;
    const qsizetype at = tables.indexOf(m_document.currentTableRef());
    m_document.reveal({tables.at((at + step + tables.size()) % tables.size()), 0, m_column});
}

void Workbench::restoreLayout() const
{
    m_dialogs.guarded([this] {
        Platform::RegistryKey key;
        if (!key.open(m_ui.selector->RememberRegistryKey(), false))
            return;
        // Size, place and maximised state first: the panes are laid out in that window.
        m_window.restoreGeometry(QByteArray::fromBase64(key.readString(GeometryValue).toLatin1()));
        m_window.restoreState(QByteArray::fromBase64(key.readString(LayoutValue).toLatin1()));
    });
}

void Workbench::saveLayout() const
{
    m_dialogs.guarded([this] {
        Platform::RegistryKey key;
        if (!key.open(m_ui.selector->RememberRegistryKey(), true))
            return;
        key.writeString(GeometryValue, QString::fromLatin1(m_window.saveGeometry().toBase64()));
        key.writeString(LayoutValue, QString::fromLatin1(m_window.saveState().toBase64()));
    });
}

} // namespace ParloxEd
