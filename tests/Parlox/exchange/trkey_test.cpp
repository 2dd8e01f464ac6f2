#include <Parlox/exchange/plurals.h>
#include <Parlox/exchange/trkey.h>

#include "qtprinters.h"

#include <gtest/gtest.h>

using Parlox::Exchange::TrKey;
namespace Plurals = Parlox::Exchange::Plurals;

TEST(TrKey, EveryHoldableTextMakesAKeyThatParsesBackToIt)
{
    const QList<std::pair<TrKey, QString>> cases{
        {{"Open", "", 0}, "%Open%"},
        {{"Open", "verb", 0}, "%Open%{verb}"},
        {{"%n file(s)", "", 1}, "%%n file(s)%#1"},
        {{"%n file(s)", "in a folder", 2}, "%%n file(s)%{in a folder}#2"},
        {{"100%", "", 0}, "%100%%"},
        {{"Two\nlines", "", 0}, "%Two%%lines%"},
        {{"a}%", "x%y", 0}, "%a}%%{x%y}"},
        {{"#1", "", 0}, "%#1%"},
        {{"", "", 0}, "%%"},
    };
    for (const auto &[text, key] : cases) {
        EXPECT_EQ(text.problem(), QString()) << key.toStdString();
        EXPECT_EQ(text.key(), key);
        EXPECT_EQ(TrKey::parse(key), text) << key.toStdString();
    }
    for (const QString key : {"Open", "%Open", "Open%", "%Open%{verb", "%Open}", "[A.Caption]"})
        EXPECT_EQ(TrKey::parse(key), std::nullopt) << key.toStdString();
    // Texts whose key would read back as another text are refused.
    for (const TrKey &text : {TrKey{"50%%", "", 0}, TrKey{"50%\nmore", "", 0},
                              TrKey{"a\n%b", "", 0}, TrKey{"a", "x%{y", 0}})
        EXPECT_NE(text.problem(), QString()) << text.key().toStdString();
}

TEST(Plurals, LanguagesByNameOrTagTakeQtLinguistsFormOrder)
{
    EXPECT_EQ(Plurals::tagOf("Deutsch"), "de");
    EXPECT_EQ(Plurals::tagOf("español"), "es");
    EXPECT_EQ(Plurals::tagOf("Polish"), "pl");
    EXPECT_EQ(Plurals::tagOf("pt-BR"), "pt_BR");
    EXPECT_EQ(Plurals::tagOf("Klingonese"), "");

    const auto forms = [](const char *language, std::initializer_list<int> counts) {
        QList<int> result;
        for (const int n : counts)
            result.append(Plurals::formIndex(Plurals::localeOf(language), n));
        return result;
    };
    EXPECT_EQ(forms("English", {0, 1, 2, 11}), QList<int>({1, 0, 1, 1}));
    EXPECT_EQ(forms("French", {0, 1, 2}), QList<int>({0, 0, 1}));
    EXPECT_EQ(forms("pt_BR", {0, 1, 2}), QList<int>({0, 0, 1}));
    EXPECT_EQ(forms("Polski", {1, 2, 5, 12, 22, 25}), QList<int>({0, 1, 2, 2, 1, 2}));
    EXPECT_EQ(forms("Russian", {1, 3, 11, 21, 24, 25}), QList<int>({0, 1, 2, 0, 1, 2}));
    EXPECT_EQ(forms("Japanese", {1, 2}), QList<int>({0, 0}));
    EXPECT_EQ(Plurals::formCount(Plurals::localeOf("Polish")), 3);
}
