#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Parlox {

// The form-strings lookups of one ApplyLanguage: every key line of the table is hashed once,
// without regard to case, so that a form of many components does not scan the table once per
// text. The first of several equal keys wins, as in a scan from the top. Built for one call and
// thrown away: the table may change between calls.
class FormStringIndex {
public:
    // language: the position of the language being applied, -1 when it is not listed.
    FormStringIndex(const QStringList &table, qsizetype language);

    // The value stored for a property path, or the empty text when there is none.
    QString value(QStringView path) const;

    // A property path compared and hashed without regard to case.
    struct Path {
        QStringView text;
        friend bool operator==(Path a, Path b)
        {
            return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
        }
    };

private:
    // A copy shares the lines, so the views stay valid even if the translator's table is
    // changed while the index is in use.
    const QStringList m_table;
    qsizetype m_language = -1;
    QHash<Path, qsizetype> m_keyLines;
};

size_t qHash(FormStringIndex::Path path, size_t seed = 0) noexcept;

} // namespace Parlox
