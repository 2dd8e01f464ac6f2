// The Parlox demo: a main window and an About box translated into English, Spanish and German.
//
//   parlox-demo              translations stored with each form's data (JSON resources)
//   parlox-demo --flat-file  translations read from demo.lng beside the executable
//
// The language chosen in the Language menu or the combo box is remembered in the registry
// value DefLang under \Software\Parlox\Demo.
#include "demoforms.h"
#include "demomainwindow.h"
#include <Parlox/format/errors.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/standarddialogs.h>

#include <QApplication>
#include <new>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlox demo"));
    const ParloxDemo::Storage storage =
        QApplication::arguments().contains(QStringLiteral("--flat-file"))
            ? ParloxDemo::Storage::FlatFile
            : ParloxDemo::Storage::FormData;
    ParloxDemo::registerComponents();
    try {
        auto &application = Parlox::Platform::Application::instance();
        auto *window = application.createForm<ParloxDemo::DemoMainWindow>(storage);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return QApplication::exec();
    } catch (const Parlox::Error &error) {
        Parlox::Platform::showMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                         error.message(), QMessageBox::Ok);
        return 1;
    } catch (const std::bad_alloc &) {
        Parlox::Platform::showMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                         QStringLiteral("There is not enough memory to go on."),
                                         QMessageBox::Ok);
        return 1;
    }
}
