#include <Parlox/design/collection.h>

#include <Parlox/design/formstringcollector.h>
#include <Parlox/flatfile.h>
#include <Parlox/form.h>
#include <Parlox/format/tables.h>
#include <Parlox/select.h>
#include <Parlox/translationextension.h>

namespace Parlox::Design {
namespace {

FormStringCollector collectorFor(TParloxForm &translator, const QString &language)
{
    const TParloxSelect *selector = translator.PxLanguageSelector();
    return FormStringCollector(
        translator.FormStrings(),
        {selector ? selector->Languages() : QStringList(), language, translator.AutoUpdate()});
}

} // namespace

void CollectFormStrings(TParloxForm &translator)
{
    TParloxSelect *selector = translator.PxLanguageSelector();
    const QWidget *form = translator.owningForm();
    if (!selector || selector->Languages().isEmpty() || !form)
        return;
    if (selector->TranslationsAre() == InFlatFile)
        FlatFile::ReadFormStrings(*selector, form->objectName(), translator.FormStrings());
    const QString language = translator.Language();
    collectorFor(translator, language).collect(*form, [&](QObject &component) {
        for (TranslationExtension *extension : std::as_const(selector->extensions()))
            extension->collect(translator, component, language);
    });
}

void RefreshFormStrings(TParloxForm &translator)
{
    CollectFormStrings(translator);
    RemoveEmptyEntries(translator.FormStrings());
}

void StoreFormString(TParloxForm &translator, const QString &path, const QString &language,
                     const QString &value)
{
    if (translator.PxLanguageSelector())
        collectorFor(translator, language).store(path, value);
}

void RemoveStaleItems(TParloxForm &translator, const QString &prefix, int count)
{
    if (translator.PxLanguageSelector())
        collectorFor(translator, translator.Language()).removeStaleItems(prefix, count);
}

void RemoveEmptyEntries(QStringList &formStrings)
{
    QStringList kept;
    kept.reserve(formStrings.size());
    qsizetype i = 0;
    while (i < formStrings.size() && !Tables::isFormKey(formStrings[i]))
        kept.append(formStrings[i++]);
    while (i < formStrings.size()) {
        qsizetype end = i + 1;
        bool hasText = false;
        for (; end < formStrings.size() && !Tables::isFormKey(formStrings[end]); ++end)
            hasText = hasText || !formStrings[end].isEmpty();
        if (hasText)
            kept.append(formStrings.mid(i, end - i));
        i = end;
    }
    formStrings = std::move(kept);
}

} // namespace Parlox::Design
