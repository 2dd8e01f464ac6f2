#pragma once

#include <QString>

namespace Parlox::Design {

class ModuleInterface;

// The form designer the design-time face works with: the units of the open project and the
// modules of its open forms. Module events and component renames reach the translators
// through the ModuleInterface of their form. A test drives a fake one; parlox-design is the
// real one.
class DesignHost {
public:
    virtual ~DesignHost() = default;

    // The open project's units, by file name.
    virtual int unitCount() const = 0;
    virtual QString unitFileName(int index) const = 0;

    // The module of the open form with this name, or null when the designer has none (yet).
    virtual ModuleInterface *findModule(const QString &formName) = 0;
};

} // namespace Parlox::Design
