#pragma once

#include <QLocale>
#include <QString>

// Which plural form a count takes, per language, in the order Qt Linguist lists the forms of a
// numerus message, so that forms exchanged through .ts files keep their meaning.
namespace Parlox::Exchange::Plurals {

// The locale a translations file's language name stands for: a tag ("de", "pt_BR", "pt-BR"),
// or a language's name in English or in itself ("German", "Deutsch", "Español"), case ignored.
// QLocale::c() when nothing matches.
QLocale localeOf(const QString &languageName);

// The tag written in a .ts file: the language's code ("de" for "Deutsch" or "de"), with the
// territory when the name gives one ("pt_BR" for "pt-BR"); empty for an unknown language.
QString tagOf(const QString &languageName);

int formCount(const QLocale &locale);
// The form of count n, from 0 to formCount() - 1.
int formIndex(const QLocale &locale, int n);

} // namespace Parlox::Exchange::Plurals
