#include "problemcommands.h"

#include "editordocument.h"
#include "gridfiltermodel.h"
#include "gridfocus.h"
#include "mainformui.h"
#include "problemwalk.h"
#include "userdialogs.h"

#include <Parlox/select.h>

#include <QAction>
#include <QMenu>
#include <QTableView>

namespace ParloxEd {

ProblemCommands::ProblemCommands(EditorDocument &document, const MainFormUi &ui,
                                 const UserDialogs &dialogs, IsAccepted accepted, QObject *parent)
    : QObject(parent), m_document(document), m_ui(ui), m_dialogs(dialogs),
      m_accepted(std::move(accepted))
{
    m_next = addCommand("NextProblem", QKeySequence(Qt::Key_F8), 1);
    m_previous = addCommand("PreviousProblem", QKeySequence(Qt::SHIFT | Qt::Key_F8), -1);
    connect(ui.selector, &Parlox::TParloxSelect::languageChanged, this,
            &ProblemCommands::retranslate);
    retranslate();
}

// Beside Next untranslated, which walks the empty values alone.
QAction *ProblemCommands::addCommand(const char *name, const QKeySequence &key, int step)
{
    auto *menu = m_ui.component<QMenu>("EditMenu");
    const QList<QAction *> items = menu->actions();
    const qsizetype after = items.indexOf(m_ui.component<QAction>("NextUntranslated1")) + 1;
    const qsizetype at = step > 0 ? after : after + 1;
    auto *command = new QAction(menu);
    command->setObjectName(QLatin1String(name));
    command->setShortcut(key);
    menu->insertAction(items.value(at), command);
    connect(command, &QAction::triggered, this,
            [this, step] { m_dialogs.guarded([this, step] { go(step); }); });
    return command;
}

void ProblemCommands::go(int step) const
{
    if (!m_document.isOpen())
        return;
    const auto *filter = qobject_cast<const GridFilterModel *>(m_ui.tabla->model());
    const QModelIndex current = m_ui.tabla->currentIndex();
    const int entry = filter ? filter->entry(current) : -1;
    // With no cell selected (the filter hides it) the walk starts at the table's top.
    const EditorDocument::CellRef from =
        entry < 0 ? EditorDocument::CellRef{m_document.currentTableRef(), 0, 0}
                  : EditorDocument::CellRef{m_document.currentTableRef(), entry, current.column()};
    if (const auto cell = nextProblem(m_document, from, step, m_accepted)) {
        m_document.reveal(*cell);
        m_ui.gridFocus->enter();
    } else
        m_dialogs.tell(Parlox::mtInformation, "NO_PROBLEMS");
}

void ProblemCommands::retranslate() const
{
    m_next->setText(m_dialogs.userString(QStringLiteral("NEXT_PROBLEM")));
    m_previous->setText(m_dialogs.userString(QStringLiteral("PREVIOUS_PROBLEM")));
}

} // namespace ParloxEd
