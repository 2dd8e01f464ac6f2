#include <Parlox/format/tables.h>

#include <gtest/gtest.h>

using namespace Parlox;

TEST(Tables, AddsEntriesAndLanguageColumns)
{
    QStringList table;
    Tables::appendEntry(table, "&OK&", 2);
    Tables::appendEntry(table, "&No&", 0);
    EXPECT_EQ(table, QStringList({"&OK&", "", "", "&No&"}));

    table = {"k1", "a1", "b1", "k2", "a2", "b2"};
    Tables::insertLanguageColumn(table, 2);
    EXPECT_EQ(table, QStringList({"k1", "a1", "b1", "", "k2", "a2", "b2", ""}));
    QStringList keysOnly{"k1", "k2"};
    Tables::insertLanguageColumn(keysOnly, 0);
    EXPECT_EQ(keysOnly, QStringList({"k1", "", "k2", ""}));
}

TEST(Tables, DropsAndRenamesOneComponentsEntriesOnly)
{
    const QStringList table{"[Btn.Caption]",  "OK",    "[Btn1.Caption]", "Other",
                            "[btn.Hint]",     "lower", "[Btn.Hint]",     "press",
                            "[Form.Caption]", "Main"};
    QStringList renamed = table;
    Tables::renameComponentKeys(renamed, u"Btn", u"Button");
    EXPECT_EQ(renamed,
              QStringList({"[Button.Caption]", "OK", "[Btn1.Caption]", "Other", "[btn.Hint]",
                           "lower", "[Button.Hint]", "press", "[Form.Caption]", "Main"}));
    QStringList dropped = table;
    Tables::dropComponentEntries(dropped, 1, u"Btn");
    EXPECT_EQ(dropped, QStringList({"[Btn1.Caption]", "Other", "[btn.Hint]", "lower",
                                    "[Form.Caption]", "Main"}));
}
