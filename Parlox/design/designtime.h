#pragma once

// The design-time face of the component set, for form designers. A program that never calls
// installDesignTime carries none of it: the component set's translators then collect nothing,
// never attach to a designer, and take TranslationsAre as given.
namespace Parlox::Design {

class DesignHost;

// Installs collection, AutoUpdate and storage switching into the component set. host is the
// designer's services; null stands for a designer that offers none (yet).
void installDesignTime(DesignHost *host);
void uninstallDesignTime();

// The installed designer's services, or null.
DesignHost *designHost();

} // namespace Parlox::Design
