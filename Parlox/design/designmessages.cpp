#include <Parlox/design/designmessages.h>

#include <Parlox/platform/standarddialogs.h>

namespace Parlox::Design {

void showError(const QString &text)
{
    Platform::showMessageBox(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

void showInformation(const QString &text)
{
    Platform::showMessageBox(QMessageBox::Information, QStringLiteral("Information"), text,
                             QMessageBox::Ok);
}

bool confirm(const QString &text)
{
    return Platform::showMessageBox(QMessageBox::Question, QStringLiteral("Confirm"), text,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace Parlox::Design
