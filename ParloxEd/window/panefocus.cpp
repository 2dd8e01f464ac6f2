#include "panefocus.h"

#include "gridfocus.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>

namespace ParloxEd {
namespace {

// The first widget of an area that takes the keys by Tab, in the window's Tab order.
QWidget *firstFocusable(QWidget &area)
{
    QWidget *widget = &area;
    do {
        if (area.isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus))
            return widget;
        widget = widget->nextInFocusChain();
    } while (widget && widget != &area);
    return nullptr;
}

} // namespace

PaneFocus::PaneFocus(QMainWindow &window, QAbstractItemView &grid, const GridFocus &gridFocus)
    : QObject(&window), m_window(window), m_grid(grid), m_gridFocus(gridFocus)
{
    const auto add = [this](QList<QKeySequence> keys, int step) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        m_window.addAction(action);
        connect(action, &QAction::triggered, this, [this, step] { move(step); });
    };
    add({QKeySequence(Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_Tab)}, 1);
    add({QKeySequence(Qt::SHIFT | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
         QKeySequence(Qt::CTRL | Qt::Key_Backtab)},
        -1);
}

void PaneFocus::setEntry(const QWidget *content, std::function<void()> enter)
{
    m_entries.insert(content, std::move(enter));
}

void PaneFocus::enter(QWidget &content) const
{
    if (const auto entry = m_entries.value(&content))
        return entry();
    if (QWidget *first = firstFocusable(content))
        first->setFocus(Qt::OtherFocusReason);
}

// The grid first, then the content of every pane that shows, in the order they were made.
QList<QWidget *> PaneFocus::stops() const
{
    QList<QWidget *> stops{&m_grid};
    for (QDockWidget *dock : m_window.findChildren<QDockWidget *>()) {
        if (dock->isVisible() && dock->widget())
            stops.append(dock->widget());
    }
    return stops;
}

int PaneFocus::stopHolding(const QWidget *widget, const QList<QWidget *> &stops) const
{
    for (int i = 0; i < stops.size(); ++i) {
        if (widget == stops.at(i) || stops.at(i)->isAncestorOf(widget))
            return i;
    }
    return -1;
}

void PaneFocus::move(int step) const
{
    const QList<QWidget *> all = stops();
    const int from = stopHolding(QApplication::focusWidget(), all);
    // From outside every stop (the filter box, say) F6 goes to the grid.
    const auto to = from < 0 ? 0 : int((from + step + all.size()) % all.size());
    if (to == 0)
        m_gridFocus.enter();
    else
        enter(*all.at(to));
}

} // namespace ParloxEd
