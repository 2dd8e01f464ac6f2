#pragma once

#include <QList>
#include <QWidget>

class QFormLayout;
class QLabel;
class QPlainTextEdit;

namespace ParloxEd {

class EditorDocument;
class SuggestionsView;

// One entry of the table shown, whole: its key (under the key column's title), one
// multi-line editor per language and, under them, the translations its source has elsewhere. The
// editors edit the grid's cells, so what is typed here is in the grid at once and each change is a
// document command like typing in the grid.
//
// Keys: Enter goes on to the next language's editor, and from the last one back into the
// grid; Shift+Enter starts a new line where the table holds line breaks (a user string's "%%",
// which the editors show as a real line break).
class DetailPane : public QWidget {
    Q_OBJECT

public:
    DetailPane(EditorDocument &document, QWidget *parent);

    // The grid's model row of the entry to show.
    void showEntry(int entry);
    QPlainTextEdit *editor(int language) const { return m_editors.value(language); }
    SuggestionsView &suggestions() const { return *m_suggestions; }
    // Puts the keys into the editor of a language (the first one when there is no such).
    void focusLanguage(int language);

signals:
    // Enter in the last language's editor: the keys go back to the grid.
    void leftLastEditor();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // As many labelled editors as the document has languages. Editors are kept and reused,
    // and a hidden pane waits until it shows: a file of hundreds of languages costs nothing
    // while the pane is closed, and a change of table costs no new widgets.
    void syncEditors();
    // The labels of the languages first to last, and the key column's title in the interface
    // language.
    void relabel(int first, int last);
    // Texts from the grid; an editor already holding its cell's text is left alone, so typing
    // in it keeps its cursor.
    void refresh();
    static void alignByDirection(QPlainTextEdit &editor, const QString &value);
    void edited(int language);
    bool holdsLineBreaks() const;
    QString shown(const QString &value) const;
    QString stored(const QString &text) const;

    EditorDocument &m_document;
    QFormLayout *m_form;
    QLabel *m_keyTitle;
    QLabel *m_key;
    QList<QPlainTextEdit *> m_editors;
    QObject *m_undoKeys;
    SuggestionsView *m_suggestions;
    int m_entry = 0;
    bool m_filling = false;
    bool m_stale = true;
};

} // namespace ParloxEd
