#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QAbstractItemView;
class QMainWindow;
class QWidget;

namespace ParloxEd {

class GridFocus;

// Moves the keys between the grid and the panes that show: F6 and Ctrl+Tab on to the next,
// Shift+F6 and Ctrl+Shift+Tab back, coming round to the grid. Showing a pane from its View
// item or key puts the keys into it too (see dockPane).
class PaneFocus : public QObject {
    Q_OBJECT

public:
    PaneFocus(QMainWindow &window, QAbstractItemView &grid, const GridFocus &gridFocus);

    // How the keys go into a pane's content when not to its first focusable widget.
    void setEntry(const QWidget *content, std::function<void()> enter);
    // Puts the keys into a pane's content.
    void enter(QWidget &content) const;
    void move(int step) const;

private:
    QList<QWidget *> stops() const;
    int stopHolding(const QWidget *widget, const QList<QWidget *> &stops) const;

    QMainWindow &m_window;
    QAbstractItemView &m_grid;
    const GridFocus &m_gridFocus;
    QHash<const QWidget *, std::function<void()>> m_entries;
};

} // namespace ParloxEd
