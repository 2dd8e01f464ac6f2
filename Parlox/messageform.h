#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>

class QKeyEvent;

namespace Parlox {

// The window of the translated message dialog, created empty and filled by
// CreateMessageDialog. It uses the system's message font, carries the help context that its
// Help button asks the application about, and answers mrCancel when closed from its frame.
// Esc presses the cancel button and does nothing when there is none.
class TMessageForm : public QDialog {
    Q_OBJECT
    Q_PROPERTY(int HelpContext READ HelpContext WRITE setHelpContext)

public:
    explicit TMessageForm(QWidget *parent = nullptr);

    int HelpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }

    QPushButton *cancelButton() const { return m_cancelButton; }
    void setCancelButton(QPushButton *button) { m_cancelButton = button; }

    // Closing from the frame (or anything else that rejects the dialog) gives mrCancel.
    void reject() override;

public slots:
    // The Help button's action: shows the help topic and leaves the dialog open.
    void HelpButtonClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_helpContext = 0;
    QPointer<QPushButton> m_cancelButton;
};

} // namespace Parlox
