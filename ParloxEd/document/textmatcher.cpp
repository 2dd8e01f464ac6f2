#include "textmatcher.h"

#include <algorithm>

namespace ParloxEd {
namespace {

// QChar::toCaseFolded, with the ASCII letters done inline. Characters outside the BMP never
// fold to ASCII, and a surrogate half folds to itself, so UTF-16 units can be folded alone.
inline char16_t folded(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    return QChar::toCaseFolded(c);
}

} // namespace

TextMatcher::TextMatcher(const QString &pattern, bool skipAccessKeys)
    : m_folded(pattern.toCaseFolded()), m_others(pattern, Qt::CaseInsensitive),
      m_ascii(std::all_of(pattern.cbegin(), pattern.cend(),
                          [](QChar c) { return c.unicode() < 0x80; })),
      m_skipAmpersands(skipAccessKeys && !pattern.contains(u'&'))
{
}

bool TextMatcher::foundIn(QStringView text) const
{
    if (m_ascii)
        return asciiFoundIn(text.utf16(), text.size());
    if (!m_skipAmpersands)
        return m_others.indexIn(text) >= 0;
    return m_others.indexIn(text.toString().remove(u'&')) >= 0;
}

bool TextMatcher::foundIn(QLatin1StringView text) const
{
    // An ASCII pattern is matched on the bytes: no Latin-1 character folds to ASCII.
    if (m_ascii)
        return asciiFoundIn(reinterpret_cast<const uchar *>(text.data()), text.size());
    return foundIn(QStringView(text.toString()));
}

template <typename Unit> bool TextMatcher::asciiFoundIn(const Unit *chars, qsizetype size) const
{
    const qsizetype length = m_folded.size();
    if (length == 0)
        return true;
    const char16_t *pattern = reinterpret_cast<const char16_t *>(m_folded.constData());
    const qsizetype lastStart = m_skipAmpersands ? size - 1 : size - length;
    for (qsizetype at = 0; at <= lastStart; ++at) {
        if (folded(chars[at]) != pattern[0])
            continue;
        qsizetype i = 1;
        for (qsizetype next = at + 1; i < length && next < size; ++next) {
            if (m_skipAmpersands && chars[next] == u'&')
                continue;
            if (folded(chars[next]) != pattern[i])
                break;
            ++i;
        }
        if (i == length)
            return true;
    }
    return false;
}

} // namespace ParloxEd
