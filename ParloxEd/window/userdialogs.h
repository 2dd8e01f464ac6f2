#pragma once

#include <Parlox/parloxtypes.h>

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace Parlox {
class TParloxForm;
class TParloxSelect;
} // namespace Parlox

namespace ParloxEd {

// How the editor speaks to the user: its texts are user strings of the window's form
// translator, its message boxes the selector's translated message dialog and its questions the
// platform's input box, each shown modally through the modal seam. It belongs to the window,
// so it serves until the window's children go, the panes that ask for texts included.
class UserDialogs : public QObject {
    Q_OBJECT

public:
    UserDialogs(Parlox::TParloxSelect &selector, Parlox::TParloxForm &translator, QWidget &window);

    QString userString(const QString &identifier) const;
    int messageBox(const QString &text, Parlox::TMsgDlgType kind,
                   Parlox::TMsgDlgButtons buttons) const;
    // A box with one OK button: the user string, then `suffix` (a name) as it is.
    void tell(Parlox::TMsgDlgType kind, const char *identifier, const QString &suffix = {}) const;
    // An error box: the user string, then on a line of its own why, where a reason is known.
    void reportFailure(const char *identifier, const QString &reason) const;
    // The input box; an empty text when cancelled.
    QString askName(const char *caption, const char *prompt) const;
    // Runs a handler; any error it raises is shown in an error box instead of leaving it.
    void guarded(const std::function<void()> &handler) const;

private:
    void showError(const QString &message) const;

    Parlox::TParloxSelect &m_selector;
    Parlox::TParloxForm &m_translator;
    QWidget &m_window;
};

} // namespace ParloxEd
