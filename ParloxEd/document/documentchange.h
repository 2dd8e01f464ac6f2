#pragma once

#include <QUndoCommand>
#include <functional>

namespace ParloxEd {

// A document change that redo makes by running one function and undo reverts by running the
// other; pushing it onto a stack runs the redo.
class DocumentChange : public QUndoCommand {
public:
    DocumentChange(std::function<void()> undo, std::function<void()> redo)
        : m_undo(std::move(undo)), m_redo(std::move(redo))
    {
    }

    void undo() override { m_undo(); }
    void redo() override { m_redo(); }

private:
    std::function<void()> m_undo;
    std::function<void()> m_redo;
};

} // namespace ParloxEd
