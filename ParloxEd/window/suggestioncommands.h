#pragma once

#include <QObject>

namespace ParloxEd {

class EditorDocument;
class MainFormUi;
class SuggestionsView;
class UserDialogs;

// The Edit menu's commands over the translations that identical source texts have: applying
// the Entry pane's first suggestions to the selected entry (Ctrl+I, wherever the keys are in the
// window), and filling every untranslated value whose source is translated elsewhere, telling
// how many were filled.
class SuggestionCommands : public QObject {
    Q_OBJECT

public:
    SuggestionCommands(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                       SuggestionsView &view, QObject *parent);

    void applySuggestions();
    void fillIdenticalSources();

private:
    EditorDocument &m_document;
    const UserDialogs &m_dialogs;
    SuggestionsView &m_view;
};

} // namespace ParloxEd
