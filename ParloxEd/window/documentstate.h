#pragma once

#include <QObject>

class QLabel;

namespace ParloxEd {

class EditorDocument;
class MainFormUi;
class UserDialogs;

// What the window says of the document besides its caption, at the right of the status area:
// whether there are unsaved changes or the last save went through, the name of the table
// shown, and whether the file is read-only. Each follows a change of the interface language at
// once.
class DocumentState : public QObject {
    Q_OBJECT

public:
    DocumentState(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                  QObject *parent);

    // The Save command wrote the file.
    void saved();

private:
    enum class State { None, Modified, Saved };
    void show(State state);
    void retranslate();

    EditorDocument &m_document;
    const MainFormUi &m_ui;
    const UserDialogs &m_dialogs;
    QLabel *m_table;
    QLabel *m_state;
    State m_shown = State::None;
};

} // namespace ParloxEd
