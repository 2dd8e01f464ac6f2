#include "codepage.h"
#include "errors.h"

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
    EXPECT_EQ(CodePage::decode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(CodePage::decode("\x9f"), QString(QChar(0x0178)));
    EXPECT_EQ(CodePage::decode("\x81\x8d\x8f\x90\x9d"),
              QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(CodePage::decode("Espa\xf1ol"), QStringLiteral("Español"));
    EXPECT_EQ(CodePage::encode(u"Español €"), QByteArray("Espa\xf1ol \x80"));
}

TEST(CodePage, RefusesWhatTheFileCannotHoldAndNamesTheText)
{
    for (const QString &bad : QStringList{QStringLiteral("Chinese 中文"), QString(QChar(0)) + QStringLiteral("x"),
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
