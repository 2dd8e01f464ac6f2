#include "panedock.h"

#include "mainformui.h"
#include "panefocus.h"

#include <QAction>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QTableView>
#include <algorithm>

namespace ParloxEd {

void keepGridRoom(QMainWindow &window, const QWidget &grid)
{
    window.layout()->activate();
    // Growing the window by d grows the grid by d: grid + d >= (height + d) / 2.
    int missing = window.height() - 2 * grid.height();
    if (missing <= 0)
        return;
    if (!window.isMaximized() && !window.isFullScreen()) {
        const QScreen *screen =
            window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        const int room =
            screen ? screen->availableGeometry().bottom() - window.frameGeometry().bottom()
                   : missing;
        const int grow = std::clamp(room, 0, missing);
        window.resize(window.width(), window.height() + grow);
        window.layout()->activate();
        missing = window.height() - 2 * grid.height();
        if (missing <= 0)
            return;
    }
    QList<QDockWidget *> docks;
    QList<int> heights;
    for (QDockWidget *dock : window.findChildren<QDockWidget *>()) {
        const Qt::DockWidgetArea area = window.dockWidgetArea(dock);
        if (dock->isVisible() && !dock->isFloating() &&
            (area == Qt::BottomDockWidgetArea || area == Qt::TopDockWidgetArea)) {
            docks << dock;
            heights << std::max(0, dock->height() - missing);
        }
    }
    if (!docks.isEmpty())
        window.resizeDocks(docks, heights, Qt::Vertical);
}

QDockWidget *dockPane(QMainWindow &window, const MainFormUi &ui, const char *dockName,
                      const char *toggleName, QWidget *content, Qt::DockWidgetArea area,
                      const QKeySequence &keys)
{
    auto *dock = ui.component<QDockWidget>(dockName);
    dock->setWidget(content);
    window.addDockWidget(area, dock);
    dock->hide();
    auto *toggle = ui.component<QAction>(toggleName);
    toggle->setShortcut(keys);
    window.addAction(toggle);
    QObject::connect(toggle, &QAction::triggered, dock, &QDockWidget::setVisible);
    const PaneFocus *focus = ui.paneFocus;
    QObject::connect(toggle, &QAction::triggered, dock, [focus, content](bool shown) {
        if (shown)
            focus->enter(*content);
    });
    // However the pane comes to show (its item, its key, a command such as Find).
    QTableView *grid = ui.tabla;
    QObject::connect(dock, &QDockWidget::visibilityChanged, dock, [&window, grid](bool visible) {
        if (visible && window.isVisible())
            keepGridRoom(window, *grid);
    });
    QObject::connect(dock->toggleViewAction(), &QAction::toggled, toggle, &QAction::setChecked);
    return dock;
}

} // namespace ParloxEd
