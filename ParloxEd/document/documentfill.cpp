// Filling untranslated values from the translations that the same source text has elsewhere.
#include "editordocument.h"
#include "sourceindex.h"

#include <QHash>
#include <QUndoStack>
#include <functional>

namespace ParloxEd {
namespace {

// The text to fill in: the one translation, or the one more frequent than every other; none
// when two are equally frequent, as the choice is then the user's.
QString mostFrequent(const QHash<QString, int> &counts)
{
    QString best;
    int most = 0;
    bool tied = false;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            best = it.key();
            most = it.value();
            tied = false;
        } else if (it.value() == most) {
            tied = true;
        }
    }
    return tied ? QString() : best;
}

using TableRef = EditorDocument::TableRef;

// An entry of a table, by the line of its first value.
struct Entry {
    TableRef table;
    const PackedLines *lines = nullptr;
    qsizetype base = 0;
};

// An entry missing a translation, with its source as compared.
struct Gap {
    Entry entry;
    QString key;
};

// For each source wanted, per language, how often each translation occurs.
using Translations = QHash<QString, QList<QHash<QString, int>>>;

// The document's entries seen through their source texts (the default language's).
class SourceTexts {
public:
    using Fillable = std::function<bool(qsizetype language)>;
    SourceTexts(const EditorDocument &document, qsizetype languages, int source, Fillable fillable)
        : m_document(document), m_languages(languages), m_source(source),
          m_fillable(std::move(fillable))
    {
    }

    bool isEmptyAndFillable(const Entry &entry, qsizetype language) const
    {
        return m_fillable(language) && entry.lines->view(entry.base + language).isEmpty();
    }

    // The entries with a fillable value still empty and a source to look up.
    QList<Gap> gaps() const
    {
        QList<Gap> found;
        forEachEntry([&](const Entry &entry) {
            for (qsizetype language = 0; language < m_languages; ++language) {
                if (isEmptyAndFillable(entry, language)) {
                    if (QString key = sourceOf(entry); !key.isEmpty())
                        found.append({entry, std::move(key)});
                    return;
                }
            }
        });
        return found;
    }

    // What the gaps' sources are translated to everywhere, language by language.
    Translations translations(const QList<Gap> &gaps) const
    {
        Translations counts;
        for (const Gap &gap : gaps)
            counts.insert(gap.key, QList<QHash<QString, int>>(m_languages));
        forEachEntry([&](const Entry &entry) {
            const auto found = counts.find(sourceOf(entry));
            if (found == counts.end())
                return;
            for (qsizetype language = 0; language < m_languages; ++language) {
                if (language != m_source && !entry.lines->view(entry.base + language).isEmpty())
                    ++(*found)[language][entry.lines->at(entry.base + language)];
            }
        });
        return counts;
    }

private:
    QString sourceOf(const Entry &entry) const
    {
        return SourceIndex::normalised(entry.lines->at(entry.base + m_source));
    }

    void forEachEntry(const std::function<void(const Entry &)> &visit) const
    {
        m_document.visitTables([&](TableRef table, const PackedLines &lines) {
            const qsizetype end = TableGridModel::shownLineCount(lines.size(), m_languages);
            for (qsizetype base = 1; base + m_languages <= end; base += m_languages + 1)
                visit({table, &lines, base});
        });
    }

    const EditorDocument &m_document;
    qsizetype m_languages;
    int m_source;
    Fillable m_fillable;
};

} // namespace

int EditorDocument::fillEmptyValues(int entry, const QStringList &values)
{
    QList<int> columns;
    for (int language = 0; language < values.size(); ++language) {
        const int column = language + 1;
        if (!values.at(language).isEmpty() && m_grid->isEditable(column, entry) &&
            m_grid->value(column, entry).isEmpty())
            columns.append(column);
    }
    if (columns.isEmpty())
        return 0;
    // One step for the user: the cells are undone and redone together, and typing before or
    // after is a step of its own.
    endCellEdit();
    m_undo->beginMacro(QString());
    for (const int column : columns)
        m_grid->setValue(column, entry, values.at(column - 1));
    m_undo->endMacro();
    endCellEdit();
    return int(columns.size());
}

int EditorDocument::fillIdenticalSources()
{
    const int source = m_content.defaultIndex;
    if (!m_open || source < 0)
        return 0;
    const qsizetype languages = m_content.languages.size();
    const int locked = m_grid->lockedColumn();
    const SourceTexts texts{*this, languages, source, [&](qsizetype language) {
                                return language != source && int(language) + 1 != locked;
                            }};
    const QList<Gap> gaps = texts.gaps();
    if (gaps.isEmpty())
        return 0;
    const Translations translations = texts.translations(gaps);
    QList<ValueChange> filled;
    for (const Gap &gap : gaps) {
        const QList<QHash<QString, int>> &counts = translations.value(gap.key);
        for (qsizetype language = 0; language < languages; ++language) {
            if (!texts.isEmptyAndFillable(gap.entry, language))
                continue;
            // Copied as it stands: its access key belongs to its language.
            const QString text = mostFrequent(counts.at(language));
            if (!text.isEmpty())
                filled.append({gap.entry.table, gap.entry.base + language, QString(), text});
        }
    }
    const auto count = int(filled.size());
    pushValueChanges(std::move(filled));
    return count;
}

} // namespace ParloxEd
