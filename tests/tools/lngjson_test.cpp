#include "golden.h"

#include "codepage.h"
#include "errors.h"
#include "inputerror.h"
#include "lngfile.h"
#include "lngjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

QJsonObject dumpedObject(const QByteArray &file)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(LngJson::dump(file), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

} // namespace

TEST(LngJson, DumpOfTheSampleMatchesGolden)
{
    expectGolden(LngJson::dump(readSource(QStringLiteral("examples/sample.lng"))),
                 QStringLiteral("sample.dump.json"));
}

TEST(LngJson, SampleJsonBuildsTheSampleAndDumpRoundTrips)
{
    const QByteArray sample = readSource(QStringLiteral("examples/sample.lng"));
    ASSERT_FALSE(sample.isEmpty());
    const QByteArray built =
        Lng::writeDocument(LngJson::parse(readSource(QStringLiteral("examples/sample.json"))));
    EXPECT_EQ(built, sample) << "examples/sample.lng is out of date with sample.json";

    const QByteArray dumped = LngJson::dump(sample);
    const Lng::Document parsed = LngJson::parse(dumped);
    EXPECT_EQ(parsed, Lng::readDocument(Lng::Image(sample)));
    EXPECT_EQ(LngJson::dump(Lng::writeDocument(parsed)), dumped);
}

// JSON must carry every byte a string can hold: controls, the code page's undefined bytes,
// quotes and backslashes.
TEST(LngJson, EveryNonNulByteSurvivesDumpAndBuild)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const Lng::Document doc{
        {QStringLiteral("English")},
        0,
        {},
        {{QStringLiteral("Form1"),
          {QStringLiteral("[A.Caption]"), CodePage::decode(all)},
          {QStringLiteral("%K%"), QStringLiteral("\"quoted\" \\ back\nslash")}}}};
    const QByteArray file = Lng::writeDocument(doc);
    ASSERT_TRUE(file.contains(all));
    EXPECT_EQ(Lng::writeDocument(LngJson::parse(LngJson::dump(file))), file);
}

TEST(LngJson, AbsentSectionsAreNullAndAFileWithoutDirectoryIsEmpty)
{
    const QJsonObject empty = dumpedObject(Lng::emptyFile());
    EXPECT_EQ(empty.value(QLatin1String("directoryOffset")).toInt(), 0);
    EXPECT_EQ(empty.value(QLatin1String("defaultIndex")).toInt(), -1);
    EXPECT_TRUE(empty.value(QLatin1String("forms")).toArray().isEmpty());

    const Lng::Document doc{
        {QStringLiteral("English")},
        0,
        {},
        {{QStringLiteral("A"), {QStringLiteral("[X.Caption]"), QStringLiteral("x")}, {}},
         {QStringLiteral("B"), {}, {}}}};
    const QJsonArray forms =
        dumpedObject(Lng::writeDocument(doc)).value(QLatin1String("forms")).toArray();
    ASSERT_EQ(forms.size(), 2);
    const QJsonObject a = forms[0].toObject();
    EXPECT_EQ(a.value(QLatin1String("formStringsOffset")).toInt(), 14);
    EXPECT_EQ(a.value(QLatin1String("formStrings")).toArray().size(), 2);
    EXPECT_EQ(a.value(QLatin1String("userStringsOffset")).toInt(), 0);
    EXPECT_TRUE(a.value(QLatin1String("userStrings")).isNull());
    EXPECT_TRUE(forms[1].toObject().value(QLatin1String("formStrings")).isNull());
}

TEST(LngJson, DumpRefusesFilesThatAreNotTranslationsFiles)
{
    EXPECT_THROW(LngJson::dump("Parlox"), InputError);
    EXPECT_THROW(LngJson::dump("Parlox 1.0\0\0\0\0"), InputError);
}

// A 40 KB file whose two thousand form entries all name one section of 20,000 lines would
// otherwise print 44 million lines.
TEST(LngJson, DumpRefusesEntriesThatShareOrOverlapSections)
{
    Lng::Document doc{{}, -1, {}, {}};
    doc.forms.append({QStringLiteral("A"), QStringList(20'000, QStringLiteral("x")), {}});
    for (int i = 0; i < 2'000; ++i)
        doc.forms.append({QStringLiteral("F%1").arg(i), {}, {}});
    QByteArray file = Lng::writeDocument(doc);
    qsizetype at = file.indexOf(QByteArrayView("F0", 3));
    for (int i = 0; i < 2'000; ++i) {
        at = file.indexOf('\0', at) + 1;
        qToLittleEndian<qint32>(14, file.data() + at);
        at += 8;
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
    const Lng::Document expected{
        {QStringLiteral("English")},
        -1,
        {},
        {{QStringLiteral("F"), {QStringLiteral("[A.Hint]"), QStringLiteral("tip")}, {}}}};
    EXPECT_EQ(doc, expected);
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

TEST(LngJson, ParseRefusesTextTheCodePageCannotHoldAndSaysWhere)
{
    try {
        LngJson::parse(
            R"({"languages": ["English"], "defaultIndex": 0,
                "forms": [{"name": "F", "userStrings": ["%K%", "snow \u2603"]}]})");
        FAIL() << "accepted U+2603";
    } catch (const EncodingError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("forms[0].userStrings[1]: ")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("snow \u2603")));
    }
}
