// An application that existed before Parlox: a main window from Qt Designer (mainwindow.ui,
// compiled by uic) and a dialog written in C++. These lines are all it takes to switch both
// between English, Spanish and German while the program runs, from existing-app.lng beside the
// executable, and to remember the choice.
//
//   existing-app                              runs the program
//   existing-app --collect FILE.LNG LANGUAGE  stores the windows' texts in FILE.LNG (a debug
//                                             step: translators then fill the other languages)
#include "mainwindow.h"
#include "settingsdialog.h"

#include <Parlox/design/windowcollection.h>
#include <Parlox/format/errors.h>
#include <Parlox/select.h>
#include <Parlox/windowtranslation.h>

#include <QApplication>
#include <QMessageBox>

namespace {

int collectTexts(const QStringList &args)
{
    ExistingApp::MainWindow window;
    ExistingApp::SettingsDialog dialog;
    Parlox::Design::collectWindow(window, args[2], args[3]);
    Parlox::Design::collectWindow(dialog, args[2], args[3]);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Existing app"));
    const QStringList args = QApplication::arguments();
    try {
        if (args.size() == 4 && args[1] == u"--collect")
            return collectTexts(args);

        ExistingApp::MainWindow window;
        Parlox::TParloxSelect &selector = Parlox::createSelector(
            window, {.translationsFile = QStringLiteral("existing-app.lng"),
                     .rememberLanguage = Parlox::rlRegistryKey,
                     .rememberRegistryKey = QStringLiteral("\\Software\\Parlox\\ExistingApp")});
        window.translate(selector);
        QObject::connect(&window, &ExistingApp::MainWindow::settingsRequested, [&] {
            ExistingApp::SettingsDialog dialog(&window);
            Parlox::translateWindow(dialog, selector);
            dialog.exec();
        });
        window.show();
        return QApplication::exec();
    } catch (const Parlox::Error &error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), error.message());
        return 1;
    }
}
