#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Parlox {

// The key lines of a translator's table hashed once, without regard to case, so that a form
// of many components does not scan the table once per text and a repeated user-string lookup
// costs one hash. The first of several equal keys wins, as in a scan from the top. Built when
// a table is loaded or read from the translations file, and kept while that table is.
class FormStringIndex {
public:
    enum class Keys {
        Paths,       // form strings: "[" + property path + "]"
        Identifiers, // user strings: "%" + identifier + "%"
    };

    explicit FormStringIndex(const QStringList &table, Keys keys = Keys::Paths);

    // The line of the first key naming this path or identifier, or -1.
    qsizetype keyLine(QStringView name) const;
    // The value stored for a property path in the language at position language (-1 when it
    // is not listed), or the empty text when there is none.
    QString value(QStringView path, qsizetype language) const;

    // The values of one language: its position in the language list, -1 when not listed.
    struct Language {
        const FormStringIndex &index;
        qsizetype position = -1;
        QString value(QStringView path) const { return index.value(path, position); }
        // The value of the entry whose key stands at keyLine.
        QString valueAt(qsizetype keyLine) const;
    };

    const QStringList &table() const { return m_table; }
    // Whether this index was built from that table as it is now. Any non-const use of a table
    // that shares its lines with the index detaches it, so a table changed since no longer
    // has the index's lines.
    bool isIndexOf(const QStringList &table) const
    {
        return table.constData() == m_table.constData() && table.size() == m_table.size();
    }

    // A key compared and hashed without regard to case.
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
    QHash<Path, qsizetype> m_keyLines;
};

size_t qHash(FormStringIndex::Path path, size_t seed = 0) noexcept;

} // namespace Parlox
