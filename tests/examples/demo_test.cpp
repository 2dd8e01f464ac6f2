#include "demoaboutbox.h"
#include "demomainwindow.h"
#include <Parlox/form.h>
#include <Parlox/parloxcombobox.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/platform/publishedproperties.h>
#include <Parlox/select.h>

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace ParloxDemo;

namespace {

const QStringList Languages{"English", "Español", "Deutsch", "Polski"};

// Every text of the window that the translator may write, by path.
QMap<QString, QString> textsOf(const QWidget &window)
{
    using namespace Parlox::Platform;
    QMap<QString, QString> texts{{"Form.Caption", window.windowTitle()}};
    for (const QObject *c : componentList(&window)) {
        for (const QString &property : {QStringLiteral("Caption"), QStringLiteral("Hint")}) {
            if (const auto text = textProperty(c, property))
                texts.insert(c->objectName() + u'.' + property, *text);
        }
        for (const QString &property :
             {QStringLiteral("Lines"), QStringLiteral("Items"), QStringLiteral("Pages")}) {
            if (const auto items = stringListProperty(c, property))
                texts.insert(c->objectName() + u'.' + property, items->join(u'|'));
        }
    }
    return texts;
}

class DemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerComponents(); }
    void SetUp() override { Parlox::Platform::Application::instance().forgetMainForm(); }
    void TearDown() override { Parlox::Platform::Application::instance().forgetMainForm(); }

    static std::unique_ptr<DemoMainWindow> open(Storage storage)
    {
        return std::unique_ptr<DemoMainWindow>(
            Parlox::Platform::Application::instance().createForm<DemoMainWindow>(storage));
    }

    // A user's choice in the Language menu.
    static void chooseInMenu(DemoMainWindow &window, const QString &language)
    {
        for (QAction *item : window.findChild<QMenu *>("LanguageMenu")->actions()) {
            if (item->text() == language)
                item->trigger();
        }
    }

    // The texts of every language, switching through the combo-box picker.
    static QList<QMap<QString, QString>> textsInEveryLanguage(DemoMainWindow &window)
    {
        auto *picker = window.findChild<Parlox::TParloxComboBox *>("LanguageCombo");
        QList<QMap<QString, QString>> texts;
        for (const QString &language : Languages) {
            const int index = picker->findText(language);
            picker->setCurrentIndex(index);
            emit picker->activated(index);
            EXPECT_EQ(window.selector().ActiveLanguage(), language);
            texts.append(textsOf(window));
        }
        return texts;
    }

    Parlox::Platform::ExecutableFolderGuard folder{QStringLiteral(PARLOX_DEMO_DIR)};
};

TEST_F(DemoTest, SwitchingLanguageTranslatesTheWindowsAndIsRemembered)
{
    auto window = open(Storage::FormData);
    chooseInMenu(*window, "Deutsch");

    EXPECT_EQ(window->windowTitle(), "Parlox-Demo");
    EXPECT_EQ(window->findChild<QMenu *>("FileMenu")->title(), "&Datei");
    EXPECT_EQ(window->findChild<QAction *>("OpenAction")->toolTip(), "Öffnet ein Dokument");
    EXPECT_EQ(window->findChild<QPushButton *>("BtnHello")->text(), "&Hallo sagen");
    EXPECT_EQ(window->findChild<QListWidget *>("FruitList")->item(2)->text(), "Pflaume");

    QString aboutTitle;
    const Parlox::Platform::ModalHandlerGuard answer([&](QDialog &dialog) {
        aboutTitle = dialog.windowTitle();
        dialog.accept();
    });
    window->showAbout();
    EXPECT_EQ(aboutTitle, "Über die Parlox-Demo");

    window.reset();
    Parlox::Platform::Application::instance().forgetMainForm();
    EXPECT_EQ(open(Storage::FormData)->windowTitle(), "Parlox-Demo") << "remembered";
}

TEST_F(DemoTest, TheTranslationsFileHoldsTheSameTextsAsTheFormData)
{
    const auto stored = textsInEveryLanguage(*open(Storage::FormData));
    Parlox::Platform::Application::instance().forgetMainForm();
    auto flat = open(Storage::FlatFile);
    EXPECT_EQ(flat->selector().TranslationsAre(), Parlox::InFlatFile);
    const auto fromFile = textsInEveryLanguage(*flat);

    ASSERT_EQ(stored.size(), 4);
    EXPECT_EQ(stored[1].value("Greeting.Caption"), "Bienvenido a la demostración de Parlox.");
    // Polish needs more than Windows-1252: the file is read as UTF-8.
    EXPECT_EQ(fromFile[3].value("FruitList.Items"), "Jabłko|Gruszka|Śliwka");
    EXPECT_EQ(fromFile[3].value("Form.Caption"), "Demonstracja Parlox");
    EXPECT_EQ(fromFile, stored);
    EXPECT_TRUE(flat->translator().FormStrings().isEmpty());
}

} // namespace
