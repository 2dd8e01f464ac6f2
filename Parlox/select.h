#pragma once

#include <Parlox/format/textcodec.h>
#include <Parlox/parloxtypes.h>
#include <Parlox/platform/component.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Parlox {

class LanguagePicker;
class TParloxForm;
class TranslationExtension;

// The application's language selector: the language list, the active language and the
// message strings. Setting ActiveLanguage is the one operation that switches the application's
// language: it validates, remembers the choice, retranslates every linked form translator and
// refreshes every linked picker.
class TParloxSelect : public QObject, public Platform::Component {
    Q_OBJECT
    Q_PROPERTY(QStringList Languages READ Languages WRITE setLanguages NOTIFY languagesChanged)
    Q_PROPERTY(
        QString ActiveLanguage READ ActiveLanguage WRITE setActiveLanguage NOTIFY languageChanged)
    Q_PROPERTY(QStringList MsgsStrings READ MsgsStrings WRITE setMsgsStrings)
    Q_PROPERTY(Parlox::TPxTranslationsPosition TranslationsAre READ TranslationsAre WRITE
                   setTranslationsAre NOTIFY translationsChanged)
    Q_PROPERTY(QString TranslationsFile READ TranslationsFile WRITE setTranslationsFile NOTIFY
                   translationsChanged)
    // The encoding of the translations file's texts, by name ("Windows-1250"... "UTF-8").
    Q_PROPERTY(QString TranslationsEncoding READ TranslationsEncoding WRITE setTranslationsEncoding)
    Q_CLASSINFO("parlox.default.TranslationsEncoding", "Windows-1252")
    Q_PROPERTY(
        Parlox::TRememberLanguage RememberLanguage READ RememberLanguage WRITE setRememberLanguage)
    Q_PROPERTY(QString RememberRegistryKey READ RememberRegistryKey WRITE setRememberRegistryKey)
    Q_PROPERTY(Parlox::TranslationsLocation translationsLocation READ translationsLocation WRITE
                   setTranslationsLocation NOTIFY translationsChanged)
    Q_CLASSINFO("parlox.default.translationsLocation", "ExecutableFolder")

public:
    // The 15 message keys, in the order the selector creates and repairs them.
    static const QStringList &messageKeys();

    explicit TParloxSelect(QObject *owner = nullptr);
    ~TParloxSelect() override;

    const QStringList &Languages() const { return m_languages; }
    void setLanguages(const QStringList &languages);

    const QString &ActiveLanguage() const { return m_activeLanguage; }
    // Throws the registry's or the file system's error when the choice cannot be remembered;
    // nothing changes then.
    void setActiveLanguage(const QString &language);
    // setActiveLanguage for callers in Qt's event loop (slots, lambdas): no exception leaves it
    // and no message box is shown. Returns false, with the reason in errorMessage and in the
    // errorOccurred signal, when the language is not listed or cannot be remembered; nothing
    // changes then.
    bool trySetActiveLanguage(const QString &language, QString *errorMessage = nullptr);
    // Stores a language read from the translations file or the remembered choice, without the
    // checks, remembering and retranslation of setActiveLanguage.
    void storeActiveLanguage(const QString &language) { m_activeLanguage = language; }

    const QStringList &MsgsStrings() const { return m_msgsStrings; }
    void setMsgsStrings(const QStringList &strings) { m_msgsStrings = strings; }

    TPxTranslationsPosition TranslationsAre() const { return m_translationsAre; }
    // Taken while the form data is read and in a designer; a running program keeps the value it
    // was read with (a warning says so).
    void setTranslationsAre(TPxTranslationsPosition position);
    // Stores the value without the design-time move of the tables.
    void storeTranslationsAre(TPxTranslationsPosition position) { m_translationsAre = position; }
    const QString &TranslationsFile() const { return m_translationsFile; }
    void setTranslationsFile(const QString &path);
    TranslationsLocation translationsLocation() const { return m_translationsLocation; }
    void setTranslationsLocation(TranslationsLocation location);
    QString TranslationsEncoding() const { return encodingName(m_translationsEncoding); }
    // Throws ComponentError for a name that is no supported encoding; nothing changes then.
    void setTranslationsEncoding(const QString &name);
    Encoding translationsEncoding() const { return m_translationsEncoding; }
    TRememberLanguage RememberLanguage() const { return m_rememberLanguage; }
    void setRememberLanguage(TRememberLanguage how) { m_rememberLanguage = how; }
    const QString &RememberRegistryKey() const { return m_rememberRegistryKey; }
    void setRememberRegistryKey(const QString &key) { m_rememberRegistryKey = key; }

    void AddForm(TParloxForm *form);
    void RemoveForm(TParloxForm *form);
    const QList<TParloxForm *> &linkedForms() const { return m_forms; }
    void AddPicker(LanguagePicker *picker);
    void RemovePicker(LanguagePicker *picker);
    void RefreshPickers();

    // Consulted by the form translators for every component they visit.
    const QList<TranslationExtension *> &extensions() const { return m_extensions; }
    // Entries are not owned: whoever adds one removes it before destroying it.
    QList<TranslationExtension *> &extensions() { return m_extensions; }

    // The translated message dialog; returns the modal result of the button pressed.
    int MessageDlg(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons,
                   int helpContext = 0) const;
    // The message value of "&" + name + "&" in the active language; empty when missing.
    QString GetMsgString(const QString &name) const;

    // Position of the active language in Languages (case ignored), or -1.
    qsizetype activeIndex() const;

    void loaded() override;

    // Adds a missing message key, or value lines missing from an existing one.
    void EnsureMsgKey(const QString &key);

signals:
    // A language became active: at the end of loading, and at each setActiveLanguage, before
    // windows are told of the change. Qt's tr() translator follows it.
    void languageActivated(const QString &language);
    // The active language changed and every linked window shows it: also sent to every top-level
    // window as QEvent::LanguageChange, before the translators rewrite their windows.
    void languageChanged(const QString &language);
    void languagesChanged();
    void translationsChanged();
    // A change asked through trySetActiveLanguage failed; the message says why.
    void errorOccurred(const QString &message);

private:
    void switchLanguage(const QString &language);
    void rememberLanguage(const QString &language) const;
    void readRememberedLanguage();
    QString flagFile(qsizetype position) const;

    QStringList m_languages;
    QString m_activeLanguage;
    QStringList m_msgsStrings;
    TPxTranslationsPosition m_translationsAre = InExe;
    QString m_translationsFile;
    TranslationsLocation m_translationsLocation = TranslationsLocation::ExecutableFolder;
    Encoding m_translationsEncoding = Encoding::Windows1252;
    TRememberLanguage m_rememberLanguage = rlNo;
    QString m_rememberRegistryKey;

    QList<TParloxForm *> m_forms;
    QList<LanguagePicker *> m_pickers;
    QList<TranslationExtension *> m_extensions;
    bool m_changing = false;
};

} // namespace Parlox
