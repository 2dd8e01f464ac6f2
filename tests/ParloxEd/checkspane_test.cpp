#include "mainformtest.h"

using namespace EditorWindowTest;

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

TEST_F(MainFormTest, ChecksPaneListsTheWarningsOfTheTableShownAndLeadsToTheirCells)
{
    start();
    Lng::Document doc = sampleDocument();
    doc.forms[0].formStrings = {"[Btn.Caption]",  "&Open %1", "Abrir %1",
                                "[Form.Caption]", "Main",     "Main"};
    open(write("checks.lng", Lng::writeDocument(doc)));
    action("ChecksPane1")->trigger();
    auto *dock = named<QDockWidget>("ChecksDock");
    EXPECT_TRUE(dock->isVisible());
    auto *list = named<QTableView>("ChecksList");
    EXPECT_EQ(list->model()->rowCount(), 0); // the message strings are fine

    chooseWindowsItem(1);
    const QString keys = "The access keys (&) differ from English";
    EXPECT_EQ(rows(*list->model()),
              QStringList({"Btn.Caption|Español|" + keys,
                           "Form.Caption|Español|Maybe untranslated: the same text as English"}));
    EXPECT_EQ(tabla()->model()->index(0, 2).data(Qt::ToolTipRole).toString(), keys);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 2)).center());
    EXPECT_EQ(tabla()->currentIndex(), tabla()->model()->index(1, 2));
    type(QStringLiteral("Principal"));
    EXPECT_EQ(rows(*list->model()), QStringList({"Btn.Caption|Español|" + keys}));

    chooseInterfaceLanguage(QStringLiteral("Español"));
    EXPECT_EQ(list->model()->index(0, 2).data().toString(),
              "Las teclas de acceso (&) difieren de English");
    EXPECT_EQ(action("ChecksPane1")->text(), "Panel de &comprobaciones");
    EXPECT_EQ(dock->windowTitle(), "Comprobaciones");
    action("ChecksPane1")->trigger();
    EXPECT_FALSE(dock->isVisible());
}

} // namespace
