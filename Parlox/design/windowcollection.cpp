#include <Parlox/design/windowcollection.h>

#include <Parlox/design/collection.h>
#include <Parlox/design/formstringcollector.h>
#include <Parlox/flatfile.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/format/tables.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/select.h>

#include <QWidget>

namespace Parlox::Design {
namespace {

// The translations file's languages, default and messages, as a designer's selector holds them
// once it has read the file; a new file gets the one language.
void readLanguages(TParloxSelect &selector, const QString &lngPath, const QString &language)
{
    if (!Platform::fileExists(lngPath)) {
        selector.setLanguages({language});
        selector.storeActiveLanguage(language);
        for (const QString &key : TParloxSelect::messageKeys())
            selector.EnsureMsgKey(key);
        return;
    }
    const QByteArray bytes = LockedFile(lngPath, LockedFile::Access::SharedRead).readAll();
    const Lng::HeaderState header = Lng::Image(bytes).header();
    if (header == Lng::HeaderState::TooShort || header == Lng::HeaderState::WrongMagic)
        throw Error(QStringLiteral("%1: The file does not start with the magic \"Parlox 2.0\".")
                        .arg(lngPath));
    FlatFile::LoadTranslationsFile(selector);
    if (Tables::indexOfLanguage(selector.Languages(), language) < 0)
        throw Error(QStringLiteral("%1: the file has no language \"%2\"").arg(lngPath, language));
}

} // namespace

void collectWindow(const QWidget &window, const QString &lngPath, const QString &language,
                   std::optional<Encoding> encoding)
{
    TParloxSelect selector;
    selector.setDesigning(true);
    selector.setTranslationsFile(lngPath);
    if (!encoding && Platform::fileExists(lngPath))
        encoding =
            Lng::detectFileEncoding(LockedFile(lngPath, LockedFile::Access::SharedRead).readAll());
    selector.setTranslationsEncoding(encodingName(encoding.value_or(Encoding::Windows1252)));
    readLanguages(selector, lngPath, language);

    const QString name = window.objectName();
    QStringList table;
    FlatFile::ReadFormStrings(selector, name, table);
    FormStringCollector(table, {selector.Languages(), language, true}).collect(window);
    RemoveEmptyEntries(table);
    if (!FlatFile::WriteFormStrings(selector, name, name, table))
        throw Error(QStringLiteral("%1: the file was not written").arg(lngPath));
}

} // namespace Parlox::Design
