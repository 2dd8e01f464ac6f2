#include <Parlox/exchange/plurals.h>

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace Parlox::Exchange::Plurals {
namespace {

enum class Rule { One, English, French, Slavic, Czech, Polish };

Rule ruleOf(const QLocale &locale)
{
    using L = QLocale;
    static constexpr std::array one{L::Japanese, L::Chinese,    L::Korean,    L::Vietnamese,
                                    L::Thai,     L::Indonesian, L::Malay,     L::Turkish,
                                    L::Persian,  L::Georgian,   L::Cantonese, L::Lao};
    static constexpr std::array french{L::French, L::Armenian, L::Filipino};
    static constexpr std::array slavic{L::Russian, L::Ukrainian, L::Belarusian,
                                       L::Serbian, L::Croatian,  L::Bosnian};
    const L::Language language = locale.language();
    const auto has = [language](const auto &list) {
        return std::find(list.begin(), list.end(), language) != list.end();
    };
    if (has(one))
        return Rule::One;
    if (has(french) || (language == L::Portuguese && locale.territory() == L::Brazil))
        return Rule::French;
    if (has(slavic))
        return Rule::Slavic;
    if (language == L::Czech || language == L::Slovak)
        return Rule::Czech;
    if (language == L::Polish)
        return Rule::Polish;
    return Rule::English;
}

QHash<QString, QLocale> localesByName()
{
    QHash<QString, QLocale> byName;
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : all) {
        // The language's own locale (de_DE for German) wins over its other territories.
        const QLocale main(locale.language());
        byName.insert(QLocale::languageToString(locale.language()).toCaseFolded(), main);
        if (!locale.nativeLanguageName().isEmpty() &&
            !byName.contains(locale.nativeLanguageName().toCaseFolded()))
            byName.insert(locale.nativeLanguageName().toCaseFolded(), main);
    }
    return byName;
}

} // namespace

QLocale localeOf(const QString &languageName)
{
    static const QHash<QString, QLocale> byName = localesByName();
    if (const auto found = byName.constFind(languageName.toCaseFolded()); found != byName.cend())
        return *found;
    const QLocale tagged(languageName);
    if (tagged.language() != QLocale::C &&
        languageName.section(QRegularExpression(QStringLiteral("[-_]")), 0, 0)
                .compare(QLocale::languageToCode(tagged.language()), Qt::CaseInsensitive) == 0)
        return tagged;
    return QLocale::c();
}

QString tagOf(const QString &languageName)
{
    const QLocale locale = localeOf(languageName);
    if (locale.language() == QLocale::C)
        return {};
    const bool territory = languageName.contains(u'_') || languageName.contains(u'-');
    return territory ? locale.name() : QLocale::languageToCode(locale.language());
}

int formCount(const QLocale &locale)
{
    switch (ruleOf(locale)) {
    case Rule::One:
        return 1;
    case Rule::English:
    case Rule::French:
        return 2;
    case Rule::Slavic:
    case Rule::Czech:
    case Rule::Polish:
        return 3;
    }
    return 2;
}

int formIndex(const QLocale &locale, int n)
{
    const int tens = n % 100;
    const int units = n % 10;
    const bool few = units >= 2 && units <= 4 && (tens < 12 || tens > 14);
    switch (ruleOf(locale)) {
    case Rule::One:
        return 0;
    case Rule::English:
        return n == 1 ? 0 : 1;
    case Rule::French:
        return n > 1 ? 1 : 0;
    case Rule::Slavic:
        return units == 1 && tens != 11 ? 0 : few ? 1 : 2;
    case Rule::Czech:
        return n == 1 ? 0 : n >= 2 && n <= 4 ? 1 : 2;
    case Rule::Polish:
        return n == 1 ? 0 : few ? 1 : 2;
    }
    return 0;
}

} // namespace Parlox::Exchange::Plurals
