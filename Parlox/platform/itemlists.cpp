#include <Parlox/platform/itemlists.h>

#include <Parlox/platform/componentkinds.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>
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

} // namespace

std::optional<QMetaProperty> ownProperty(const QObject *object, QStringView name)
{
    const QMetaObject *meta = object->metaObject();
    const int index = propertyIndex(meta, name);
    if (index < 0)
        return std::nullopt;
    return meta->property(index);
}

namespace {

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

} // namespace

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

} // namespace Parlox::Platform
