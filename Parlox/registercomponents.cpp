#include <Parlox/registercomponents.h>

#include <Parlox/form.h>
#include <Parlox/parloxcombobox.h>
#include <Parlox/parloxlistbox.h>
#include <Parlox/parloxmenu.h>
#include <Parlox/platform/componentregistry.h>
#include <Parlox/select.h>

namespace Parlox {

void registerComponents()
{
    auto &registry = Platform::ComponentRegistry::instance();
    registry.add<TParloxSelect>();
    registry.add<TParloxForm>();
    registry.add<TParloxMenu>();
    registry.add<TParloxComboBox>();
    registry.add<TParloxListBox>();
}

} // namespace Parlox
