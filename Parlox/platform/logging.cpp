#include <Parlox/platform/logging.h>

namespace Parlox {

Q_LOGGING_CATEGORY(parloxLog, "parlox")

} // namespace Parlox
