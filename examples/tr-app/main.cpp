// A Qt application written with tr() only, translated from tr-app.lng beside the executable.
// The picker switches among English, Spanish and German; the choice is remembered in the
// registry value DefLang under \Software\Parlox\TrApp.
#include "trapp.h"
#include "trwindow.h"
#include <Parlox/select.h>
#include <Parlox/trtranslator.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlox tr() example"));
    Parlox::TParloxSelect selector;
    TrApp::setUpSelector(selector);
    // The one Parlox call: from now on every language the selector activates serves tr().
    Parlox::TrTranslator translator(selector);
    TrApp::TrWindow window(selector);
    window.show();
    return QApplication::exec();
}
