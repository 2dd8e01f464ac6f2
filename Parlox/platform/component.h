#pragma once

#include <QList>

class QObject;

namespace Parlox::Platform {

// The lifecycle every component of the set shares, whether it is a widget (the pickers) or a
// plain QObject (the selector, the translator). A class carries it beside its QObject base:
//
//     class TParloxSelect : public QObject, public Parlox::Platform::Component { ... };
//
// States: loading while the form data reader assigns stored properties (setters then only
// store), designing while the component sits in a form designer. The reader runs loaded() on
// every component in read order once the whole form is read; overrides call the base first,
// which ends the loading state.
//
// Removal notices: after a->watchRemoval(b), a->removalNotice(b) runs when b goes away. The
// watch is dropped by either side's destruction, so neither is told about a dead partner. b
// announces its removal at the start of its own destructor when it calls announceRemoval();
// otherwise ~Component does it, when only b's QObject part is left: `gone` may then be compared
// with stored pointers but not used.
class Component {
public:
    Component();
    Component(const Component &) = delete;
    Component &operator=(const Component &) = delete;
    virtual ~Component();

    bool isLoading() const { return m_loading; }
    bool isDesigning() const { return m_designing; }
    void setDesigning(bool designing) { m_designing = designing; }

    // Called by the form data reader before any stored property is assigned.
    void beginLoading() { m_loading = true; }
    // The end-of-loading step.
    virtual void loaded() { m_loading = false; }
    // Leaves the loading state without the end-of-loading step: for a read that failed.
    void abandonLoading() { m_loading = false; }

    void watchRemoval(Component *other);
    void unwatchRemoval(Component *other);

protected:
    virtual void removalNotice(Component *gone) { static_cast<void>(gone); }
    // Tells every watcher now, while the derived object is still whole. Idempotent.
    void announceRemoval();

private:
    bool m_loading = false;
    bool m_designing = false;
    QList<Component *> m_watchers; // told when this one goes
    QList<Component *> m_watched;  // this one is told when they go
};

// A form designer reads its forms inside one of these: components constructed while it lives
// start in the designing state, so that even their constructors behave as in a designer.
class DesigningScope {
public:
    DesigningScope();
    ~DesigningScope();
    DesigningScope(const DesigningScope &) = delete;
    DesigningScope &operator=(const DesigningScope &) = delete;

private:
    bool m_previous;
};

// The mixin of an object, or null for objects that do not carry it.
Component *asComponent(QObject *object);
const Component *asComponent(const QObject *object);

} // namespace Parlox::Platform
