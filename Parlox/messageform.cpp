#include <Parlox/messageform.h>

#include <Parlox/parloxtypes.h>
#include <Parlox/platform/application.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace Parlox {

TMessageForm::TMessageForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    // The message-box font when the platform sets one; QApplication falls back to the
    // general font otherwise.
    setFont(QApplication::font("QMessageBox"));
}

void TMessageForm::reject()
{
    done(mrCancel);
}

void TMessageForm::HelpButtonClick()
{
    Platform::Application::instance().requestHelp(m_helpContext);
}

void TMessageForm::keyPressEvent(QKeyEvent *event)
{
    // QDialog would reject on Esc; here Esc means the cancel button, or nothing without one.
    if (event->matches(QKeySequence::Cancel)) {
        if (m_cancelButton)
            m_cancelButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace Parlox
