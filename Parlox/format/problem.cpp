#include "problem.h"

namespace Parlox::Lng {
namespace {

// Plural nouns that head the line counting what was not listed.
QString plural(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::PastEnd:
        return QStringLiteral("Fields running past the end of the file");
    case ProblemKind::NegativeCount:
        return QStringLiteral("Negative counts");
    case ProblemKind::SectionOutside:
        return QStringLiteral("Section offsets outside the section area");
    case ProblemKind::SharedSection:
        return QStringLiteral("Shared sections");
    case ProblemKind::OverlappingSection:
        return QStringLiteral("Overlapping sections");
    case ProblemKind::SectionIntoDirectory:
        return QStringLiteral("Sections running into the directory");
    case ProblemKind::EmptySection:
        return QStringLiteral("Empty sections");
    case ProblemKind::RaggedTable:
        return QStringLiteral("Tables with a broken entry layout");
    case ProblemKind::DuplicateKey:
        return QStringLiteral("Duplicate keys");
    case ProblemKind::DuplicateFormName:
        return QStringLiteral("Duplicate form names");
    default:
        return QStringLiteral("Problems of the same kind");
    }
}

} // namespace

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
                             .arg(plural(ProblemKind(kind)))
                             .arg(unlisted));
    }
    return lines;
}

} // namespace Parlox::Lng
