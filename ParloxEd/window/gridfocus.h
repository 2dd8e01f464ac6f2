#pragma once

#include <QObject>

class QAbstractItemView;
class QModelIndex;
class QWidget;

namespace ParloxEd {

// Keeps the grid's keys in the grid. Its in-place editor opens on the selected cell only while
// the focus is in the grid: a selection moved from elsewhere (the filter hiding the selected
// row, a result browsed in a pane) never pulls the keys into a cell. Coming back into the grid
// opens the editor on the selected cell with the cursor after its text, so the first key adds
// to the value instead of replacing it unseen.
class GridFocus : public QObject {
    Q_OBJECT

public:
    explicit GridFocus(QAbstractItemView &grid);

    // Selects and shows a cell without arming a replace of its text.
    void showCell(const QModelIndex &index) const;
    // The keys go to the selected cell, its text unselected.
    void enter() const;

private:
    void focusMoved(QWidget *from, QWidget *to);
    bool holdsFocus(const QWidget *widget) const;
    void focusEditor() const;
    // The open editor's text unselected, its cursor at the end.
    void disarm() const;

    QAbstractItemView &m_grid;
};

} // namespace ParloxEd
