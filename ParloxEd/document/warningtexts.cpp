#include "warningtexts.h"

namespace ParloxEd {

using Parlox::ValueChecks::Check;

QString warningIdentifier(Check check)
{
    switch (check) {
    case Check::AccessKeys:
        return QStringLiteral("CHECK_ACCESS_KEYS");
    case Check::LineBreaks:
        return QStringLiteral("CHECK_LINE_BREAKS");
    case Check::Placeholders:
        return QStringLiteral("CHECK_PLACEHOLDERS");
    case Check::OuterSpaces:
        return QStringLiteral("CHECK_OUTER_SPACES");
    case Check::SameAsFirst:
        return QStringLiteral("CHECK_SAME_AS_FIRST");
    }
    return {};
}

QStringList warningTexts(Parlox::ValueChecks::Checks failed, const QString &firstLanguage,
                         const std::function<QString(const QString &identifier)> &text)
{
    QStringList sentences;
    for (const Check check : Parlox::ValueChecks::AllChecks) {
        if (failed.testFlag(check))
            sentences.append(text(warningIdentifier(check)) + firstLanguage);
    }
    return sentences;
}

} // namespace ParloxEd
