#include "demoforms.h"

#include <Parlox/form.h>
#include <Parlox/parloxcombobox.h>
#include <Parlox/parloxmenu.h>
#include <Parlox/platform/formdata.h>
#include <Parlox/registercomponents.h>
#include <Parlox/select.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The resources of a static library are linked in only when something calls their
// initialiser, from outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(demo);
}

namespace ParloxDemo {
namespace {

QJsonObject resourceObject(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw Parlox::FileError(QStringLiteral("Cannot open %1").arg(resource));
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The same form data, with its translations to be read from the translations file (in the
// selector's TranslationsEncoding, UTF-8).
QJsonObject forFlatFile(QJsonObject data)
{
    QJsonArray components = data.value(QStringLiteral("components")).toArray();
    for (auto &&entry : components) {
        QJsonObject component = entry.toObject();
        QJsonObject properties = component.value(QStringLiteral("properties")).toObject();
        const QString className = component.value(QStringLiteral("class")).toString();
        if (className == QLatin1String(Parlox::TParloxSelect::staticMetaObject.className())) {
            properties.insert(QStringLiteral("TranslationsAre"), QStringLiteral("InFlatFile"));
        } else if (className == QLatin1String(Parlox::TParloxForm::staticMetaObject.className())) {
            properties.remove(QStringLiteral("FormStrings"));
            properties.remove(QStringLiteral("UserStrings"));
        }
        component.insert(QStringLiteral("properties"), properties);
        entry = component;
    }
    data.insert(QStringLiteral("components"), components);
    return data;
}

} // namespace

void registerComponents()
{
    initResources();
    Parlox::registerComponents();
}

void readForm(QWidget *form, const QString &resource, Storage storage)
{
    const QJsonObject data = resourceObject(resource);
    Parlox::Platform::readFormData(form, storage == Storage::FlatFile ? forFlatFile(data) : data);
}

} // namespace ParloxDemo
