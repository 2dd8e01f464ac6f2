// ParloxEd: the editor of Parlox application translations files.
#include "errors.h"
#include "mainform.h"
#include "platform/application.h"
#include "platform/standarddialogs.h"

#include <QApplication>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    auto &application = Parlox::Platform::Application::instance();
    application.setTitle(QStringLiteral("Parlox Application Translations File Editor"));
    try {
        const std::unique_ptr<ParloxEd::TMainForm> window(
            application.createForm<ParloxEd::TMainForm>());
        window->show();
        return QApplication::exec();
    } catch (const Parlox::Error &error) {
        // The window could not be built; there is nothing to translate the message with.
        Parlox::Platform::showMessageBox(QMessageBox::Critical, application.title(),
                                         error.message(), QMessageBox::Ok);
        return 1;
    }
}
