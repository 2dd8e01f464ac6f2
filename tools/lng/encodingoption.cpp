#include "encodingoption.h"

#include <Parlox/format/lngfile.h>

#include <QIODevice>
#include <optional>

namespace Parlox::EncodingOption {
namespace {

// One command runs per process, or per call of a tool's run() in tests, which takes the
// option afresh each time.
std::optional<Encoding> chosen;

QString names()
{
    QStringList all;
    for (const Encoding e : allEncodings())
        all.append(encodingName(e));
    return all.join(QStringLiteral(", "));
}

} // namespace

bool take(QStringList &args, QIODevice &err)
{
    chosen.reset();
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name;
        if (args[i] == u"--encoding") {
            if (i + 1 >= args.size())
                name = QStringLiteral("(none)");
            else
                name = args.takeAt(i + 1);
        } else if (args[i].startsWith(u"--encoding=")) {
            name = args[i].mid(11);
        } else {
            continue;
        }
        args.removeAt(i);
        chosen = encodingFromName(name);
        if (!chosen) {
            err.write(QStringLiteral("--encoding: unknown encoding \"%1\"; known: %2.\n")
                          .arg(name, names())
                          .toUtf8());
            return false;
        }
        --i;
    }
    return true;
}

Encoding of(QByteArrayView file)
{
    return chosen ? *chosen : Lng::detectFileEncoding(file);
}

Encoding forNewFile()
{
    return chosen.value_or(Encoding::Windows1252);
}

} // namespace Parlox::EncodingOption
