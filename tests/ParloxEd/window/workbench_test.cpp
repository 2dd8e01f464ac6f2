// The translator's tools of the main window: undo and redo, find, go to key, next untranslated,
// the filter box and the panes, driven through their menu items, keys and dialogs.
#include "detailpane.h"
#include "mainformtest.h"

using namespace EditorWindowTest;

namespace {

class WorkbenchTest : public MainFormTest {
protected:
    void key(QWidget *target, int key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    QStringList selection() const
    {
        return panels("StatusObject") + panels("StatusValue") + checkedTexts(*menu("WindowsMenu")) +
               texts({action("Form1"), action("Userstrings1")}, true);
    }
};

// Keys typed in the cell's editor undo the document, not the editor: cell by cell, back to the
// file's state (when closing asks nothing), and forward again; the menu undoes a language.
TEST_F(WorkbenchTest, UndoAndRedoWalkTheDocumentFromTheKeysAndTheMenu)
{
    startOn(writeSample());
    selectCell(2, 1);
    type(QStringLiteral("Aviso"));
    key(cellEditor(), Qt::Key_Return);
    type(QStringLiteral("Vale"));
    EXPECT_EQ(cell(2, 2), "Vale");
    key(cellEditor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QStringList({cell(2, 1), cell(2, 2), cellEditor()->text()}),
              QStringList({"Aviso", "Aceptar", "Aceptar"}));
    key(cellEditor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 1), "Atención");
    EXPECT_EQ(panels("StatusObject")[1], "mtWarning");
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(action("Undo1")->isEnabled());
    key(cellEditor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(2, 1), "Aviso");
    EXPECT_TRUE(doc().isModified());

    // Esc closes the editor; F2 opens it again.
    key(cellEditor(), Qt::Key_Escape);
    key(tabla(), Qt::Key_F2);
    EXPECT_EQ(cellEditor()->text(), "Aviso");

    command("Add1", {enter("Deutsch")});
    command("Undo1");
    command("Undo1");
    EXPECT_EQ(texts(menu("LanguagesMenu")->actions()), QStringList({"English", "Español"}));
    EXPECT_EQ(QStringList({cell(1, 0), cell(2, 0), cell(2, 1)}),
              QStringList({"English", "Español", "Atención"}));
    EXPECT_FALSE(doc().isModified());
    Dialogs none{};
    window->close();
    EXPECT_FALSE(window->isVisible());
}

// Each tool shows its cell with its table, Windows mark, view and status bars.
TEST_F(WorkbenchTest, GoToKeyAndNextUntranslatedShowTheCellTheyLeadTo)
{
    Lng::Document sample = sampleDocument();
    sample.forms[2].userStrings[5].clear(); // Tools: no Spanish text for A
    startOn(write(QStringLiteral("gaps.lng"), Lng::writeDocument(sample)));

    EXPECT_EQ(command("GoToKey1", {enter("form.caption")}),
              QStringList({"Going to a key|Enter the key you want to go to: "}));
    EXPECT_EQ(selection(), QStringList({"Object.Property", "Form.Caption", "Español", "Principal",
                                        "Main", "&Form strings"}));
    EXPECT_EQ(command("GoToKey1", {enter("Nope"), press("OK")}).value(1),
              "Error|The specified key doesn't exist: Nope");

    // A row hidden by the filter shows again when a tool leads to it.
    chooseWindowsItem(2);
    action("Userstrings1")->trigger();
    QTest::keyClicks(named<QLineEdit>("FilterText"), QStringLiteral("bye"));
    EXPECT_EQ(tabla()->model()->rowCount(), 1);
    command("NextUntranslated1");
    EXPECT_EQ(named<QLineEdit>("FilterText")->text(), "");
    EXPECT_EQ(selection(),
              QStringList({"User strings ID", "A", "Español", "", "Tools", "&User strings"}));
    type(QStringLiteral("b"));
    EXPECT_EQ(command("NextUntranslated1", {press("OK")}),
              QStringList({"Information|Every value has a text."}));
}

// The entry pane edits the grid's cells as commands; the panes come back on the next start, and
// their keys work while the View menu is closed.
TEST_F(WorkbenchTest, PanesShowTheEntryWholeAndTheProgressAndAreRemembered)
{
    startOn(writeSample());
    chooseWindowsItem(1);
    action("DetailPane1")->trigger();
    action("ProgressPane1")->trigger();
    selectCell(1, 2);
    auto *pane = named<QDockWidget>("DetailDock")->findChild<ParloxEd::DetailPane *>();
    ASSERT_NE(pane, nullptr);
    QPlainTextEdit *spanish = pane->editor(1);
    EXPECT_EQ(spanish->toPlainText(), "Abrir");
    spanish->moveCursor(QTextCursor::End);
    QTest::keyClicks(spanish, QStringLiteral("..."));
    EXPECT_EQ(cell(2, 2), "Abrir...");
    const auto progress = [this](int column) {
        return named<QTableView>("ProgressTable")->model()->index(1, column).data().toString();
    };
    EXPECT_EQ(QStringList({progress(0), progress(1), progress(2)}),
              QStringList({"Español", "2 / 2 (100%)", "7 / 7 (100%)"}));
    spanish->selectAll();
    key(spanish, Qt::Key_Delete);
    EXPECT_EQ(progress(2), "6 / 7 (85%)");
    command("Undo1");
    EXPECT_EQ(QStringList({cell(2, 2), spanish->toPlainText(), progress(2)}),
              QStringList({"Abrir", "Abrir", "7 / 7 (100%)"}));

    // A cell's tooltip holds its whole text, broken into lines, markup characters and all.
    const QString longText = QStringLiteral("<b>Open</b> & ").repeated(20);
    doc().grid()->setCell(1, 1, longText);
    const QPoint at = tabla()->visualRect(tabla()->model()->index(0, 1)).center();
    QHelpEvent help(QEvent::ToolTip, at, tabla()->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(tabla()->viewport(), &help);
    const QString tip = QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText();
    EXPECT_GT(tip.count(u'\n'), 1);
    EXPECT_EQ(QString(tip).remove(u'\n'), longText);
    command("Undo1");

    action("ChecksPane1")->trigger();
    window->close();
    window.reset();
    start();
    EXPECT_TRUE(named<QDockWidget>("DetailDock")->isVisible());
    EXPECT_TRUE(named<QDockWidget>("ChecksDock")->isVisible());
    EXPECT_TRUE(action("ProgressPane1")->isChecked());
    EXPECT_FALSE(named<QDockWidget>("FindDock")->isVisible());
    QApplication::setActiveWindow(window.get());
    key(window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(named<QDockWidget>("DetailDock")->isVisible());
}

} // namespace

namespace {

// The table shown is named in the status area, Ctrl+PgDown and Ctrl+PgUp walk the tables, the
// status area says whether the changes are saved; panes leave the grid half the window, and
// the window's size comes back on the next start.
TEST_F(WorkbenchTest, TheWindowNamesTheTableSaysWhatIsSavedAndKeepsRoomForTheGrid)
{
    startOn(writeSample());
    const auto tableName = [this] { return named<QLabel>("TableName")->text(); };
    const auto state = [this] { return named<QLabel>("DocumentState")->text(); };
    EXPECT_EQ(tableName(), "Message Strings");
    key(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    key(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tableName(), "Main: User strings");
    EXPECT_EQ(selection().mid(4), QStringList({"Main", "&User strings"}));
    for (int i = 0; i < 3; ++i)
        key(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tableName(), "Tools: User strings");

    EXPECT_EQ(state(), "");
    type(QStringLiteral("Ciao"));
    EXPECT_EQ(state(), "Modified");
    key(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(state(), "Saved");

    for (const Qt::Key pane : {Qt::Key_E, Qt::Key_F, Qt::Key_P, Qt::Key_K})
        key(window.get(), pane, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_GE(tabla()->height() * 2, window->height());
    window->resize(window->width() + 40, window->height() + 30);
    const QSize size = window->size();
    window->close();
    window.reset();
    start();
    EXPECT_EQ(window->size(), size);
}

} // namespace

namespace {

// Replace all (Enter in the replacement) changes the values holding the text in every table
// (never a key), letter case ignored, as one step that one undo takes back.
TEST_F(WorkbenchTest, ReplaceAllChangesEveryValueAsOneUndoableStep)
{
    const QString file = startOn(writeSample());
    key(window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("o"));
    key(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
    key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(named<QLabel>("FindCount")->text(), "Replaced: 4");
    EXPECT_EQ(doc().messageTable().toList(),
              QStringList({"&mtWarning&", "Warning", "Atención", "&OK&", "0K", "Aceptar"}));
    EXPECT_EQ(doc().userTable(2).toList(), QStringList({"%BYE%", "Bye", "Adiós", "%A%", "a", "b"}));
    EXPECT_EQ(doc().formTable(1).toList(), QStringList({"[Form.Caption]", "Main", "Principal",
                                                        "[Btn.Caption]", "0pen", "Abrir"}));
    EXPECT_EQ(doc().userTable(1).toList(), QStringList({"%HELLO%", "Hell0", "H0la"}));
    command("Undo1");
    EXPECT_EQ(doc().userTable(1).toList(), QStringList({"%HELLO%", "Hello", "Hola"}));
    EXPECT_EQ(doc().messageTable().at(4), "OK");
    EXPECT_FALSE(doc().isModified());
}

} // namespace
