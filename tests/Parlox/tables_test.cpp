#include "tables.h"

#include <gtest/gtest.h>

using namespace Parlox;

namespace {
const QStringList TwoLanguages{QStringLiteral("English"), QStringLiteral("Español")};
}

TEST(Tables, FindsValuesByKeyAndLanguageIgnoringCase)
{
    const QStringList table{"[Add1.Caption]", "&Add", "&Agregar", "[Add1.Caption]", "x", "y"};
    for (const char16_t *name : {u"Español", u"ESPAÑOL", u"español", u"eSpAñOl"})
        EXPECT_EQ(Tables::findValue(table, TwoLanguages, u"[add1.caption]", QStringView(name)),
                  QStringLiteral("&Agregar"));
    EXPECT_EQ(Tables::findValue(table, TwoLanguages, u"[Add1.Caption]", u"English"), "&Add");
    EXPECT_EQ(Tables::findValue(table, TwoLanguages, u"[Nope.Caption]", u"English"), std::nullopt);
    EXPECT_EQ(Tables::findValue(table, TwoLanguages, u"[Add1.Caption]", u"Deutsch"), std::nullopt);
}

TEST(Tables, NeverReadsOrWritesPastTheEndOfAShortEntry)
{
    QStringList table{"[A.Caption]", "only English"};
    EXPECT_EQ(Tables::findValue(table, TwoLanguages, u"[A.Caption]", u"Español"), std::nullopt);
    EXPECT_FALSE(Tables::setValue(table, TwoLanguages, u"[A.Caption]", u"Español", "x"));
    EXPECT_EQ(table.size(), 2);
    EXPECT_TRUE(Tables::setValue(table, TwoLanguages, u"[a.caption]", u"english", "y"));
    EXPECT_EQ(table, QStringList({"[A.Caption]", "y"}));
}

TEST(Tables, AppendsEntriesWithOneEmptyValuePerLanguage)
{
    QStringList table;
    Tables::appendEntry(table, "&OK&", 2);
    Tables::appendEntry(table, "&No&", 0);
    EXPECT_EQ(table, QStringList({"&OK&", "", "", "&No&"}));
}

TEST(Tables, InsertsALanguageColumnAfterEveryEntry)
{
    QStringList table{"k1", "a1", "b1", "k2", "a2", "b2"};
    Tables::insertLanguageColumn(table, 2);
    EXPECT_EQ(table, QStringList({"k1", "a1", "b1", "", "k2", "a2", "b2", ""}));

    QStringList keysOnly{"k1", "k2", "k3"};
    Tables::insertLanguageColumn(keysOnly, 0);
    EXPECT_EQ(keysOnly, QStringList({"k1", "", "k2", "", "k3", ""}));

    QStringList empty;
    Tables::insertLanguageColumn(empty, 3);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(Tables, RemovesOneLanguageColumn)
{
    QStringList table{"k1", "a1", "b1", "c1", "k2", "a2", "b2", "c2"};
    Tables::removeLanguageColumn(table, 3, 1);
    EXPECT_EQ(table, QStringList({"k1", "a1", "c1", "k2", "a2", "c2"}));
    Tables::removeLanguageColumn(table, 2, 0);
    EXPECT_EQ(table, QStringList({"k1", "c1", "k2", "c2"}));
    Tables::removeLanguageColumn(table, 1, 5); // no such column: unchanged
    EXPECT_EQ(table.size(), 4);
}

TEST(Tables, DropsAndRenamesOneComponentsEntriesOnly)
{
    const QStringList table{"[Btn.Caption]", "OK",    "[Btn1.Caption]", "Other", "[btn.Hint]",
                            "lower",         "[Btn.Hint]", "press", "[Form.Caption]", "Main"};
    QStringList renamed = table;
    Tables::renameComponentKeys(renamed, u"Btn", u"Button");
    EXPECT_EQ(renamed, QStringList({"[Button.Caption]", "OK", "[Btn1.Caption]", "Other",
                                    "[btn.Hint]", "lower", "[Button.Hint]", "press",
                                    "[Form.Caption]", "Main"}));

    QStringList dropped = table;
    Tables::dropComponentEntries(dropped, 1, u"Btn");
    EXPECT_EQ(dropped, QStringList({"[Btn1.Caption]", "Other", "[btn.Hint]", "lower",
                                    "[Form.Caption]", "Main"}));
}

TEST(Tables, UserStringLineBreaksBecomeLfCr)
{
    EXPECT_EQ(Tables::expandLineBreaks("one%%two"), QStringLiteral("one\n\rtwo"));
    EXPECT_EQ(Tables::expandLineBreaks("%%%%"), QStringLiteral("\n\r\n\r"));
    EXPECT_EQ(Tables::expandLineBreaks("%%%"), QStringLiteral("\n\r%"));
    EXPECT_EQ(Tables::expandLineBreaks("100% sure"), QStringLiteral("100% sure"));
}
