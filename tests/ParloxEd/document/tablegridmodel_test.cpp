#include "tablegridmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

using ParloxEd::PackedLines;
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
    EXPECT_EQ(TableGridModel::gridColumnsFor(0), 2);
    TableGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    PackedLines table(entries(3, 2) << QStringLiteral("%TENTH%"));
    model.setTable(table, 2);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.cell(0, 3), "K2");
    PackedLines wide(entries(40, 7));
    model.setTable(wide, 7);
    PackedLines none;
    model.setTable(none, 1);
    model.clearTable();
    table = PackedLines(entries(5, 0));
    model.setTable(table, 0);
    EXPECT_EQ(model.rowCount(), 5);
}

TEST(TableGridModel, EditsOnlyValueCellsAndSignalsExactlyTheChangedCell)
{
    TableGridModel model;
    PackedLines table(TwoEntries);
    model.setTable(table, 2);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);

    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("key")));
    EXPECT_TRUE(model.setCell(2, 2, QStringLiteral("No")));
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_TRUE(model.setCell(2, 2, QStringLiteral("Non")));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 2));
    EXPECT_EQ(changed[0][1].toModelIndex(), model.index(1, 2));
    EXPECT_EQ(table.at(5), "Non"); // the grid edits the table it shows, not a copy

    EXPECT_TRUE(model.setCell(1, 0, QStringLiteral("English")));
    EXPECT_TRUE(model.setCell(1, 0, QStringLiteral("English")));
    EXPECT_EQ(headers.count(), 1);
    EXPECT_EQ(changed.count(), 1);
    // Header texts of the columns that remain survive a new table.
    table = PackedLines(TwoEntries);
    model.setTable(table, 1);
    EXPECT_EQ(model.cell(1, 0), "English");

    // A table shorter than one entry: its lines show in the first row, the rest is padding,
    // which is not a value to translate. Tooltips carry the whole text, a key as shown.
    table = PackedLines({QStringLiteral("%A%"), QString()});
    model.setTable(table, 2);
    const auto roles = [&model](int col, int role) { return model.index(0, col).data(role); };
    EXPECT_EQ(QVariantList({roles(0, Qt::ToolTipRole), roles(1, Qt::ToolTipRole)}),
              QVariantList({"A", QVariant()}));
    const int untranslated = TableGridModel::UntranslatedRole;
    EXPECT_EQ(
        QVariantList({roles(0, untranslated), roles(1, untranslated), roles(2, untranslated)}),
        QVariantList({false, true, false}));
    EXPECT_TRUE(model.isEditable(1, 0));
    EXPECT_FALSE(model.setCell(2, 1, QStringLiteral("x")));
    PackedLines none;
    model.setTable(none, 2);
    EXPECT_FALSE(model.isEditable(1, 0));
    model.clearTable();
    EXPECT_FALSE(model.setCell(1, 1, QStringLiteral("x")));
    EXPECT_TRUE(model.lines().isEmpty());
}

// Values in Hebrew or Arabic are right-aligned; other values and keys keep the default.
TEST(TableGridModel, RightToLeftValuesAreAlignedRight)
{
    TableGridModel model;
    PackedLines table({"&OK&", "OK", "אישור", "%HELLO%", "Hello", "مرحبا"});
    model.setTable(table, 2);
    const auto alignment = [&model](int row, int column) {
        return model.index(row, column).data(Qt::TextAlignmentRole);
    };
    EXPECT_EQ(alignment(0, 2).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alignment(1, 2).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_FALSE(alignment(0, 1).isValid());
    EXPECT_FALSE(alignment(0, 0).isValid());
}
