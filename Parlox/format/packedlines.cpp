#include <Parlox/format/packedlines.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace Parlox::Lng {

namespace {

constexpr qsizetype MaxBlock = std::numeric_limits<quint32>::max();
constexpr qsizetype MaxLine = (qsizetype(1) << 30) - 1;
// Compacting a small block saves too little to be worth a pass.
constexpr qsizetype MinStaleToCompact = 1 << 20;

} // namespace

PackedLines::PackedLines(const QStringList &lines)
{
    reserve(lines.size(), 0);
    for (const QString &line : lines)
        append(line);
}

PackedLines PackedLines::empties(qsizetype count)
{
    PackedLines lines;
    lines.resize(count);
    return lines;
}

void PackedLines::reserve(qsizetype lines, qsizetype bytes)
{
    m_spans.reserve(lines);
    m_block.reserve(bytes);
}

void PackedLines::squeeze()
{
    m_spans.squeeze();
    m_block.squeeze();
}

QAnyStringView PackedLines::view(qsizetype i) const
{
    const Span &span = m_spans.at(i);
    const char *data = m_block.constData() + span.offset;
    if (formOf(span) == Form::Utf16)
        return QStringView(reinterpret_cast<const char16_t *>(data), span.bytes / 2);
    return QLatin1StringView(data, span.bytes);
}

QStringView PackedLines::text(qsizetype i, QString &scratch) const
{
    const Span &span = m_spans.at(i);
    const char *data = m_block.constData() + span.offset;
    if (formOf(span) == Form::Utf16)
        return QStringView(reinterpret_cast<const char16_t *>(data), span.bytes / 2);
    // Widened in place: resizing within the scratch's capacity does not allocate.
    scratch.resize(span.bytes);
    char16_t *out = reinterpret_cast<char16_t *>(scratch.data());
    for (quint32 k = 0; k < span.bytes; ++k)
        out[k] = uchar(data[k]);
    return scratch;
}

QByteArrayView PackedLines::asciiBytes(qsizetype i) const
{
    const Span &span = m_spans.at(i);
    return QByteArrayView(m_block.constData() + span.offset, span.bytes);
}

QStringList PackedLines::toList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(at(i));
    return lines;
}

char *PackedLines::grow(qsizetype bytes, qsizetype alignment, quint32 &offset)
{
    const qsizetype start = (m_block.size() + alignment - 1) / alignment * alignment;
    if (bytes > MaxLine || start + bytes > MaxBlock)
        throw std::bad_alloc();
    // Whole tables are appended into reserved room; single edits get an eighth more each time,
    // so that the first edit of a large table does not double its memory.
    if (start + bytes > m_block.capacity())
        m_block.reserve(std::max(start + bytes, m_block.capacity() / 8 * 9 + 4096));
    m_block.resize(start + bytes);
    offset = quint32(start);
    return m_block.data() + start;
}

PackedLines::Span PackedLines::storeBytes(QByteArrayView bytes, Form form)
{
    Span span;
    span.bytes = quint32(bytes.size());
    span.form = quint32(form);
    if (!bytes.isEmpty())
        std::memcpy(grow(bytes.size(), form == Form::Utf16 ? 2 : 1, span.offset), bytes.data(),
                    bytes.size());
    return span;
}

PackedLines::Span PackedLines::store(QStringView text)
{
    char16_t widest = 0;
    bool hasNul = false;
    for (const QChar c : text) {
        widest = std::max(widest, c.unicode());
        hasNul |= c.isNull();
    }
    if (widest >= 0x100) {
        return storeBytes(
            QByteArrayView(reinterpret_cast<const char *>(text.utf16()), text.size() * 2),
            Form::Utf16);
    }
    Span span;
    span.bytes = quint32(text.size());
    // A NUL cannot be written as it stands, so it never takes the path that copies bytes.
    span.form = quint32(widest < 0x80 && !hasNul ? Form::Ascii : Form::Latin1);
    if (!text.isEmpty()) {
        char *out = grow(text.size(), 1, span.offset);
        for (qsizetype k = 0; k < text.size(); ++k)
            out[k] = char(text[k].unicode());
    }
    return span;
}

PackedLines::Span PackedLines::copyTo(PackedLines &other, qsizetype i) const
{
    const Span &span = m_spans.at(i);
    return other.storeBytes(QByteArrayView(m_block.constData() + span.offset, span.bytes),
                            formOf(span));
}

void PackedLines::append(QStringView text)
{
    m_spans.append(store(text));
}

void PackedLines::appendAscii(QByteArrayView bytes)
{
    m_spans.append(storeBytes(bytes, Form::Ascii));
}

void PackedLines::appendFrom(const PackedLines &other, qsizetype i)
{
    m_spans.append(other.copyTo(*this, i));
}

void PackedLines::set(qsizetype i, QStringView text)
{
    release(m_spans.at(i));
    m_spans[i] = store(text);
    compactIfStale();
}

void PackedLines::resize(qsizetype count)
{
    for (qsizetype i = count; i < size(); ++i)
        release(m_spans[i]);
    m_spans.resize(count);
    compactIfStale();
}

void PackedLines::release(const Span &span)
{
    m_stale += span.bytes;
}

void PackedLines::compactIfStale()
{
    if (m_stale < MinStaleToCompact || m_stale * 2 < m_block.size())
        return;
    PackedLines live;
    live.reserve(size(), m_block.size() - m_stale);
    for (qsizetype i = 0; i < size(); ++i)
        live.appendFrom(*this, i);
    *this = std::move(live);
}

bool PackedLines::operator==(const PackedLines &other) const
{
    if (size() != other.size())
        return false;
    // A copy not written since is equal without a look at its lines.
    if (m_spans.constData() == other.m_spans.constData() &&
        m_block.constData() == other.m_block.constData())
        return true;
    for (qsizetype i = 0; i < size(); ++i)
        if (QAnyStringView::compare(view(i), other.view(i)) != 0)
            return false;
    return true;
}

} // namespace Parlox::Lng
