#pragma once

#include <QWidget>

class QLabel;

namespace ParloxEd {

class EditorDocument;
class SourceIndex;

// The Entry pane's suggestions: for each language the selected entry has no value in, the
// translations its source text has elsewhere in the document, most frequent first with how
// often each occurs. Like the pane, a hidden list waits until it shows.
class SuggestionsView : public QWidget {
    Q_OBJECT

public:
    explicit SuggestionsView(EditorDocument &document, QWidget *parent = nullptr);

    // The grid's model row of the entry.
    void showEntry(int entry);
    // Fills the entry's empty values with their first suggestions, as one undoable step; the
    // number of values filled.
    int applyFirst();
    // The title and the empty list's text in the interface language.
    void retranslate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void changed();
    void refresh();

    EditorDocument &m_document;
    SourceIndex *m_index;
    QLabel *m_title;
    QLabel *m_list;
    int m_entry = 0;
    bool m_stale = true;
};

} // namespace ParloxEd
