#include "mainformtest.h"

#include <QAbstractItemModelTester>

using namespace EditorWindowTest;
using ParloxEd::TableGridModel;

namespace {

QStringList rows(const QAbstractItemModel &list)
{
    QStringList out;
    for (int row = 0; row < list.rowCount(); ++row)
        out.append(list.index(row, 0).data().toString() + u'|' +
                   list.index(row, 1).data().toString() + u'|' +
                   list.index(row, 2).data().toString());
    return out;
}

// The pane and the marks follow every edit; an edit of the first language rechecks its row.
TEST_F(MainFormTest, ChecksPaneListsTheWarningsOfTheTableShownAndLeadsToTheirCells)
{
    Lng::Document doc = sampleDocument();
    doc.forms[0].formStrings = {"[Btn.Caption]",  "&Open %1", "Abrir %1",
                                "[Form.Caption]", "Main",     "Main"};
    startOn(write("checks.lng", Lng::writeDocument(doc)));
    // Its key reaches it while the View menu is closed to the message strings.
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    auto *dock = named<QDockWidget>("ChecksDock");
    EXPECT_TRUE(dock->isVisible());
    auto *list = named<QTableView>("ChecksList");
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(list->model()->rowCount(), 0); // the message strings are fine

    chooseWindowsItem(1);
    const QString keys = "Btn.Caption|Español|The access keys (&) differ from English";
    EXPECT_EQ(rows(*list->model()),
              QStringList({keys, "Form.Caption|Español|Maybe untranslated: the same text as "
                                 "English"}));
    const QModelIndex marked = tabla()->model()->index(0, 2);
    // The tooltip shows the whole text, then why it is marked.
    EXPECT_EQ(marked.data(Qt::ToolTipRole).toString(),
              marked.data().toString() + u'\n' + keys.section(u'|', 2));
    EXPECT_NE(marked.data(TableGridModel::WarningsRole).toInt(), 0);
    EXPECT_EQ(tabla()->model()->index(0, 1).data(TableGridModel::WarningsRole).toInt(), 0);

    // A click shows the cell and leaves the keys in the list; Enter goes into the cell with
    // nothing selected, so the first key adds to the value.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 2)).center());
    EXPECT_EQ(tabla()->currentIndex(), tabla()->model()->index(1, 2));
    EXPECT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" principal"));
    EXPECT_EQ(cell(2, 2), "Main principal");
    EXPECT_EQ(rows(*list->model()), QStringList({keys}));
    selectCell(1, 1);
    type(QStringLiteral("Open %2"));
    EXPECT_EQ(
        rows(*list->model()),
        QStringList({"Btn.Caption|Español|The placeholders (%1, %s...) differ from English"}));

    action("ChecksPane1")->trigger();
    EXPECT_FALSE(dock->isVisible());
}

} // namespace
