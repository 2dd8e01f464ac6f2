// The existing application: a window from Qt Designer and a dialog written in C++ switch
// between three languages through the menu picker, with the translations file beside the
// executable.
#include "mainwindow.h"
#include "settingsdialog.h"
#include <Parlox/platform/application.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/select.h>
#include <Parlox/windowtranslation.h>

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

using Texts = QMap<QString, QString>;

// Every text a user reads in the two windows, by where it shows.
Texts textsOf(const QMainWindow &window, const QDialog &dialog)
{
    Texts texts{{"title", window.windowTitle()},
                {"status", window.statusBar()->currentMessage()},
                {"dialog", dialog.windowTitle()}};
    for (const auto *label : window.findChildren<QLabel *>() + dialog.findChildren<QLabel *>())
        texts.insert(label->objectName(), label->text());
    for (const auto *button : window.findChildren<QAbstractButton *>())
        texts.insert(button->objectName(), button->text());
    for (const auto *menu : window.findChildren<QMenu *>())
        texts.insert(menu->objectName(), menu->title());
    for (const auto *action : window.findChildren<QAction *>())
        if (!action->objectName().isEmpty())
            texts.insert(action->objectName() + ".tip", action->toolTip());
    texts.insert("filterBox", window.findChild<QGroupBox *>("filterBox")->title());
    const auto *search = window.findChild<QLineEdit *>("searchEdit");
    texts.insert("searchEdit.tip", search->toolTip());
    texts.insert("searchEdit.placeholder", search->placeholderText());
    const QTreeWidgetItem *header = window.findChild<QTreeWidget *>("orderTree")->headerItem();
    texts.insert("orderTree.headers", header->text(0) + u'|' + header->text(1));
    texts.insert("openOnlyCheck.status", window.findChild<QCheckBox *>()->statusTip());
    texts.insert("settingsButton.whatsThis",
                 window.findChild<QPushButton *>("settingsButton")->whatsThis());
    texts.insert("nameEdit.placeholder", dialog.findChild<QLineEdit *>()->placeholderText());
    texts.insert("sizeSpin.suffix", dialog.findChild<QSpinBox *>()->suffix());
    for (const QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons())
        texts["buttons"] += button->text() + u'|';
    return texts;
}

void chooseInMenu(ExistingApp::MainWindow &window, const QString &language)
{
    for (QAction *action : window.languageMenu()->actions())
        if (action->text().remove(u'&') == language)
            action->trigger();
}

TEST(ExistingApp, BothWindowsFollowEveryLanguageAndRetranslateUiRuns)
{
    Parlox::Platform::ExecutableFolderGuard folder{QStringLiteral(PARLOX_EXISTING_APP_DIR)};
    ExistingApp::MainWindow window;
    Parlox::TParloxSelect &selector =
        Parlox::createSelector(window, {.translationsFile = QStringLiteral("existing-app.lng")});
    window.translate(selector);
    ExistingApp::SettingsDialog dialog(&window);
    Parlox::translateWindow(dialog, selector);
    const Texts english = textsOf(window, dialog);

    chooseInMenu(window, "Deutsch");
    // Every text in German, the status bar's being changeEvent's own.
    // clang-format off
    EXPECT_EQ(textsOf(window, dialog), Texts({
        {"title", "Bestellungen"},                   {"dialog", "Einstellungen"},
        {"fileMenu", "&Datei"},                      {"languageMenu", "&Sprache"},
        {"actionQuit.tip", "Schließt das Programm"}, {"status", "0 Bestellungen angezeigt"},
        {"greetingLabel", "Heutige Bestellungen"},   {"filterBox", "Anzeigen"},
        {"searchEdit.tip", "Sucht Bestellungen nach Kunde"},
        {"searchEdit.placeholder", "Bestellungen suchen"},
        {"orderTree.headers", "Kunde|Summe"},        {"openOnlyCheck", "Nur offene Bestellungen"},
        {"openOnlyCheck.status", "Blendet gelieferte Bestellungen aus"},
        {"settingsButton", "&Einstellungen..."},
        {"settingsButton.whatsThis", "Öffnet die Einstellungen dieses Programms"},
        {"nameLabel", "Ihr &Name:"},                 {"nameEdit.placeholder", "Vor- und Nachname"},
        {"sizeLabel", "Text&größe:"},                {"sizeSpin.suffix", " Pt."},
        {"buttons", "OK|Abbrechen|"},                {"", "Abbrechen"},
        {"qt_menubar_ext_button", ""}}));
    // clang-format on

    chooseInMenu(window, "Español");
    EXPECT_EQ(textsOf(window, dialog)["settingsButton"], "&Ajustes...");
    chooseInMenu(window, "English");
    EXPECT_EQ(textsOf(window, dialog), english);
    EXPECT_EQ(window.languageChanges(), 3) << "retranslateUi ran on every switch";
    Parlox::Platform::Application::instance().forgetMainForm();
}

} // namespace
