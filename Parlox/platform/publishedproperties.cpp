#include <Parlox/platform/publishedproperties.h>

#include <Parlox/platform/componentkinds.h>

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

// The position of a class's property by name, remembered: a form's translation asks the same
// few names of the same few classes thousands of times, and the search compares the name with
// every property of the class and its bases.
int propertyIndex(const QMetaObject *meta, QStringView name)
{
    struct Slot {
        const QMetaObject *meta = nullptr;
        QString name;
        int index = -1;
    };
    thread_local std::array<Slot, 256> remembered;
    Slot &slot = remembered[(qHash(name) ^ std::hash<const void *>()(meta)) % remembered.size()];
    if (slot.meta != meta || slot.name != name) {
        slot.meta = meta;
        slot.name = name.toString();
        slot.index = meta->indexOfProperty(name.toLatin1().constData());
    }
    return slot.index;
}

std::optional<QMetaProperty> ownProperty(const QObject *object, QStringView name)
{
    const QMetaObject *meta = object->metaObject();
    const int index = propertyIndex(meta, name);
    if (index < 0)
        return std::nullopt;
    return meta->property(index);
}

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

// ---- string lists -----------------------------------------------------------------------------

class ItemList {
public:
    virtual ~ItemList() = default;
    virtual QStringList items() const = 0;
    virtual bool setItem(int index, const QString &value) = 0;
    virtual bool replaceAll(const QStringList &) { return false; }
};

class PropertyList : public ItemList {
public:
    PropertyList(QObject *o, QMetaProperty p) : m_object(o), m_property(p) {}
    bool isList() const { return m_property.metaType() == QMetaType::fromType<QStringList>(); }
    QStringList items() const override
    {
        return isList() ? m_property.read(m_object).toStringList() : QStringList();
    }
    bool setItem(int index, const QString &value) override
    {
        QStringList list = items();
        if (index < 0 || index >= list.size())
            return false;
        list[index] = value;
        return m_property.write(m_object, list);
    }
    bool replaceAll(const QStringList &list) override
    {
        return isList() && m_property.write(m_object, list);
    }

private:
    QObject *m_object;
    QMetaProperty m_property;
};

class MemoLines : public ItemList {
public:
    explicit MemoLines(QObject *o) : m_object(o) {}
    QStringList items() const override
    {
        const QString text = document()->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    bool setItem(int index, const QString &value) override
    {
        if (index < 0 || index >= items().size())
            return false;
        // Edit the block in place so the other lines keep their formatting.
        QTextCursor cursor(document()->findBlockByNumber(index));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(value);
        return true;
    }
    bool replaceAll(const QStringList &list) override
    {
        document()->setPlainText(list.join(QLatin1Char('\n')));
        return true;
    }

private:
    QTextDocument *document() const
    {
        if (auto *plain = qobject_cast<QPlainTextEdit *>(m_object))
            return plain->document();
        return static_cast<QTextEdit *>(m_object)->document();
    }
    QObject *m_object;
};

class ListWidgetItems : public ItemList {
public:
    explicit ListWidgetItems(QListWidget *w) : m_widget(w) {}
    QStringList items() const override
    {
        QStringList out;
        for (int i = 0; i < m_widget->count(); ++i)
            out.append(m_widget->item(i)->text());
        return out;
    }
    bool setItem(int index, const QString &value) override
    {
        if (index < 0 || index >= m_widget->count())
            return false;
        m_widget->item(index)->setText(value);
        return true;
    }
    bool replaceAll(const QStringList &list) override
    {
        m_widget->clear();
        m_widget->addItems(list);
        return true;
    }

private:
    QListWidget *m_widget;
};

class ComboItems : public ItemList {
public:
    explicit ComboItems(QComboBox *w) : m_widget(w) {}
    QStringList items() const override
    {
        QStringList out;
        for (int i = 0; i < m_widget->count(); ++i)
            out.append(m_widget->itemText(i));
        return out;
    }
    bool setItem(int index, const QString &value) override
    {
        if (index < 0 || index >= m_widget->count())
            return false;
        m_widget->setItemText(index, value);
        return true;
    }
    bool replaceAll(const QStringList &list) override
    {
        m_widget->clear();
        m_widget->addItems(list);
        return true;
    }

private:
    QComboBox *m_widget;
};

class ButtonGroupItems : public ItemList {
public:
    explicit ButtonGroupItems(QButtonGroup *g) : m_group(g) {}
    QStringList items() const override
    {
        QStringList out;
        for (const QAbstractButton *b : ordered())
            out.append(b->text());
        return out;
    }
    bool setItem(int index, const QString &value) override
    {
        const QList<QAbstractButton *> buttons = ordered();
        if (index < 0 || index >= buttons.size())
            return false;
        buttons[index]->setText(value);
        return true;
    }

private:
    // Automatic ids count down from -2, so they sort by their magnitude, after explicit ids.
    QList<QAbstractButton *> ordered() const
    {
        QList<QAbstractButton *> buttons = m_group->buttons();
        const auto key = [this](QAbstractButton *b) {
            const int id = m_group->id(b);
            return std::pair(id < 0, id < 0 ? -qint64(id) : qint64(id));
        };
        std::stable_sort(buttons.begin(), buttons.end(),
                         [&](auto *a, auto *b) { return key(a) < key(b); });
        return buttons;
    }
    QButtonGroup *m_group;
};

class TabPages : public ItemList {
public:
    explicit TabPages(QTabWidget *w) : m_widget(w) {}
    QStringList items() const override
    {
        QStringList out;
        for (int i = 0; i < m_widget->count(); ++i)
            out.append(m_widget->tabText(i));
        return out;
    }
    bool setItem(int index, const QString &value) override
    {
        if (index < 0 || index >= m_widget->count())
            return false;
        m_widget->setTabText(index, value);
        return true;
    }

private:
    QTabWidget *m_widget;
};

// The column titles of an item view that holds its own header items.
class HeaderLabels : public ItemList {
public:
    explicit HeaderLabels(QTreeWidget *w) : m_tree(w) {}
    explicit HeaderLabels(QTableWidget *w) : m_table(w) {}
    QStringList items() const override
    {
        QStringList out;
        for (int i = 0; i < count(); ++i)
            out.append(text(i));
        return out;
    }
    bool setItem(int index, const QString &value) override
    {
        if (index < 0 || index >= count())
            return false;
        if (m_tree)
            m_tree->headerItem()->setText(index, value);
        else if (QTableWidgetItem *item = m_table->horizontalHeaderItem(index))
            item->setText(value);
        else
            m_table->setHorizontalHeaderItem(index, new QTableWidgetItem(value));
        return true;
    }

private:
    int count() const { return m_tree ? m_tree->columnCount() : m_table->columnCount(); }
    // A tree's header item holds every column; a table has one item per column, or none.
    QString text(int i) const
    {
        if (m_tree)
            return m_tree->headerItem()->text(i);
        const QTableWidgetItem *item = m_table->horizontalHeaderItem(i);
        return item ? item->text() : QString();
    }

    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_table = nullptr;
};

// The buttons of a button box, standard ones included, in the order it lists them.
class BoxButtons : public ItemList {
public:
    explicit BoxButtons(QDialogButtonBox *w) : m_box(w) {}
    QStringList items() const override
    {
        QStringList out;
        for (const QAbstractButton *button : m_box->buttons())
            out.append(button->text());
        return out;
    }
    bool setItem(int index, const QString &value) override
    {
        const QList<QAbstractButton *> buttons = m_box->buttons();
        if (index < 0 || index >= buttons.size())
            return false;
        buttons[index]->setText(value);
        return true;
    }

private:
    QDialogButtonBox *m_box;
};

// Read-only callers pass a const object; the list only writes through the non-const entry points.
std::unique_ptr<ItemList> itemList(const QObject *object, QStringView name)
{
    auto *o = const_cast<QObject *>(object);
    if (!o)
        return nullptr;
    if (const auto p = ownProperty(o, name))
        return std::make_unique<PropertyList>(o, *p);
    if (name == u"Lines" && isMemo(o))
        return std::make_unique<MemoLines>(o);
    if (name == u"Items") {
        if (auto *list = qobject_cast<QListWidget *>(o))
            return std::make_unique<ListWidgetItems>(list);
        if (auto *combo = qobject_cast<QComboBox *>(o))
            return std::make_unique<ComboItems>(combo);
        if (auto *group = qobject_cast<QButtonGroup *>(o))
            return std::make_unique<ButtonGroupItems>(group);
    }
    if (name == u"Pages") {
        if (auto *tabs = qobject_cast<QTabWidget *>(o))
            return std::make_unique<TabPages>(tabs);
    }
    if (name == u"Headers") {
        if (auto *tree = qobject_cast<QTreeWidget *>(o))
            return std::make_unique<HeaderLabels>(tree);
        if (auto *table = qobject_cast<QTableWidget *>(o))
            return std::make_unique<HeaderLabels>(table);
    }
    if (name == u"Buttons") {
        if (auto *box = qobject_cast<QDialogButtonBox *>(o))
            return std::make_unique<BoxButtons>(box);
    }
    return nullptr;
}

bool isListName(QStringView name)
{
    return name == u"Lines" || name == u"Items" || name == u"Pages" || name == u"Headers" ||
           name == u"Buttons";
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
