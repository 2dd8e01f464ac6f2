#include "defaultlanguagelock.h"

#include "editordocument.h"
#include "mainformui.h"
#include "userdialogs.h"

#include <Parlox/platform/registrykey.h>
#include <Parlox/select.h>

#include <QAbstractItemDelegate>
#include <QAction>
#include <QTableView>

namespace ParloxEd {
namespace {

const QString RememberedValue = QStringLiteral("ProtectDefaultLanguage");

} // namespace

DefaultLanguageLock::DefaultLanguageLock(EditorDocument &document, const MainFormUi &ui,
                                         const UserDialogs &dialogs, QObject *parent)
    : QObject(parent), m_document(document), m_ui(ui), m_dialogs(dialogs),
      m_toggle(ui.component<QAction>("ProtectDefault1"))
{
    // Reachable by its key also while the View menu is closed to the message strings.
    m_toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    ui.tabla->window()->addAction(m_toggle);
    dialogs.guarded([this] {
        Parlox::Platform::RegistryKey key;
        if (key.open(m_ui.selector->RememberRegistryKey(), false))
            m_toggle->setChecked(key.readString(RememberedValue) == QStringLiteral("1"));
    });
    connect(m_toggle, &QAction::toggled, this, [this](bool on) {
        remember(on);
        apply();
    });
    connect(&document, &EditorDocument::defaultLanguageChanged, this, &DefaultLanguageLock::apply);
    connect(&document, &EditorDocument::languagesChanged, this, &DefaultLanguageLock::apply);
    connect(&document, &EditorDocument::tableShown, this, &DefaultLanguageLock::apply);
    apply();
}

void DefaultLanguageLock::apply() const
{
    const int column = m_toggle->isChecked() && m_document.defaultLanguage() >= 0
                           ? m_document.defaultLanguage() + 1
                           : -1;
    m_document.grid()->setLockedColumn(column);
    // An editor already open on the column closes: its keys would still reach the cell.
    QTableView *grid = m_ui.tabla;
    if (column >= 0 && grid->currentIndex().column() == column) {
        if (QWidget *editor = grid->indexWidget(grid->currentIndex()))
            emit grid->itemDelegate()->closeEditor(editor);
    }
}

void DefaultLanguageLock::remember(bool on) const
{
    m_dialogs.guarded([this, on] {
        Parlox::Platform::RegistryKey key;
        if (key.open(m_ui.selector->RememberRegistryKey(), true))
            key.writeString(RememberedValue, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

} // namespace ParloxEd
