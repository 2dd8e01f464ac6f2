#include <Parlox/platform/storedproperties.h>

#include <Parlox/format/errors.h>
#include <Parlox/platform/componentkinds.h>

#include <QJsonArray>
#include <QMetaEnum>
#include <cmath>
#include <cstring>

namespace Parlox::Platform::StoredProperties {
namespace {

const QString itemsName = QStringLiteral("Items");

bool isReference(const QMetaType type)
{
    return type.flags().testFlag(QMetaType::PointerToQObject);
}

bool isEnumeration(const QMetaProperty &p)
{
    return p.isEnumType() && p.enumerator().isValid();
}

bool isStorableType(const QMetaProperty &p)
{
    if (isEnumeration(p) || isReference(p.metaType()))
        return true;
    switch (p.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isStored(const QMetaProperty &p)
{
    return p.isReadable() && p.isWritable() && p.isStored() && p.isDesignable() &&
           qstrcmp(p.name(), "objectName") != 0 && isStorableType(p);
}

bool hasOwnItems(const QMetaObject &meta)
{
    return meta.indexOfProperty("Items") >= 0;
}

// Enumerations travel as their underlying integer, whatever its size.
qint64 enumValue(const QVariant &value)
{
    const qsizetype size = value.metaType().sizeOf();
    switch (size) {
    case 1: {
        qint8 v;
        std::memcpy(&v, value.constData(), 1);
        return v;
    }
    case 2: {
        qint16 v;
        std::memcpy(&v, value.constData(), 2);
        return v;
    }
    case 8: {
        qint64 v;
        std::memcpy(&v, value.constData(), 8);
        return v;
    }
    default: {
        qint32 v;
        std::memcpy(&v, value.constData(), 4);
        return v;
    }
    }
}

QVariant enumVariant(QMetaType type, qint64 value)
{
    QVariant out(type);
    const qsizetype size = type.sizeOf();
    const auto v8 = qint8(value);
    const auto v16 = qint16(value);
    const auto v32 = qint32(value);
    const void *source = size == 1   ? static_cast<const void *>(&v8)
                         : size == 2 ? static_cast<const void *>(&v16)
                         : size == 8 ? static_cast<const void *>(&value)
                                     : static_cast<const void *>(&v32);
    std::memcpy(out.data(), source, size_t(size == 1 || size == 2 || size == 8 ? size : 4));
    return out;
}

QJsonValue enumToJson(const QMetaProperty &p, const QVariant &value)
{
    const QMetaEnum e = p.enumerator();
    const qint64 v = enumValue(value);
    if (e.isFlag())
        return QString::fromLatin1(e.valueToKeys(int(v)));
    if (const char *key = e.valueToKey(int(v)))
        return QString::fromLatin1(key);
    return double(v);
}

QVariant enumFromJson(const QMetaProperty &p, const QJsonValue &value)
{
    const QMetaEnum e = p.enumerator();
    if (value.isDouble())
        return enumVariant(p.metaType(), qint64(value.toDouble()));
    if (!value.isString())
        throw Error(QStringLiteral("expected the name of a %1 value").arg(QLatin1String(e.name())));
    const QByteArray keys = value.toString().toLatin1();
    bool ok = true;
    int v = 0;
    if (e.isFlag())
        v = keys.isEmpty() ? 0 : e.keysToValue(keys.constData(), &ok);
    else
        v = e.keyToValue(keys.constData(), &ok);
    if (!ok)
        throw Error(QStringLiteral("'%1' is not a %2 value")
                        .arg(value.toString(), QLatin1String(e.name())));
    return enumVariant(p.metaType(), v);
}

QVariant referenceFromJson(const QMetaProperty &p, const QJsonValue &value, const Resolve &resolve)
{
    QObject *object = nullptr;
    if (!value.isNull()) {
        if (!value.isString())
            throw Error(QStringLiteral("expected a component name or null"));
        const Target target = resolve(value.toString());
        if (!target.meta)
            throw Error(QStringLiteral("unknown component '%1'").arg(value.toString()));
        const QMetaObject *wanted = p.metaType().metaObject();
        if (wanted && !target.meta->inherits(wanted))
            throw Error(QStringLiteral("component '%1' is not a %2")
                            .arg(value.toString(), QLatin1String(wanted->className())));
        object = target.object;
    }
    return QVariant(p.metaType(), &object);
}

double integral(const QJsonValue &value)
{
    const double d = value.toDouble();
    if (!value.isDouble() || std::trunc(d) != d)
        throw Error(QStringLiteral("expected a whole number"));
    return d;
}

QVariant plainFromJson(const QMetaProperty &p, const QJsonValue &value)
{
    switch (p.metaType().id()) {
    case QMetaType::QString:
        if (!value.isString())
            throw Error(QStringLiteral("expected a text"));
        return value.toString();
    case QMetaType::QStringList: {
        if (!value.isArray())
            throw Error(QStringLiteral("expected an array of texts"));
        QStringList list;
        for (const QJsonValue &line : value.toArray()) {
            if (!line.isString())
                throw Error(QStringLiteral("expected an array of texts"));
            list.append(line.toString());
        }
        return list;
    }
    case QMetaType::Bool:
        if (!value.isBool())
            throw Error(QStringLiteral("expected true or false"));
        return value.toBool();
    case QMetaType::Int:
        return int(integral(value));
    case QMetaType::UInt:
        return uint(integral(value));
    case QMetaType::LongLong:
        return qlonglong(integral(value));
    case QMetaType::ULongLong:
        return qulonglong(integral(value));
    default:
        if (!value.isDouble())
            throw Error(QStringLiteral("expected a number"));
        return QVariant(value.toDouble());
    }
}

} // namespace

QList<Property> of(const QMetaObject &meta)
{
    QList<Property> out;
    if ((isListBoxClass(meta) || isComboBoxClass(meta)) && !hasOwnItems(meta))
        out.append(Property{itemsName, std::nullopt});
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        if (isStored(p))
            out.append(Property{QString::fromLatin1(p.name()), p});
    }
    return out;
}

std::optional<Property> find(const QMetaObject &meta, const QString &name)
{
    for (const Property &p : of(meta)) {
        if (p.name == name)
            return p;
    }
    return std::nullopt;
}

std::optional<QString> declaredDefault(const QMetaObject &meta, const QString &name)
{
    const QByteArray key = "parlox.default." + name.toLatin1();
    const int index = meta.indexOfClassInfo(key.constData());
    if (index < 0)
        return std::nullopt;
    return QString::fromUtf8(meta.classInfo(index).value());
}

QString defaultText(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    if (value.isString())
        return value.toString();
    return {};
}

QJsonValue toJson(const QMetaProperty &p, const QVariant &value, const NameOf &nameOf)
{
    if (isEnumeration(p))
        return enumToJson(p, value);
    if (isReference(p.metaType())) {
        const auto *object = *static_cast<QObject *const *>(value.constData());
        if (!object)
            return QJsonValue::Null;
        const auto name = nameOf(object);
        if (!name)
            throw Error(QStringLiteral("refers to a component that is not named on this form"));
        return *name;
    }
    switch (p.metaType().id()) {
    case QMetaType::QStringList:
        return QJsonArray::fromStringList(value.toStringList());
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString:
        return value.toString();
    default:
        return value.toDouble();
    }
}

QVariant fromJson(const QMetaProperty &p, const QJsonValue &value, const Resolve &resolve)
{
    if (isEnumeration(p))
        return enumFromJson(p, value);
    if (isReference(p.metaType()))
        return referenceFromJson(p, value, resolve);
    return plainFromJson(p, value);
}

} // namespace Parlox::Platform::StoredProperties
