#include "errors.h"
#include "lngfile.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace Parlox;
using Lng::SectionKind;

namespace {

QByteArray le(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray str(const char *s)
{
    return QByteArray(s) + '\0';
}

qint32 intAt(const QByteArray &file, qsizetype at)
{
    return qFromLittleEndian<qint32>(file.constData() + at);
}

Lng::Document exampleDocument()
{
    return {{"English"}, 0, {"&OK&", "OK"}, {{"MainForm", {"[Add1.Caption]", "&Add"}, {}}}};
}

// Sections of 23, 23 and 14 bytes for forms X, Y and Z, one language.
Lng::Document threeForms()
{
    return {{"English"},
            0,
            {},
            {{"X", {"[Btn1.Caption]", "abc"}, {}},
             {"Y", {"[Btn2.Caption]", "def"}, {}},
             {"Z", {"[A.Hint]", ""}, {}}}};
}

Lng::SectionUpdate update(const QString &oldName, const QString &newName, SectionKind kind,
                          const QStringList &table)
{
    return {oldName, newName, kind, table, {"English"}, "english", {}};
}

} // namespace

TEST(LngFile, WritesTheCompactLayoutByteForByte)
{
    const QByteArray expected = "Parlox 2.0" + le(38) + le(2) + str("[Add1.Caption]") +
                                str("&Add") + le(1) + str("English") + le(0) + le(2) +
                                str("&OK&") + str("OK") + le(1) + str("MainForm") + le(14) +
                                le(0);
    ASSERT_EQ(expected.size(), 87);
    const QByteArray written = Lng::writeDocument(exampleDocument());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(Lng::readDocument(Lng::Image(written)), exampleDocument());
}

TEST(LngFile, WriterPutsEachFormsSectionsSideBySideAndSkipsEmptyTables)
{
    Lng::Document doc = threeForms();
    doc.forms[0].userStrings = {"%HELLO%", "Hi"};
    doc.forms[1].formStrings.clear();
    doc.forms.append({"Empty", {}, {}});
    const QByteArray bytes = Lng::writeDocument(doc);
    const Lng::Directory dir = Lng::Image(bytes).directory();
    ASSERT_EQ(dir.forms.size(), 4);
    EXPECT_EQ(dir.forms[0], (Lng::FormEntry{"X", 14, 37}));
    EXPECT_EQ(dir.forms[1], (Lng::FormEntry{"Y", 0, 0}));
    EXPECT_EQ(dir.forms[2], (Lng::FormEntry{"Z", 52, 0}));
    EXPECT_EQ(dir.forms[3], (Lng::FormEntry{"Empty", 0, 0}));
    EXPECT_EQ(Lng::readDocument(Lng::Image(bytes)), doc);
}

TEST(LngFile, WriterRefusesTextsTheCodePageCannotHold)
{
    Lng::Document doc = exampleDocument();
    doc.forms[0].formStrings[1] = QStringLiteral("日本");
    EXPECT_THROW(Lng::writeDocument(doc), EncodingError);
}

TEST(LngFile, HeaderStates)
{
    using S = Lng::HeaderState;
    EXPECT_EQ(Lng::Image("Parlox 2.").header(), S::TooShort);
    EXPECT_EQ(Lng::Image("parlox 2.0" + le(14)).header(), S::WrongMagic);
    EXPECT_EQ(Lng::Image("Parlox 2.0").header(), S::NoOffset);
    EXPECT_EQ(Lng::Image("Parlox 2.0\x01\x02").header(), S::NoOffset);
    EXPECT_EQ(Lng::Image("Parlox 2.0" + le(0)).header(), S::NoDirectory);
    EXPECT_EQ(Lng::Image("Parlox 2.0" + le(-5)).header(), S::NoDirectory);
    EXPECT_EQ(Lng::Image("Parlox 2.0" + le(14)).header(), S::Valid);
    EXPECT_EQ(Lng::readDocument(Lng::Image("Parlox 2.0" + le(0))), Lng::Document());
}

TEST(LngFile, ReadsEveryTruncationWithoutGoingPastTheEnd)
{
    Lng::Document doc = threeForms();
    doc.languages.append("Español");
    doc.messages = {"&OK&", "OK", "Vale"};
    doc.forms[2].userStrings = {"%A%", "a", "b"};
    const QByteArray whole = Lng::writeDocument(doc);
    for (qsizetype n = 0; n <= whole.size(); ++n) {
        // A copy of exactly n bytes, so the sanitizers see any read past the end.
        const QByteArray cut(whole.constData(), n);
        const Lng::Image image(cut);
        const Lng::Document read = Lng::readDocument(image);
        ASSERT_LE(read.languages.size(), 2);
        ASSERT_LE(read.forms.size(), 3);
        for (const auto &form : read.forms)
            ASSERT_LE(form.formStrings.size() + form.userStrings.size(), 5);
    }
    EXPECT_EQ(Lng::readDocument(Lng::Image(whole)), doc);
}

TEST(LngFile, HugeNegativeAndStrayCountsAndOffsetsStayBounded)
{
    const QByteArray head = "Parlox 2.0" + le(14);
    // Counts far beyond the file: stop at its end rather than adding millions of empty lines.
    const Lng::Directory huge =
        Lng::Image(head + le(0x7fffffff) + str("English")).directory();
    EXPECT_EQ(huge.languages, QStringList({"English"}));
    EXPECT_TRUE(huge.forms.isEmpty());

    const Lng::Directory negative =
        Lng::Image(head + le(-3) + le(7) + le(-1) + le(1) + str("F") + le(-20) + le(999999))
            .directory();
    EXPECT_TRUE(negative.languages.isEmpty());
    EXPECT_EQ(negative.defaultIndex, 7);
    ASSERT_EQ(negative.forms.size(), 1);
    const Lng::Image image(head + le(-3) + le(7) + le(-1) + le(1) + str("F") + le(-20) +
                           le(999999));
    EXPECT_TRUE(image.section(-20).isEmpty());
    EXPECT_TRUE(image.section(999999).isEmpty());
    EXPECT_TRUE(image.section(0x7fffffff).isEmpty());

    // A directory offset past the end reads as an empty directory.
    EXPECT_EQ(Lng::Image("Parlox 2.0" + le(0x7fffffff)).directory(), Lng::Directory());

    // A form entry cut off after its name keeps the name with offsets 0.
    const Lng::Directory cut = Lng::Image(head + le(0) + le(0) + le(0) + le(5) + str("Cut") +
                                          QByteArray("\x0e\x00", 2))
                                   .directory();
    ASSERT_EQ(cut.forms.size(), 1);
    EXPECT_EQ(cut.forms[0], (Lng::FormEntry{"Cut", 0, 0}));
}

TEST(LngFile, ReplacingASectionMovesTheLaterOnesUpAndTheNewOneInFrontOfTheDirectory)
{
    QByteArray file = Lng::writeDocument(threeForms());
    ASSERT_EQ(intAt(file, 10), 74);
    const qsizetype oldSize = file.size();
    const QStringList bigger{"[Btn1.Caption]", "abcdefghijklmnop"}; // 36 bytes

    ASSERT_TRUE(Lng::replaceSection(file, update("X", "X", SectionKind::FormStrings, bigger)));

    EXPECT_EQ(intAt(file, 10), 87);
    const Lng::Image image(file);
    const Lng::Directory dir = image.directory();
    ASSERT_EQ(dir.forms.size(), 3);
    EXPECT_EQ(dir.forms[0], (Lng::FormEntry{"X", 51, 0}));
    EXPECT_EQ(dir.forms[1], (Lng::FormEntry{"Y", 14, 0}));
    EXPECT_EQ(dir.forms[2], (Lng::FormEntry{"Z", 37, 0}));
    EXPECT_EQ(image.section(51), bigger);
    EXPECT_EQ(image.section(14), threeForms().forms[1].formStrings);
    EXPECT_EQ(image.section(37), threeForms().forms[2].formStrings);
    EXPECT_EQ(file.size(), oldSize + 13);
}

TEST(LngFile, ReplacingNeverShortensTheFileAndStoringTwiceReadsTheSame)
{
    QByteArray file = Lng::writeDocument(threeForms());
    const qsizetype oldSize = file.size();
    ASSERT_TRUE(Lng::replaceSection(file, update("Y", "Y", SectionKind::FormStrings, {"[a]", ""})));
    EXPECT_EQ(file.size(), oldSize);
    const Lng::Document once = Lng::readDocument(Lng::Image(file));
    ASSERT_TRUE(Lng::replaceSection(file, update("Y", "Y", SectionKind::FormStrings, {"[a]", ""})));
    EXPECT_EQ(Lng::readDocument(Lng::Image(file)), once);
    EXPECT_EQ(once.forms[1].formStrings, QStringList({"[a]", ""}));
    EXPECT_EQ(once.forms[0], threeForms().forms[0]);
}

TEST(LngFile, ReplacingRenamesAddsAndEmptiesEntries)
{
    QByteArray file = Lng::writeDocument(threeForms());

    // Renamed form: the entry changes its name in place.
    ASSERT_TRUE(Lng::replaceSection(file, update("Y", "Why", SectionKind::FormStrings,
                                                 threeForms().forms[1].formStrings)));
    Lng::Directory dir = Lng::Image(file).directory();
    ASSERT_EQ(dir.forms.size(), 3);
    EXPECT_EQ(dir.forms[1].name, "Why");

    // User strings for a form listed with form strings only: same entry, new offset.
    ASSERT_TRUE(Lng::replaceSection(file, update("z", "z", SectionKind::UserStrings,
                                                 {"%HELLO%", "Hello"})));
    dir = Lng::Image(file).directory();
    ASSERT_EQ(dir.forms.size(), 3);
    EXPECT_EQ(dir.forms[2].name, "Z");
    EXPECT_GT(dir.forms[2].userOffset, 0);
    EXPECT_EQ(Lng::Image(file).section(dir.forms[2].userOffset),
              QStringList({"%HELLO%", "Hello"}));
    EXPECT_EQ(Lng::Image(file).section(dir.forms[2].formOffset),
              threeForms().forms[2].formStrings);

    // An unlisted form is appended; an empty table gives offset 0 and no section.
    ASSERT_TRUE(Lng::replaceSection(file, update("New", "New", SectionKind::FormStrings, {})));
    dir = Lng::Image(file).directory();
    ASSERT_EQ(dir.forms.size(), 4);
    EXPECT_EQ(dir.forms[3], (Lng::FormEntry{"New", 0, 0}));
    EXPECT_EQ(dir.languages, QStringList({"English"}));
    EXPECT_EQ(dir.defaultIndex, 0); // "english" found ignoring case
}

TEST(LngFile, NewFileWithAnEmptyFirstTableIsHeaderThenDirectory)
{
    QByteArray file = Lng::emptyFile();
    Lng::SectionUpdate u = update("Main", "Main", SectionKind::FormStrings, {});
    u.activeLanguage = "Klingon";
    ASSERT_TRUE(Lng::replaceSection(file, u));
    EXPECT_EQ(file, "Parlox 2.0" + le(14) + le(1) + str("English") + le(-1) + le(0) + le(1) +
                        str("Main") + le(0) + le(0));
}

TEST(LngFile, ReplacingRejectsForeignFilesAndUnencodableTextWithoutChangingThem)
{
    for (const QByteArray &foreign : {QByteArray("Parlox"), QByteArray("PARLOX 2.0xxxxxxxx")}) {
        QByteArray file = foreign;
        EXPECT_FALSE(Lng::replaceSection(file, update("A", "A", SectionKind::FormStrings, {"x"})));
        EXPECT_EQ(file, foreign);
    }
    const QByteArray original = Lng::writeDocument(threeForms());
    QByteArray file = original;
    EXPECT_THROW(Lng::replaceSection(file, update("Y", "Y", SectionKind::FormStrings,
                                                  {"[a]", QStringLiteral("中")})),
                 EncodingError);
    EXPECT_EQ(file, original);
}

TEST(LngFile, ReplacingSurvivesDamagedOffsets)
{
    // A directory offset far past the end must not grow the file by gigabytes, and a section
    // offset inside the header must not let the move overwrite the magic.
    QByteArray file = "Parlox 2.0" + le(0x7ffffff0);
    ASSERT_TRUE(Lng::replaceSection(file, update("A", "A", SectionKind::FormStrings, {"k", "v"})));
    EXPECT_LT(file.size(), 100);
    EXPECT_EQ(Lng::readDocument(Lng::Image(file)).forms.value(0).formStrings,
              QStringList({"k", "v"}));

    QByteArray header = "Parlox 2.0" + le(14) + le(0) + le(0) + le(0) + le(1) + str("A") + le(3) +
                        le(0);
    ASSERT_TRUE(Lng::replaceSection(header, update("A", "A", SectionKind::FormStrings, {"k"})));
    EXPECT_TRUE(header.startsWith("Parlox 2.0"));
    EXPECT_EQ(Lng::readDocument(Lng::Image(header)).forms.value(0).formStrings,
              QStringList({"k"}));
}

TEST(LngFile, EntriesSharingOrOverrunningSectionsCannotBlowUpMemoryOrMoveBytesBackwards)
{
    // Thousands of entries naming one section: read once per offset, bounded by the file.
    QByteArray file = "Parlox 2.0" + le(0) + le(3) + str("a") + str("b") + str("c");
    const qint32 dirAt = qint32(file.size());
    file.replace(10, 4, le(dirAt));
    file += le(0) + le(0) + le(0) + le(5000);
    for (int i = 0; i < 5000; ++i)
        file += str("F") + le(14) + le(14);
    const Lng::Document doc = Lng::readDocument(Lng::Image(file));
    ASSERT_EQ(doc.forms.size(), 5000);
    EXPECT_EQ(doc.forms[4999].userStrings, QStringList({"a", "b", "c"}));

    // A listed offset past the end of the file: nothing to cut out, the new section still lands.
    QByteArray stray = Lng::writeDocument(threeForms());
    const qsizetype entry = stray.indexOf(QByteArray("X\0", 2), intAt(stray, 10));
    stray.replace(entry + 2, 4, le(100000));
    ASSERT_TRUE(Lng::replaceSection(stray, update("X", "X", SectionKind::FormStrings, {"k", "v"})));
    EXPECT_EQ(Lng::readDocument(Lng::Image(stray)).forms[0].formStrings, QStringList({"k", "v"}));
}
