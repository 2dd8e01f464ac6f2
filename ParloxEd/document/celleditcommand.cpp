#include "celleditcommand.h"

namespace ParloxEd {

CellEditCommand::CellEditCommand(const EditorDocument::CellRef &cell, QString before, QString after,
                                 int session, Apply apply)
    : m_cell(cell), m_before(std::move(before)), m_after(std::move(after)), m_session(session),
      m_apply(std::move(apply))
{
}

bool CellEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CellEditCommand *>(other);
    if (next->m_cell != m_cell || next->m_session != m_session)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

void CellEditCommand::undo()
{
    m_apply(m_cell, m_before);
}

void CellEditCommand::redo()
{
    if (m_pushed)
        m_apply(m_cell, m_after);
    m_pushed = true;
}

} // namespace ParloxEd
