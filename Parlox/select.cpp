#include <Parlox/select.h>

#include <Parlox/exchange/plurals.h>
#include <Parlox/flatfile.h>
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/tables.h>
#include <Parlox/languagepicker.h>
#include <Parlox/msgdialog.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/platform/logging.h>
#include <Parlox/platform/registrykey.h>
#include <Parlox/platform/standarddialogs.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScopedValueRollback>

namespace Parlox {
namespace {
const QString DefLang = QStringLiteral("DefLang");

bool isListed(const QStringList &languages, const QString &language)
{
    return !language.isEmpty() && Tables::indexOfLanguage(languages, language) >= 0;
}

// Code that retranslates itself on QEvent::LanguageChange (uic's retranslateUi, changeEvent
// handlers) runs now, before the translators write their texts over whatever it set. Qt passes
// the application's event on to every window by posting it; those are delivered here too, so
// none arrives later to undo the translation.
void announceLanguageChange()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    QEvent event(QEvent::LanguageChange);
    QCoreApplication::sendEvent(application, &event);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
// Windows mirror for a language written from right to left (Hebrew, Arabic...), as they
// would with Qt's own translations; a language name no locale knows reads left to right.
void followTextDirection(const QString &language)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const QLocale locale = Exchange::Plurals::localeOf(language);
    QGuiApplication::setLayoutDirection(locale.language() == QLocale::C ? Qt::LeftToRight
                                                                        : locale.textDirection());
}

} // namespace

const QStringList &TParloxSelect::messageKeys()
{
    static const QStringList keys{QStringLiteral("&mtWarning&"),
                                  QStringLiteral("&mtError&"),
                                  QStringLiteral("&mtInformation&"),
                                  QStringLiteral("&mtConfirmation&"),
                                  QStringLiteral("&Yes&"),
                                  QStringLiteral("&No&"),
                                  QStringLiteral("&OK&"),
                                  QStringLiteral("&Cancel&"),
                                  QStringLiteral("&Abort&"),
                                  QStringLiteral("&Retry&"),
                                  QStringLiteral("&Ignore&"),
                                  QStringLiteral("&All&"),
                                  QStringLiteral("&NoToAll&"),
                                  QStringLiteral("&YesToAll&"),
                                  QStringLiteral("&Help&")};
    return keys;
}

TParloxSelect::TParloxSelect(QObject *owner) : QObject(owner), m_msgsStrings(messageKeys()) {}

TParloxSelect::~TParloxSelect()
{
    // Linked translators and pickers clear their links while this object is still whole.
    announceRemoval();
}

void TParloxSelect::setLanguages(const QStringList &languages)
{
    m_languages = languages;
    RefreshPickers();
    emit languagesChanged();
}

void TParloxSelect::setTranslationsEncoding(const QString &name)
{
    const std::optional<Encoding> encoding = encodingFromName(name);
    if (!encoding)
        throw ComponentError(QStringLiteral("\"%1\" is not an encoding translations files can "
                                            "be in.")
                                 .arg(name));
    m_translationsEncoding = *encoding;
}

void TParloxSelect::setTranslationsAre(TPxTranslationsPosition position)
{
    if (isLoading()) {
        m_translationsAre = position;
        return;
    }
    // Where translations live is a design decision: running programs keep what they were
    // built with (createSelector chooses it for windows made in code).
    if (!isDesigning()) {
        if (position != m_translationsAre)
            qCWarning(parloxLog) << "TranslationsAre is kept as it was read: a running program "
                                    "chooses it before the selector's end of loading";
        return;
    }
    // In a designer the change moves every linked form's tables, when the design side is
    // there to do it.
    if (const auto &move = TParloxForm::designHooks().setTranslationsAre)
        move(*this, position);
    else
        m_translationsAre = position;
    emit translationsChanged();
}

qsizetype TParloxSelect::activeIndex() const
{
    return Tables::indexOfLanguage(m_languages, m_activeLanguage);
}

void TParloxSelect::setTranslationsFile(const QString &path)
{
    if (path == m_translationsFile)
        return;
    m_translationsFile = path;
    emit translationsChanged();
}

void TParloxSelect::setTranslationsLocation(TranslationsLocation location)
{
    if (location == m_translationsLocation)
        return;
    m_translationsLocation = location;
    emit translationsChanged();
}

bool TParloxSelect::trySetActiveLanguage(const QString &language, QString *errorMessage)
{
    QString error;
    if (!isListed(m_languages, language)) {
        error = QStringLiteral("Invalid language \"%1\"").arg(language);
    } else {
        try {
            setActiveLanguage(language);
            return true;
        } catch (const Error &e) {
            error = e.message();
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
    }
    qCWarning(parloxLog).noquote() << error;
    if (errorMessage)
        *errorMessage = error;
    emit errorOccurred(error);
    return false;
}

void TParloxSelect::setActiveLanguage(const QString &language)
{
    if (!isListed(m_languages, language)) {
        qCWarning(parloxLog) << "Language" << language << "is not among the languages"
                             << m_languages;
        MessageDlg(QStringLiteral("Invalid language"), mtError, mbOK, 0);
        return;
    }
    if (isLoading()) {
        m_activeLanguage = language;
        return;
    }
    // A change started from inside a change (a picker reacting to its own refresh, a
    // translator reacting to the switch) is dropped.
    if (m_changing)
        return;
    const QScopedValueRollback guard(m_changing, true);
    if (!isDesigning())
        rememberLanguage(language);
    switchLanguage(language);
}

void TParloxSelect::switchLanguage(const QString &language)
{
    const bool changed = language != m_activeLanguage;
    m_activeLanguage = language;
    // tr() translators load the new language first, so that code retranslating itself on
    // LanguageChange reads it.
    emit languageActivated(language);
    if (changed && !isDesigning()) {
        announceLanguageChange();
        followTextDirection(language);
    }
    // A translator may unlink itself while it retranslates; walk a copy.
    const QList<TParloxForm *> forms = m_forms;
    for (TParloxForm *form : forms)
        if (m_forms.contains(form) && form->Language() != language)
            form->LanguageChanged(language);
    RefreshPickers();
    if (changed)
        emit languageChanged(language);
}

QString TParloxSelect::flagFile(qsizetype position) const
{
    return Platform::executableFolder() + QStringLiteral("/Parlox.") + QString::number(position);
}

void TParloxSelect::rememberLanguage(const QString &language) const
{
    switch (m_rememberLanguage) {
    case rlFlagFile: {
        const QString oldFlag = flagFile(activeIndex());
        const QString newFlag = flagFile(Tables::indexOfLanguage(m_languages, language));
        if (Platform::fileExists(oldFlag))
            Platform::renameFile(oldFlag, newFlag); // a failed move is not reported
        else
            Platform::createEmptyFile(newFlag);
        break;
    }
    case rlRegistryKey: {
        Platform::RegistryKey key;
        key.open(m_rememberRegistryKey, true);
        key.writeString(DefLang, language);
        break;
    }
    case rlNo:
        break;
    }
}

void TParloxSelect::readRememberedLanguage()
{
    switch (m_rememberLanguage) {
    case rlFlagFile:
        for (qsizetype i = 0; i < m_languages.size(); ++i) {
            if (Platform::fileExists(flagFile(i))) {
                m_activeLanguage = m_languages[i];
                break;
            }
        }
        break;
    case rlRegistryKey: {
        QString remembered;
        try {
            Platform::RegistryKey key;
            if (key.open(m_rememberRegistryKey, false))
                remembered = key.readString(DefLang);
        } catch (const Platform::RegistryError &error) {
            // A damaged setting must not keep the application from starting: say so, keep the
            // stored language, and let the next change of language write a sound value.
            Platform::showMessageBox(QMessageBox::Warning,
                                     Platform::Application::instance().title(), error.message(),
                                     QMessageBox::Ok);
        }
        if (isListed(m_languages, remembered))
            m_activeLanguage = remembered;
        else if (!remembered.isEmpty())
            qCWarning(parloxLog) << "The remembered language" << remembered
                                 << "is not among the languages" << m_languages;
        break;
    }
    case rlNo:
        break;
    }
}

void TParloxSelect::loaded()
{
    Component::loaded();
    if (objectName().isEmpty())
        qCWarning(parloxLog) << "A TParloxSelect has no object name: translators look for their "
                                "selector among their window's named components";
    if (m_translationsAre == InFlatFile)
        FlatFile::LoadTranslationsFile(*this);
    readRememberedLanguage();
    // Files written by older versions call the confirmation title "&mtConfirm&".
    const qsizetype old = Tables::indexOfKey(m_msgsStrings, u"&mtConfirm&");
    if (old >= 0)
        m_msgsStrings[old] = QStringLiteral("&mtConfirmation&");
    if (!m_languages.isEmpty()) {
        for (const QString &key : messageKeys())
            EnsureMsgKey(key);
        RefreshPickers();
    }
    if (!m_activeLanguage.isEmpty())
        emit languageActivated(m_activeLanguage);
}

void TParloxSelect::EnsureMsgKey(const QString &key)
{
    const qsizetype languageCount = m_languages.size();
    const qsizetype k = Tables::indexOfKey(m_msgsStrings, key);
    if (k < 0) {
        Tables::appendEntry(m_msgsStrings, key, languageCount);
        return;
    }
    qsizetype values = 0;
    while (k + 1 + values < m_msgsStrings.size() &&
           !Tables::isMessageKey(m_msgsStrings[k + 1 + values]))
        ++values;
    for (; values < languageCount; ++values)
        m_msgsStrings.insert(k + 1 + values, QString());
}

void TParloxSelect::AddForm(TParloxForm *form)
{
    m_forms.append(form);
}

void TParloxSelect::RemoveForm(TParloxForm *form)
{
    m_forms.removeOne(form);
}

void TParloxSelect::AddPicker(LanguagePicker *picker)
{
    m_pickers.append(picker);
    picker->RefreshLanguages();
}

void TParloxSelect::RemovePicker(LanguagePicker *picker)
{
    m_pickers.removeOne(picker);
}

void TParloxSelect::RefreshPickers()
{
    // A refresh never unlinks a picker, but walk a copy all the same.
    const QList<LanguagePicker *> pickers = m_pickers;
    for (LanguagePicker *picker : pickers)
        picker->RefreshLanguages();
}

QString TParloxSelect::GetMsgString(const QString &name) const
{
    return Tables::findValue(m_msgsStrings, m_languages, QLatin1Char('&') + name + QLatin1Char('&'),
                             m_activeLanguage)
        .value_or(QString());
}

int TParloxSelect::MessageDlg(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons,
                              int helpContext) const
{
    return showMessageDialog(*this, text, kind, buttons, helpContext);
}

} // namespace Parlox
