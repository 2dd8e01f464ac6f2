#include <Parlox/platform/publishedproperties.h>

#include <Parlox/platform/componentkinds.h>
#include <Parlox/platform/itemlists.h>

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace Parlox::Platform {
namespace {

// ---- text properties over the standard classes ----------------------------------------------

struct TextAccess {
    QString (*get)(const QObject *);
    void (*set)(QObject *, const QString &);
};

template <class T, QString (T::*Get)() const, void (T::*Set)(const QString &)>
constexpr TextAccess access()
{
    return {[](const QObject *o) { return (static_cast<const T *>(o)->*Get)(); },
            [](QObject *o, const QString &v) { (static_cast<T *>(o)->*Set)(v); }};
}

constexpr TextAccess windowTitle =
    access<QWidget, &QWidget::windowTitle, &QWidget::setWindowTitle>();

std::optional<TextAccess> captionAccess(const QObject *o)
{
    if (isForm(o))
        return windowTitle;
    if (qobject_cast<const QAbstractButton *>(o))
        return access<QAbstractButton, &QAbstractButton::text, &QAbstractButton::setText>();
    if (qobject_cast<const QLabel *>(o))
        return access<QLabel, &QLabel::text, &QLabel::setText>();
    if (qobject_cast<const QAction *>(o))
        return access<QAction, &QAction::text, &QAction::setText>();
    if (qobject_cast<const QMenu *>(o))
        return access<QMenu, &QMenu::title, &QMenu::setTitle>();
    if (qobject_cast<const QGroupBox *>(o))
        return access<QGroupBox, &QGroupBox::title, &QGroupBox::setTitle>();
    if (qobject_cast<const QDockWidget *>(o))
        return windowTitle;
    return std::nullopt;
}

// An action without a tool tip of its own shows its text as one; that is no hint of its own.
QString actionHint(const QObject *o)
{
    const auto *action = static_cast<const QAction *>(o);
    QAction derived;
    derived.setText(action->text());
    return action->toolTip() == derived.toolTip() ? QString() : action->toolTip();
}

std::optional<TextAccess> hintAccess(const QObject *o)
{
    if (qobject_cast<const QWidget *>(o))
        return access<QWidget, &QWidget::toolTip, &QWidget::setToolTip>();
    if (qobject_cast<const QAction *>(o))
        return TextAccess{actionHint,
                          access<QAction, &QAction::toolTip, &QAction::setToolTip>().set};
    return std::nullopt;
}

std::optional<TextAccess> placeholderAccess(const QObject *o)
{
    if (qobject_cast<const QLineEdit *>(o))
        return access<QLineEdit, &QLineEdit::placeholderText, &QLineEdit::setPlaceholderText>();
    if (qobject_cast<const QPlainTextEdit *>(o))
        return access<QPlainTextEdit, &QPlainTextEdit::placeholderText,
                      &QPlainTextEdit::setPlaceholderText>();
    if (qobject_cast<const QTextEdit *>(o))
        return access<QTextEdit, &QTextEdit::placeholderText, &QTextEdit::setPlaceholderText>();
    return std::nullopt;
}

// The texts both widgets and actions carry under the same names.
template <QString (QWidget::*WidgetGet)() const, void (QWidget::*WidgetSet)(const QString &),
          QString (QAction::*ActionGet)() const, void (QAction::*ActionSet)(const QString &)>
std::optional<TextAccess> widgetOrActionAccess(const QObject *o)
{
    if (qobject_cast<const QWidget *>(o))
        return access<QWidget, WidgetGet, WidgetSet>();
    if (qobject_cast<const QAction *>(o))
        return access<QAction, ActionGet, ActionSet>();
    return std::nullopt;
}

template <QString (QSpinBox::*SpinGet)() const, void (QSpinBox::*SpinSet)(const QString &),
          QString (QDoubleSpinBox::*DoubleGet)() const,
          void (QDoubleSpinBox::*DoubleSet)(const QString &)>
std::optional<TextAccess> spinBoxAccess(const QObject *o)
{
    if (qobject_cast<const QSpinBox *>(o))
        return access<QSpinBox, SpinGet, SpinSet>();
    if (qobject_cast<const QDoubleSpinBox *>(o))
        return access<QDoubleSpinBox, DoubleGet, DoubleSet>();
    return std::nullopt;
}

std::optional<TextAccess> mappedText(const QObject *o, QStringView name)
{
    if (name == u"Caption")
        return captionAccess(o);
    if (name == u"Hint")
        return hintAccess(o);
    if (name == u"Title" && qobject_cast<const QDialog *>(o))
        return windowTitle;
    if (name == u"PlaceholderText")
        return placeholderAccess(o);
    if (name == u"StatusTip")
        return widgetOrActionAccess<&QWidget::statusTip, &QWidget::setStatusTip,
                                    &QAction::statusTip, &QAction::setStatusTip>(o);
    if (name == u"WhatsThis")
        return widgetOrActionAccess<&QWidget::whatsThis, &QWidget::setWhatsThis,
                                    &QAction::whatsThis, &QAction::setWhatsThis>(o);
    if (name == u"Prefix")
        return spinBoxAccess<&QSpinBox::prefix, &QSpinBox::setPrefix, &QDoubleSpinBox::prefix,
                             &QDoubleSpinBox::setPrefix>(o);
    if (name == u"Suffix")
        return spinBoxAccess<&QSpinBox::suffix, &QSpinBox::setSuffix, &QDoubleSpinBox::suffix,
                             &QDoubleSpinBox::setSuffix>(o);
    return std::nullopt;
}

} // namespace

bool hasProperty(const QObject *object, QStringView name)
{
    if (!object)
        return false;
    if (ownProperty(object, name))
        return true;
    return isListName(name) ? itemList(object, name) != nullptr
                            : mappedText(object, name).has_value();
}

std::optional<QString> textProperty(const QObject *object, QStringView name)
{
    if (!object)
        return std::nullopt;
    if (const auto p = ownProperty(object, name)) {
        if (p->metaType() != QMetaType::fromType<QString>())
            return QString();
        return p->read(object).toString();
    }
    if (const auto mapped = mappedText(object, name))
        return mapped->get(object);
    return std::nullopt;
}

bool setTextProperty(QObject *object, QStringView name, const QString &value)
{
    if (!object)
        return false;
    if (const auto p = ownProperty(object, name)) {
        return p->metaType() == QMetaType::fromType<QString>() && p->isWritable() &&
               p->write(object, value);
    }
    if (const auto mapped = mappedText(object, name)) {
        mapped->set(object, value);
        return true;
    }
    return false;
}

std::optional<int> itemCount(const QObject *object, QStringView name)
{
    if (const auto list = itemList(object, name))
        return int(list->items().size());
    return std::nullopt;
}

std::optional<QString> item(const QObject *object, QStringView name, int index)
{
    const auto list = itemList(object, name);
    if (!list)
        return std::nullopt;
    const QStringList items = list->items();
    if (index < 0 || index >= items.size())
        return std::nullopt;
    return items[index];
}

bool setItem(QObject *object, QStringView name, int index, const QString &value)
{
    const auto list = itemList(object, name);
    return list && list->setItem(index, value);
}

std::optional<QStringList> stringListProperty(const QObject *object, QStringView name)
{
    if (const auto list = itemList(object, name))
        return list->items();
    return std::nullopt;
}

bool setStringListProperty(QObject *object, QStringView name, const QStringList &items)
{
    const auto list = itemList(object, name);
    return list && list->replaceAll(items);
}

} // namespace Parlox::Platform
