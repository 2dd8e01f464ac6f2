#include "translationargs.h"

#include "lngtool.h"

#include <QCommandLineParser>
#include <QIODevice>

namespace Parlox {
namespace {

const QString ExportUsage = QStringLiteral(
    "usage: parlox-lng export FILE.LNG --format po|xliff --language NAME [-o OUT] [--partial]");
const QString ImportUsage = QStringLiteral(
    "usage: parlox-lng import FILE.LNG TRANSLATED.po|.xlf --language NAME [--partial] "
    "[--any-language] [--fuzzy]");

// Why the parsed arguments cannot be used; empty when they can.
QString misuse(const QCommandLineParser &parser, bool exporting, const TranslationArgs &parsed)
{
    const qsizetype wanted = exporting ? 1 : 2;
    if (parser.positionalArguments().size() != wanted)
        return exporting ? QStringLiteral("export takes one translations file.")
                         : QStringLiteral("import takes a translations file and a translated "
                                          "file.");
    if (parsed.language.isEmpty())
        return QStringLiteral("--language NAME is missing.");
    if (exporting && parsed.format != u"po" && parsed.format != u"xliff")
        return QStringLiteral("--format must be po or xliff.");
    return {};
}

} // namespace

std::optional<TranslationArgs> TranslationArgs::parse(const QStringList &args, QIODevice &err)
{
    const bool exporting = args.value(0) == u"export";
    const QCommandLineOption language(QStringLiteral("language"), {}, QStringLiteral("NAME"));
    const QCommandLineOption partial(QStringLiteral("partial"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("FORMAT"));
    const QCommandLineOption output(QStringLiteral("o"), {}, QStringLiteral("OUT"));
    const QCommandLineOption anyLanguage(QStringLiteral("any-language"));
    const QCommandLineOption fuzzy(QStringLiteral("fuzzy"));
    QCommandLineParser parser;
    parser.addOptions({language, partial});
    if (exporting)
        parser.addOptions({format, output});
    else
        parser.addOptions({anyLanguage, fuzzy});

    // The parser takes the first argument for the program's name; here it is the command.
    QString problem = parser.parse(args) ? QString() : parser.errorText();
    TranslationArgs parsed;
    const QStringList files = parser.positionalArguments();
    parsed.lngPath = files.value(0);
    parsed.translatedPath = files.value(1);
    parsed.language = parser.value(language);
    parsed.partial = parser.isSet(partial);
    if (exporting) {
        parsed.format = parser.value(format);
        parsed.output = parser.value(output);
    } else {
        parsed.anyLanguage = parser.isSet(anyLanguage);
        parsed.fuzzy = parser.isSet(fuzzy);
    }
    if (problem.isEmpty())
        problem = misuse(parser, exporting, parsed);
    if (problem.isEmpty())
        return parsed;
    LngTool::printLine(err, QStringLiteral("parlox-lng: ") + problem);
    LngTool::printLine(err, exporting ? ExportUsage : ImportUsage);
    return std::nullopt;
}

} // namespace Parlox
