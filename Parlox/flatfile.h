#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace Parlox {
class FormStringIndex;
class TParloxSelect;
} // namespace Parlox

// The component set's access to the translations file: the path rule, the selector's start-up
// read, the form readers and the design-time writers. Nothing is kept open between calls. The
// form readers look at the file on every call but decode a section only once per version of
// the file (see SectionCache): a file changed on disk is read again, an unchanged one is
// served from memory. The writers drop what was read.
namespace Parlox::FlatFile {

// At design time TranslationsFile as written. At run time, by the selector's
// translationsLocation: by default its file name in the executable's folder, so a deployed
// application finds the file beside itself (either separator, "\" or "/", ends the folder part,
// so paths written on Windows keep working); TranslationsFile itself; or its file name in the
// application's data folders.
QString ResolveTranslationsPath(const TParloxSelect &selector);

// The bytes of a translations file: read under a shared lock, or, for a Qt resource (":/..."),
// straight from the resource, which no one can change. Throws FileError.
QByteArray readTranslationsBytes(const QString &path);

// Replaces the selector's Languages, active language and MsgsStrings with the file's. A
// missing file shows a message box and changes nothing; a short or foreign file changes
// nothing; a file that cannot be opened throws FileError.
void LoadTranslationsFile(TParloxSelect &selector);

// Replaces destination with the form's form-strings section. A missing, short or foreign file
// leaves destination unchanged; a file that cannot be opened throws FileError.
void ReadFormStrings(const TParloxSelect &selector, const QString &formName,
                     QStringList &destination);
// The same section with its paths hashed; null where ReadFormStrings leaves its table alone.
std::shared_ptr<const FormStringIndex> FormStringsSection(const TParloxSelect &selector,
                                                          const QString &formName);

// Replaces destination with the form's user-strings section; every failure leaves it empty and
// is not reported.
void ReadUserStrings(const TParloxSelect &selector, const QString &formName,
                     QStringList &destination);
// The same section with its identifiers hashed; never null.
std::shared_ptr<const FormStringIndex> UserStringsSection(const TParloxSelect &selector,
                                                          const QString &formName);

// Design time only: stores the table as the form's section, renaming the form's entry from
// oldName, together with the selector's languages, active language and message strings. The
// new content is prepared and written in full before it replaces the file, so a failure leaves
// the file as it was. Throws FileError for a file that cannot be opened, created or written
// (with the system's reason), DamageError for a damaged file, EncodingError and SizeError.
// Returns whether the table reached the file: a short or foreign file is left untouched.
bool WriteFormStrings(const TParloxSelect &selector, const QString &oldName, const QString &newName,
                      const QStringList &table);

// The same for the user-strings section. Failures are not reported, but the result tells the
// caller whether the table reached the file, so it never discards a table that did not.
bool WriteUserStrings(const TParloxSelect &selector, const QString &oldName, const QString &newName,
                      const QStringList &table);

} // namespace Parlox::FlatFile
