#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/textcodec.h>

#include <QSet>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

class EveryEncoding : public testing::TestWithParam<Encoding> {};

std::string encodingTestName(const testing::TestParamInfo<Encoding> &info)
{
    return encodingName(info.param).remove(u'-').toStdString();
}

Lng::Document sampleDocument(const QString &value, Encoding encoding)
{
    return {{"English", "Other"},
            0,
            {"&OK&", "OK", "OK"},
            {{"Main", {"[A.Caption]", "A", value}, {}}},
            encoding};
}

} // namespace

// Each byte alone either decodes to a character of its own that encodes back to it, or is
// refused at read with its position; nothing is ever replaced.
TEST_P(EveryEncoding, EveryByteRoundTripsOrIsRefusedAtItsPosition)
{
    const TextCodec codec(GetParam());
    QSet<QChar> seen;
    int defined = 0;
    for (int b = 1; b < 256; ++b) {
        const QByteArray bytes = QByteArray("ab") + char(b);
        qsizetype bad = -1;
        const std::optional<QString> text = codec.decode(bytes, &bad);
        if (!text) {
            EXPECT_EQ(bad, 2) << "byte " << b;
            continue;
        }
        ++defined;
        ASSERT_EQ(text->size(), 3) << "byte " << b;
        EXPECT_FALSE(text->contains(QChar::ReplacementCharacter)) << "byte " << b;
        EXPECT_FALSE(seen.contains(text->at(2))) << "byte " << b << " collapses into another";
        seen.insert(text->at(2));
        EXPECT_EQ(codec.encode(*text), bytes) << "byte " << b;
    }
    // The code pages define nearly all their bytes, UTF-8 exactly ASCII alone.
    if (GetParam() == Encoding::Utf8) {
        EXPECT_EQ(defined, 127);
    } else {
        EXPECT_GE(defined, 240);
    }
    EXPECT_EQ(encodingFromName(encodingName(GetParam()).toLower()), GetParam());
}

// A whole file in the encoding reads back as written, and is the same bytes on a second write.
TEST_P(EveryEncoding, FilesRoundTripAndRefuseWhatTheyCannotHold)
{
    const TextCodec codec(GetParam());
    QString value;
    for (int b = 0x20; b < 256; ++b) {
        const char byte = char(b);
        if (const auto c = codec.decode(QByteArrayView(&byte, 1)))
            value += *c;
    }
    const Lng::Document doc = sampleDocument(value, GetParam());
    const QByteArray file = Lng::writeDocument(doc);
    EXPECT_EQ(Lng::readDocument(Lng::Image(file, GetParam())), doc);
    EXPECT_TRUE(Lng::Image(file, GetParam()).problems().isEmpty());

    try {
        Lng::writeDocument(sampleDocument(QStringLiteral("x\u4E2D"), GetParam()));
        EXPECT_EQ(GetParam(), Encoding::Utf8);
    } catch (const EncodingError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("In form \"Main\" form strings, the \"Other\" value "
                                              "of the key \"[A.Caption]\" holds the character "
                                              "'\u4E2D' (U+4E2D), which a translations file in "
                                              "%1 cannot hold.")
                                   .arg(encodingName(GetParam())));
    }
}

INSTANTIATE_TEST_SUITE_P(TextCodec, EveryEncoding, testing::ValuesIn(allEncodings()),
                         encodingTestName);

TEST(TextCodec, Utf8IsStrictAndKeepsWhatItReads)
{
    const TextCodec utf8(Encoding::Utf8);
    qsizetype bad = -1;
    // Overlong, surrogate, cut-off and stray continuation bytes.
    for (const QByteArray &invalid : {QByteArray("ok\xC0\xAF"), QByteArray("ok\xED\xA0\x80"),
                                      QByteArray("ok\xE4\xB8"), QByteArray("ok\x80z")}) {
        EXPECT_FALSE(utf8.decode(invalid, &bad)) << invalid.toHex().constData();
        EXPECT_EQ(bad, 2) << invalid.toHex().constData();
    }
    EXPECT_FALSE(utf8.decode("\xC5\x9B\xE4\xB8\xAD\xFF", &bad));
    EXPECT_EQ(bad, 5);
    // A byte order mark and characters outside the BMP come back as they were.
    const QByteArray kept = "\xEF\xBB\xBFZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xF0\x9F\x98\x80";
    EXPECT_EQ(utf8.encode(*utf8.decode(kept)), kept);
    EXPECT_EQ(utf8.encodedSize(*utf8.decode(kept)), kept.size());
    EXPECT_THROW(utf8.encode(QString(QChar(0xD800))), EncodingError);
    EXPECT_THROW(utf8.encode(QString(QChar(0))), EncodingError);
}

// Only the strings count: the offsets between them are any bytes.
TEST(TextCodec, FilesAreUtf8OnlyWhenTheirStringsAreValidAndNotAscii)
{
    const QString long1 = QString(200, u'x');
    const auto detect = [](const QString &value, Encoding encoding) {
        return Lng::detectFileEncoding(Lng::writeDocument(sampleDocument(value, encoding)));
    };
    EXPECT_EQ(detect(long1 + QStringLiteral("\u00F1"), Encoding::Utf8), Encoding::Utf8);
    EXPECT_EQ(detect(long1 + QStringLiteral("\u00F1"), Encoding::Windows1252),
              Encoding::Windows1252);
    EXPECT_EQ(detect(long1, Encoding::Utf8), Encoding::Windows1252);
    EXPECT_EQ(Lng::detectFileEncoding("\xC3\xB1 not a translations file"), Encoding::Windows1252);
}

// A file read in an encoding that does not fit it is reported with the byte's position, and the
// readers refuse it rather than show it mangled.
TEST(TextCodec, ReadingInTheWrongEncodingIsReportedWithThePosition)
{
    const QByteArray file =
        Lng::writeDocument(sampleDocument(QStringLiteral("\u0119\u015B"), Encoding::Windows1250));
    const qsizetype at = file.indexOf("\xEA\x9C");
    const Lng::ProblemReport report = Lng::Image(file, Encoding::Utf8).problems();
    ASSERT_TRUE(report.isDamaged());
    EXPECT_EQ(report.firstDamage()->position, at);
    EXPECT_TRUE(report.firstDamage()->text.contains(QStringLiteral("byte 0xEA at byte %1 is not "
                                                                   "valid UTF-8")
                                                        .arg(at)))
        << report.firstDamage()->text.toStdString();
    EXPECT_THROW(Lng::readDocument(Lng::Image(file, Encoding::Utf8)), EncodingError);
    // A section is not replaced in a file whose directory the encoding cannot read.
    Lng::Document polish = sampleDocument(QStringLiteral("x"), Encoding::Windows1250);
    polish.forms[0].name = QStringLiteral("G\u0142\u00F3wna");
    QByteArray copy = Lng::writeDocument(polish);
    const QByteArray before = copy;
    Lng::SectionUpdate update{"Main",
                              "Main",
                              Lng::SectionKind::UserStrings,
                              {"%X%", "x", "y"},
                              {"English", "Other"},
                              "English",
                              {"&OK&", "OK", "OK"}};
    update.encoding = Encoding::Utf8;
    EXPECT_THROW(Lng::replaceSection(copy, update), EncodingError);
    EXPECT_EQ(copy, before);
}
