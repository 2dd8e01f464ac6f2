#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>

#include <QSet>
#include <gtest/gtest.h>

using namespace Parlox;

TEST(CodePage, EveryNonNulByteRoundTripsThroughOneCharacter)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = CodePage::decode(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(CodePage::encode(text), all);
    // Distinct bytes must give distinct characters, or two bytes would collapse on write.
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 255);
}

TEST(CodePage, MapsTheWindowsCharactersAndKeepsTheUndefinedBytes)
{
    EXPECT_EQ(CodePage::decode("\x80\x9f\x81\x8d\x8f\x90\x9d Espa\xf1ol"),
              QString::fromUtf16(u"\u20AC\u0178\u0081\u008D\u008F\u0090\u009D Español"));
    EXPECT_EQ(CodePage::encode(u"Español €"), QByteArray("Espa\xf1ol \x80"));
}

TEST(CodePage, RefusesWhatTheFileCannotHoldAndNamesTheText)
{
    for (const QString &bad : {QStringLiteral("Chinese 中文"), QString(QChar(0)) + u'x',
                               QStringLiteral("\u0080 is not a code-page character")}) {
        EXPECT_FALSE(CodePage::canEncode(bad));
        try {
            CodePage::encode(bad);
            ADD_FAILURE() << "encoded " << bad.toStdString();
        } catch (const EncodingError &e) {
            EXPECT_TRUE(e.message().contains(bad.left(20))) << e.what();
        }
    }
    QByteArray out("kept");
    EXPECT_THROW(CodePage::appendEncoded(out, u"a中"), EncodingError);
    EXPECT_EQ(out, "kept");
}
