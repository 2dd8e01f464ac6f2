#include "panedock.h"

#include "mainformui.h"
#include "panefocus.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>

namespace ParloxEd {

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
    QObject::connect(dock->toggleViewAction(), &QAction::toggled, toggle, &QAction::setChecked);
    return dock;
}

} // namespace ParloxEd
