#include "lngcheck.h"

#include "encodingoption.h"
#include <Parlox/format/codepage.h>

#include "lngtool.h"
#include <Parlox/format/directorywalk.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/format/valuechecks.h>

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

// A language's name as the warnings show it: a long one is cut, so that a file of long names
// does not make every line as long.
QString shortName(const QString &language)
{
    constexpr qsizetype Shown = 40;
    return language.size() <= Shown ? language : language.first(Shown) + QStringLiteral("...");
}

// What the summary line of a kind's unlisted warnings says they have.
QString kindName(Check check)
{
    switch (check) {
    case Check::AccessKeys:
        return QStringLiteral("other access keys");
    case Check::LineBreaks:
        return QStringLiteral("other line breaks");
    case Check::Placeholders:
        return QStringLiteral("other placeholders");
    case Check::OuterSpaces:
        return QStringLiteral("other outer white space");
    case Check::SameAsFirst:
        return QStringLiteral("the first language's text");
    }
    return {};
}

// A table's lines as the file holds them: only the lines a listed warning quotes are decoded.
using EncodedTable = QList<QByteArrayView>;

class WarningList {
public:
    WarningList(const QStringList &languages, const TextCodec &codec)
        : m_languages(languages), m_codec(codec)
    {
        for (const QString &language : languages)
            m_names.append(shortName(language));
    }

    void checkTable(const QString &name, const EncodedTable &table)
    {
        const qsizetype size = m_languages.size() + 1;
        for (const ValueChecks::Warning &warning : found(table)) {
            const qsizetype key = warning.entry * size;
            for (size_t kind = 0; kind < ValueChecks::AllChecks.size(); ++kind) {
                const Check check = ValueChecks::AllChecks[kind];
                if (!warning.failed.testFlag(check))
                    continue;
                ++m_total;
                // Only a listed warning's text is made.
                if (++m_counts[kind] <= Lng::ProblemReport::ListedPerKind)
                    m_lines.append(QStringLiteral("%1, key %2: %3 %4")
                                       .arg(Lng::capitalized(name),
                                            Lng::quoted(text(table.at(key))),
                                            m_names.at(warning.language),
                                            failure(check, m_names.first(), text(table.at(key + 1)),
                                                    text(table.at(key + 1 + warning.language)))));
            }
        }
    }

    Warnings take()
    {
        for (size_t kind = 0; kind < ValueChecks::AllChecks.size(); ++kind) {
            if (const qint64 more = m_counts[kind] - Lng::ProblemReport::ListedPerKind; more > 0)
                m_lines.append(
                    QStringLiteral("%1 more %2 with %3.")
                        .arg(more)
                        .arg(more == 1 ? QStringLiteral("value") : QStringLiteral("values"),
                             kindName(ValueChecks::AllChecks[kind])));
        }
        return {std::move(m_lines), m_total};
    }

private:
    // The byte checks know Windows-1252's bytes (0xA0 is a no-break space there, but the last
    // byte of "à" in UTF-8); a file in another encoding is checked on its text.
    QList<ValueChecks::Warning> found(const EncodedTable &table) const
    {
        if (m_codec.encoding() == Encoding::Windows1252)
            return ValueChecks::checkTable(table, m_languages.size());
        QStringList decoded;
        decoded.reserve(table.size());
        for (const QByteArrayView line : table)
            decoded.append(text(line));
        return ValueChecks::checkTable(decoded, m_languages.size());
    }

    // Warnings are looked for only in a file the codec reads whole.
    QString text(QByteArrayView line) const { return m_codec.decode(line).value_or(QString()); }

    const QStringList &m_languages;
    TextCodec m_codec;
    QStringList m_names;
    QStringList m_lines;
    qint64 m_total = 0;
    std::array<qint64, ValueChecks::AllChecks.size()> m_counts{};
};

EncodedTable section(const Lng::Image &image, qint32 offset)
{
    EncodedTable lines;
    if (offset > 0)
        Lng::DirectoryWalk(image.bytes(), offset, nullptr, image.codec())
            .encodedSection(&lines, {});
    return lines;
}

EncodedTable messages(const Lng::Image &image)
{
    Lng::DirectoryWalk walk(image.bytes(), image.directoryOffset(), nullptr, image.codec());
    walk.languages(nullptr);
    walk.defaultIndex();
    EncodedTable lines;
    walk.messages(&lines);
    return lines;
}

int check(const QString &path, bool strict, QIODevice &out)
{
    const QByteArray bytes = LockedFile(path, LockedFile::Access::SharedRead).readAll();
    const Lng::Image image(bytes, EncodingOption::of(bytes));
    const Lng::ProblemReport report = image.problems();
    const QStringList problems = report.lines();
    for (const QString &problem : problems)
        LngTool::printLine(out, path + QStringLiteral(": ") + problem);
    // Damage makes the tables mean something else than was written; so does a foreign file.
    const bool readable = image.header() == Lng::HeaderState::Valid && !report.isDamaged();
    const Warnings found = readable ? warnings(image) : Warnings();
    for (const QString &warning : found.lines)
        LngTool::printLine(out, path + QStringLiteral(": warning: ") + warning);
    if (found.total > 0)
        LngTool::printLine(out, path + (found.total == 1
                                            ? QStringLiteral(": 1 warning.")
                                            : QStringLiteral(": %1 warnings.").arg(found.total)));
    else if (problems.isEmpty())
        LngTool::printLine(out, path + QStringLiteral(": OK"));
    return problems.isEmpty() && (found.total == 0 || !strict) ? LngTool::Success
                                                               : LngTool::BadInput;
}

} // namespace

Warnings warnings(const Lng::Image &image)
{
    const Lng::Directory directory = image.directory();
    WarningList list(directory.languages, image.codec());
    list.checkTable(QStringLiteral("message strings"), messages(image));
    for (const Lng::FormEntry &form : directory.forms) {
        for (const Lng::SectionKind kind :
             {Lng::SectionKind::FormStrings, Lng::SectionKind::UserStrings})
            list.checkTable(Lng::tableName(form.name, kind), section(image, form.offset(kind)));
    }
    return list.take();
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
