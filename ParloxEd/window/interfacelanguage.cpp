#include "interfacelanguage.h"

#include "editordocument.h"

#include <Parlox/exchange/plurals.h>
#include <Parlox/select.h>

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ParloxEd {

InterfaceLanguage::InterfaceLanguage(EditorDocument &document, Parlox::TParloxSelect &selector,
                                     QObject *parent)
    : QObject(parent)
{
    // Qt's texts are in place before the windows are told to retranslate themselves.
    connect(&selector, &Parlox::TParloxSelect::languageActivated, this,
            &InterfaceLanguage::loadQtTexts);
    // Sent once the form translator has rewritten the window, so that lookups read the new
    // language.
    connect(&selector, &Parlox::TParloxSelect::languageChanged, &document,
            &EditorDocument::retranslate);
    if (!selector.ActiveLanguage().isEmpty())
        loadQtTexts(selector.ActiveLanguage());
}

InterfaceLanguage::~InterfaceLanguage()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_qt);
}

void InterfaceLanguage::loadQtTexts(const QString &language)
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_qt);
    // "Español" names Spanish; a name no locale knows keeps Qt in English.
    const QLocale locale = Parlox::Exchange::Plurals::localeOf(language);
    m_installed = locale.language() != QLocale::C &&
                  m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_installed)
        QCoreApplication::installTranslator(&m_qt);
    // Qt posts LanguageChange to the windows; the open dialog, built with the window before
    // the translations came, reads them now and not at some later turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace ParloxEd
