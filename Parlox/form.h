#pragma once

#include <Parlox/formstringindex.h>
#include <Parlox/platform/component.h>
#include <Parlox/select.h>
#include <Parlox/translationplan.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace Parlox {

// The translator of one form: holds the form's form strings (texts keyed by property path)
// and user strings (texts the application asks for by identifier), links to the application's
// selector, and writes a language's texts into the form whenever the form is loaded or the
// selector's active language changes. One per form.
class TParloxForm : public QObject, public Platform::Component {
    Q_OBJECT
    Q_PROPERTY(QStringList FormStrings READ FormStrings WRITE setFormStrings)
    Q_PROPERTY(QStringList UserStrings READ UserStrings WRITE setUserStrings)
    Q_PROPERTY(Parlox::TParloxSelect *PxLanguageSelector READ PxLanguageSelector WRITE
                   setPxLanguageSelector)
    Q_PROPERTY(QString Language READ Language WRITE setLanguage)
    Q_PROPERTY(bool AutoUpdate READ AutoUpdate WRITE setAutoUpdate)
    Q_PROPERTY(bool AutoRead READ AutoRead WRITE setAutoRead RESET resetAutoRead)
    Q_CLASSINFO("parlox.default.AutoRead", "true")

public:
    // What the design-time face adds: collecting the form's current texts into FormStrings,
    // attaching to the form designer (AutoUpdate) and moving the translations between the form
    // data and the translations file (the selector's TranslationsAre). The design-time library
    // installs them; until then collection does nothing, AutoUpdate stays false and
    // TranslationsAre is stored as given. None of them is called outside a designer.
    struct DesignHooks {
        // CollectFormStrings followed by RemoveEmptyEntries.
        std::function<void(TParloxForm &)> collectFormStrings;
        // Returns whether the translator is now attached (AutoUpdate true); when it cannot be
        // yet, the design side keeps retrying on its own.
        std::function<bool(TParloxForm &)> attachAutoUpdate;
        std::function<void(TParloxForm &)> detachAutoUpdate;
        // While the form data is being read: attach as soon as the designer allows it.
        std::function<void(TParloxForm &)> retryAutoUpdate;
        // The selector's TranslationsAre set in a designer once its form data has been read.
        std::function<void(TParloxSelect &, TPxTranslationsPosition)> setTranslationsAre;
    };
    static void setDesignHooks(DesignHooks hooks);
    static const DesignHooks &designHooks();

    // Throws ComponentError when the owner lies on no form, or when its form already has a
    // translator; nothing is registered then.
    explicit TParloxForm(QObject *owner);
    ~TParloxForm() override;

    const QStringList &FormStrings() const { return m_formStrings; }
    QStringList &FormStrings() { return m_formStrings; }
    void setFormStrings(const QStringList &lines) { m_formStrings = lines; }
    const QStringList &UserStrings() const { return m_userStrings; }
    QStringList &UserStrings() { return m_userStrings; }
    void setUserStrings(const QStringList &lines) { m_userStrings = lines; }

    TParloxSelect *PxLanguageSelector() const { return m_selector; }
    void setPxLanguageSelector(TParloxSelect *selector);

    // The language the form shows. At run time only the stored value is taken; the shown
    // language changes through the selector. In a designer it switches the shown language.
    const QString &Language() const { return m_language; }
    void setLanguage(const QString &language);

    bool AutoUpdate() const { return m_autoUpdate; }
    void setAutoUpdate(bool on);
    bool AutoRead() const { return m_autoRead; }
    void setAutoRead(bool on) { m_autoRead = on; }
    void resetAutoRead() { m_autoRead = true; }

    QWidget *owningForm() const { return m_form; }
    // The owning form's name when its tables were last stored in the translations file.
    const QString &storedFormName() const { return m_storedFormName; }
    void setStoredFormName(const QString &name) { m_storedFormName = name; }

    // Called by the selector when its active language changes to one this form does not show.
    void LanguageChanged(const QString &language);
    // Writes the texts of one language into the owning form and its components. In flat-file
    // mode the form's section is read first (FileError when the file exists but cannot be
    // opened) and dropped again afterwards.
    void ApplyLanguage(const QString &language);
    // The value of a form-strings path in a language; empty when there is none, which leaves
    // the text it names alone. Scans the table: ApplyLanguage uses an index instead.
    QString LookupFormString(const QString &path, const QString &language) const;
    // The user string with this identifier in the selector's active language, "%%" expanded
    // to LF CR; empty when it is missing.
    QString GetUserString(const QString &identifier);

    void loaded() override;

protected:
    void removalNotice(Platform::Component *gone) override;

private:
    static QObject *admitted(QObject *owner);
    void linkSelectorsOf(const QWidget *form);
    void convertOldKeys();
    void applyToComponent(QObject &component, const TranslationPlan::Entry &entry,
                          const FormStringIndex::Language &lookup, const QString &language);
    std::shared_ptr<const FormStringIndex> formStringIndex();
    void collectAtDesignTime();
    void showLanguage(const QString &language);

    QPointer<QWidget> m_form;
    TParloxSelect *m_selector = nullptr;
    QString m_language;
    QStringList m_formStrings;
    QStringList m_userStrings;
    std::shared_ptr<const FormStringIndex> m_formStringIndex;
    TranslationPlan m_plan;
    bool m_keysChecked = false;
    QString m_storedFormName;
    bool m_autoUpdate = false;
    bool m_autoRead = true;
};

} // namespace Parlox
