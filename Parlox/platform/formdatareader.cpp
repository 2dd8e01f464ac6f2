#include <Parlox/platform/formdata.h>

#include <Parlox/platform/component.h>
#include <Parlox/platform/componentregistry.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/publishedproperties.h>
#include <Parlox/platform/storedproperties.h>

#include <QAction>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

namespace Parlox::Platform {
namespace {

namespace Stored = StoredProperties;

[[noreturn]] void fail(const QString &message)
{
    throw FormDataError(message);
}

const QMetaObject *classInChain(const QMetaObject *meta, const QString &className)
{
    for (; meta; meta = meta->superClass()) {
        if (QLatin1String(meta->className()) == className)
            return meta;
    }
    return nullptr;
}

struct Entry {
    QString name;
    QString className;
    QString parentName;
    const QMetaObject *meta = nullptr;
    const ComponentRegistry::Entry *factory = nullptr; // set when it must be created
    QJsonObject properties;
    QObject *object = nullptr;
};

QString entryLabel(const Entry &e)
{
    return e.name.isEmpty() ? QStringLiteral("the form")
                            : QStringLiteral("component '%1'").arg(e.name);
}

QString requiredText(const QJsonObject &o, const QString &key, const QString &where)
{
    const QJsonValue v = o.value(key);
    if (!v.isString() || v.toString().isEmpty())
        fail(QStringLiteral("Form data: %1 has no \"%2\"").arg(where, key));
    return v.toString();
}

class Reader {
public:
    Reader(QWidget *form, const QJsonObject &data) : m_form(form), m_data(data) {}

    void run()
    {
        readRoot();
        readComponents();
        for (const Entry &e : std::as_const(m_entries))
            checkProperties(e);
        create();
        apply();
        finish();
    }

private:
    void readRoot()
    {
        m_root.className =
            requiredText(m_data, QStringLiteral("class"), QStringLiteral("the form"));
        if (!classInChain(m_form->metaObject(), m_root.className))
            fail(QStringLiteral("Form data is for a %1, not a %2")
                     .arg(m_root.className, QLatin1String(m_form->metaObject()->className())));
        m_root.meta = m_form->metaObject();
        m_root.object = m_form;
        m_root.properties =
            objectAt(m_data, QStringLiteral("properties"), QStringLiteral("the form"));
        m_formName = m_data.value(QStringLiteral("name")).toString(m_form->objectName());
        for (QObject *c : componentList(m_form)) {
            if (!m_existing.contains(c->objectName())) // the first of a name, as findComponent
                m_existing.insert(c->objectName(), c);
        }
        m_entries.append(m_root);
    }

    static QJsonObject objectAt(const QJsonObject &o, const QString &key, const QString &where)
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return {};
        if (!v.isObject())
            fail(QStringLiteral("Form data: \"%1\" of %2 is not an object").arg(key, where));
        return v.toObject();
    }

    void readComponents()
    {
        const QJsonValue list = m_data.value(QStringLiteral("components"));
        if (!list.isUndefined() && !list.isArray())
            fail(QStringLiteral("Form data: \"components\" is not an array"));
        for (const QJsonValue &item : list.toArray()) {
            if (!item.isObject())
                fail(QStringLiteral("Form data: a component entry is not an object"));
            readComponent(item.toObject());
        }
    }

    void readComponent(const QJsonObject &o)
    {
        Entry e;
        e.name = requiredText(o, QStringLiteral("name"), QStringLiteral("a component"));
        const QString where = QStringLiteral("component '%1'").arg(e.name);
        e.className = requiredText(o, QStringLiteral("class"), where);
        e.parentName = o.value(QStringLiteral("parent")).toString();
        e.properties = objectAt(o, QStringLiteral("properties"), where);
        if (m_index.contains(e.name))
            fail(QStringLiteral("Duplicate component name '%1' in form data").arg(e.name));
        if (QObject *existing = m_existing.value(e.name)) {
            if (!classInChain(existing->metaObject(), e.className))
                fail(QStringLiteral("Component '%1' is a %2, not a %3")
                         .arg(e.name, QLatin1String(existing->metaObject()->className()),
                              e.className));
            e.object = existing;
            e.meta = existing->metaObject();
        } else {
            e.factory = ComponentRegistry::instance().find(e.className);
            if (!e.factory)
                fail(QStringLiteral("Unknown class '%1' of component '%2'")
                         .arg(e.className, e.name));
            e.meta = e.factory->meta;
            checkParent(e);
        }
        m_index.insert(e.name, int(m_entries.size()));
        m_entries.append(e);
    }

    void checkParent(const Entry &e) const
    {
        const Stored::Target parent = parentOf(e);
        if (!parent.meta)
            fail(QStringLiteral("Unknown parent '%1' of component '%2'").arg(e.parentName, e.name));
        if (e.meta->inherits(&QWidget::staticMetaObject) &&
            !parent.meta->inherits(&QWidget::staticMetaObject))
            fail(QStringLiteral("Component '%1' is a widget and cannot be placed in '%2'")
                     .arg(e.name, e.parentName));
    }

    Stored::Target parentOf(const Entry &e) const
    {
        if (e.parentName.isEmpty() || e.parentName == m_formName)
            return {m_form, m_form->metaObject()};
        // Only components met earlier can hold this one.
        const int index = m_index.value(e.parentName, -1);
        if (index >= 0)
            return {m_entries[index].object, m_entries[index].meta};
        if (QObject *existing = m_existing.value(e.parentName))
            return {existing, existing->metaObject()};
        return {};
    }

    Stored::Target resolve(const QString &name) const
    {
        const int index = m_index.value(name, -1);
        if (index >= 0)
            return {m_entries[index].object, m_entries[index].meta};
        if (QObject *existing = m_existing.value(name))
            return {existing, existing->metaObject()};
        if (!name.isEmpty() && name == m_formName)
            return {m_form, m_form->metaObject()};
        return {};
    }

    void checkProperties(const Entry &e) const
    {
        for (auto it = e.properties.begin(); it != e.properties.end(); ++it) {
            const auto property = Stored::find(*e.meta, it.key());
            if (!property)
                fail(QStringLiteral("Unknown property '%1' of %2 (class %3)")
                         .arg(it.key(), entryLabel(e), QLatin1String(e.meta->className())));
            convert(e, *property, it.value());
        }
    }

    QVariant convert(const Entry &e, const Stored::Property &property,
                     const QJsonValue &value) const
    {
        try {
            if (!property.meta) {
                const QJsonArray lines = value.toArray();
                if (!value.isArray() ||
                    !std::all_of(lines.begin(), lines.end(),
                                 [](const QJsonValue &l) { return l.isString(); }))
                    throw Error(QStringLiteral("expected an array of texts"));
                return value.toVariant().toStringList();
            }
            return Stored::fromJson(*property.meta, value,
                                    [this](const QString &name) { return resolve(name); });
        } catch (const FormDataError &) {
            throw;
        } catch (const Error &problem) {
            fail(QStringLiteral("Property '%1' of %2: %3")
                     .arg(property.name, entryLabel(e), problem.message()));
        }
    }

    void create()
    {
        try {
            for (Entry &e : m_entries) {
                if (e.factory)
                    createOne(e);
            }
        } catch (...) {
            discardCreated();
            throw;
        }
    }

    void createOne(Entry &e)
    {
        QObject *parent = parentOf(e).object;
        e.object = e.factory->create(parent);
        if (!e.object)
            fail(QStringLiteral("Cannot create component '%1' of class %2")
                     .arg(e.name, e.className));
        m_created.append(e.object);
        e.object->setObjectName(e.name);
        place(e.object, parent);
    }

    // Actions and menus only show where their container lists them.
    static void place(QObject *object, QObject *parent)
    {
        auto *menu = qobject_cast<QMenu *>(object);
        if (menu) {
            if (auto *parentMenu = qobject_cast<QMenu *>(parent))
                parentMenu->addMenu(menu);
            else if (auto *bar = qobject_cast<QMenuBar *>(parent))
                bar->addMenu(menu);
            return;
        }
        auto *action = qobject_cast<QAction *>(object);
        auto *container = qobject_cast<QWidget *>(parent);
        if (action && container)
            container->addAction(action);
    }

    void discardCreated()
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
            delete it->data();
        m_created.clear();
    }

    void apply()
    {
        for (const Entry &e : std::as_const(m_entries)) {
            if (Component *c = asComponent(e.object))
                c->beginLoading();
        }
        try {
            if (!m_formName.isEmpty())
                m_form->setObjectName(m_formName);
            for (const Entry &e : std::as_const(m_entries))
                applyProperties(e);
        } catch (...) {
            for (const Entry &e : std::as_const(m_entries)) {
                if (Component *c = asComponent(e.object))
                    c->abandonLoading();
            }
            discardCreated();
            throw;
        }
    }

    void applyProperties(const Entry &e) const
    {
        for (const Stored::Property &property : Stored::of(*e.meta)) {
            const QJsonValue value = e.properties.value(property.name);
            if (value.isUndefined())
                continue;
            const QVariant v = convert(e, property, value);
            const bool written =
                property.meta ? property.meta->write(e.object, v)
                              : setStringListProperty(e.object, property.name, v.toStringList());
            if (!written)
                fail(QStringLiteral("Cannot set property '%1' of %2")
                         .arg(property.name, entryLabel(e)));
        }
    }

    void finish()
    {
        QList<QPointer<QObject>> order;
        for (const Entry &e : std::as_const(m_entries))
            order.append(e.object);
        // An end-of-loading step may fail; the rest then leave the loading state without one.
        auto it = order.begin();
        try {
            for (; it != order.end(); ++it) {
                if (Component *c = asComponent(it->data()))
                    c->loaded();
            }
        } catch (...) {
            for (++it; it != order.end(); ++it) {
                if (Component *c = asComponent(it->data()))
                    c->abandonLoading();
            }
            throw;
        }
    }

    QWidget *m_form;
    QJsonObject m_data;
    QString m_formName;
    Entry m_root;
    QList<Entry> m_entries; // the form first
    QHash<QString, int> m_index;
    QHash<QString, QObject *> m_existing;
    QList<QPointer<QObject>> m_created;
};

} // namespace

void readFormData(QWidget *form, const QJsonObject &data)
{
    if (!form)
        fail(QStringLiteral("Form data: no form to read into"));
    Reader(form, data).run();
}

void readFormData(QWidget *form, const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("Form data is not valid JSON: %1 at offset %2")
                 .arg(error.errorString())
                 .arg(error.offset));
    if (!document.isObject())
        fail(QStringLiteral("Form data is not a JSON object"));
    readFormData(form, document.object());
}

} // namespace Parlox::Platform
