#pragma once

#include "editordocument.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QModelIndex;

namespace ParloxEd {

// Where each source text (the default language's value) of the document stands, so that the
// translations the same source has elsewhere are found without reading the whole document.
// Sources compare with access-key "&"s, letter case and outer spaces ignored.
//
// Built on the first question and kept: a table whose lines a command changed (a replace, a
// language command, an undo of them) is indexed again on the next question, and typing in the
// grid moves just the entries whose source changed. The translations themselves are read when
// asked for, so typing them costs the index nothing.
class SourceIndex : public QObject {
    Q_OBJECT

public:
    struct Suggestion {
        QString text;
        int count = 0;
        bool operator==(const Suggestion &) const = default;
    };

    explicit SourceIndex(const EditorDocument &document, QObject *parent = nullptr);

    // The source as compared: without "&"s and outer spaces, case-folded.
    static QString normalised(QStringView source);

    // For each language whose value in that entry of the table shown is empty, the
    // translations the same source has in the other entries of the document, most frequent
    // first (the first found first among equals); an empty list for every other language.
    QList<QList<Suggestion>> suggestionsFor(int entry);
    // The first suggestion of each language, an empty text where there is none.
    QStringList firstSuggestions(int entry);

private:
    // One more occurrence of a translation among a language's suggestions.
    static void countIn(QList<Suggestion> &list, const QString &text);
    // (hash of the normalised source, entry) of a table's entries, sorted; entries with no
    // source are left out.
    using Keys = std::vector<std::pair<quint64, int>>;
    struct Table {
        EditorDocument::TableRef ref;
        // The document's own lines as indexed: held, so that a change of them shows as other
        // lines, never as the same ones changed. Not for the table shown: the grid types into
        // it in place, which would copy it at every keystroke; its changes are signalled.
        PackedLines held;
        Keys keys;
        bool stale = false;
    };

    void sync();
    void index(Table &table) const;
    void rowsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles);
    void rekey(Table &table, int entry) const;
    Table *shownTable();
    Table *tableOf(EditorDocument::TableRef ref);
    // Another table is shown: the one left is held from now on, the one shown no longer.
    void followShownTable();
    QString sourceAt(const PackedLines &lines, int entry) const;

    const EditorDocument &m_document;
    QList<Table> m_tables;
    // The table the grid showed when last followed; its lines are not held.
    EditorDocument::TableRef m_shown;
    int m_defaultIndex = -1;
    qsizetype m_languages = 0;
    bool m_built = false;
};

} // namespace ParloxEd
