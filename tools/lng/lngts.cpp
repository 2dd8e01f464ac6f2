#include "lngts.h"

#include "lngread.h"
#include "lngtool.h"
#include <Parlox/exchange/trtables.h>
#include <Parlox/exchange/tsreader.h>
#include <Parlox/exchange/tswriter.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIODevice>

namespace Parlox::LngTs {
namespace {

const QString ExportUsage =
    QStringLiteral("usage: parlox-lng export FILE.LNG --format ts --language NAME [-o OUT]");
const QString ImportUsage =
    QStringLiteral("usage: parlox-lng import FILE.LNG FILE.ts --language NAME [--partial]");

struct Args {
    QString lngPath;
    QString tsPath;
    QString language;
    QString output;
    bool partial = false;
};

std::optional<Args> parse(const QStringList &args, QIODevice &err)
{
    const bool exporting = args.value(0) == u"export";
    const QCommandLineOption language(QStringLiteral("language"), {}, QStringLiteral("NAME"));
    const QCommandLineOption partial(QStringLiteral("partial"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("FORMAT"));
    const QCommandLineOption output(QStringLiteral("o"), {}, QStringLiteral("OUT"));
    QCommandLineParser parser;
    parser.addOptions(exporting ? QList{language, format, output} : QList{language, partial});
    QString problem = parser.parse(args) ? QString() : parser.errorText();
    const QStringList files = parser.positionalArguments();
    const Args parsed{files.value(0), files.value(1), parser.value(language),
                      exporting ? parser.value(output) : QString(),
                      !exporting && parser.isSet(partial)};
    if (problem.isEmpty() && files.size() != (exporting ? 1 : 2))
        problem = exporting ? QStringLiteral("export takes one translations file.")
                            : QStringLiteral("import takes a translations file and a .ts file.");
    if (problem.isEmpty() && parsed.language.isEmpty())
        problem = QStringLiteral("--language NAME is missing.");
    if (problem.isEmpty())
        return parsed;
    LngTool::printLine(err, QStringLiteral("parlox-lng: ") + problem);
    LngTool::printLine(err, exporting ? ExportUsage : ImportUsage);
    return std::nullopt;
}

int exportTs(const Args &a, QIODevice &out)
{
    const Lng::Document document =
        LngRead::document(LockedFile(a.lngPath, LockedFile::Access::SharedRead).readAll());
    const QByteArray bytes =
        Exchange::TsWriter::write(Exchange::TrTables::messages(document, a.language));
    if (a.output.isEmpty()) {
        out.write(bytes);
        return LngTool::Success;
    }
    const QFileInfo target(a.output);
    if (target.exists() && target.canonicalFilePath() == QFileInfo(a.lngPath).canonicalFilePath())
        throw FileError(QStringLiteral("Cannot write the export over the translations file \"%1\".")
                            .arg(a.lngPath));
    LockedFile::writeNew(a.output, bytes);
    return LngTool::Success;
}

QString summary(const Args &a, const Exchange::TrTables::MergeOutcome &outcome)
{
    return QStringLiteral("%1: %2 entries added, %3 values of %4 changed%5.")
        .arg(a.lngPath)
        .arg(outcome.added)
        .arg(outcome.changed)
        .arg(a.language,
             outcome.languageAdded ? QStringLiteral(", the language added") : QString());
}

int importTs(const Args &a, QIODevice &out, QIODevice &err)
{
    Exchange::TsFile ts;
    try {
        ts = Exchange::TsReader::read(
            LockedFile(a.tsPath, LockedFile::Access::SharedRead).readAll());
    } catch (const FileError &) {
        throw;
    } catch (const Error &e) {
        LngTool::printLine(err, QStringLiteral("parlox-lng: %1:%2").arg(a.tsPath, e.message()));
        return LngTool::BadInput;
    }
    // The lock is held from the read to the replacement, so no other writer comes between.
    LockedFile file(a.lngPath, LockedFile::Access::ExclusiveReadWrite);
    const Lng::Document before = LngRead::document(file.readAll());
    Lng::Document document = before;
    const auto outcome = Exchange::TrTables::merge(document, a.language, ts);
    for (const QString &line : outcome.notes + outcome.problems)
        LngTool::printLine(err, a.tsPath + u':' + line);
    if (!outcome.problems.isEmpty() && !a.partial) {
        LngTool::printLine(err, QStringLiteral("parlox-lng: %1 is left as it was; --partial "
                                               "writes the other messages.")
                                    .arg(a.lngPath));
        return LngTool::BadInput;
    }
    if (document != before)
        file.replaceContents(Lng::writeDocument(document));
    LngTool::printLine(out, summary(a, outcome));
    return LngTool::Success;
}

} // namespace

bool handles(const QStringList &args)
{
    if (args.value(0) == u"export")
        return args.contains(QStringLiteral("--format=ts")) ||
               args.indexOf(QStringLiteral("--format")) + 1 == args.indexOf(QStringLiteral("ts"));
    return args.value(0) == u"import" &&
           std::any_of(args.cbegin() + 1, args.cend(), [](const QString &arg) {
               return arg.endsWith(QStringLiteral(".ts"), Qt::CaseInsensitive);
           });
}

int run(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const std::optional<Args> parsed = parse(args, err);
    if (!parsed)
        return LngTool::Usage;
    return args.value(0) == u"export" ? exportTs(*parsed, out) : importTs(*parsed, out, err);
}

} // namespace Parlox::LngTs
