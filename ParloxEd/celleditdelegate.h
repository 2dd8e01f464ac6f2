#pragma once

#include <QStyledItemDelegate>

namespace ParloxEd {

// The grid's in-place editor. Every keystroke goes straight into the model, so the grid holds
// what the user typed at any moment: a commit of the grid, a status bar reading a cell or a
// switch of table never misses text that is still in an open editor. Esc puts back the text
// the cell had when its editor opened.
class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
};

} // namespace ParloxEd
