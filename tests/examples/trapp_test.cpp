#include "trapp.h"
#include "trwindow.h"
#include <Parlox/parloxcombobox.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/select.h>
#include <Parlox/trtranslator.h>

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// What a user reads in a window: its title and the texts of its labels and buttons.
QStringList textsOf(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts.append(label->text());
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        texts.append(button->text());
    for (const QMenu *menu : window.findChildren<QMenu *>())
        texts.append(menu->title());
    return texts;
}

class TrAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TrApp::setUpSelector(m_selector);
        m_translator = std::make_unique<Parlox::TrTranslator>(m_selector);
    }

    // Presses keys into the focused widget and lets the posted LanguageChange events arrive.
    static void press(QWidget &widget, Qt::Key key, int times = 1)
    {
        widget.setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&widget, key);
        QCoreApplication::sendPostedEvents();
    }

    Parlox::Platform::ExecutableFolderGuard m_folder{QStringLiteral(PARLOX_TRAPP_DIR)};
    Parlox::TParloxSelect m_selector;
    std::unique_ptr<Parlox::TrTranslator> m_translator;
};

TEST_F(TrAppTest, ThePickerSwitchesEveryWindowsTrTextsPluralsAndQtsOwnTexts)
{
    TrApp::TrWindow window(m_selector);
    TrApp::TrWindow other(m_selector);
    window.show();
    auto *picker = window.findChild<Parlox::TParloxComboBox *>(QStringLiteral("LanguagePicker"));
    auto *files = window.findChild<QSpinBox *>(QStringLiteral("Files"));
    ASSERT_EQ(picker->currentText(), QStringLiteral("English"));
    const QStringList english = textsOf(window);
    EXPECT_TRUE(english.contains(QStringLiteral("1 file(s) selected")))
        << english.join(u'|').toStdString();

    press(*picker, Qt::Key_Down, 2);
    EXPECT_EQ(m_selector.ActiveLanguage(), QStringLiteral("Deutsch"));
    press(*files, Qt::Key_Up, 2);
    EXPECT_EQ(textsOf(window),
              QStringList({"Parlox-Beispiel mit tr()", "Jeder Text dieses Fensters kommt aus tr().",
                           "&Sprache:", "Dateien:", "3 Dateien ausgewählt", "", "Öffnen",
                           "Schließen", "&Datei"}));
    EXPECT_EQ(other.windowTitle(), QStringLiteral("Parlox-Beispiel mit tr()"));

    press(*picker, Qt::Key_Up);
    press(*files, Qt::Key_Down, 2);
    EXPECT_TRUE(textsOf(window).contains(QStringLiteral("1 archivo seleccionado")));
    EXPECT_TRUE(textsOf(window).contains(QStringLiteral("Cerrar")));
    EXPECT_TRUE(textsOf(other).contains(QStringLiteral("Abrir")));

    press(*picker, Qt::Key_Up);
    EXPECT_EQ(textsOf(window), english);
}

} // namespace
