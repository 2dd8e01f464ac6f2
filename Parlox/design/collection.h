#pragma once

#include <QString>
#include <QStringList>

namespace Parlox {
class TParloxForm;
}

// The translator's design-time collection: the owning form's current texts stored in its
// FormStrings under its Language, so that a form written once per language in the designer
// fills its own table.
namespace Parlox::Design {

// Does nothing without a linked selector or languages. In flat-file mode the table is read
// from the translations file first (FileError when the file exists but cannot be opened) and
// the collected table stays in FormStrings; the file is not written.
void CollectFormStrings(TParloxForm &translator);

// CollectFormStrings followed by RemoveEmptyEntries: what every trigger in the designer runs.
void RefreshFormStrings(TParloxForm &translator);

// Writes one value of FormStrings; nothing without a selector, or when language is empty or
// not among the selector's languages.
void StoreFormString(TParloxForm &translator, const QString &path, const QString &language,
                     const QString &value);

// With AutoUpdate on, deletes the entries of items a list no longer has (see
// FormStringCollector::removeStaleItems); otherwise does nothing.
void RemoveStaleItems(TParloxForm &translator, const QString &prefix, int count);

// Deletes every entry none of whose value lines holds text. Lines before the first key stay.
void RemoveEmptyEntries(QStringList &formStrings);

} // namespace Parlox::Design
