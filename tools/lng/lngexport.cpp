#include "lngexport.h"

#include "catalog.h"
#include "documentunits.h"
#include "languagetag.h"
#include "lngread.h"
#include "lngtool.h"
#include "powriter.h"
#include "translationargs.h"
#include "xliffwriter.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <sys/stat.h>

namespace Parlox::LngExport {
namespace {

bool xliffCarries(const TranslationUnit &unit)
{
    return XliffWriter::canCarry(unit.id) && XliffWriter::canCarry(unit.source) &&
           XliffWriter::canCarry(unit.target);
}

// Exports are reproducible when SOURCE_DATE_EPOCH names the time, as in reproducible builds.
QDateTime revisionTime()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC) : QDateTime::currentDateTimeUtc();
}

// Writing the export over the translations file itself would destroy it.
void requireOtherFile(const QString &lngPath, const QString &output)
{
    const QFileInfo target(output);
    if (target.exists() && target.canonicalFilePath() == QFileInfo(lngPath).canonicalFilePath())
        throw FileError(QStringLiteral("Cannot write the export over the translations file \"%1\".")
                            .arg(lngPath));
}

// A FIFO or a device (/dev/stdout in a pipe) takes the export as a stream: it cannot be
// replaced, and replacing it would break whatever it stands for.
bool isStream(const QString &output)
{
    struct stat info {};
    return ::stat(QFile::encodeName(output).constData(), &info) == 0 &&
           (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode));
}

void writeStream(const QString &output, const QByteArray &bytes)
{
    QFile stream(output);
    if (!stream.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        stream.write(bytes) != bytes.size())
        throw FileError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(output, stream.errorString()));
}

} // namespace

Result exportDocument(const Lng::Document &document, const Request &request)
{
    const qsizetype source = DocumentUnits::sourceColumn(document);
    const qsizetype target = DocumentUnits::targetColumn(document, request.language);
    const QString targetName = target < 0 ? request.language : document.languages[target];
    Catalog catalog{request.fileName,
                    targetName,
                    LanguageTag::of(document.languages[source]),
                    LanguageTag::of(targetName),
                    request.revised,
                    {}};
    Result result;
    for (const DocumentUnits::Entry &entry : DocumentUnits::entries(document)) {
        const QStringList &table = DocumentUnits::table(document, entry);
        TranslationUnit unit;
        unit.id = entry.id;
        unit.key = entry.key;
        unit.source = DocumentUnits::visible(entry, table[entry.keyLine + 1 + source]);
        // An entry without a source text gives a translator nothing to translate.
        if (unit.source.isEmpty())
            continue;
        if (target >= 0)
            unit.target = DocumentUnits::visible(entry, table[entry.keyLine + 1 + target]);
        if (request.format == Format::Xliff && !xliffCarries(unit)) {
            result.problems.append(QStringLiteral("unit \"%1\": it holds a control character, "
                                                  "which XLIFF cannot carry.")
                                       .arg(unit.id));
            continue;
        }
        catalog.units.append(std::move(unit));
    }
    result.bytes =
        request.format == Format::Po ? PoWriter::write(catalog) : XliffWriter::write(catalog);
    return result;
}

int run(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const std::optional<TranslationArgs> parsed = TranslationArgs::parse(args, err);
    if (!parsed)
        return LngTool::Usage;
    const TranslationArgs &a = *parsed;
    const Lng::Document document =
        LngRead::document(LockedFile(a.lngPath, LockedFile::Access::SharedRead).readAll());
    const Result result =
        exportDocument(document, {a.format == u"po" ? Format::Po : Format::Xliff, a.language,
                                  QFileInfo(a.lngPath).fileName(), revisionTime()});
    for (const QString &problem : result.problems)
        LngTool::printLine(err, a.lngPath + QStringLiteral(": ") + problem);
    if (!result.problems.isEmpty() && !a.partial) {
        LngTool::printLine(err, QStringLiteral("parlox-lng: nothing exported; --partial "
                                               "exports the other units."));
        return LngTool::BadInput;
    }
    if (a.output.isEmpty()) {
        out.write(result.bytes);
    } else if (isStream(a.output)) {
        writeStream(a.output, result.bytes);
    } else {
        requireOtherFile(a.lngPath, a.output);
        LockedFile::writeNew(a.output, result.bytes);
    }
    return LngTool::Success;
}

} // namespace Parlox::LngExport
