#pragma once

#include <QKeySequence>
#include <Qt>

class QDockWidget;
class QMainWindow;
class QWidget;

namespace ParloxEd {

class MainFormUi;

// Puts content into the stored form's dock of that name at the window's side. The pane starts
// hidden, so the window first shows as it always has. Its View item (toggleName) shows it,
// with the keys in it, and hides it, and carries a mark while it shows; the keys reach it also
// while the View menu is closed to the message strings.
// Panes that show never take the grid below half the window: the window grows to make room
// for them, and a window that cannot grow (maximised, or at the screen's edge) makes its panes
// smaller instead.
void keepGridRoom(QMainWindow &window, const QWidget &grid);

QDockWidget *dockPane(QMainWindow &window, const MainFormUi &ui, const char *dockName,
                      const char *toggleName, QWidget *content, Qt::DockWidgetArea area,
                      const QKeySequence &keys);

} // namespace ParloxEd
