#pragma once

#include <QObject>

class QAction;

namespace ParloxEd {

class EditorDocument;
class MainFormUi;
class UserDialogs;

// View > Protect the default language: while on, the default language's column (the source
// the others are translated from) takes no typing, in the grid or the entry pane. Off at
// first, and remembered from one run to the next.
class DefaultLanguageLock : public QObject {
    Q_OBJECT

public:
    DefaultLanguageLock(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                        QObject *parent);

private:
    void apply() const;
    void remember(bool on) const;

    EditorDocument &m_document;
    const MainFormUi &m_ui;
    const UserDialogs &m_dialogs;
    QAction *m_toggle;
};

} // namespace ParloxEd
