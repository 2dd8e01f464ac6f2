#include <Parlox/format/problem.h>

#include <algorithm>

namespace Parlox::Lng {
namespace {

// Plural nouns, in the order of ProblemKind, that head the line counting what was not listed.
constexpr std::array<const char16_t *, ProblemKindCount> Plurals = {
    u"Files too short",
    u"Wrong magics",
    u"Directory offsets outside the file",
    u"Fields running past the end of the file",
    u"Negative counts",
    u"Section offsets outside the section area",
    u"Shared sections",
    u"Overlapping sections",
    u"Sections running into the directory",
    u"Strings not valid in the file's encoding",
    u"Missing directories",
    u"Empty sections",
    u"Default language indexes outside the list",
    u"Tables with a broken entry layout",
    u"Duplicate keys",
    u"Duplicate form names",
};

} // namespace

QString quoted(QStringView text)
{
    QString shown;
    for (const QChar c : text.first(std::min<qsizetype>(text.size(), 60)))
        shown += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                                    : QString(c);
    return u'"' + shown + (text.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

QString tableName(QStringView formName, SectionKind kind)
{
    return QStringLiteral("form %1 %2")
        .arg(quoted(formName), kind == SectionKind::FormStrings ? QStringLiteral("form strings")
                                                                : QStringLiteral("user strings"));
}

bool isDamage(ProblemKind kind)
{
    return kind < ProblemKind::NoDirectory;
}

void ProblemReport::add(ProblemKind kind, qint64 position, const std::function<QString()> &text)
{
    if (++m_counts[size_t(kind)] <= ListedPerKind)
        m_problems.append({position, kind, text()});
}

bool ProblemReport::isDamaged() const
{
    return firstDamage() != nullptr;
}

const Problem *ProblemReport::firstDamage() const
{
    const auto found = std::find_if(m_problems.cbegin(), m_problems.cend(),
                                    [](const Problem &p) { return p.isDamage(); });
    return found == m_problems.cend() ? nullptr : &*found;
}

QStringList ProblemReport::lines() const
{
    QStringList lines;
    lines.reserve(m_problems.size() + ProblemKindCount);
    for (const Problem &problem : m_problems)
        lines.append(problem.text);
    for (int kind = 0; kind < ProblemKindCount; ++kind) {
        const qint64 unlisted = m_counts[size_t(kind)] - ListedPerKind;
        if (unlisted > 0)
            lines.append(QStringLiteral("%1: %2 more not listed.")
                             .arg(QString::fromUtf16(Plurals[size_t(kind)]))
                             .arg(unlisted));
    }
    return lines;
}

} // namespace Parlox::Lng
