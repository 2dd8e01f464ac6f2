#pragma once

#include "editordocument.h"

#include <QUndoCommand>
#include <functional>

namespace ParloxEd {

// The typing in one cell, from the text it held before to the text it holds now. The text is
// already in the grid when the command is pushed. Keystrokes in the same cell merge into one
// command until the typing there ends; typing that comes back to the old text leaves none.
class CellEditCommand : public QUndoCommand {
public:
    // Puts a text into a cell, showing its table first where needed.
    using Apply = std::function<void(const EditorDocument::CellRef &, const QString &)>;

    CellEditCommand(const EditorDocument::CellRef &cell, QString before, QString after, int session,
                    Apply apply);

    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;

private:
    static constexpr int Id = 1;

    EditorDocument::CellRef m_cell;
    QString m_before;
    QString m_after;
    int m_session = 0;
    Apply m_apply;
    bool m_pushed = false;
};

} // namespace ParloxEd
