#include "formstringindex.h"

#include "formpaths.h"
#include "tables.h"

namespace Parlox {

// Consistent with the case-insensitive comparison: each unit is hashed case-folded, and the
// units of surrogate pairs (which fold as pairs) are left out.
size_t qHash(FormStringIndex::Path path, size_t seed) noexcept
{
    size_t hash = seed ^ size_t(path.text.size());
    for (const QChar c : path.text) {
        if (!c.isSurrogate())
            hash = hash * 31 + QChar::toCaseFolded(c.unicode());
    }
    return hash;
}

FormStringIndex::FormStringIndex(const QStringList &table, qsizetype language)
    : m_table(table), m_language(language)
{
    // Only a line in brackets can equal a key in brackets, whatever the case; value lines
    // stay out of the hash, and the brackets themselves are not hashed.
    m_keyLines.reserve(m_table.size() / 2);
    for (qsizetype i = 0; i < m_table.size(); ++i) {
        const QString &line = m_table[i];
        if (line.size() < 2 || !Tables::isFormKey(line))
            continue;
        const Path path{QStringView(line).sliced(1, line.size() - 2)};
        if (!m_keyLines.contains(path))
            m_keyLines.insert(path, i);
    }
}

QString FormStringIndex::value(QStringView path) const
{
    const qsizetype line = m_keyLines.value(Path{path}, -1);
    return line < 0 ? QString() : FormPaths::valueAfterKey(m_table, line, m_language);
}

} // namespace Parlox
