#include <Parlox/format/errors.h>
#include <Parlox/format/image.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/packedlines.h>

#include <gtest/gtest.h>

using namespace Parlox;
using Lng::PackedLines;

namespace {

const QStringList Mixed{"",
                        "OK",
                        "español",
                        "日本語 ✓",
                        QStringView(u"a\0b", 3).toString(),
                        "\U0001F600",
                        QString(QChar(0xD800)),
                        "€ 5"};

} // namespace

TEST(PackedLines, KeepsEveryTextExactlyThroughWritesAndCopies)
{
    PackedLines lines(Mixed);
    EXPECT_EQ(lines.toList(), Mixed);
    QList<bool> ascii;
    for (qsizetype i = 0; i < lines.size(); ++i)
        ascii.append(lines.isAscii(i));
    // A NUL never counts as ASCII: it must not be copied into a file as it stands.
    EXPECT_EQ(ascii, QList<bool>({true, true, false, false, false, false, false, false}));

    // Enough rewrites to make most of the block stale and compact it, with a copy taken first.
    const PackedLines copy = lines;
    QStringList expected = Mixed;
    for (int round = 0; round < 3000; ++round) {
        const qsizetype i = round % lines.size();
        expected[i] = QString(1000, QChar(u'a' + round % 26)) + Mixed.at(i);
        lines.set(i, expected.at(i));
    }
    EXPECT_EQ(lines.toList(), expected);
    EXPECT_EQ(copy.toList(), Mixed);
    EXPECT_FALSE(copy == lines);
    EXPECT_TRUE(copy == PackedLines(Mixed));
    QString scratch;
    EXPECT_EQ(lines.text(2, scratch), expected.at(2));

    lines.resize(3);
    lines.resize(4);
    EXPECT_EQ(lines.toList(), expected.first(3) << QString());
}

TEST(PackedLines, TakesLinesOutAndPutsThemBackInOrder)
{
    PackedLines table(Mixed);
    const void *before = table.storage();
    PackedLines odd(QStringList{"before"});
    EXPECT_EQ(table.takeIf([](qsizetype i) { return i % 2 == 1; }, odd), 4);
    EXPECT_NE(table.storage(), before);
    EXPECT_EQ(odd.toList(), QStringList({"before", Mixed[1], Mixed[3], Mixed[5], Mixed[7]}));
    EXPECT_EQ(table.toList(), QStringList({Mixed[0], Mixed[2], Mixed[4], Mixed[6]}));
    table.interleave(odd, 1, 4, [](qsizetype i) { return i % 2 == 1; });
    EXPECT_EQ(table.toList(), Mixed);
    // Values left over when the list's own lines run out go at the end.
    table.interleave(PackedLines::empties(2), 0, 2, [](qsizetype) { return false; });
    EXPECT_EQ(table.toList(), Mixed + QStringList({"", ""}));
}

// A packed document writes the bytes its decoded form writes, reads back the same, and refuses
// what its encoding cannot hold with the same words.
TEST(PackedLines, DocumentsWriteAndReadAsTheirDecodedForm)
{
    for (const Encoding encoding : {Encoding::Windows1252, Encoding::Windows1251, Encoding::Utf8}) {
        Lng::Document doc{{"English", "Other"}, 0, {"&OK&", "OK", "“OK” — 5 €"}, {}, encoding};
        doc.forms.append({"Main", {"[Main.Caption]", "Main", "€"}, {"%A%", "a", "b"}});
        const QByteArray bytes = Lng::writeDocument(doc);
        EXPECT_EQ(Lng::writeDocument(Lng::packed(doc)), bytes)
            << encodingName(encoding).toStdString();
        const Lng::Image image(bytes, encoding);
        EXPECT_EQ(image.packedSection(image.directory().forms.at(0).formOffset).toList(),
                  doc.forms.at(0).formStrings);

        doc.forms[0].userStrings[2] = QStringView(u"a\0b", 3).toString();
        const auto refusal = [](const auto &document) {
            try {
                Lng::writeDocument(document);
            } catch (const EncodingError &error) {
                return error.message();
            }
            return QString();
        };
        EXPECT_FALSE(refusal(doc).isEmpty());
        EXPECT_EQ(refusal(Lng::packed(doc)), refusal(doc));
    }
}
