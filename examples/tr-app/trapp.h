#pragma once

namespace Parlox {
class TParloxSelect;
}

namespace TrApp {

// The example's selector, set up in code the way stored form data would: its languages and
// texts in tr-app.lng beside the executable, the choice remembered in the registry.
void setUpSelector(Parlox::TParloxSelect &selector);

} // namespace TrApp
