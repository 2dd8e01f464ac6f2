#include <Parlox/languagepicker.h>

#include <Parlox/format/errors.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/standarddialogs.h>
#include <Parlox/select.h>

#include <QCollator>

namespace Parlox {

LanguagePicker::~LanguagePicker()
{
    unlinkSelector();
}

void LanguagePicker::unlinkSelector()
{
    if (m_selector) {
        unwatchRemoval(m_selector);
        std::exchange(m_selector, nullptr)->RemovePicker(this);
    }
}

void LanguagePicker::setPxLanguageSelector(TParloxSelect *selector)
{
    unlinkSelector();
    m_selector = selector;
    if (m_selector) {
        watchRemoval(m_selector);
        m_selector->AddPicker(this);
    }
}

void LanguagePicker::chooseLanguage(const QString &name)
{
    if (!m_selector)
        return;
    try {
        m_selector->setActiveLanguage(name);
    } catch (const Error &error) {
        Platform::showMessageBox(QMessageBox::Critical, Platform::Application::instance().title(),
                                 error.message(), QMessageBox::Ok);
    }
    // The user's pick is already on screen; when it did not become the active language the
    // selector refreshed no picker, so this one puts the active language back.
    if (m_selector && m_selector->ActiveLanguage() != name)
        RefreshLanguages();
}

void LanguagePicker::removalNotice(Platform::Component *gone)
{
    if (gone == m_selector)
        m_selector = nullptr;
}

bool languageSortsBefore(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b) < 0;
}

} // namespace Parlox
