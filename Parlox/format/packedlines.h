#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <iterator>

namespace Parlox::Lng {

// A table's lines held compactly: their texts one after another in one block of memory, each in
// the narrowest form that holds it (a byte per character for ASCII and Latin-1, UTF-16 beyond),
// and 8 bytes per line that say where. A file's lines take about the file's size, where a list
// of QStrings takes four to six times that.
//
// Reading a line never allocates through view(); at() gives it as a QString. Setting a line
// writes its new text at the end of the block, and the block is compacted when more than half
// of it is stale, so views last until the next change. Copies share the block until one of
// them is written, like Qt's containers.
class PackedLines {
public:
    PackedLines() = default;
    explicit PackedLines(const QStringList &lines);
    // count empty lines.
    static PackedLines empties(qsizetype count);

    qsizetype size() const { return m_spans.size(); }
    bool isEmpty() const { return m_spans.isEmpty(); }
    void reserve(qsizetype lines, qsizetype bytes);
    // Gives back the room reserved beyond what the lines take.
    void squeeze();

    QAnyStringView view(qsizetype i) const;
    // Calls f with the line as a QLatin1StringView or a QStringView, as it is stored: what a
    // scan over many lines uses, with no allocation and no conversion.
    template <class F> decltype(auto) visit(qsizetype i, F &&f) const
    {
        const Span &span = m_spans[i];
        const char *data = m_block.constData() + span.offset;
        if (formOf(span) == Form::Utf16)
            return f(QStringView(reinterpret_cast<const char16_t *>(data), span.bytes / 2));
        return f(QLatin1StringView(data, span.bytes));
    }
    QString at(qsizetype i) const { return view(i).toString(); }
    QString operator[](qsizetype i) const { return at(i); }
    // Empty for a line outside the list.
    QString value(qsizetype i) const { return i >= 0 && i < size() ? at(i) : QString(); }
    // The line as UTF-16 without allocating where the scratch string has room: a view of the
    // line itself or of the scratch.
    QStringView text(qsizetype i, QString &scratch) const;
    // True when the line is plain ASCII with no NUL: its bytes are the same in every encoding
    // a translations file may use, and asciiBytes() gives them.
    bool isAscii(qsizetype i) const { return formOf(m_spans[i]) == Form::Ascii; }
    QByteArrayView asciiBytes(qsizetype i) const;
    QStringList toList() const;
    // Where the line positions are kept: another address after a change that moved lines.
    const void *storage() const { return m_spans.constData(); }

    void append(QStringView text);
    // Bytes known to be ASCII without NUL, as a file holds them.
    void appendAscii(QByteArrayView bytes);
    // Line i of another list, copied as it is stored.
    void appendFrom(const PackedLines &other, qsizetype i);
    void set(qsizetype i, QStringView text);
    // Cuts the list to `count` lines, or adds empty ones up to it.
    void resize(qsizetype count);

    // Moves the lines for which which(i) is true, in order, to the end of `into`; the lines
    // left keep their order, and the block is not copied for them. Returns how many moved.
    template <class Which> qsizetype takeIf(Which which, PackedLines &into);
    // This list's lines and `count` lines of `values` from `from` on, merged in order: position
    // i of the result takes the next value where takeValue(i) is true, or where this list has
    // no line left.
    template <class TakeValue>
    void interleave(const PackedLines &values, qsizetype from, qsizetype count,
                    TakeValue takeValue);

    bool operator==(const PackedLines &other) const;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QString;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QString;
        const_iterator() = default;
        const_iterator(const PackedLines *lines, qsizetype i) : m_lines(lines), m_i(i) {}
        QString operator*() const { return m_lines->at(m_i); }
        const_iterator &operator++()
        {
            ++m_i;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++m_i;
            return old;
        }
        bool operator==(const const_iterator &) const = default;

    private:
        const PackedLines *m_lines = nullptr;
        qsizetype m_i = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    enum class Form : quint8 { Ascii, Latin1, Utf16 };
    // Where a line's text lies in the block: offset and size in bytes.
    struct Span {
        quint32 offset = 0;
        quint32 bytes : 30 = 0;
        quint32 form : 2 = quint32(Form::Ascii);
    };
    static_assert(sizeof(Span) == 8);

    static Form formOf(const Span &span) { return Form(span.form); }
    // The room a line takes when stored again, aligning UTF-16 included.
    static qsizetype storedSize(const Span &span)
    {
        return span.bytes + (formOf(span) == Form::Utf16 ? 1 : 0);
    }
    Span store(QStringView text);
    Span storeBytes(QByteArrayView bytes, Form form);
    // Line i stored again in another list's block, for that list to place.
    Span copyTo(PackedLines &other, qsizetype i) const;
    // Room for `bytes` more at the end of the block, at an offset that is a multiple of
    // `alignment`; throws std::bad_alloc past 4 GiB. Never moves what the spans refer to.
    char *grow(qsizetype bytes, qsizetype alignment, quint32 &offset);
    void release(const Span &span);
    void compactIfStale();

    QByteArray m_block;
    QList<Span> m_spans;
    qsizetype m_stale = 0; // bytes of the block no line refers to
};

template <class Which> qsizetype PackedLines::takeIf(Which which, PackedLines &into)
{
    const qsizetype before = into.size();
    qsizetype lines = 0;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < size(); ++i) {
        if (which(i)) {
            ++lines;
            bytes += storedSize(m_spans[i]);
        }
    }
    into.reserve(into.size() + lines, into.m_block.size() + bytes);
    QList<Span> kept;
    kept.reserve(size() - lines);
    for (qsizetype i = 0; i < size(); ++i) {
        if (which(i)) {
            into.appendFrom(*this, i);
            release(m_spans[i]);
        } else {
            kept.append(m_spans[i]);
        }
    }
    m_spans = std::move(kept);
    compactIfStale();
    return into.size() - before;
}

template <class TakeValue>
void PackedLines::interleave(const PackedLines &values, qsizetype from, qsizetype count,
                             TakeValue takeValue)
{
    QList<Span> out;
    const qsizetype total = size() + count;
    out.reserve(total);
    qsizetype bytes = 0;
    for (qsizetype i = from; i < from + count; ++i)
        bytes += storedSize(values.m_spans[i]);
    m_block.reserve(m_block.size() + bytes);
    qsizetype fromOwn = 0;
    qsizetype next = from;
    for (qsizetype i = 0; i < total; ++i) {
        if ((takeValue(i) && next < from + count) || fromOwn >= size())
            out.append(values.copyTo(*this, next++));
        else
            out.append(m_spans[fromOwn++]);
    }
    m_spans = std::move(out);
}

} // namespace Parlox::Lng
