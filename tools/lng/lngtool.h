#pragma once

#include <QStringList>

class QIODevice;

// The `parlox-lng` command line: dump, build, check, export and import. Kept apart from main() so
// tests can run every command in-process.
namespace Parlox::LngTool {

enum ExitCode { Success = 0, BadInput = 1, Usage = 2 };

// args are the arguments after the program name. Normal output goes to out, problems and
// usage to err, each as UTF-8 lines.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

// Writes line and a line break in UTF-8.
void printLine(QIODevice &device, const QString &line);

} // namespace Parlox::LngTool
