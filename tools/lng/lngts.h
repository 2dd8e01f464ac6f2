#pragma once

#include <QStringList>

class QIODevice;

// `parlox-lng export --format ts` and `parlox-lng import FILE.LNG FILE.ts`: a translations
// file's tr() tables to and from Qt Linguist.
namespace Parlox::LngTs {

// Whether args (starting with "export" or "import") ask for a .ts file.
bool handles(const QStringList &args);

// Returns an LngTool::ExitCode; throws Error for a file that cannot be read or written.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace Parlox::LngTs
