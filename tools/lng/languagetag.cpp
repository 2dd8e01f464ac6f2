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

} // namespace

QString of(const QString &name)
{
    if (const QLocale named(name); named.language() != QLocale::C)
        return named.bcp47Name();
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
