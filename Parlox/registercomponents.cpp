#include "registercomponents.h"

#include "form.h"
#include "parloxcombobox.h"
#include "parloxlistbox.h"
#include "parloxmenu.h"
#include "platform/componentregistry.h"
#include "select.h"

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
