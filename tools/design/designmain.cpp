#include "designtool.h"
#include <Parlox/registercomponents.h>

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    // A designer for scripts and build steps: no screen needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Parlox::registerComponents();
    QStringList args = QApplication::arguments();
    args.removeFirst();
    QFile in;
    QFile out;
    QFile err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return Parlox::DesignTool::run(args, in, out, err, ::isatty(STDIN_FILENO) == 1);
}
