#include <Parlox/format/caselessbytes.h>
#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>

#include <QSet>
#include <gtest/gtest.h>

using namespace Parlox;

// Keys are compared in the file's bytes as they would be decoded and folded: every pair of
// bytes, and longer keys whose letters differ only in case.
TEST(CodePage, CaselessBytesAgreeWithFoldedTexts)
{
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            const QByteArray x(1, char(a));
            const QByteArray y(1, char(b));
            const bool same =
                CodePage::decode(x).toCaseFolded() == CodePage::decode(y).toCaseFolded();
            ASSERT_EQ(CodePage::CaselessBytes{x} == CodePage::CaselessBytes{y}, same)
                << a << " " << b;
            if (same) {
                ASSERT_EQ(qHash(CodePage::CaselessBytes{x}), qHash(CodePage::CaselessBytes{y}));
            }
        }
    }
    const QByteArray upper = CodePage::encode(u"[ŠTRASSE.ÆŸ]");
    EXPECT_TRUE(CodePage::CaselessBytes{upper} == CodePage::CaselessBytes{"[\x9atrasse.\xe6\xff]"});
    EXPECT_FALSE(CodePage::CaselessBytes{upper} == CodePage::CaselessBytes{"[\x9atra\xdf"
                                                                           "e.\xe6\xff]"});
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
