#include <Parlox/platform/formcomponents.h>

#include <Parlox/platform/componentkinds.h>

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>
#include <type_traits>

namespace Parlox::Platform {
namespace {

bool isQtHelper(const QObject *object, const QString &name)
{
    // A main window names its own layout "_layout".
    return name.startsWith(QLatin1String("qt_")) || object->inherits("QMainWindowLayout");
}

// Controls whose children are all Qt's own (a tab bar names its scroll buttons without the
// "qt_" prefix).
bool holdsOnlyQtParts(const QObject *object)
{
    return qobject_cast<const QTabBar *>(object) || qobject_cast<const QComboBox *>(object) ||
           qobject_cast<const QLineEdit *>(object) ||
           qobject_cast<const QAbstractSpinBox *>(object) ||
           qobject_cast<const QAbstractSlider *>(object);
}

template <typename Component> void collect(const QObject *parent, QList<Component> &out)
{
    for (QObject *child : parent->children()) {
        QString name = child->objectName();
        if (!name.isEmpty() && !isQtHelper(child, name)) {
            if constexpr (std::is_same_v<Component, NamedComponent>)
                out.append({child, std::move(name)});
            else
                out.append(child);
        }
        if (!isForm(child) && !holdsOnlyQtParts(child))
            collect(child, out);
    }
}

} // namespace

QWidget *owningForm(QObject *object)
{
    for (QObject *o = object; o; o = o->parent()) {
        if (isForm(o))
            return static_cast<QWidget *>(o);
    }
    return nullptr;
}

QList<QObject *> componentList(const QWidget *form)
{
    QList<QObject *> out;
    if (form)
        collect(form, out);
    return out;
}

QList<NamedComponent> namedComponentList(const QWidget *form)
{
    QList<NamedComponent> out;
    if (form)
        collect(form, out);
    return out;
}

QObject *findComponent(const QWidget *form, QStringView name)
{
    if (name.isEmpty())
        return nullptr;
    for (QObject *component : componentList(form)) {
        if (component->objectName() == name)
            return component;
    }
    return nullptr;
}

} // namespace Parlox::Platform
