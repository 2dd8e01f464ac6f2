#include "celleditdelegate.h"

#include "tablegridmodel.h"
#include "undokeyfilter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextLayout>
#include <QToolTip>
#include <limits>

namespace ParloxEd {
namespace {

// The cell's text when its editor opened, kept on the editor itself.
constexpr char OpeningText[] = "openingText";

// A soft amber, readable in light and dark palettes alike.
const QColor UntranslatedTint(255, 196, 92, 96);

// A tooltip's lines: about as long as a line of a book.
constexpr int TipColumns = 70;

// One paragraph broken into lines at word boundaries, each escaped for rich text.
QStringList wrappedLines(const QString &paragraph, const QFont &font)
{
    QTextLayout layout(paragraph, font);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(QFontMetrics(font).averageCharWidth() * TipColumns);
        lines << paragraph.mid(line.textStart(), line.textLength()).toHtmlEscaped();
    }
    layout.endLayout();
    return lines;
}

// The whole text, paragraph by paragraph, as rich text that keeps every character (the
// tooltip's own wrapping would squeeze a long text into a narrow column).
QString wrappedTip(const QString &text)
{
    const QFont font = QToolTip::font();
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n'))
        lines << wrappedLines(paragraph, font);
    return QStringLiteral("<p style='white-space:pre'>%1</p>")
        .arg(lines.join(QStringLiteral("<br>")));
}

} // namespace

CellEditDelegate::CellEditDelegate(QObject *parent)
    : QStyledItemDelegate(parent), m_undoKeys(new UndoKeyFilter(this))
{
}

QWidget *CellEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        // Values are translations: no length limit, no trimming, no completion.
        line->setMaxLength(std::numeric_limits<int>::max());
        line->installEventFilter(m_undoKeys);
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
    // Each keystroke comes back from the model as a change of the cell; setting the same text
    // again would move the cursor to the end in mid-word. Any other text came from outside
    // (an undo, the entry pane) and is what Esc goes back to.
    if (line->text() == text && line->property(OpeningText).isValid())
        return;
    line->setText(text);
    line->setProperty(OpeningText, text);
}

bool CellEditDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::ToolTipRole).toString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), wrappedTip(text), view);
    return true;
}

void CellEditDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(TableGridModel::UntranslatedRole).toBool())
        option->backgroundBrush = UntranslatedTint;
    if (index.data(TableGridModel::WarningsRole).toInt() == 0)
        return;
    const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
    option->icon = style->standardIcon(QStyle::SP_MessageBoxWarning);
    option->features |= QStyleOptionViewItem::HasDecoration;
}

bool CellEditDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *line = qobject_cast<QLineEdit *>(object);
    if (line && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            line->setText(line->property(OpeningText).toString());
            emit commitData(line);
        } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            moveDown();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void CellEditDelegate::moveDown() const
{
    auto *view = qobject_cast<QAbstractItemView *>(parent());
    if (!view)
        return;
    const QModelIndex current = view->currentIndex();
    const QModelIndex below = current.sibling(current.row() + 1, current.column());
    if (below.isValid())
        view->setCurrentIndex(below);
}

} // namespace ParloxEd
