#include <Parlox/platform/component.h>

#include <QObject>

namespace Parlox::Platform {
namespace {
bool designingScope = false;
}

DesigningScope::DesigningScope() : m_previous(std::exchange(designingScope, true)) {}

DesigningScope::~DesigningScope()
{
    designingScope = m_previous;
}

Component::Component() : m_designing(designingScope) {}

Component::~Component()
{
    announceRemoval();
    for (Component *watched : std::as_const(m_watched))
        watched->m_watchers.removeAll(this);
}

void Component::watchRemoval(Component *other)
{
    if (!other || other == this || m_watched.contains(other))
        return;
    m_watched.append(other);
    other->m_watchers.append(this);
}

void Component::unwatchRemoval(Component *other)
{
    if (!other)
        return;
    m_watched.removeAll(other);
    other->m_watchers.removeAll(this);
}

void Component::announceRemoval()
{
    // A notice may unwatch or watch again; work on a detached list.
    const QList<Component *> watchers = std::exchange(m_watchers, {});
    for (Component *watcher : watchers)
        watcher->m_watched.removeAll(this);
    for (Component *watcher : watchers)
        watcher->removalNotice(this);
}

Component *asComponent(QObject *object)
{
    return dynamic_cast<Component *>(object);
}

const Component *asComponent(const QObject *object)
{
    return dynamic_cast<const Component *>(object);
}

} // namespace Parlox::Platform
