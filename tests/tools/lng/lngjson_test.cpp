#include "golden.h"

#include "inputerror.h"
#include "lngjson.h"
#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>

#include <QtEndian>
#include <gtest/gtest.h>

using namespace Parlox;

// JSON must carry every byte a string can hold: controls, the code page's undefined bytes,
// quotes and backslashes.
TEST(LngJson, EveryNonNulByteSurvivesDumpAndBuild)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const Lng::Document doc{
        {"English"},
        0,
        {},
        {{"Form1", {"[A.Caption]", CodePage::decode(all)}, {"%K%", "\"q\" \\ b\nc"}}}};
    const QByteArray file = Lng::writeDocument(doc);
    ASSERT_TRUE(file.contains(all));
    EXPECT_EQ(Lng::writeDocument(LngJson::parse(LngJson::dump(file))), file);
}

TEST(LngJson, DumpRefusesShortFilesAndEntriesThatShareSections)
{
    EXPECT_THROW(LngJson::dump("Parlox"), InputError);

    // Two thousand entries naming one section of 20,000 lines would print 44 million lines.
    Lng::Document doc{{}, -1, {}, {{"A", QStringList(20'000, QStringLiteral("x")), {}}}};
    for (int i = 0; i < 2'000; ++i)
        doc.forms.append({QStringLiteral("F%1").arg(i), {}, {}});
    QByteArray file = Lng::writeDocument(doc);
    qsizetype at = file.indexOf(QByteArrayView("F0", 3));
    for (int i = 0; i < 2'000; ++i, at += 8) {
        at = file.indexOf('\0', at) + 1;
        qToLittleEndian<qint32>(14, file.data() + at);
    }
    ASSERT_EQ(Lng::Image(file).directory().forms.last().formOffset, 14);
    EXPECT_THROW(LngJson::dump(file), InputError);
}

TEST(LngJson, ParseIgnoresOffsetsAndTakesNullOrMissingTablesAsEmpty)
{
    const Lng::Document doc = LngJson::parse(
        R"({"directoryOffset": 999, "languages": ["English"], "defaultIndex": -1,
            "messages": null,
            "forms": [{"name": "F", "formStringsOffset": 5, "userStringsOffset": 77,
                       "formStrings": ["[A.Hint]", "tip"]}]})");
    EXPECT_EQ(doc, (Lng::Document{{"English"}, -1, {}, {{"F", {"[A.Hint]", "tip"}, {}}}}));
}

TEST(LngJson, ParseNamesTheFirstValueThatDoesNotFit)
{
    const struct {
        const char *json;
        const char *message;
    } cases[] = {
        {R"([])", "The JSON is not an object."},
        {R"({"languages": ["A"], "defaultIndex": 0, "forms": [], "form": []})",
         "The document has the unknown key \"form\"."},
        {R"({"languages": "English", "defaultIndex": 0, "forms": []})",
         "languages is neither an array of strings nor null."},
        {R"({"languages": ["A", 3], "defaultIndex": 0, "forms": []})",
         "languages[1] is not a string."},
        {R"({"languages": [], "defaultIndex": 0.5, "forms": []})",
         "defaultIndex is not a 32-bit integer."},
        {R"({"languages": [], "defaultIndex": 4294967296, "forms": []})",
         "defaultIndex is not a 32-bit integer."},
        {R"({"languages": [], "defaultIndex": 0, "forms": [{"name": 1}]})",
         "forms[0].name is not a string."},
        {R"({"languages": [], "defaultIndex": 0, "forms": [{"name": "F", "userstrings": []}]})",
         "forms[0] has the unknown key \"userstrings\"."},
        {R"({"languages": [], "defaultIndex": 0, "forms": [{"name": "F", "formStrings": [[]]}]})",
         "forms[0].formStrings[0] is not a string."},
    };
    for (const auto &c : cases) {
        try {
            LngJson::parse(c.json);
            ADD_FAILURE() << "accepted " << c.json;
        } catch (const InputError &e) {
            EXPECT_EQ(e.message().toStdString(), c.message);
        }
    }
}
