#pragma once

#include <Parlox/parloxtypes.h>

namespace Parlox {
class TParloxForm;
class TParloxSelect;
} // namespace Parlox

// Moving every translation of a project between the stored form data (InExe) and the
// translations file (InFlatFile), as the developer switches the selector's TranslationsAre.
namespace Parlox::Design {

class DesignHost;

// TranslationsAre set in a designer: checks that a file is named and that every form of the
// project is open (asking when the counts differ), moves every linked translator's tables, then
// stores the value. Whatever stops it, the old value stays and no translator has lost a table:
// a move that did not reach the file is undone and shown in an error box.
void SetTranslationsAre(TParloxSelect &selector, TPxTranslationsPosition value);

// One translator's move. To the file: both tables are written as the form's sections and then
// cleared; false (tables kept) when the file is not a translations file or a write failed.
// From the file: both tables are read back from the form's entry (under the name they were
// stored with); the file is not changed. Other moves do nothing.
// A file that exists but cannot be opened throws FileError.
bool SwitchStorage(TParloxForm &translator, TPxTranslationsPosition from,
                   TPxTranslationsPosition to);

// The project's forms: its C++ source units (.cpp) with stored form data (.json) beside them.
int ProjectFormCount(const DesignHost &host);

} // namespace Parlox::Design
