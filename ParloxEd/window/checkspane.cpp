#include "checkspane.h"

#include "acceptedwarnings.h"
#include "documentchecksmodel.h"
#include "editordocument.h"
#include "gridfocus.h"
#include "mainformui.h"
#include "panedock.h"
#include "problemcommands.h"
#include "tablegridmodel.h"
#include "userdialogs.h"

#include <Parlox/select.h>

#include <QAction>
#include <QHeaderView>
#include <QMainWindow>
#include <QTreeView>

namespace ParloxEd {
namespace {

// A few warnings in view without taking the grid's room; keys and language names readable.
constexpr int PaneHeight = 120;
constexpr int KeyWidth = 220;
constexpr int LanguageWidth = 100;

} // namespace

ChecksPane::ChecksPane(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                       QMainWindow &window)
    : QObject(&window), m_document(document), m_dialogs(dialogs),
      m_accepted(std::make_shared<AcceptedWarnings>(ui.selector->RememberRegistryKey()))
{
    // Shared by value: the grid may ask for its marks while the window takes this pane down.
    const IsAccepted accepted = [memory = m_accepted](const WarningSubject &subject) {
        return memory->contains(subject);
    };
    // Read before the first table of a file is shown and checked.
    connect(&document, &EditorDocument::openChanged, this,
            [this](bool open) { m_accepted->load(open ? m_document.fileName() : QString()); });
    m_document.grid()->setWarningFilter([doc = &document, accepted](
                                            qsizetype line, Parlox::ValueChecks::Checks failed) {
        return openChecks(
            failed, subjectOf(*doc, doc->currentTableRef(), doc->grid()->lines(), line), accepted);
    });
    m_model = new DocumentChecksModel(document, accepted, this);
    m_list = new QTreeView(&window);
    setUpList(ui);
    followList(ui);
    dockPane(window, ui, "ChecksDock", "ChecksPane1", m_list, Qt::BottomDockWidgetArea,
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    new ProblemCommands(document, ui, dialogs, accepted, this);
}

ChecksPane::~ChecksPane() = default;

void ChecksPane::setUpList(const MainFormUi &ui)
{
    m_list->setObjectName(QStringLiteral("ChecksList"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setWordWrap(false);
    // Fixed row heights and column widths: measuring thousands of warnings would stall the
    // window.
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(true);
    m_list->header()->resizeSection(int(DocumentChecksModel::Column::Key), KeyWidth);
    m_list->header()->resizeSection(int(DocumentChecksModel::Column::Language), LanguageWidth);
    m_list->setMinimumHeight(PaneHeight);
    m_notProblem = new QAction(m_list);
    m_notProblem->setObjectName(QStringLiteral("NotProblem"));
    m_notProblem->setShortcut(QKeySequence(Qt::Key_Delete));
    m_notProblem->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(m_notProblem);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_notProblem, &QAction::triggered, this,
            [this] { m_dialogs.guarded([this] { acceptSelected(); }); });
    const auto retranslate = [this] {
        m_notProblem->setText(m_dialogs.userString(QStringLiteral("NOT_A_PROBLEM")));
    };
    connect(ui.selector, &Parlox::TParloxSelect::languageChanged, this, retranslate);
    retranslate();
}

void ChecksPane::followList(const MainFormUi &ui)
{
    // Headings read across the pane, and every table's warnings show at once.
    connect(m_model, &QAbstractItemModel::modelReset, this, &ChecksPane::expandHeadings);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ChecksPane::expandHeadings);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &ChecksPane::expandHeadings);
    expandHeadings();
    connect(m_list, &QAbstractItemView::clicked, this, &ChecksPane::showWarning);
    // Only the user's browsing moves the grid: a list changing under the typing (a warning
    // gone, another come) shifts its current row too.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) {
                if (m_list->hasFocus())
                    showWarning(index);
            });
    GridFocus *focus = ui.gridFocus;
    connect(m_list, &QAbstractItemView::activated, this, [this, focus](const QModelIndex &index) {
        if (!m_model->cellAt(index))
            return;
        showWarning(index);
        focus->enter();
    });
}

void ChecksPane::expandHeadings() const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        m_list->setFirstColumnSpanned(row, {}, true);
        m_list->expand(m_model->index(row, 0));
    }
}

// The list keeps its order meanwhile: the warning chosen stays where the user found it.
void ChecksPane::showWarning(const QModelIndex &index) const
{
    const std::optional<EditorDocument::CellRef> cell = m_model->cellAt(index);
    if (!cell)
        return;
    m_model->holdOrder(true);
    m_document.reveal(*cell);
    m_model->holdOrder(false);
}

// The warning that takes the accepted one's place is selected, so that the next Delete goes on.
void ChecksPane::acceptSelected()
{
    const QModelIndex current = m_list->currentIndex();
    const std::optional<WarningSubject> subject = m_model->subjectAt(current);
    if (!subject)
        return;
    const EditorDocument::TableRef table = m_model->cellAt(current)->table;
    const int row = current.row();
    const int heading = current.parent().row();
    const QPersistentModelIndex group = current.parent();
    m_accepted->accept(*subject);
    m_model->recheck(table);
    m_document.grid()->refreshWarnings();
    QModelIndex next;
    if (group.isValid())
        next = m_model->index(std::min(row, m_model->rowCount(group) - 1), 0, group);
    else if (m_model->rowCount() > 0)
        next = m_model->index(0, 0, m_model->index(std::min(heading, m_model->rowCount() - 1), 0));
    m_list->setCurrentIndex(next);
}

} // namespace ParloxEd
