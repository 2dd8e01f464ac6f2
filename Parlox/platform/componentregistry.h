#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace Parlox::Platform {

// Classes the form data reader can create, found by their class name (QMetaObject::className).
// The standard Qt classes of the platform mapping are registered from the start; each component
// class of ours registers itself once before a form that holds it is read:
//
//     ComponentRegistry::instance().add<TParloxSelect>();
//
// (Call it from a function the program runs at start-up: a static registrar object in a static
// library is dropped by the linker when nothing else in its file is used.)
class ComponentRegistry {
public:
    // Makes a new instance owned by `parent`; widgets need a widget parent (null otherwise).
    using Factory = std::function<QObject *(QObject *parent)>;

    struct Entry {
        const QMetaObject *meta = nullptr;
        Factory create;
        bool standard = false; // one of Qt's classes, registered from the start
    };

    static ComponentRegistry &instance();

    void add(const QMetaObject &meta, Factory create);

    // A class constructible from its parent: QWidget-derived classes from a QWidget *, the
    // others from a QObject *.
    template <class T> void add()
    {
        add(T::staticMetaObject, [](QObject *parent) -> QObject * {
            if constexpr (std::is_base_of_v<QWidget, T>) {
                auto *widget = qobject_cast<QWidget *>(parent);
                return parent && !widget ? nullptr : new T(widget);
            } else {
                return new T(parent);
            }
        });
    }

    const Entry *find(QStringView className) const;

    // The nearest class in the chain of `meta` that is one of the standard Qt classes, or null.
    const Entry *nearestStandard(const QMetaObject &meta) const;

private:
    ComponentRegistry();
    template <class T> void addStandard()
    {
        add<T>();
        m_entries[QString::fromLatin1(T::staticMetaObject.className())].standard = true;
    }
    QHash<QString, Entry> m_entries;
};

} // namespace Parlox::Platform
