#include "gridfocus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>

namespace ParloxEd {

GridFocus::GridFocus(QAbstractItemView &grid) : QObject(&grid), m_grid(grid)
{
    connect(qApp, &QApplication::focusChanged, this, &GridFocus::focusMoved);
}

bool GridFocus::holdsFocus(const QWidget *widget) const
{
    return widget && (widget == &m_grid || m_grid.isAncestorOf(widget));
}

void GridFocus::focusMoved(QWidget *from, QWidget *to)
{
    // No widget has the focus while another window is active: nothing moved in this one.
    if (!to || to->window() != m_grid.window())
        return;
    const bool inside = holdsFocus(to);
    QAbstractItemView::EditTriggers triggers = m_grid.editTriggers();
    triggers.setFlag(QAbstractItemView::CurrentChanged, inside);
    m_grid.setEditTriggers(triggers);
    // Esc closing the editor hands the focus back to the grid: that is not coming back.
    if (!inside || to != &m_grid || holdsFocus(from))
        return;
    // A filter may have hidden the selected row: the keys go to the first cell shown.
    if (!m_grid.currentIndex().isValid() && m_grid.model()->rowCount() > 0)
        m_grid.setCurrentIndex(m_grid.model()->index(0, 1));
    focusEditor();
}

// An editor may already be open without the focus (opened while the window was inactive):
// a key typed at the grid then would only move the focus into it and be lost.
void GridFocus::focusEditor() const
{
    const QModelIndex current = m_grid.currentIndex();
    if (QWidget *editor = m_grid.indexWidget(current))
        editor->setFocus(Qt::OtherFocusReason);
    else if (current.flags() & Qt::ItemIsEditable)
        m_grid.edit(current);
    disarm();
}

void GridFocus::showCell(const QModelIndex &index) const
{
    m_grid.setCurrentIndex(index);
    m_grid.scrollTo(index);
    disarm();
}

void GridFocus::enter() const
{
    if (m_grid.hasFocus() || m_grid.isAncestorOf(QApplication::focusWidget()))
        return focusEditor();
    m_grid.setFocus(Qt::OtherFocusReason);
}

void GridFocus::disarm() const
{
    if (auto *editor = qobject_cast<QLineEdit *>(m_grid.indexWidget(m_grid.currentIndex()))) {
        editor->deselect();
        editor->end(false);
    }
}

} // namespace ParloxEd
