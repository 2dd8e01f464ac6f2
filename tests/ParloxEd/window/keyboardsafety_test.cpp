// Keys pressed as a translator presses them, each into the widget that has the focus: no key
// lands in a cell, a button or a list the translator was not looking at.
#include "detailpane.h"
#include "mainformtest.h"

using namespace EditorWindowTest;

namespace {

class KeyboardSafety : public MainFormTest {
protected:
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void keys(const QString &text) { QTest::keyClicks(focused(), text); }
    static void hit(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(focused(), key, modifiers);
    }
    bool gridHasKeys() const { return tabla()->isAncestorOf(focused()); }
};

// Typing in the filter hides the selected row and clears again without a key reaching a cell;
// the file holds exactly what was typed into the cell afterwards.
TEST_F(KeyboardSafety, TheFilterKeepsItsKeysAndF6GoesBackToTheCell)
{
    const QString file = startOn(writeSample());
    EXPECT_TRUE(gridHasKeys());
    hit(Qt::Key_T, Qt::AltModifier);
    auto *filter = named<QLineEdit>("FilterText");
    ASSERT_EQ(focused(), filter);
    keys(QStringLiteral("ok"));
    EXPECT_EQ(tabla()->model()->rowCount(), 1);
    EXPECT_EQ(focused(), filter);
    hit(Qt::Key_A, Qt::ControlModifier);
    hit(Qt::Key_Backspace);
    EXPECT_EQ(filter->text(), "");
    EXPECT_EQ(tabla()->model()->rowCount(), 2);
    EXPECT_FALSE(doc().isModified());

    hit(Qt::Key_F6);
    ASSERT_TRUE(gridHasKeys());
    keys(QStringLiteral("!"));
    EXPECT_EQ(cell(1, 1), "Warning!"); // the cell selected before the filter
    hit(Qt::Key_S, Qt::ControlModifier);
    Lng::Document expected = sampleDocument();
    expected.messages[1] = "Warning!";
    expected.forms.removeAt(1); // a form without lines is not written
    EXPECT_EQ(read(file), Lng::writeDocument(expected));
}

// Enter walks the entry pane's editors and goes back to the grid; Shift+Enter starts a new
// line, a user string's "%%". No key reaches a tool button: any dialog would fail the test.
TEST_F(KeyboardSafety, TheEntryPaneKeepsItsKeysAndShowsLineBreaks)
{
    startOn(writeSample());
    chooseWindowsItem(1);
    action("Userstrings1")->trigger();
    Dialogs none{};
    hit(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    auto *english = qobject_cast<QPlainTextEdit *>(focused());
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->toPlainText(), "Hello");
    hit(Qt::Key_End);
    hit(Qt::Key_Return, Qt::ShiftModifier);
    keys(QStringLiteral("there"));
    EXPECT_EQ(cell(1, 1), "Hello%%there");
    EXPECT_EQ(english->toPlainText(), "Hello\nthere");
    hit(Qt::Key_Return);
    ASSERT_NE(focused(), english);
    hit(Qt::Key_Return, Qt::ShiftModifier);
    hit(Qt::Key_Return);
    EXPECT_TRUE(gridHasKeys());
    hit(Qt::Key_Space);
    EXPECT_EQ(QStringList({cell(1, 1), cell(2, 1)}), QStringList({"Hello%%there ", "%%Hola"}));

    // F6 and Ctrl+Tab go round the grid and the panes that show.
    hit(Qt::Key_F6);
    EXPECT_TRUE(named<QDockWidget>("DetailDock")->isAncestorOf(focused()));
    hit(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(gridHasKeys());
}

// The first key after File > Open goes to the selected cell, even with the file name's
// completion list left open by the dialog.
TEST_F(KeyboardSafety, TheFirstKeyAfterOpeningGoesToTheSelectedCell)
{
    const QString file = writeSample();
    start();
    QApplication::setActiveWindow(window.get());
    {
        Dialogs dialogs{[&](QDialog &dialog) {
            auto *completer = dialog.findChild<QCompleter *>();
            ASSERT_NE(completer, nullptr);
            completer->popup()->show();
            chooseFile(file)(dialog);
        }};
        hit(Qt::Key_O, Qt::ControlModifier);
    }
    for (const QWidget *top : QApplication::topLevelWidgets())
        EXPECT_TRUE(top == window.get() || !top->isVisible()) << top->metaObject()->className();
    keys(QStringLiteral("s"));
    EXPECT_EQ(cell(1, 1), "Warnings");
}

// A found cell chosen with a click shows without taking the keys; Enter goes into it with
// its text unselected. F3 and Shift+F3 walk the found cells.
TEST_F(KeyboardSafety, AChosenFindResultArmsNoReplace)
{
    startOn(writeSample());
    hit(Qt::Key_F, Qt::ControlModifier);
    keys(QStringLiteral("hola"));
    hit(Qt::Key_Return);
    auto *results = named<QTableView>("FindResults");
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualRect(results->model()->index(0, 1)).center());
    EXPECT_EQ(panels("StatusObject")[1], "HELLO");
    EXPECT_EQ(focused(), results);
    hit(Qt::Key_Return);
    keys(QStringLiteral("!"));
    EXPECT_EQ(cell(2, 1), "Hola!");

    // F3 and Shift+F3 step through the found cells, coming round, with the grid following.
    hit(Qt::Key_F, Qt::ControlModifier);
    keys(QStringLiteral("o"));
    hit(Qt::Key_Return);
    const int found = results->model()->rowCount();
    ASSERT_GT(found, 2);
    const auto shownKey = [&] { return panels("StatusObject")[1]; };
    const auto resultKey = [&](int row) { return results->model()->index(row, 1).data(); };
    hit(Qt::Key_F3);
    hit(Qt::Key_F3);
    EXPECT_EQ(results->currentIndex().row(), 1);
    EXPECT_EQ(shownKey(), resultKey(1));
    hit(Qt::Key_F3, Qt::ShiftModifier);
    hit(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(results->currentIndex().row(), found - 1);
    EXPECT_EQ(shownKey(), resultKey(found - 1));
    EXPECT_EQ(focused(), named<QLineEdit>("FindText"));
}

// With the default language protected its column takes no keys, in the grid or the pane, and
// an edit made before is still undone; the choice outlives the window.
TEST_F(KeyboardSafety, TheProtectedDefaultLanguageTakesNoKeysAndIsRemembered)
{
    startOn(writeSample());
    EXPECT_FALSE(action("ProtectDefault1")->isChecked());
    selectCell(2, 1);
    hit(Qt::Key_End);
    keys(QStringLiteral("!"));
    EXPECT_EQ(cell(2, 1), "Atención!");
    hit(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(action("ProtectDefault1")->isChecked());
    EXPECT_FALSE(gridHasKeys() && focused() != tabla());
    keys(QStringLiteral("x"));
    selectCell(2, 2);
    keys(QStringLiteral("x"));
    EXPECT_EQ(QStringList({cell(2, 1), cell(2, 2)}), QStringList({"Atención!", "Aceptar"}));
    hit(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->findChild<ParloxEd::DetailPane *>()->editor(1)->isReadOnly());
    hit(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 1), "Atención");

    hit(Qt::Key_F6);
    selectCell(1, 2);
    hit(Qt::Key_End);
    keys(QStringLiteral("!"));
    EXPECT_EQ(cell(1, 2), "OK!");
    command("Undo1");
    window->close();
    window.reset();
    startOn(writeSample());
    EXPECT_TRUE(action("ProtectDefault1")->isChecked());
    selectCell(2, 1);
    keys(QStringLiteral("x"));
    EXPECT_EQ(cell(2, 1), "Atención");
}

} // namespace
