#pragma once

#include "recentfiles.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace ParloxEd {

class EditorDocument;
class MainFormUi;

// File > Recent files, after Open: the files loaded last, newest first, each with its number
// as access key. Choosing one opens it the way every other way of opening does; a file that is
// gone leaves the list. Clear list empties it, and the menu is disabled while it is empty.
class RecentFilesMenu : public QObject {
    Q_OBJECT

public:
    using Open = std::function<void(const QString &path)>;

    RecentFilesMenu(const EditorDocument &document, const MainFormUi &ui, Open open,
                    QObject *parent);

    const RecentFiles &files() const { return m_files; }

private:
    void fill();
    void choose(const QString &path);

    RecentFiles m_files;
    Open m_open;
    QMenu *m_menu = nullptr;
    QAction *m_separator = nullptr;
    QList<QAction *> m_items;
};

} // namespace ParloxEd
