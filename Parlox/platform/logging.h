#pragma once

#include <QLoggingCategory>

namespace Parlox {

// The category "parlox": every call the component set has to leave without effect (a window
// that is not linked, a key that names no component, a file that is missing or foreign, a
// language that is not listed) says so here as a warning. Turn it off with
// QT_LOGGING_RULES="parlox.warning=false".
Q_DECLARE_LOGGING_CATEGORY(parloxLog)

} // namespace Parlox
