#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace ParloxEd {

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Parlox Application Translations File Editor"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The translations file (.LNG) to open."),
                                 QStringLiteral("[FILE]"));
    CommandLine command;
    command.usage = parser.helpText();
    if (!parser.parse(arguments)) {
        command.error = parser.errorText();
        return command;
    }
    command.help = parser.isSet(QStringLiteral("help"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        command.error = QStringLiteral("Only one file can be opened at a time.");
    else if (!files.isEmpty())
        command.file = QFileInfo(files.first()).absoluteFilePath();
    return command;
}

} // namespace ParloxEd
