#include "userdialogs.h"

#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/standarddialogs.h>
#include <Parlox/select.h>

#include <new>

namespace ParloxEd {

using namespace Parlox;

UserDialogs::UserDialogs(TParloxSelect &selector, TParloxForm &translator, QWidget &window)
    : QObject(&window), m_selector(selector), m_translator(translator), m_window(window)
{
}

QString UserDialogs::userString(const QString &identifier) const
{
    return m_translator.GetUserString(identifier);
}

int UserDialogs::messageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons) const
{
    return m_selector.MessageDlg(text, kind, buttons);
}

void UserDialogs::tell(TMsgDlgType kind, const char *identifier, const QString &suffix) const
{
    messageBox(userString(QLatin1String(identifier)) + suffix, kind, mbOK);
}

void UserDialogs::reportFailure(const char *identifier, const QString &reason) const
{
    QString text = userString(QLatin1String(identifier));
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    messageBox(text, mtError, mbOK);
}

QString UserDialogs::askName(const char *caption, const char *prompt) const
{
    return Platform::inputQuery(userString(QLatin1String(caption)),
                                userString(QLatin1String(prompt)), {}, &m_window)
        .value_or(QString());
}

void UserDialogs::guarded(const std::function<void()> &handler) const
{
    try {
        handler();
    } catch (const Parlox::Error &error) {
        showError(error.message());
    } catch (const std::bad_alloc &) {
        showError(userString(QStringLiteral("OUT_OF_MEMORY")));
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
}

void UserDialogs::showError(const QString &message) const
{
    try {
        messageBox(message, mtError, mbOK);
    } catch (const std::exception &) {
        // The translated dialog itself failed; the standard box still tells the user.
        Platform::showMessageBox(QMessageBox::Critical, Platform::Application::instance().title(),
                                 message, QMessageBox::Ok, &m_window);
    }
}

} // namespace ParloxEd
