#include "celleditdelegate.h"

#include <QLineEdit>
#include <limits>

namespace ParloxEd {

QWidget *CellEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        // Values are translations: no length limit, no trimming, no completion.
        line->setMaxLength(std::numeric_limits<int>::max());
        auto *self = const_cast<CellEditDelegate *>(this);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

} // namespace ParloxEd
