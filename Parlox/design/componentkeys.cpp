#include <Parlox/design/componentkeys.h>

#include <Parlox/design/designmessages.h>
#include <Parlox/flatfile.h>
#include <Parlox/form.h>
#include <Parlox/format/tables.h>
#include <Parlox/select.h>

#include <QWidget>
#include <functional>

namespace Parlox::Design {
namespace {

void updateKeys(TParloxForm &translator, const std::function<void(QStringList &)> &edit)
{
    const TParloxSelect *selector = translator.PxLanguageSelector();
    const QWidget *form = translator.owningForm();
    if (!translator.isDesigning() || !selector || !form)
        return;
    const bool flatFile = selector->TranslationsAre() == InFlatFile;
    const QString formName = form->objectName();
    // Reading by a new name of the form would find nothing and write that over the old table.
    const QString storedName = FiledFormName(translator);
    if (flatFile)
        FlatFile::ReadFormStrings(*selector, storedName, translator.FormStrings());
    edit(translator.FormStrings());
    if (!flatFile)
        return;
    if (!FlatFile::WriteFormStrings(*selector, storedName, formName, translator.FormStrings())) {
        // The table stays in FormStrings: it is not in the file.
        showError(QStringLiteral("The translations file \"%1\" is not a Parlox translations "
                                 "file: its keys were not changed.")
                      .arg(selector->TranslationsFile()));
        return;
    }
    translator.setStoredFormName(formName);
    translator.FormStrings().clear();
}

} // namespace

QString FiledFormName(const TParloxForm &translator)
{
    if (!translator.storedFormName().isEmpty())
        return translator.storedFormName();
    return translator.owningForm() ? translator.owningForm()->objectName() : QString();
}

void DropComponentEntries(TParloxForm &translator, const QString &component)
{
    const qsizetype languageCount =
        translator.PxLanguageSelector() ? translator.PxLanguageSelector()->Languages().size() : 0;
    updateKeys(translator, [&](QStringList &table) {
        Tables::dropComponentEntries(table, languageCount, component);
    });
}

void RenameComponentKeys(TParloxForm &translator, const QString &oldName, const QString &newName)
{
    updateKeys(translator,
               [&](QStringList &table) { Tables::renameComponentKeys(table, oldName, newName); });
}

} // namespace Parlox::Design
