#pragma once

#include <QList>
#include <QWidget>

class QFormLayout;
class QLabel;
class QPlainTextEdit;

namespace ParloxEd {

class EditorDocument;

// One entry of the table shown, whole: its key (under the key column's title) and one
// multi-line editor per language. The editors edit the grid's cells, so what is typed here is
// in the grid at once and each change is a document command like typing in the grid.
class DetailPane : public QWidget {
    Q_OBJECT

public:
    DetailPane(EditorDocument &document, QWidget *parent);

    // The grid's model row of the entry to show.
    void showEntry(int entry);
    QPlainTextEdit *editor(int language) const { return m_editors.value(language); }

protected:
    // Enter moves on to the next language: a value is one line of its table.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One labelled editor per language of the document.
    void rebuild();
    // Texts from the grid; an editor already holding its cell's text is left alone, so typing
    // in it keeps its cursor.
    void refresh();
    void edited(int language);

    EditorDocument &m_document;
    QFormLayout *m_form;
    QLabel *m_keyTitle;
    QLabel *m_key;
    QList<QPlainTextEdit *> m_editors;
    QObject *m_undoKeys;
    int m_entry = 0;
    bool m_filling = false;
};

} // namespace ParloxEd
