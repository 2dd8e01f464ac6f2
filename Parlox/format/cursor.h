#pragma once

#include <QByteArrayView>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace Parlox::Lng {

// Sequential reader over a file's bytes that never goes past their end. Each read says
// whether its field was all there; a field cut off by the end leaves the cursor at the end,
// an integer cut off reads 0 and a string cut off holds the bytes that are there.
class Cursor {
public:
    Cursor(QByteArrayView data, qint64 pos)
        : m_data(data), m_pos(pos < 0 ? data.size() : std::min<qint64>(pos, data.size()))
    {
    }

    bool atEnd() const { return m_pos >= m_data.size(); }
    qint64 pos() const { return m_pos; }

    bool readInt(qint32 &value)
    {
        if (m_data.size() - m_pos < 4) {
            m_pos = m_data.size();
            value = 0;
            return false;
        }
        value = qFromLittleEndian<qint32>(m_data.data() + m_pos);
        m_pos += 4;
        return true;
    }

    // False when no NUL ends the string before the end of the data.
    bool readString(QByteArrayView &text)
    {
        const char *start = m_data.data() + m_pos;
        const qint64 left = m_data.size() - m_pos;
        const void *nul = left > 0 ? std::memchr(start, 0, size_t(left)) : nullptr;
        const qint64 length = nul ? static_cast<const char *>(nul) - start : left;
        text = QByteArrayView(start, length);
        m_pos += nul ? length + 1 : length;
        return nul != nullptr;
    }

private:
    QByteArrayView m_data;
    qint64 m_pos;
};

} // namespace Parlox::Lng
