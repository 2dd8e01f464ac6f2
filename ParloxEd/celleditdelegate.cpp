#include "celleditdelegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

namespace ParloxEd {
namespace {

// The cell's text when its editor opened, kept on the editor itself.
constexpr char OpeningText[] = "openingText";

} // namespace

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

void CellEditDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return QStyledItemDelegate::setEditorData(editor, index);
    const QString text = index.data(Qt::EditRole).toString();
    if (!line->property(OpeningText).isValid())
        line->setProperty(OpeningText, text);
    // Each keystroke comes back from the model as a change of the cell; setting the same text
    // again would move the cursor to the end in mid-word.
    if (line->text() != text)
        line->setText(text);
}

bool CellEditDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *line = qobject_cast<QLineEdit *>(object);
    if (line && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        line->setText(line->property(OpeningText).toString());
        emit commitData(line);
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace ParloxEd
