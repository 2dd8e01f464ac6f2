#include <Parlox/design/storageswitch.h>

#include <Parlox/design/componentkeys.h>
#include <Parlox/design/designhost.h>
#include <Parlox/design/designmessages.h>
#include <Parlox/design/designtime.h>
#include <Parlox/flatfile.h>
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/select.h>

#include <QFileInfo>
#include <QPointer>

namespace Parlox::Design {
namespace {

const QString KeepsItsValue = QStringLiteral("\rTranslationsAre keeps its value.");

QString countsDifferText(int formCount, qsizetype linkedCount)
{
    return QStringLiteral("To change the translations destination, all the linked forms must be "
                          "opened in the form designer.\rThe project has ") +
           QString::number(formCount) + QStringLiteral(" forms") + u'\r' +
           QStringLiteral("Now are opened ") + QString::number(linkedCount) +
           QStringLiteral(" linked forms (with TParloxForm component).") + u'\r' +
           QStringLiteral("Are you sure that all the forms with TParloxForm component are opened "
                          "in the form designer?");
}

// What a move changes on a translator, to put back when the move as a whole fails.
struct SavedTables {
    QPointer<TParloxForm> translator;
    QStringList formStrings;
    QStringList userStrings;
    QString storedFormName;
};

QList<SavedTables> tablesOf(const QList<TParloxForm *> &translators)
{
    QList<SavedTables> saved;
    for (TParloxForm *t : translators)
        saved.append({t, t->FormStrings(), t->UserStrings(), t->storedFormName()});
    return saved;
}

void putBack(const QList<SavedTables> &saved)
{
    for (const SavedTables &s : saved) {
        if (!s.translator)
            continue;
        s.translator->setFormStrings(s.formStrings);
        s.translator->setUserStrings(s.userStrings);
        s.translator->setStoredFormName(s.storedFormName);
    }
}

// Moves every linked translator's tables, or none: returns the message of what stopped it.
std::optional<QString> moveAll(const TParloxSelect &selector, TPxTranslationsPosition to)
{
    const QList<TParloxForm *> translators = selector.linkedForms();
    const QList<SavedTables> saved = tablesOf(translators);
    std::optional<QString> failure;
    try {
        for (TParloxForm *t : translators) {
            if (!SwitchStorage(*t, selector.TranslationsAre(), to)) {
                failure = QStringLiteral("The translations file \"%1\" was not written: it is "
                                         "not a Parlox translations file, or it cannot be "
                                         "written.")
                              .arg(selector.TranslationsFile());
                break;
            }
        }
    } catch (const Error &error) {
        failure = error.message();
    }
    if (failure)
        putBack(saved);
    return failure;
}

} // namespace

void SetTranslationsAre(TParloxSelect &selector, TPxTranslationsPosition value)
{
    if (value == InFlatFile && selector.TranslationsFile().isEmpty()) {
        showError(QStringLiteral("Before set TranslationsAre to InFlatFile you\rmust set the "
                                 "TranslationFile property."));
        return;
    }
    const DesignHost *host = designHost();
    if (!host) {
        showError(QStringLiteral("The form designer's services are not available, so the "
                                 "project's forms cannot be counted.") +
                  KeepsItsValue);
        return;
    }
    const int formCount = ProjectFormCount(*host);
    const qsizetype linkedCount = selector.linkedForms().size();
    if (linkedCount != formCount && !confirm(countsDifferText(formCount, linkedCount)))
        return;
    if (const auto failure = moveAll(selector, value)) {
        showError(*failure + KeepsItsValue);
        return;
    }
    selector.storeTranslationsAre(value);
}

bool SwitchStorage(TParloxForm &translator, TPxTranslationsPosition from,
                   TPxTranslationsPosition to)
{
    const TParloxSelect *selector = translator.PxLanguageSelector();
    const QWidget *form = translator.owningForm();
    if (!selector || !form)
        return true;
    const QString name = form->objectName();
    if (from == InExe && to == InFlatFile) {
        if (!FlatFile::WriteFormStrings(*selector, translator.storedFormName(), name,
                                        translator.FormStrings()))
            return false;
        translator.setStoredFormName(name);
        if (!FlatFile::WriteUserStrings(*selector, name, name, translator.UserStrings()))
            return false;
        translator.FormStrings().clear();
        translator.UserStrings().clear();
    } else if (from == InFlatFile && to == InExe) {
        const QString filed = FiledFormName(translator);
        FlatFile::ReadFormStrings(*selector, filed, translator.FormStrings());
        FlatFile::ReadUserStrings(*selector, filed, translator.UserStrings());
    }
    return true;
}

int ProjectFormCount(const DesignHost &host)
{
    int forms = 0;
    for (int i = 0; i < host.unitCount(); ++i) {
        const QFileInfo unit(host.unitFileName(i));
        const QString formData =
            unit.path() + u'/' + unit.completeBaseName() + QStringLiteral(".json");
        if (unit.suffix() == u"cpp" && Platform::fileExists(formData))
            ++forms;
    }
    return forms;
}

} // namespace Parlox::Design
