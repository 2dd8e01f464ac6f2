#pragma once

#include <QMetaProperty>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>

class QObject;

// The string-list properties of the standard Qt classes behind publishedproperties.h, and the
// lookup of a class's own Q_PROPERTY by name both share.
namespace Parlox::Platform {

// The object's Q_PROPERTY of exactly this name; positions are remembered per class and name.
std::optional<QMetaProperty> ownProperty(const QObject *object, QStringView name);

class ItemList {
public:
    virtual ~ItemList() = default;
    virtual QStringList items() const = 0;
    virtual bool setItem(int index, const QString &value) = 0;
    virtual bool replaceAll(const QStringList &) { return false; }
};

// The list the name stands for on this object, or null.
std::unique_ptr<ItemList> itemList(const QObject *object, QStringView name);
bool isListName(QStringView name);

} // namespace Parlox::Platform
