#pragma once

// Internal to the form data reader and writer: which properties a class stores, and how a
// property value and its JSON form turn into each other.

#include <QJsonValue>
#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

namespace Parlox::Platform::StoredProperties {

// One stored property: a Q_PROPERTY, or the `Items` of a list or combo box (no Q_PROPERTY).
struct Property {
    QString name;
    std::optional<QMetaProperty> meta;
};

// The published properties of a class in the order they are applied: the `Items` of a list or
// combo box first (so that an index property can refer to them), then every Q_PROPERTY in
// declaration order, base classes first, that is readable, writable, stored and designable and
// holds text, a string list, a Boolean, a number, an enumeration or a reference to a QObject.
// objectName is the component's "name" and is not among them.
QList<Property> of(const QMetaObject &meta);

std::optional<Property> find(const QMetaObject &meta, const QString &name);

// A property's default, declared as Q_CLASSINFO("parlox.default.<name>", "<text>"), or null.
std::optional<QString> declaredDefault(const QMetaObject &meta, const QString &name);

// A JSON value as the text a declared default is compared with.
QString defaultText(const QJsonValue &value);

// A value read from an object in its stored form. Throws Parlox::Error describing the
// problem (an unnamed or foreign reference) for the caller to put in context.
using NameOf = std::function<std::optional<QString>(const QObject *)>;
QJsonValue toJson(const QMetaProperty &property, const QVariant &value, const NameOf &nameOf);

// A stored value as the variant to write. A reference is resolved by `resolve`, which gives the
// object (null while only checking) and its class, or no class when the name is unknown. Throws
// Parlox::Error describing the problem.
struct Target {
    QObject *object = nullptr;
    const QMetaObject *meta = nullptr;
};
using Resolve = std::function<Target(const QString &name)>;
QVariant fromJson(const QMetaProperty &property, const QJsonValue &value, const Resolve &resolve);

} // namespace Parlox::Platform::StoredProperties
