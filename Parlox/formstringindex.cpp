#include <Parlox/formstringindex.h>

#include <Parlox/formpaths.h>

namespace Parlox {

// Consistent with the case-insensitive comparison: each unit is hashed case-folded, and the
// units of surrogate pairs (which fold as pairs) are left out.
size_t qHash(FormStringIndex::Path path, size_t seed) noexcept
{
    size_t hash = seed ^ size_t(path.text.size());
    for (const QChar c : path.text) {
        const char16_t u = c.unicode();
        // Keys are nearly always ASCII; fold those inline and leave the rest to Qt's tables.
        if (u < 0x80)
            hash = hash * 31 + (u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u);
        else if (!c.isSurrogate())
            hash = hash * 31 + QChar::toCaseFolded(u);
    }
    return hash;
}

FormStringIndex::FormStringIndex(const QStringList &table, Keys keys) : m_table(table)
{
    // Only a line between the delimiters can equal a key between them, whatever the case (no
    // other character folds to "[", "]" or "%"); value lines stay out of the hash, and the
    // delimiters themselves are not hashed. Walking from the bottom lets the first of several
    // equal keys overwrite the others, with one hash per key line.
    const QChar open = keys == Keys::Paths ? u'[' : u'%';
    const QChar close = keys == Keys::Paths ? u']' : u'%';
    m_keyLines.reserve(m_table.size() / 2);
    for (qsizetype i = m_table.size() - 1; i >= 0; --i) {
        const QString &line = m_table[i];
        if (line.size() < 2 || line.front() != open || line.back() != close)
            continue;
        m_keyLines.insert(Path{QStringView(line).sliced(1, line.size() - 2)}, i);
    }
}

qsizetype FormStringIndex::keyLine(QStringView name) const
{
    return m_keyLines.value(Path{name}, -1);
}

QString FormStringIndex::value(QStringView path, qsizetype language) const
{
    const qsizetype line = keyLine(path);
    return line < 0 ? QString() : FormPaths::valueAfterKey(m_table, line, language);
}

QString FormStringIndex::Language::valueAt(qsizetype keyLine) const
{
    return FormPaths::valueAfterKey(index.table(), keyLine, position);
}

} // namespace Parlox
