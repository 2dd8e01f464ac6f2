#include <Parlox/platform/modalseam.h>

#include <QDialog>

namespace Parlox::Platform {
namespace {

ModalHandler &currentHandler()
{
    static ModalHandler handler;
    return handler;
}

} // namespace

int showModal(QDialog &dialog)
{
    // Copied: a handler may install another one for the dialogs it opens in turn.
    const ModalHandler handler = currentHandler();
    if (!handler)
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    handler(dialog);
    return dialog.result();
}

ModalHandlerGuard::ModalHandlerGuard(ModalHandler handler)
    : m_previous(std::exchange(currentHandler(), std::move(handler)))
{
}

ModalHandlerGuard::~ModalHandlerGuard()
{
    currentHandler() = std::move(m_previous);
}

} // namespace Parlox::Platform
