#include <Parlox/format/valuechecks.h>

#include <Parlox/format/codepage.h>

#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <string_view>

namespace Parlox::ValueChecks {
namespace {

// Every check is written once for both kinds of text: decoded text and the code page's bytes
// as a translations file holds them. A byte stands for exactly one character, and the marks
// the checks look for ("&", "%", digits, conversion letters) are ASCII, so a byte is compared
// as its value; only white space and letters need the character the byte stands for.
struct ByteClasses {
    std::array<bool, 256> space{};
    std::array<bool, 256> letter{};

    ByteClasses()
    {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QChar c = CodePage::decode(QByteArrayView(&byte, 1)).front();
            space[size_t(b)] = c.isSpace();
            letter[size_t(b)] = c.isLetter();
        }
    }
};

const ByteClasses &byteClasses()
{
    static const ByteClasses classes;
    return classes;
}

char16_t unit(QStringView text, qsizetype at)
{
    return text[at].unicode();
}

char16_t unit(QByteArrayView text, qsizetype at)
{
    return static_cast<unsigned char>(text[at]);
}

bool isSpaceAt(QStringView text, qsizetype at)
{
    return text[at].isSpace();
}

bool isSpaceAt(QByteArrayView text, qsizetype at)
{
    return byteClasses().space[static_cast<unsigned char>(text[at])];
}

bool isLetterAt(QStringView text, qsizetype at)
{
    return text[at].isLetter();
}

bool isLetterAt(QByteArrayView text, qsizetype at)
{
    return byteClasses().letter[static_cast<unsigned char>(text[at])];
}

// mark is ASCII.
qsizetype find(QStringView text, char16_t mark, qsizetype from = 0)
{
    return text.indexOf(QChar(mark), from);
}

qsizetype find(QByteArrayView text, char16_t mark, qsizetype from = 0)
{
    return text.indexOf(char(mark), from);
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isFlag(char16_t c)
{
    return std::u16string_view(u"-+#0").find(c) != std::u16string_view::npos;
}

bool isLengthModifier(char16_t c)
{
    return std::u16string_view(u"hlLqjzt").find(c) != std::u16string_view::npos;
}

bool isConversion(char16_t c)
{
    return std::u16string_view(u"diouxXeEfFgGaAcsp").find(c) != std::u16string_view::npos;
}

template <typename Text> qsizetype skipWhile(Text text, qsizetype at, bool (*matches)(char16_t))
{
    while (at < text.size() && matches(unit(text, at)))
        ++at;
    return at;
}

// Length of the placeholder at the start of text (which starts with "%"), or 0 for none. A
// digit right after the "%" (or after "%L") is Qt's numbered kind, one or two digits long.
template <typename Text> qsizetype placeholderLength(Text text)
{
    qsizetype at = 1;
    if (at + 1 < text.size() && unit(text, at) == u'L' && isDigit(unit(text, at + 1)))
        ++at;
    if (at < text.size() && isDigit(unit(text, at)))
        return at + (at + 1 < text.size() && isDigit(unit(text, at + 1)) ? 2 : 1);
    at = skipWhile(text, 1, isFlag);
    at = skipWhile(text, at, isDigit);
    if (at < text.size() && unit(text, at) == u'.')
        at = skipWhile(text, at + 1, isDigit);
    at = skipWhile(text, at, isLengthModifier);
    return at < text.size() && isConversion(unit(text, at)) ? at + 1 : 0;
}

// The "%" sequences of a text: line-break markers are counted, placeholders collected.
template <typename Text> struct PercentSigns {
    explicit PercentSigns(Text text)
    {
        for (qsizetype at = find(text, u'%'); at >= 0; at = find(text, u'%', at)) {
            if (at + 1 < text.size() && unit(text, at + 1) == u'%') {
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
    QVarLengthArray<Text, 4> placeholders;
};

template <typename Text> qsizetype countAccessKeys(Text text)
{
    qsizetype count = 0;
    for (qsizetype at = find(text, u'&'); at >= 0 && at + 1 < text.size();
         at = find(text, u'&', at + 2)) {
        if (unit(text, at + 1) != u'&' && !isSpaceAt(text, at + 1))
            ++count;
    }
    return count;
}

template <typename Text> Text leadingSpace(Text text)
{
    qsizetype n = 0;
    while (n < text.size() && isSpaceAt(text, n))
        ++n;
    return text.first(n);
}

template <typename Text> Text trailingSpace(Text text)
{
    qsizetype n = 0;
    while (n < text.size() && isSpaceAt(text, text.size() - 1 - n))
        ++n;
    return text.last(n);
}

template <typename Text> bool hasLetter(Text text)
{
    for (qsizetype at = 0; at < text.size(); ++at)
        if (isLetterAt(text, at))
            return true;
    return false;
}

template <typename Text> Checks checkPercentSigns(Text first, Text value)
{
    if (find(first, u'%') < 0 && find(value, u'%') < 0)
        return {};
    const PercentSigns<Text> a(first);
    const PercentSigns<Text> b(value);
    Checks failed;
    failed.setFlag(Check::LineBreaks, a.lineBreaks != b.lineBreaks);
    failed.setFlag(Check::Placeholders, a.placeholders != b.placeholders);
    return failed;
}

template <typename Text> Checks checkValue(Text first, Text value)
{
    if (first.isEmpty() || value.isEmpty())
        return {};
    if (value == first)
        return hasLetter(value) ? Check::SameAsFirst : Checks();
    Checks failed = checkPercentSigns(first, value);
    failed.setFlag(Check::AccessKeys, countAccessKeys(first) != countAccessKeys(value));
    failed.setFlag(Check::OuterSpaces, leadingSpace(first) != leadingSpace(value) ||
                                           trailingSpace(first) != trailingSpace(value));
    return failed;
}

template <typename Table>
void appendEntry(QList<Warning> &out, const Table &table, qsizetype languageCount, qsizetype entry)
{
    const qsizetype key = entry * (languageCount + 1);
    if (languageCount < 2 || key < 0 || key + languageCount >= table.size())
        return;
    const auto &first = table.at(key + 1);
    for (qsizetype language = 1; language < languageCount; ++language) {
        if (const Checks failed = check(first, table.at(key + 1 + language)))
            out.append({entry, language, failed});
    }
}

// A packed table's ASCII pairs are checked on their bytes, the rest as text.
void appendEntry(QList<Warning> &out, const Lng::PackedLines &table, qsizetype languageCount,
                 qsizetype entry)
{
    const qsizetype key = entry * (languageCount + 1);
    if (languageCount < 2 || key < 0 || key + languageCount >= table.size())
        return;
    QString firstText;
    QString valueText;
    for (qsizetype language = 1; language < languageCount; ++language) {
        const qsizetype first = key + 1;
        const qsizetype value = first + language;
        const Checks failed =
            table.isAscii(first) && table.isAscii(value)
                ? check(table.asciiBytes(first), table.asciiBytes(value))
                : check(table.text(first, firstText), table.text(value, valueText));
        if (failed)
            out.append({entry, language, failed});
    }
}

template <typename Table>
QList<Warning> checkEveryEntry(const Table &table, qsizetype languageCount)
{
    QList<Warning> out;
    if (languageCount < 2)
        return out;
    const qsizetype entries = table.size() / (languageCount + 1);
    for (qsizetype entry = 0; entry < entries; ++entry)
        appendEntry(out, table, languageCount, entry);
    return out;
}

} // namespace

qsizetype accessKeyCount(QStringView text)
{
    return countAccessKeys(text);
}

qsizetype lineBreakCount(QStringView text)
{
    return PercentSigns<QStringView>(text).lineBreaks;
}

QStringList placeholders(QStringView text)
{
    QStringList out;
    for (const QStringView placeholder : PercentSigns<QStringView>(text).placeholders)
        out.append(placeholder.toString());
    return out;
}

Checks check(QStringView first, QStringView value)
{
    return checkValue(first, value);
}

Checks check(QByteArrayView first, QByteArrayView value)
{
    return checkValue(first, value);
}

QList<Warning> checkEntry(const QStringList &table, qsizetype languageCount, qsizetype entry)
{
    QList<Warning> out;
    appendEntry(out, table, languageCount, entry);
    return out;
}

QList<Warning> checkTable(const QStringList &table, qsizetype languageCount)
{
    return checkEveryEntry(table, languageCount);
}

QList<Warning> checkTable(const QList<QByteArrayView> &table, qsizetype languageCount)
{
    return checkEveryEntry(table, languageCount);
}

QList<Warning> checkEntry(const Lng::PackedLines &table, qsizetype languageCount, qsizetype entry)
{
    QList<Warning> out;
    appendEntry(out, table, languageCount, entry);
    return out;
}

QList<Warning> checkTable(const Lng::PackedLines &table, qsizetype languageCount)
{
    return checkEveryEntry(table, languageCount);
}

} // namespace Parlox::ValueChecks
