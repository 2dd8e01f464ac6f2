#include "recentfilesmenu.h"

#include "editordocument.h"
#include "mainformui.h"

#include <Parlox/select.h>

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace ParloxEd {

RecentFilesMenu::RecentFilesMenu(const EditorDocument &document, const MainFormUi &ui, Open open,
                                 QObject *parent)
    : QObject(parent), m_files(ui.selector->RememberRegistryKey()), m_open(std::move(open)),
      m_menu(ui.component<QMenu>("RecentFiles")), m_separator(ui.component<QAction>("N21"))
{
    ui.component<QMenu>("MenuFile")->insertMenu(ui.component<QAction>("SaveFile"), m_menu);
    connect(ui.component<QAction>("ClearRecent1"), &QAction::triggered, this, [this] {
        m_files.clear();
        fill();
    });
    connect(&document, &EditorDocument::openChanged, this, [this, &document](bool open) {
        if (open)
            m_files.add(document.fileName());
        fill();
    });
    // Another window of the editor may have opened a file since.
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFilesMenu::fill);
    fill();
}

void RecentFilesMenu::fill()
{
    // An item may be the one whose click is being handled: it goes once that is over.
    for (QAction *item : std::as_const(m_items)) {
        m_menu->removeAction(item);
        item->deleteLater();
    }
    m_items.clear();
    const QStringList files = m_files.files();
    for (int i = 0; i < files.size(); ++i) {
        QString caption = files.at(i);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption), m_menu);
        connect(item, &QAction::triggered, this, [this, path = files.at(i)] { choose(path); });
        m_menu->insertAction(m_separator, item);
        m_items.append(item);
    }
    setMenuEnabled(m_menu, !files.isEmpty());
}

void RecentFilesMenu::choose(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_files.remove(path);
        fill();
    }
    m_open(path);
}

} // namespace ParloxEd
