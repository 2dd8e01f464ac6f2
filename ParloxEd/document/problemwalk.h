#pragma once

#include "editordocument.h"
#include "warningsubject.h"

#include <optional>

namespace ParloxEd {

// The cell after `from` (step 1) or before it (step -1) that wants the translator: an empty
// value, or a value failing a check that was not accepted. Row by row and table by table in
// menu order, coming round to `from` itself last; none when no cell does.
std::optional<EditorDocument::CellRef> nextProblem(const EditorDocument &document,
                                                   const EditorDocument::CellRef &from, int step,
                                                   const IsAccepted &accepted);

} // namespace ParloxEd
