#include "warningsubject.h"

#include "tablegridmodel.h"

namespace ParloxEd {

namespace ValueChecks = Parlox::ValueChecks;

size_t qHash(const WarningSubject &subject, size_t seed)
{
    return qHashMulti(seed, subject.table, subject.key, subject.language, subject.value,
                      unsigned(subject.check));
}

QString tableName(const EditorDocument &document, EditorDocument::TableRef table)
{
    if (table.item == 0)
        return QStringLiteral("Messages");
    const auto &forms = document.content().forms;
    const QString form = table.item <= forms.size() ? forms.at(table.item - 1).name : QString();
    return form + (table.view == EditorDocument::View::FormStrings
                       ? QStringLiteral("/FormStrings")
                       : QStringLiteral("/UserStrings"));
}

ValueChecks::Checks openChecks(ValueChecks::Checks failed, WarningSubject subject,
                               const IsAccepted &accepted)
{
    if (!failed || !accepted)
        return failed;
    for (const ValueChecks::Check check : ValueChecks::AllChecks) {
        subject.check = check;
        if (failed.testFlag(check) && accepted(subject))
            failed.setFlag(check, false);
    }
    return failed;
}

WarningSubject subjectOf(const EditorDocument &document, EditorDocument::TableRef table,
                         const PackedLines &lines, qsizetype line)
{
    const qsizetype languages = document.languages().size();
    const qsizetype language = line % (languages + 1) - 1;
    const qsizetype key = line - language - 1;
    return {tableName(document, table), lines.value(key), document.languages().value(language),
            lines.value(line)};
}

ValueChecks::Checks openChecksAt(const EditorDocument &document, EditorDocument::TableRef table,
                                 const PackedLines &lines, qsizetype line,
                                 const IsAccepted &accepted)
{
    const qsizetype languages = document.languages().size();
    const qsizetype language = line % (languages + 1) - 1;
    // The first language is what the others are compared with.
    if (language < 1 || line >= TableGridModel::shownLineCount(lines.size(), languages))
        return {};
    const qsizetype first = line - language;
    const ValueChecks::Checks failed =
        lines.isAscii(first) && lines.isAscii(line)
            ? ValueChecks::check(lines.asciiBytes(first), lines.asciiBytes(line))
            : ValueChecks::check(lines.at(first), lines.at(line));
    return failed ? openChecks(failed, subjectOf(document, table, lines, line), accepted) : failed;
}

} // namespace ParloxEd
