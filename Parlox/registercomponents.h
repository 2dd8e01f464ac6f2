#pragma once

namespace Parlox {

// Makes the component set's classes (selector, translator and the three pickers) known to the
// stored form data reader. Programs call it once at start-up, before reading a form that holds
// one of them; calling it again does no harm.
void registerComponents();

} // namespace Parlox
