#pragma once

#include <QString>
#include <QStringList>

namespace ParloxEd {

// The editor's command line: `ParloxEd [FILE]`, FILE being the translations file to open at
// start-up (the desktop entry passes the file chosen in a file manager).
struct CommandLine {
    QString file;  // absolute, or empty when none was given
    QString error; // what is wrong with the command line; empty when nothing is
    bool help = false;
    QString usage; // the help text, for --help and after an error
};

// arguments as QCoreApplication::arguments() gives them, the program first.
CommandLine parseCommandLine(const QStringList &arguments);

} // namespace ParloxEd
