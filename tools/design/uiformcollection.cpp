#include "uiformcollection.h"

#include "design/collection.h"
#include "design/formstringcollector.h"
#include "errors.h"
#include "flatfile.h"
#include "lngfile.h"
#include "lockedfile.h"
#include "platform/filesystem.h"
#include "select.h"
#include "tables.h"

#include <QFile>
#include <QUiLoader>
#include <QWidget>
#include <memory>

namespace Parlox::DesignTool {
namespace {

std::unique_ptr<QWidget> loadUiForm(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QUiLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file));
    if (!form)
        throw Error(QStringLiteral("%1: %2").arg(path, loader.errorString()));
    if (form->objectName().isEmpty())
        throw Error(QStringLiteral("%1: the form has no name").arg(path));
    return form;
}

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

void collectUiForm(const QString &uiPath, const QString &lngPath, const QString &language,
                   std::optional<Encoding> encoding)
{
    const std::unique_ptr<QWidget> form = loadUiForm(uiPath);
    TParloxSelect selector;
    selector.setDesigning(true);
    selector.setTranslationsFile(lngPath);
    if (!encoding && Platform::fileExists(lngPath))
        encoding =
            Lng::detectFileEncoding(LockedFile(lngPath, LockedFile::Access::SharedRead).readAll());
    selector.setTranslationsEncoding(encodingName(encoding.value_or(Encoding::Windows1252)));
    readLanguages(selector, lngPath, language);

    const QString name = form->objectName();
    QStringList table;
    FlatFile::ReadFormStrings(selector, name, table);
    Design::FormStringCollector(table, {selector.Languages(), language, true}).collect(*form);
    Design::RemoveEmptyEntries(table);
    if (!FlatFile::WriteFormStrings(selector, name, name, table))
        throw Error(QStringLiteral("%1: the file was not written").arg(lngPath));
}

} // namespace Parlox::DesignTool
