#include <Parlox/format/valuechecks.h>

#include <QVarLengthArray>
#include <algorithm>

namespace Parlox::ValueChecks {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipWhile(QStringView text, qsizetype at, bool (*matches)(QChar))
{
    while (at < text.size() && matches(text[at]))
        ++at;
    return at;
}

bool isFlag(QChar c)
{
    return QStringView(u"-+#0").contains(c);
}

bool isLengthModifier(QChar c)
{
    return QStringView(u"hlLqjzt").contains(c);
}

bool isConversion(QChar c)
{
    return QStringView(u"diouxXeEfFgGaAcsp").contains(c);
}

// Length of the placeholder at the start of text (which starts with "%"), or 0 for none. A
// digit right after the "%" (or after "%L") is Qt's numbered kind, one or two digits long.
qsizetype placeholderLength(QStringView text)
{
    qsizetype at = 1;
    if (at + 1 < text.size() && text[at] == u'L' && isDigit(text[at + 1]))
        ++at;
    if (at < text.size() && isDigit(text[at]))
        return at + (at + 1 < text.size() && isDigit(text[at + 1]) ? 2 : 1);
    at = skipWhile(text, 1, isFlag);
    at = skipWhile(text, at, isDigit);
    if (at < text.size() && text[at] == u'.')
        at = skipWhile(text, at + 1, isDigit);
    at = skipWhile(text, at, isLengthModifier);
    return at < text.size() && isConversion(text[at]) ? at + 1 : 0;
}

// The "%" sequences of a text: line-break markers are counted, placeholders collected.
struct PercentSigns {
    explicit PercentSigns(QStringView text)
    {
        for (qsizetype at = text.indexOf(u'%'); at >= 0; at = text.indexOf(u'%', at)) {
            if (at + 1 < text.size() && text[at + 1] == u'%') {
                ++lineBreaks;
                at += 2;
                continue;
            }
            const qsizetype length = placeholderLength(text.sliced(at));
            if (length > 0)
                placeholders.append(text.sliced(at, length));
            at += std::max<qsizetype>(length, 1);
        }
        std::sort(placeholders.begin(), placeholders.end());
    }

    qsizetype lineBreaks = 0;
    QVarLengthArray<QStringView, 4> placeholders;
};

QStringView leadingSpace(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n].isSpace())
        ++n;
    return text.first(n);
}

QStringView trailingSpace(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[text.size() - 1 - n].isSpace())
        ++n;
    return text.last(n);
}

bool hasLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

Checks checkPercentSigns(QStringView first, QStringView value)
{
    if (!first.contains(u'%') && !value.contains(u'%'))
        return {};
    const PercentSigns a(first);
    const PercentSigns b(value);
    Checks failed;
    failed.setFlag(Check::LineBreaks, a.lineBreaks != b.lineBreaks);
    failed.setFlag(Check::Placeholders, a.placeholders != b.placeholders);
    return failed;
}

void appendEntry(QList<Warning> &out, const QStringList &table, qsizetype languageCount,
                 qsizetype entry)
{
    const qsizetype key = entry * (languageCount + 1);
    if (languageCount < 2 || key < 0 || key + languageCount >= table.size())
        return;
    const QString &first = table.at(key + 1);
    for (qsizetype language = 1; language < languageCount; ++language) {
        if (const Checks failed = check(first, table.at(key + 1 + language)))
            out.append({entry, language, failed});
    }
}

} // namespace

qsizetype accessKeyCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        const QChar next = text[at + 1];
        if (next != u'&' && !next.isSpace())
            ++count;
    }
    return count;
}

qsizetype lineBreakCount(QStringView text)
{
    return PercentSigns(text).lineBreaks;
}

QStringList placeholders(QStringView text)
{
    QStringList out;
    for (const QStringView placeholder : PercentSigns(text).placeholders)
        out.append(placeholder.toString());
    return out;
}

Checks check(QStringView first, QStringView value)
{
    if (first.isEmpty() || value.isEmpty())
        return {};
    if (value == first)
        return hasLetter(value) ? Check::SameAsFirst : Checks();
    Checks failed = checkPercentSigns(first, value);
    failed.setFlag(Check::AccessKeys, accessKeyCount(first) != accessKeyCount(value));
    failed.setFlag(Check::OuterSpaces, leadingSpace(first) != leadingSpace(value) ||
                                           trailingSpace(first) != trailingSpace(value));
    return failed;
}

QList<Warning> checkEntry(const QStringList &table, qsizetype languageCount, qsizetype entry)
{
    QList<Warning> out;
    appendEntry(out, table, languageCount, entry);
    return out;
}

QList<Warning> checkTable(const QStringList &table, qsizetype languageCount)
{
    QList<Warning> out;
    if (languageCount < 2)
        return out;
    const qsizetype entries = table.size() / (languageCount + 1);
    for (qsizetype entry = 0; entry < entries; ++entry)
        appendEntry(out, table, languageCount, entry);
    return out;
}

} // namespace Parlox::ValueChecks
