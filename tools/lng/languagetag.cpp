#include "languagetag.h"

#include <QLocale>
#include <QRegularExpression>

namespace Parlox::LanguageTag {
namespace {

// Whether a locale's own name for its language names language: "Deutsch", or "español" for
// "español de España".
bool nativelyNamed(const QLocale &locale, const QString &language)
{
    const QString native = locale.nativeLanguageName();
    return native.compare(language, Qt::CaseInsensitive) == 0 ||
           native.startsWith(language + u' ', Qt::CaseInsensitive);
}

QString primary(const QString &tag)
{
    const qsizetype end = tag.indexOf(QRegularExpression(QStringLiteral("[-_@.]")));
    return tag.first(end < 0 ? tag.size() : end).trimmed().toLower();
}

// A code's script and territory as it names them: QLocale's own tag leaves out the ones it
// takes for granted, so "pt_BR" would lose its region and become "pt".
QString codeTag(const QString &code, const QLocale &locale)
{
    QString tag = QLocale::languageToCode(locale.language());
    const QStringList parts = code.section(QRegularExpression(QStringLiteral("[.@]")), 0, 0)
                                  .split(QRegularExpression(QStringLiteral("[-_]")));
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 4 && locale.script() != QLocale::AnyScript)
            tag += u'-' + QLocale::scriptToCode(locale.script());
        else if ((parts[i].size() == 2 || parts[i].size() == 3) &&
                 locale.territory() != QLocale::AnyTerritory)
            tag += u'-' + QLocale::territoryToCode(locale.territory());
    }
    return tag;
}

// "Português (Brasil)", "Portuguese (Brazil)": a language's name and a territory's.
QString namedWithTerritory(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+?)\\s*\\((.+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(name.trimmed());
    if (!match.hasMatch())
        return {};
    const QString base = of(match.captured(1));
    const QString territory = match.captured(2).trimmed();
    if (base == u"und")
        return {};
    for (const QLocale &locale : QLocale::matchingLocales(
             QLocale(base).language(), QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (QLocale::territoryToString(locale.territory())
                    .compare(territory, Qt::CaseInsensitive) == 0 ||
            locale.nativeTerritoryName().compare(territory, Qt::CaseInsensitive) == 0)
            return base + u'-' + QLocale::territoryToCode(locale.territory());
    }
    return {};
}

} // namespace

QString of(const QString &name)
{
    if (const QLocale named(name); named.language() != QLocale::C)
        return codeTag(name, named);
    if (const QString tag = namedWithTerritory(name); !tag.isEmpty())
        return tag;
    for (int code = QLocale::C + 1; code <= QLocale::LastLanguage && !name.isEmpty(); ++code) {
        const QLocale locale(static_cast<QLocale::Language>(code));
        if (QLocale::languageToString(locale.language()).compare(name, Qt::CaseInsensitive) == 0 ||
            nativelyNamed(locale, name))
            return locale.bcp47Name();
    }
    return QStringLiteral("und");
}

bool agree(const QString &a, const QString &b)
{
    const QString first = primary(a);
    const QString second = primary(b);
    const auto unknown = [](const QString &p) { return p.isEmpty() || p == u"und"; };
    return unknown(first) || unknown(second) || first == second;
}

} // namespace Parlox::LanguageTag
