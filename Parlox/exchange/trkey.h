#pragma once

#include <QString>
#include <optional>

// A tr() text as the key of a user-strings entry. The context names the form; the key is the
// source text between "%" signs, as every user-string key is written, followed by
// "{disambiguation}" when there is one and by "#N" for plural form N > 0:
//   tr("Open")                  -> %Open%
//   tr("Open", "verb")          -> %Open%{verb}
//   tr("%n file(s)", nullptr, n) -> %%n file(s)%  and  %%n file(s)%#1  ...
// A line break in the source is written "%%", as in every user string's value.
namespace Parlox::Exchange {

struct TrKey {
    QString source;
    QString disambiguation;
    int form = 0;

    QString key() const;
    // Why this text cannot be a key that parses back to it; empty when it can.
    QString problem() const;
    // The text a key stands for; nothing for a key that is not "%...%" with the suffixes above.
    static std::optional<TrKey> parse(QStringView key);
    bool operator==(const TrKey &) const = default;
};

// User strings write a line break as "%%"; a value or key holding "%%" of its own, or a "%"
// next to a line break, could not be read back.
QString storedText(const QString &visible);
QString visibleText(QStringView stored);
bool canStore(QStringView visible);

} // namespace Parlox::Exchange
