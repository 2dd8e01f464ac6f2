#include "checklistmodel.h"
#include "tablegridmodel.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

using ParloxEd::CheckListModel;
using ParloxEd::TableGridModel;

namespace {

QString lookup(const QString &identifier)
{
    return identifier + u'|';
}

// "key|language|warning" of every row.
QStringList rows(const CheckListModel &list)
{
    QStringList out;
    for (int row = 0; row < list.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < list.columnCount(); ++col)
            cells.append(list.index(row, col).data().toString());
        out.append(cells.join(u'|'));
    }
    return out;
}

// The grid marks and explains the cells that fail a check; the list follows every edit, a
// change of the first language rechecking the whole row.
TEST(CheckListModel, ListsAndMarksTheWarningsOfTheTableShownAsItIsEdited)
{
    TableGridModel grid;
    grid.setTextLookup(lookup);
    CheckListModel list(grid, lookup);
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setTable({"[Open.Caption]", "&Open %1", "Abrir %1", "&Öffnen %1", //
                   "[Save.Caption]", "&Save", "&Guardar", "&Save"},
                  3);
    for (const auto &[col, name] : {std::pair{1, "English"}, {2, "Español"}, {3, "Deutsch"}})
        grid.setCell(col, 0, QString::fromUtf8(name));
    const QString keys = "CHECK_ACCESS_KEYS|English";
    const QString same = "CHECK_SAME_AS_FIRST|English";
    EXPECT_EQ(rows(list),
              QStringList({"Open.Caption|Español|" + keys, "Save.Caption|Deutsch|" + same}));
    EXPECT_EQ(list.cellAt(1), CheckListModel::Cell({1, 3}));
    EXPECT_EQ(grid.index(0, 2).data(TableGridModel::WarningsRole).toInt(), 1);
    EXPECT_EQ(grid.index(0, 2).data(Qt::ToolTipRole).toString(), keys);
    EXPECT_EQ(grid.index(0, 3).data(TableGridModel::WarningsRole).toInt(), 0);
    EXPECT_EQ(grid.index(0, 1).data(Qt::ToolTipRole), QVariant());

    grid.setCell(2, 1, "&Abrir %2");
    grid.setCell(3, 2, "&Speichern");
    EXPECT_EQ(rows(list), QStringList({"Open.Caption|Español|CHECK_PLACEHOLDERS|English"}));
    grid.setCell(1, 1, "Open %2");
    EXPECT_EQ(rows(list),
              QStringList({"Open.Caption|Español|" + keys, "Open.Caption|Deutsch|" + keys,
                           "Open.Caption|Deutsch|CHECK_PLACEHOLDERS|English"}));
    EXPECT_EQ(list.headerData(2, Qt::Horizontal).toString(), "CHECKS_WARNING|");
    grid.setTable({}, 3);
    EXPECT_EQ(list.rowCount(), 0);
}

} // namespace
