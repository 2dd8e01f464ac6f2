#include <Parlox/platform/formdata.h>

#include <Parlox/platform/componentregistry.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/publishedproperties.h>
#include <Parlox/platform/storedproperties.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QWidget>
#include <memory>

namespace Parlox::Platform {
namespace {

namespace Stored = StoredProperties;

class Writer {
public:
    explicit Writer(const QWidget *form) : m_form(form), m_components(componentList(form))
    {
        for (const QObject *c : std::as_const(m_components)) {
            if (m_listed.contains(c->objectName()))
                throw FormDataError(
                    QStringLiteral("Two components are named '%1'").arg(c->objectName()));
            m_listed.insert(c->objectName());
            m_members.insert(c);
        }
    }

    QJsonObject write() const
    {
        QJsonObject root;
        root.insert(QStringLiteral("class"), QLatin1String(m_form->metaObject()->className()));
        if (!m_form->objectName().isEmpty())
            root.insert(QStringLiteral("name"), m_form->objectName());
        root.insert(QStringLiteral("properties"), properties(m_form, QStringLiteral("the form")));
        QJsonArray components;
        for (const QObject *c : m_components)
            components.append(component(c));
        root.insert(QStringLiteral("components"), components);
        return root;
    }

private:
    QJsonObject component(const QObject *c) const
    {
        QJsonObject entry;
        entry.insert(QStringLiteral("class"), QLatin1String(c->metaObject()->className()));
        entry.insert(QStringLiteral("name"), c->objectName());
        if (const QObject *parent = listedParent(c))
            entry.insert(QStringLiteral("parent"), parent->objectName());
        entry.insert(QStringLiteral("properties"),
                     properties(c, QStringLiteral("component '%1'").arg(c->objectName())));
        return entry;
    }

    // The nearest listed ancestor; null when that is the form.
    const QObject *listedParent(const QObject *c) const
    {
        for (const QObject *p = c->parent(); p && p != m_form; p = p->parent()) {
            if (isListed(p))
                return p;
        }
        return nullptr;
    }

    bool isListed(const QObject *o) const { return m_members.contains(o); }

    std::optional<QString> nameOf(const QObject *o) const
    {
        if ((o == m_form || isListed(o)) && !o->objectName().isEmpty())
            return o->objectName();
        return std::nullopt;
    }

    // Properties declared by Qt's own classes are written only where they differ from a fresh
    // instance of the nearest standard class that has been given the properties written before
    // them, so that what Qt derives (an action's tool tip from its text) stays derived and
    // reading reproduces exactly the values seen here. The others are written unless they
    // equal their declared default.
    QJsonObject properties(const QObject *o, const QString &label) const
    {
        QJsonObject out;
        const QMetaObject &meta = *o->metaObject();
        const std::unique_ptr<QObject> fresh = freshStandardInstance(meta);
        const int replayable = fresh ? fresh->metaObject()->propertyCount() : 0;
        for (const Stored::Property &p : Stored::of(meta)) {
            const QJsonValue value = valueOf(o, p, label);
            if (fresh && (!p.meta || p.meta->propertyIndex() < replayable)) {
                if (sameValue(fresh.get(), o, p))
                    continue;
                replay(fresh.get(), o, p);
            } else if (const auto byDefault = Stored::declaredDefault(meta, p.name);
                       byDefault && *byDefault == Stored::defaultText(value)) {
                continue;
            }
            out.insert(p.name, value);
        }
        return out;
    }

    static std::unique_ptr<QObject> freshStandardInstance(const QMetaObject &meta)
    {
        const ComponentRegistry::Entry *standard =
            ComponentRegistry::instance().nearestStandard(meta);
        return std::unique_ptr<QObject>(standard ? standard->create(nullptr) : nullptr);
    }

    static bool sameValue(const QObject *fresh, const QObject *o, const Stored::Property &p)
    {
        if (!p.meta)
            return stringListProperty(fresh, p.name) == stringListProperty(o, p.name);
        return p.meta->read(fresh) == p.meta->read(o);
    }

    static void replay(QObject *fresh, const QObject *o, const Stored::Property &p)
    {
        if (p.meta)
            p.meta->write(fresh, p.meta->read(o));
        else
            setStringListProperty(fresh, p.name,
                                  stringListProperty(o, p.name).value_or(QStringList()));
    }

    QJsonValue valueOf(const QObject *o, const Stored::Property &p, const QString &label) const
    {
        if (!p.meta)
            return QJsonArray::fromStringList(
                stringListProperty(o, p.name).value_or(QStringList()));
        try {
            return Stored::toJson(*p.meta, p.meta->read(o),
                                  [this](const QObject *target) { return nameOf(target); });
        } catch (const Error &problem) {
            throw FormDataError(
                QStringLiteral("Property '%1' of %2 %3").arg(p.name, label, problem.message()));
        }
    }

    const QWidget *m_form;
    QList<QObject *> m_components;
    QSet<QString> m_listed;
    QSet<const QObject *> m_members;
};

} // namespace

QJsonObject formData(const QWidget *form)
{
    if (!form)
        throw FormDataError(QStringLiteral("Form data: no form to write"));
    return Writer(form).write();
}

QByteArray writeFormData(const QWidget *form)
{
    return QJsonDocument(formData(form)).toJson(QJsonDocument::Indented);
}

} // namespace Parlox::Platform
