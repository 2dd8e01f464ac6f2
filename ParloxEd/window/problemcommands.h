#pragma once

#include "warningsubject.h"

#include <QObject>

class QAction;

namespace ParloxEd {

class EditorDocument;
class MainFormUi;
class UserDialogs;

// Edit > Next problem (F8) and Previous problem (Shift+F8): the grid goes to the next or
// previous empty value or value with a warning not accepted, across every table and coming
// round, the keys staying in the grid with the cell's text unselected.
class ProblemCommands : public QObject {
    Q_OBJECT

public:
    ProblemCommands(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                    IsAccepted accepted, QObject *parent);

private:
    QAction *addCommand(const char *name, const QKeySequence &key, int step);
    void go(int step) const;
    void retranslate() const;

    EditorDocument &m_document;
    const MainFormUi &m_ui;
    const UserDialogs &m_dialogs;
    IsAccepted m_accepted;
    QAction *m_next = nullptr;
    QAction *m_previous = nullptr;
};

} // namespace ParloxEd
