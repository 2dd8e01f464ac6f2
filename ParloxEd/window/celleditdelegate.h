#pragma once

#include <QStyledItemDelegate>

namespace ParloxEd {

// The grid's in-place editor. Every keystroke goes straight into the model, so the grid holds
// what the user typed at any moment: a save, a status bar reading a cell or a switch of table
// never misses text that is still in an open editor. Esc puts back the text the cell had when
// its editor opened; Enter moves on to the same cell of the next row. Empty values are tinted,
// and a cell's tooltip shows its whole text, wrapped.
class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CellEditDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    // An empty value is tinted; a value that fails a check carries the warning mark.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void moveDown() const;

    QObject *m_undoKeys;
};

} // namespace ParloxEd
