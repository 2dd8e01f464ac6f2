#include "tablegridmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

using ParloxEd::TableGridModel;

namespace {

const QStringList TwoEntries{"&OK&", "OK", "Aceptar", "&No&", "No", "No"};

QStringList entries(int count, int languages)
{
    QStringList lines;
    for (int e = 0; e < count; ++e) {
        lines << QStringLiteral("%K%1%").arg(e);
        for (int l = 0; l < languages; ++l)
            lines << QStringLiteral("v%1.%2").arg(e).arg(l);
    }
    return lines;
}

} // namespace

TEST(TableGridModel, RowCountsCountWholeEntriesWithAtLeastOneDataRow)
{
    EXPECT_EQ(TableGridModel::gridRowsFor(0, 2), 2);
    EXPECT_EQ(TableGridModel::gridRowsFor(3, 2), 2);
    EXPECT_EQ(TableGridModel::gridRowsFor(6, 2), 3);
    EXPECT_EQ(TableGridModel::gridRowsFor(9, 2), 4);
    EXPECT_EQ(TableGridModel::gridRowsFor(10, 2), 4);
    EXPECT_EQ(TableGridModel::gridRowsFor(4, 0), 5);
    EXPECT_EQ(TableGridModel::gridColumnsFor(0), 2);
    EXPECT_EQ(TableGridModel::gridColumnsFor(1), 2);
    EXPECT_EQ(TableGridModel::gridColumnsFor(7), 8);

    TableGridModel model;
    model.setTable(entries(3, 2) << QStringLiteral("%TENTH%"), 2);
    EXPECT_EQ(model.gridRowCount(), 4);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.cell(0, 3), "K2");
    EXPECT_EQ(model.cell(0, 4), QString());
    EXPECT_EQ(model.lines().size(), 10);
}

TEST(TableGridModel, PassesTheModelTesterThroughResetsAndEdits)
{
    TableGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setTable(TwoEntries, 2);
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("English"));
    EXPECT_TRUE(model.setData(model.index(1, 2), QStringLiteral("Non")));
    model.setTable(entries(40, 7), 7);
    model.setTable({}, 1);
    model.clearTable();
    model.setTable(entries(5, 0), 0);
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.columnCount(), 2);
}

TEST(TableGridModel, EditsOnlyValueCellsAndSignalsExactlyTheChangedCell)
{
    TableGridModel model;
    model.setTable(TwoEntries, 2);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);

    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsSelectable));
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("key")));

    EXPECT_TRUE(model.setCell(2, 2, QStringLiteral("No")));
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_TRUE(model.setCell(2, 2, QStringLiteral("Non")));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 2));
    EXPECT_EQ(changed[0][1].toModelIndex(), model.index(1, 2));
    EXPECT_EQ(model.lines(), QStringList({"&OK&", "OK", "Aceptar", "&No&", "No", "Non"}));

    EXPECT_TRUE(model.setCell(1, 0, QStringLiteral("English")));
    EXPECT_TRUE(model.setCell(1, 0, QStringLiteral("English")));
    ASSERT_EQ(headers.count(), 1);
    EXPECT_EQ(headers[0][1].toInt(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "English");

    // Header texts of the columns that remain survive a new table.
    model.setTable(TwoEntries, 1);
    EXPECT_EQ(model.cell(1, 0), "English");
    EXPECT_EQ(model.cell(2, 1), QString());
}

TEST(TableGridModel, CellsWithoutALineAreNotEditable)
{
    TableGridModel model;
    // A table shorter than one entry: its lines show in the first row, the rest is padding.
    model.setTable({QStringLiteral("%A%"), QStringLiteral("a")}, 2);
    EXPECT_EQ(model.cell(0, 1), "A");
    EXPECT_TRUE(model.isCellEditable(1, 1));
    EXPECT_FALSE(model.isCellEditable(2, 1));
    EXPECT_FALSE(model.setCell(2, 1, QStringLiteral("x")));

    model.setTable({}, 2);
    EXPECT_TRUE(model.hasTable());
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_FALSE(model.isCellEditable(1, 1));
    EXPECT_TRUE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsSelectable));

    model.clearTable();
    EXPECT_FALSE(model.hasTable());
    EXPECT_FALSE(model.setCell(1, 1, QStringLiteral("x")));
    EXPECT_TRUE(model.lines().isEmpty());
}
