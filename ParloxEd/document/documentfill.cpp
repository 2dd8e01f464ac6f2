// Filling untranslated values from the translations that the same source text has elsewhere.
#include "editordocument.h"
#include "sourceindex.h"

#include <QHash>
#include <QUndoStack>

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
    const qsizetype width = languages + 1;
    const int locked = m_grid->lockedColumn();
    const auto forEachEntry =
        [&](const std::function<void(TableRef, const PackedLines &, qsizetype)> &visit) {
            visitTables([&](TableRef table, const PackedLines &lines) {
                const qsizetype end = TableGridModel::shownLineCount(lines.size(), languages);
                for (qsizetype base = 1; base + languages <= end; base += width)
                    visit(table, lines, base);
            });
        };
    const auto fillable = [&](qsizetype language) {
        return language != source && int(language) + 1 != locked;
    };

    // The entries missing a translation, with their sources; then what those sources hold
    // everywhere, language by language.
    struct Gap {
        TableRef table;
        const PackedLines *lines;
        qsizetype base;
        QString key;
    };
    QList<Gap> gaps;
    QHash<QString, QList<QHash<QString, int>>> translations;
    forEachEntry([&](TableRef table, const PackedLines &lines, qsizetype base) {
        for (qsizetype language = 0; language < languages; ++language) {
            if (fillable(language) && lines.view(base + language).isEmpty()) {
                QString key = SourceIndex::normalised(lines.at(base + source));
                if (key.isEmpty())
                    return;
                translations.insert(key, QList<QHash<QString, int>>(languages));
                gaps.append({table, &lines, base, std::move(key)});
                return;
            }
        }
    });
    if (gaps.isEmpty())
        return 0;
    forEachEntry([&](TableRef, const PackedLines &lines, qsizetype base) {
        const auto counts = translations.find(SourceIndex::normalised(lines.at(base + source)));
        if (counts == translations.end())
            return;
        for (qsizetype language = 0; language < languages; ++language) {
            if (language != source && !lines.view(base + language).isEmpty())
                ++(*counts)[language][lines.at(base + language)];
        }
    });
    QList<ValueChange> filled;
    for (const Gap &gap : gaps) {
        const QList<QHash<QString, int>> &counts = translations.value(gap.key);
        for (qsizetype language = 0; language < languages; ++language) {
            if (!fillable(language) || !gap.lines->view(gap.base + language).isEmpty())
                continue;
            // Copied as it stands: its access key belongs to its language.
            const QString text = mostFrequent(counts.at(language));
            if (!text.isEmpty())
                filled.append({gap.table, gap.base + language, QString(), text});
        }
    }
    const auto count = int(filled.size());
    pushValueChanges(std::move(filled));
    return count;
}

} // namespace ParloxEd
