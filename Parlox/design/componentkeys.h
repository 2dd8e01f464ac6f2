#pragma once

class QString;

namespace Parlox {
class TParloxForm;
}

// Keeps the keys of a translator's form strings in step with the form's components: the keys
// begin with the component's name ("[BtnOpen.Hint]"). Only in a designer and with a linked
// selector. In flat-file mode the form's section of the translations file is read, changed and
// written back, and FormStrings is empty again afterwards; a file that exists but cannot be
// opened or written throws FileError.
namespace Parlox::Design {

// The name the translations file holds the form's tables under: the one they were last stored
// with. A form renamed since then is still listed under its old name.
QString FiledFormName(const TParloxForm &translator);

// Drops every entry of the component (exact name: Button1 keeps Button10's entries).
void DropComponentEntries(TParloxForm &translator, const QString &component);

// Renames the key prefix "[oldName." to "[newName."; the rest of the key and the values stay.
void RenameComponentKeys(TParloxForm &translator, const QString &oldName, const QString &newName);

} // namespace Parlox::Design
