#pragma once

class QObject;
class QString;

namespace Parlox::Design {

// What the form designer calls on an object attached to a form's module: the module's events
// and the renaming of the form's components.
class ModuleNotifier {
public:
    // The module event that comes just before the form is saved.
    static constexpr int BeforeSave = 6;

    virtual ~ModuleNotifier() = default;
    virtual void moduleEvent(int code) = 0;
    // An empty old name means the component was just added, an empty new name that it is being
    // deleted. The component is the designer's handle on it, not to be kept.
    virtual void componentRenamed(QObject *component, const QString &oldName,
                                  const QString &newName) = 0;
};

} // namespace Parlox::Design
