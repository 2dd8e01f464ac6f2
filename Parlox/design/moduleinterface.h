#pragma once

#include <QList>
#include <QObject>

namespace Parlox::Design {

class ModuleNotifier;

// The form designer's handle on the module of one open form: the notifiers attached to it,
// and the delivery of the module's events and component renames to each of them.
class ModuleInterface : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Notifiers are not owned; whoever adds one removes it before destroying it.
    void addNotifier(ModuleNotifier *notifier);
    void removeNotifier(ModuleNotifier *notifier);
    const QList<ModuleNotifier *> &notifiers() const { return m_notifiers; }

    // Called by the designer. A notifier may remove itself meanwhile; the others are still told.
    void deliverEvent(int code);
    void deliverRename(QObject *component, const QString &oldName, const QString &newName);

private:
    QList<ModuleNotifier *> m_notifiers;
};

} // namespace Parlox::Design
