#include "lngcheck.h"

#include "codepage.h"
#include "directorywalk.h"
#include "lngfile.h"
#include "lngtool.h"
#include "lockedfile.h"
#include "valuechecks.h"

#include <QIODevice>

namespace Parlox::LngCheck {
namespace {

using ValueChecks::Check;

const QString Usage = QStringLiteral("usage: parlox-lng check [--strict] FILE");

// What a value fails, as the end of a sentence that starts with its language's name.
QString failure(Check check, const QString &english, QStringView first, QStringView value)
{
    const auto list = [](QStringView text) {
        const QStringList found = ValueChecks::placeholders(text);
        return found.isEmpty() ? QStringLiteral("none") : found.join(u' ');
    };
    switch (check) {
    case Check::AccessKeys:
        return QStringLiteral("has %1 access keys (\"&\") where %2 has %3.")
            .arg(ValueChecks::accessKeyCount(value))
            .arg(english)
            .arg(ValueChecks::accessKeyCount(first));
    case Check::LineBreaks:
        return QStringLiteral("has %1 line breaks (\"%%\") where %2 has %3.")
            .arg(ValueChecks::lineBreakCount(value))
            .arg(english)
            .arg(ValueChecks::lineBreakCount(first));
    case Check::Placeholders:
        return QStringLiteral("has the placeholders %1 where %2 has %3.")
            .arg(list(value), english, list(first));
    case Check::OuterSpaces:
        return QStringLiteral("starts or ends with other white space than %1.").arg(english);
    case Check::SameAsFirst:
        return QStringLiteral("is the same as %1, maybe untranslated.").arg(english);
    }
    return {};
}

// A table's lines as the file holds them: only the lines a warning quotes are decoded.
using EncodedTable = QList<QByteArrayView>;

void checkTable(QStringList &out, const QString &name, const EncodedTable &table,
                const QStringList &languages)
{
    const qsizetype size = languages.size() + 1;
    for (const ValueChecks::Warning &warning : ValueChecks::checkTable(table, languages.size())) {
        const qsizetype key = warning.entry * size;
        const QString first = CodePage::decode(table.at(key + 1));
        const QString value = CodePage::decode(table.at(key + 1 + warning.language));
        for (const Check check : ValueChecks::AllChecks) {
            if (warning.failed.testFlag(check))
                out.append(QStringLiteral("%1, key %2: %3 %4")
                               .arg(Lng::capitalized(name),
                                    Lng::quoted(CodePage::decode(table.at(key))),
                                    languages.at(warning.language),
                                    failure(check, languages.first(), first, value)));
        }
    }
}

EncodedTable section(const Lng::Image &image, qint32 offset)
{
    EncodedTable lines;
    if (offset > 0)
        Lng::DirectoryWalk(image.bytes(), offset, nullptr).encodedSection(&lines, {});
    return lines;
}

EncodedTable messages(const Lng::Image &image)
{
    Lng::DirectoryWalk walk(image.bytes(), image.directoryOffset(), nullptr);
    walk.languages(nullptr);
    walk.defaultIndex();
    EncodedTable lines;
    walk.messages(&lines);
    return lines;
}

int check(const QString &path, bool strict, QIODevice &out)
{
    const QByteArray bytes = LockedFile(path, LockedFile::Access::SharedRead).readAll();
    const Lng::Image image(bytes);
    const Lng::ProblemReport report = image.problems();
    const QStringList problems = report.lines();
    for (const QString &problem : problems)
        LngTool::printLine(out, path + QStringLiteral(": ") + problem);
    // Damage makes the tables mean something else than was written; so does a foreign file.
    const bool readable = image.header() == Lng::HeaderState::Valid && !report.isDamaged();
    const QStringList found = readable ? warnings(image) : QStringList();
    for (const QString &warning : found)
        LngTool::printLine(out, path + QStringLiteral(": warning: ") + warning);
    if (!found.isEmpty())
        LngTool::printLine(out, path + (found.size() == 1
                                            ? QStringLiteral(": 1 warning.")
                                            : QStringLiteral(": %1 warnings.").arg(found.size())));
    else if (problems.isEmpty())
        LngTool::printLine(out, path + QStringLiteral(": OK"));
    return problems.isEmpty() && (found.isEmpty() || !strict) ? LngTool::Success
                                                              : LngTool::BadInput;
}

} // namespace

QStringList warnings(const Lng::Image &image)
{
    QStringList out;
    const Lng::Directory directory = image.directory();
    checkTable(out, QStringLiteral("message strings"), messages(image), directory.languages);
    for (const Lng::FormEntry &form : directory.forms) {
        for (const Lng::SectionKind kind :
             {Lng::SectionKind::FormStrings, Lng::SectionKind::UserStrings})
            checkTable(out, Lng::tableName(form.name, kind), section(image, form.offset(kind)),
                       directory.languages);
    }
    return out;
}

int run(const QStringList &args, QIODevice &out, QIODevice &err)
{
    QStringList files = args.mid(1);
    const bool strict = files.removeAll(QStringLiteral("--strict")) > 0;
    if (files.size() != 1 || files.first().startsWith(u'-')) {
        LngTool::printLine(err, Usage);
        return LngTool::Usage;
    }
    return check(files.first(), strict, out);
}

} // namespace Parlox::LngCheck
