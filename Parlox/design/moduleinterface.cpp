#include <Parlox/design/moduleinterface.h>

#include <Parlox/design/modulenotifier.h>

namespace Parlox::Design {

void ModuleInterface::addNotifier(ModuleNotifier *notifier)
{
    if (notifier && !m_notifiers.contains(notifier))
        m_notifiers.append(notifier);
}

void ModuleInterface::removeNotifier(ModuleNotifier *notifier)
{
    m_notifiers.removeOne(notifier);
}

void ModuleInterface::deliverEvent(int code)
{
    const QList<ModuleNotifier *> notifiers = m_notifiers;
    for (ModuleNotifier *notifier : notifiers) {
        if (m_notifiers.contains(notifier))
            notifier->moduleEvent(code);
    }
}

void ModuleInterface::deliverRename(QObject *component, const QString &oldName,
                                    const QString &newName)
{
    const QList<ModuleNotifier *> notifiers = m_notifiers;
    for (ModuleNotifier *notifier : notifiers) {
        if (m_notifiers.contains(notifier))
            notifier->componentRenamed(component, oldName, newName);
    }
}

} // namespace Parlox::Design
