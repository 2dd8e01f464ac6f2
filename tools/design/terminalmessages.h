#pragma once

#include <Parlox/platform/modalseam.h>

class QDialog;
class QIODevice;
class QString;

namespace Parlox::DesignTool {

// The message boxes of a designer without a screen, answered on the terminal: errors and
// information are printed as one line each; a Yes/No question is printed and answered from
// the input (a line starting with y is Yes, anything else or none is No), or Yes at once when
// assumeYes is set. An answer that no terminal has shown already (echoAnswers) is printed
// after the question. Installed for its lifetime.
class TerminalMessages {
public:
    struct Answers {
        bool assumeYes = false;
        bool echo = true;
    };
    TerminalMessages(QIODevice &in, QIODevice &err, Answers answers);

    // Whether an error box (or any other dialog than a message box) was shown.
    bool failed() const { return m_failed; }
    // Whether a question was answered No.
    bool declined() const { return m_declined; }

private:
    void answer(QDialog &dialog);
    void printLine(const QString &text);

    QIODevice &m_in;
    QIODevice &m_err;
    Answers m_answers;
    bool m_failed = false;
    bool m_declined = false;
    Platform::ModalHandlerGuard m_guard;
};

} // namespace Parlox::DesignTool
