#pragma once

#include <QStringList>

class QIODevice;

// The `parlox-design` command line: a form designer for scripts and build steps. Kept apart
// from main() so tests can run every command in-process.
namespace Parlox::DesignTool {

enum ExitCode { Success = 0, Failed = 1, Usage = 2 };

// args are the arguments after the program name. Questions are answered from in (echoed to
// err unless in is a terminal that shows them); problems, message boxes and usage go to err,
// each as UTF-8 lines; out gets the help text.
int run(const QStringList &args, QIODevice &in, QIODevice &out, QIODevice &err,
        bool inIsTerminal = false);

} // namespace Parlox::DesignTool
