#include <Parlox/windowtranslation.h>

#include <Parlox/form.h>
#include <Parlox/platform/application.h>
#include <Parlox/select.h>

#include <QWidget>
#include <memory>

namespace Parlox {
namespace {

// Runs a component's end-of-loading step; a component whose step throws is not left behind
// half set up.
template <class Component> Component &finishLoading(std::unique_ptr<Component> component)
{
    component->loaded();
    return *component.release();
}

QString classNameOf(const QWidget &window)
{
    return QString::fromLatin1(window.metaObject()->className()).section(QStringLiteral("::"), -1);
}

} // namespace

TParloxSelect &createSelector(QWidget &mainWindow, const SelectorSettings &settings)
{
    auto &application = Platform::Application::instance();
    if (!application.mainForm())
        application.registerForm(&mainWindow);
    auto selector = std::make_unique<TParloxSelect>(&mainWindow);
    selector->setObjectName(QStringLiteral("ParloxSelect"));
    selector->beginLoading();
    selector->setTranslationsAre(settings.translationsAre);
    selector->setTranslationsFile(settings.translationsFile);
    selector->setTranslationsLocation(settings.translationsLocation);
    selector->setLanguages(settings.languages);
    if (!settings.messageStrings.isEmpty())
        selector->setMsgsStrings(settings.messageStrings);
    selector->storeActiveLanguage(settings.activeLanguage.isEmpty() ? settings.languages.value(0)
                                                                    : settings.activeLanguage);
    selector->setRememberLanguage(settings.rememberLanguage);
    selector->setRememberRegistryKey(settings.rememberRegistryKey);
    return finishLoading(std::move(selector));
}

TParloxForm &translateWindow(QWidget &window, TParloxSelect &selector,
                             const QStringList &formStrings, const QStringList &userStrings)
{
    for (TParloxForm *existing : window.findChildren<TParloxForm *>())
        if (existing->owningForm() == &window)
            return *existing;
    if (window.objectName().isEmpty())
        window.setObjectName(classNameOf(window));
    auto translator = std::make_unique<TParloxForm>(&window);
    translator->setObjectName(QStringLiteral("ParloxForm"));
    translator->beginLoading();
    translator->setFormStrings(formStrings);
    translator->setUserStrings(userStrings);
    translator->setPxLanguageSelector(&selector);
    return finishLoading(std::move(translator));
}

} // namespace Parlox
