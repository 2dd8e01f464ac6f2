#pragma once

#include <functional>

class QDialog;

namespace Parlox::Platform {

// Every modal dialog of the program runs through showModal. Normally it runs the dialog's own
// event loop (QDialog::exec). While a handler is installed, the handler gets the real dialog
// instead, inspects it and answers it the way a user would (clicking a button, setting a text
// and accepting, or calling done()); showModal then returns the dialog's result, which is
// QDialog::Rejected when the handler left it unanswered.
using ModalHandler = std::function<void(QDialog &dialog)>;

int showModal(QDialog &dialog);

// Installs a handler for its lifetime and puts the previous one back afterwards.
class ModalHandlerGuard {
public:
    explicit ModalHandlerGuard(ModalHandler handler);
    ~ModalHandlerGuard();
    ModalHandlerGuard(const ModalHandlerGuard &) = delete;
    ModalHandlerGuard &operator=(const ModalHandlerGuard &) = delete;

private:
    ModalHandler m_previous;
};

} // namespace Parlox::Platform
