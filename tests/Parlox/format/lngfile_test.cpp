#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>

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
        const Lng::Document read = Lng::readDocument(Lng::Image(cut));
        ASSERT_LE(read.languages.size(), 2);
        ASSERT_LE(read.forms.size(), 3);
        for (const auto &form : read.forms)
            ASSERT_LE(form.formStrings.size() + form.userStrings.size(), 5);
    }
    EXPECT_EQ(Lng::readDocument(Lng::Image(whole)), doc);
}

TEST(LngFile, HugeAndStrayCountsAndOffsetsStayBounded)
{
    const QByteArray head = "Parlox 2.0" + le(14);
    // Counts far beyond the file: stop at its end rather than adding millions of empty lines.
    const Lng::Directory huge = Lng::Image(head + le(0x7fffffff) + str("English")).directory();
    EXPECT_EQ(huge.languages, QStringList({"English"}));
    EXPECT_TRUE(huge.forms.isEmpty());

    // A directory offset past the end reads as an empty directory.
    EXPECT_EQ(Lng::Image("Parlox 2.0" + le(0x7fffffff)).directory(), Lng::Directory());

    // A form entry cut off after its name keeps the name with offsets 0.
    const Lng::Directory cut =
        Lng::Image(head + le(0) + le(0) + le(0) + le(5) + str("Cut") + QByteArray("\x0e\x00", 2))
            .directory();
    EXPECT_EQ(cut.forms, QList<Lng::FormEntry>({{"Cut", 0, 0}}));

    // Thousands of entries naming one section: read once per offset, bounded by the file.
    QByteArray shared = "Parlox 2.0" + le(24) + le(3) + str("a") + str("b") + str("c");
    shared += le(0) + le(0) + le(0) + le(5000);
    for (int i = 0; i < 5000; ++i)
        shared += str("F") + le(14) + le(14);
    const Lng::Document doc = Lng::readDocument(Lng::Image(shared));
    ASSERT_EQ(doc.forms.size(), 5000);
    EXPECT_EQ(doc.forms[4999].userStrings, QStringList({"a", "b", "c"}));
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
    EXPECT_EQ(image.directory().forms,
              (QList<Lng::FormEntry>{{"X", 51, 0}, {"Y", 14, 0}, {"Z", 37, 0}}));
    Lng::Document expected = threeForms();
    expected.forms[0].formStrings = bigger;
    EXPECT_EQ(Lng::readDocument(image), expected);
    EXPECT_EQ(file.size(), oldSize + 13);

    // A smaller table never shortens the file, and storing it twice reads the same.
    const qsizetype grown = file.size();
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(
            Lng::replaceSection(file, update("Y", "Y", SectionKind::FormStrings, {"[a]", ""})));
    EXPECT_EQ(file.size(), grown);
    expected.forms[1].formStrings = {"[a]", ""};
    EXPECT_EQ(Lng::readDocument(Lng::Image(file)), expected);
    // The stale bytes left behind the directory are no damage.
    EXPECT_EQ(Lng::Image(file).problems().lines(), QStringList());
}

TEST(LngFile, ReplacingRenamesAddsAndEmptiesEntries)
{
    QByteArray file = Lng::writeDocument(threeForms());

    // Renamed form: the entry changes its name in place.
    ASSERT_TRUE(Lng::replaceSection(
        file, update("Y", "Why", SectionKind::FormStrings, threeForms().forms[1].formStrings)));
    Lng::Directory dir = Lng::Image(file).directory();
    ASSERT_EQ(dir.forms.size(), 3);
    EXPECT_EQ(dir.forms[1].name, "Why");

    // User strings for a form listed with form strings only: same entry, new offset.
    ASSERT_TRUE(Lng::replaceSection(
        file, update("z", "z", SectionKind::UserStrings, {"%HELLO%", "Hello"})));
    dir = Lng::Image(file).directory();
    ASSERT_EQ(dir.forms.size(), 3);
    EXPECT_EQ(dir.forms[2].name, "Z");
    EXPECT_EQ(Lng::Image(file).section(dir.forms[2].userOffset), QStringList({"%HELLO%", "Hello"}));
    EXPECT_EQ(Lng::Image(file).section(dir.forms[2].formOffset), threeForms().forms[2].formStrings);

    // An unlisted form is appended; an empty table gives offset 0 and no section.
    ASSERT_TRUE(Lng::replaceSection(file, update("New", "New", SectionKind::FormStrings, {})));
    dir = Lng::Image(file).directory();
    ASSERT_EQ(dir.forms.size(), 4);
    EXPECT_EQ(dir.forms[3], (Lng::FormEntry{"New", 0, 0}));
    EXPECT_EQ(dir.defaultIndex, 0); // "english" found ignoring case

    // A new file with an empty first table is the header, then the directory.
    file = Lng::emptyFile();
    Lng::SectionUpdate u = update("Main", "Main", SectionKind::FormStrings, {});
    u.activeLanguage = "Klingon";
    ASSERT_TRUE(Lng::replaceSection(file, u));
    EXPECT_EQ(file, "Parlox 2.0" + le(14) + le(1) + str("English") + le(-1) + le(0) + le(1) +
                        str("Main") + le(0) + le(0));
    EXPECT_EQ(Lng::Image(file).problems().lines(), QStringList());
}

// Another form's section shared with or inside the one replaced would be moved into the
// header or onto another table by the cut; such files are refused and left byte for byte.
TEST(LngFile, ReplacingRefusesDamagedFilesWithTheReport)
{
    const QByteArray sound = Lng::writeDocument(threeForms());
    // Offset fields of the entries of X and Y, directory at 74.
    const qsizetype xAt = sound.indexOf(QByteArrayView("X\0", 2), 74) + 2;
    const qsizetype yAt = sound.indexOf(QByteArrayView("Y\0", 2), 74) + 2;
    const struct {
        qsizetype at;
        qint32 value;
        const char *reason;
    } damages[] = {
        {yAt, 14, "is also the section of form \"X\""},
        {yAt, 20, "starts inside the section at byte 14"},
        {xAt, 3, "outside the section area"},
        {xAt, 100000, "outside the section area"},
        {10, 0x7ffffff0, "outside the file"},
        {60, 3, "runs into the directory"},
    };
    for (const auto &damage : damages) {
        QByteArray file = sound;
        file.replace(damage.at, 4, le(damage.value));
        const QByteArray before = file;
        try {
            Lng::replaceSection(file, update("X", "X", SectionKind::FormStrings, {"k", "v"}));
            ADD_FAILURE() << "a damaged file was written: " << damage.reason;
        } catch (const DamageError &e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(damage.reason))) << e.what();
            EXPECT_TRUE(e.lines().value(0).contains(QLatin1String(damage.reason))) << e.what();
        }
        EXPECT_EQ(file, before) << damage.reason;
    }
}

// The offsets are 32-bit: what would lie past 2 GiB is refused before anything is encoded
// (the shared 1 MiB line costs no memory until then).
TEST(LngFile, FilesPastTwoGibibytesAreRefused)
{
    const QStringList huge(2100, QString(1 << 20, u'x'));
    Lng::Document doc = threeForms();
    doc.forms[1].userStrings = huge;
    EXPECT_THROW(Lng::writeDocument(doc), SizeError);

    QByteArray file = Lng::writeDocument(threeForms());
    const QByteArray before = file;
    EXPECT_THROW(Lng::replaceSection(file, update("Y", "Y", SectionKind::UserStrings, huge)),
                 SizeError);
    EXPECT_EQ(file, before);
}
