#pragma once

#include <QString>

// Language tags as translators' tools write them ("es", "de_DE", "pt-BR").
namespace Parlox::LanguageTag {

// The tag for a language listed by its name in English or in itself ("Spanish", "Español"),
// with a territory after it in parentheses ("Português (Brasil)"), or by its code ("pt_BR"
// gives "pt-BR": a territory the name gives is kept); "und" (undetermined) for anything else.
QString of(const QString &name);

// Whether two tags name the same language: their first parts agree, case and separator aside.
// An empty or undetermined tag agrees with any.
bool agree(const QString &a, const QString &b);

} // namespace Parlox::LanguageTag
