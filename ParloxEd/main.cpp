// ParloxEd: the editor of Parlox application translations files.
#include "commandline.h"
#include "mainform.h"
#include <Parlox/format/errors.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/standarddialogs.h>

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const ParloxEd::CommandLine command = ParloxEd::parseCommandLine(QApplication::arguments());
    if (command.help || !command.error.isEmpty()) {
        const QString text = command.help ? command.usage : command.error + u'\n' + command.usage;
        std::fputs(text.toLocal8Bit().constData(), command.help ? stdout : stderr);
        return command.help ? 0 : 2;
    }
    auto &application = Parlox::Platform::Application::instance();
    application.setTitle(QStringLiteral("Parlox Application Translations File Editor"));
    try {
        const std::unique_ptr<ParloxEd::TMainForm> window(
            application.createForm<ParloxEd::TMainForm>());
        window->show();
        if (!command.file.isEmpty())
            window->OpenFileNamed(command.file);
        return QApplication::exec();
    } catch (const Parlox::Error &error) {
        // The window could not be built; there is nothing to translate the message with.
        Parlox::Platform::showMessageBox(QMessageBox::Critical, application.title(),
                                         error.message(), QMessageBox::Ok);
        return 1;
    }
}
