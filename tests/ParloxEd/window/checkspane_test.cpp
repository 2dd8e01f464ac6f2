#include "mainformtest.h"

#include <QAbstractItemModelTester>

using namespace EditorWindowTest;
using ParloxEd::TableGridModel;

namespace {

// Main's button and Tools' placeholder fail their checks, "OK" is the same in both languages
// and Main's form caption is untranslated.
Lng::Document checkedDocument()
{
    Lng::Document doc = sampleDocument();
    doc.messages = {"&mtWarning&", "Warning", "Atención", "&OK&", "OK", "OK"};
    doc.forms[0].formStrings = {"[Form.Caption]", "Main", "", "[Btn.Caption]", "&Open", "Abrir"};
    doc.forms[2].userStrings = {"%BYE%", "Bye %1", "Adiós %1", "%A%", "a %1", "b"};
    return doc;
}

class ChecksPaneTest : public MainFormTest {
protected:
    // Each table's heading, then its warnings as key|language|sentence.
    QStringList listed() const
    {
        const QAbstractItemModel &list = *named<QTreeView>("ChecksList")->model();
        QStringList out;
        for (int group = 0; group < list.rowCount(); ++group) {
            const QModelIndex heading = list.index(group, 0);
            out.append(heading.data().toString());
            for (int row = 0; row < list.rowCount(heading); ++row)
                out.append(list.index(row, 0, heading).data().toString() + u'|' +
                           list.index(row, 1, heading).data().toString() + u'|' +
                           list.index(row, 2, heading).data().toString());
        }
        return out;
    }

    // Keys go where the user's keys go: into the focused widget.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }

    // Table caption, key and value of the selected cell; whether the keys are in the grid with
    // nothing selected to replace.
    QString selected() const
    {
        const QModelIndex current = tabla()->currentIndex();
        const QWidget *focused = QApplication::focusWidget();
        const bool inGrid = focused && (focused == tabla() || tabla()->isAncestorOf(focused));
        const auto *editor = qobject_cast<const QLineEdit *>(focused);
        return named<QLabel>("TableName")->text() + u'|' +
               current.siblingAtColumn(0).data().toString() + u'|' + current.data().toString() +
               (inGrid && (!editor || !editor->hasSelectedText()) ? "" : " (keys elsewhere)");
    }

    const QString Keys =
        QStringLiteral("Btn.Caption|Español|The access keys (&) differ from English");
    const QString Placeholders =
        QStringLiteral("A|Español|The placeholders (%1, %s...) differ from English");
};

// The pane lists every table, the one shown first, and follows the edits, the grid's marks
// agreeing with it; browsing it shows the cells, Enter goes into one.
TEST_F(ChecksPaneTest, ListsEveryTableWithTheTableShownFirstAndFollowsTheEdits)
{
    const QString file = write("checks.lng", Lng::writeDocument(checkedDocument()));
    // What the user's settings remember for the file, edited into nonsense, accepts nothing.
    Platform::RegistryKey memory;
    ASSERT_TRUE(memory.open(RegistryPath + QStringLiteral("\\AcceptedWarnings"), true));
    memory.writeString(QString::fromLatin1(QUrl::toPercentEncoding(file)), "[[\"Messages\", 1]");
    startOn(file);
    press(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    auto *list = named<QTreeView>("ChecksList");
    EXPECT_TRUE(list->hasFocus());
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(listed(),
              QStringList(
                  {"Message Strings (1)", "OK|Español|Maybe untranslated: the same text as English",
                   "Main: Form strings (1)", Keys, "Tools: User strings (1)", Placeholders}));

    chooseWindowsItem(1);
    EXPECT_EQ(listed().mid(0, 3),
              QStringList({"Main: Form strings (1)", Keys, "Message Strings (1)"}));
    tabla()->setFocus();
    selectCell(2, 1);
    type(QStringLiteral("Principal %1"));
    EXPECT_EQ(listed().mid(0, 4),
              QStringList({"Main: Form strings (2)",
                           "Form.Caption|Español|The placeholders (%1, %s...) differ from English",
                           Keys, "Message Strings (1)"}));
    const auto marked = [this](int col, int row) {
        return tabla()->model()->index(row - 1, col).data(TableGridModel::WarningsRole).toInt() !=
               0;
    };
    EXPECT_TRUE(marked(2, 1));
    EXPECT_FALSE(marked(1, 1));

    // Browsing shows each cell, in any table, while the keys and the list's order stay.
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(selected(), "Message Strings|OK|OK (keys elsewhere)");
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(listed().at(0), "Main: Form strings (2)");
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(selected(), "Main: Form strings|Btn.Caption|Abrir (keys elsewhere)");
    // Enter goes into the cell with nothing selected, so the first key adds to the value.
    press(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" &ya"));
    EXPECT_EQ(cell(2, 2), "Abrir &ya");
    EXPECT_EQ(listed().mid(0, 3),
              QStringList({"Main: Form strings (1)",
                           "Form.Caption|Español|The placeholders (%1, %s...) differ from English",
                           "Message Strings (1)"}));
    // A replace in every table, and its undo, reach the tables not shown.
    doc().replaceText(QStringLiteral("Atención"), QStringLiteral("Warning"), true);
    EXPECT_EQ(listed().at(2), "Message Strings (2)");
    command("Undo1");
    EXPECT_EQ(listed().at(2), "Message Strings (1)");

    chooseSpanishInterface();
    EXPECT_EQ(listed().at(0), "Main: Cadenas de forma (1)");
    EXPECT_EQ(list->actions().at(0)->text(), "No es un problema");
}

// F8 and Shift+F8 walk the empty values and the warnings of the whole file. Delete in the pane
// accepts a warning for the file without touching it: not listed, marked or walked to, after
// the file is opened again too, until its value changes.
TEST_F(ChecksPaneTest, NextProblemWalksTheFileAndAnAcceptedWarningStaysAcceptedUntilItsValueChanges)
{
    const QByteArray bytes = Lng::writeDocument(checkedDocument());
    const QString file = startOn(write("checks.lng", bytes));
    tabla()->setFocus();
    QStringList walked;
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_F8);
        walked.append(selected());
    }
    EXPECT_EQ(walked, QStringList({"Message Strings|OK|OK", "Main: Form strings|Form.Caption|",
                                   "Main: Form strings|Btn.Caption|Abrir",
                                   "Tools: User strings|A|b", "Message Strings|OK|OK"}));
    press(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "Tools: User strings|A|b");

    press(Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    auto *list = named<QTreeView>("ChecksList");
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    // The table shown first: Tools, then the message strings, then Main.
    list->setCurrentIndex(list->model()->index(0, 0));
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(selected(), "Main: Form strings|Btn.Caption|Abrir (keys elsewhere)");
    press(Qt::Key_Delete);
    EXPECT_EQ(listed(), QStringList({"Tools: User strings (1)", Placeholders, "Message Strings (1)",
                                     "OK|Español|Maybe untranslated: the same text as English"}));
    chooseWindowsItem(1);
    const auto keysMarked = [this] {
        EXPECT_EQ(named<QLabel>("TableName")->text(), "Main: Form strings");
        return tabla()->model()->index(1, 2).data(TableGridModel::WarningsRole).toInt() != 0;
    };
    EXPECT_FALSE(keysMarked());
    EXPECT_EQ(read(file), bytes);
    EXPECT_FALSE(doc().isModified());

    window.reset();
    startOn(file);
    tabla()->setFocus();
    for (const char *expected :
         {"Message Strings|OK|OK", "Main: Form strings|Form.Caption|", "Tools: User strings|A|b"}) {
        press(Qt::Key_F8);
        EXPECT_EQ(selected(), expected);
    }
    EXPECT_FALSE(listed().contains(Keys));

    press(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "Main: Form strings|Form.Caption|");

    // Another value is checked again.
    selectCell(2, 2);
    type(QStringLiteral("Abrir ya"));
    EXPECT_TRUE(listed().contains(Keys));
    EXPECT_TRUE(keysMarked());
}

} // namespace
