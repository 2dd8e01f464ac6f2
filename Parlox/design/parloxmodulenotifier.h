#pragma once

#include <Parlox/design/modulenotifier.h>

namespace Parlox {
class TParloxForm;
}

namespace Parlox::Design {

// The module notifier of one translator: collects the form's texts before the form is saved,
// and keeps the form-strings keys in step with components renamed or deleted in the designer.
// Does nothing while the translator has no selector.
class TParloxModuleNotifier : public ModuleNotifier {
public:
    explicit TParloxModuleNotifier(TParloxForm &translator) : m_translator(translator) {}

    void moduleEvent(int code) override;
    void componentRenamed(QObject *component, const QString &oldName,
                          const QString &newName) override;

private:
    TParloxForm &m_translator;
};

} // namespace Parlox::Design
