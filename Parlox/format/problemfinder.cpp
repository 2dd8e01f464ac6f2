#include <Parlox/format/problemfinder.h>

#include <Parlox/format/caselessbytes.h>
#include <Parlox/format/codepage.h>
#include <Parlox/format/directorywalk.h>

#include <QHash>

namespace Parlox::Lng {

ProblemReport ProblemFinder::run()
{
    if (checkHeader())
        checkDirectory();
    return std::move(m_report);
}

void ProblemFinder::add(ProblemKind kind, qint64 at, const std::function<QString()> &text)
{
    m_report.add(kind, at, [&] { return capitalized(text()); });
}

bool ProblemFinder::checkHeader()
{
    if (m_data.size() < Magic.size()) {
        add(ProblemKind::TooShort, 0, [&] {
            return QStringLiteral("The file is %1 bytes long, shorter than the 10-byte magic.")
                .arg(m_data.size());
        });
        return false;
    }
    if (m_data.first(Magic.size()) != Magic) {
        add(ProblemKind::WrongMagic, 0, [] {
            return QStringLiteral("The file does not start with the magic \"Parlox 2.0\".");
        });
        return false;
    }
    if (!Cursor(m_data, DirectoryOffsetAt).readInt(m_directory)) {
        add(ProblemKind::NoDirectory, DirectoryOffsetAt, [] {
            return QStringLiteral("The file has no directory: it ends inside the directory "
                                  "offset at byte 10.");
        });
        return false;
    }
    if (m_directory < 1) {
        add(ProblemKind::NoDirectory, DirectoryOffsetAt, [&] {
            return QStringLiteral("The file has no directory: the directory offset is %1.")
                .arg(m_directory);
        });
        return false;
    }
    if (m_directory < HeaderSize || m_directory >= m_data.size()) {
        add(ProblemKind::DirectoryOutside, DirectoryOffsetAt, [&] {
            return QStringLiteral("The directory offset %1 is outside the file (bytes 14 to %2).")
                .arg(m_directory)
                .arg(m_data.size() - 1);
        });
        return false;
    }
    return true;
}

void ProblemFinder::checkDirectory()
{
    DirectoryWalk walk(m_data, m_directory, &m_report, m_codec);
    QList<QByteArrayView> lines;
    QStringList languages;
    m_languageCount = walk.languages(decodeTables() ? &languages : nullptr);
    const qint64 indexAt = walk.pos();
    const qint32 index = walk.defaultIndex();
    if (walk.broken())
        return;
    checkDefaultIndex(index, indexAt);
    const qint64 messagesAt = walk.pos();
    walk.messages(decodeTables() ? &lines : nullptr);
    if (walk.broken())
        return;
    checkTable(lines, QStringLiteral("message strings"), messagesAt);
    QList<FormEntry> forms;
    QList<qint64> fieldsAt;
    const qsizetype whole = walk.forms(forms, &fieldsAt);
    if (whole == 0 && walk.broken())
        return;
    // The entries before one cut off by the end of the file are checked all the same.
    forms.resize(whole);
    fieldsAt.resize(whole);
    checkFormNames(forms, fieldsAt);
    checkSections(forms, fieldsAt);
}

void ProblemFinder::checkDefaultIndex(qint32 index, qint64 at)
{
    // -1 is what a writer stores when its active language is not in the list.
    if (index < -1 || index >= m_languageCount)
        add(ProblemKind::DefaultOutside, at, [&] {
            return QStringLiteral("The default language index %1 is outside the language list "
                                  "(%2 languages).")
                .arg(index)
                .arg(m_languageCount);
        });
}

void ProblemFinder::checkFormNames(const QList<FormEntry> &forms, const QList<qint64> &fieldsAt)
{
    QHash<QString, qsizetype> first;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        const auto seen = first.constFind(forms[i].name.toCaseFolded());
        if (seen == first.cend())
            first.insert(forms[i].name.toCaseFolded(), i);
        else
            add(ProblemKind::DuplicateFormName, fieldsAt[i], [&] {
                return QStringLiteral("The form name %1 is listed more than once (entries %2 "
                                      "and %3, case ignored).")
                    .arg(quoted(forms[i].name))
                    .arg(*seen + 1)
                    .arg(i + 1);
            });
    }
}

void ProblemFinder::checkSections(const QList<FormEntry> &forms, const QList<qint64> &fieldsAt)
{
    Owners owners;
    for (qsizetype i = 0; i < forms.size(); ++i)
        for (const SectionKind kind : {SectionKind::FormStrings, SectionKind::UserStrings})
            checkOffset(forms[i].offset(kind),
                        {tableName(forms[i].name, kind),
                         fieldsAt[i] + (kind == SectionKind::FormStrings ? 0 : 4)},
                        owners);
    qint64 walkedEnd = 0;
    qint32 walkedStart = 0;
    for (auto section = owners.cbegin(); section != owners.cend(); ++section) {
        if (!mustWalk(owners, section))
            continue;
        const qint32 offset = section->first;
        const Table &owner = section->second;
        if (offset < walkedEnd) {
            add(ProblemKind::OverlappingSection, owner.offsetAt, [&] {
                return QStringLiteral("%1: the section at byte %2 starts inside the section at "
                                      "byte %3.")
                    .arg(owner.name)
                    .arg(offset)
                    .arg(walkedStart);
            });
            continue;
        }
        walkedStart = offset;
        walkedEnd = checkSection(offset, owner);
    }
}

bool ProblemFinder::mustWalk(const Owners &owners, Owners::const_iterator section) const
{
    if (!m_around)
        return true;
    const auto target = owners.find(*m_around);
    const auto next = std::next(section);
    return next == owners.cend() ||
           (target != owners.cend() &&
            (section == target || next == target || section == std::next(target)));
}

void ProblemFinder::checkOffset(qint32 offset, const Table &table, Owners &owners)
{
    if (offset == 0)
        return;
    if (offset < HeaderSize || offset >= m_directory) {
        add(ProblemKind::SectionOutside, table.offsetAt, [&] {
            return QStringLiteral("%1: the section offset %2 is outside the section area (bytes "
                                  "14 to %3).")
                .arg(table.name)
                .arg(offset)
                .arg(m_directory - 1);
        });
        return;
    }
    const auto inserted = owners.emplace(offset, table);
    if (inserted.second)
        return;
    const QString &first = inserted.first->second.name;
    add(ProblemKind::SharedSection, table.offsetAt, [&] {
        return QStringLiteral("%1: the section at byte %2 is also the section of %3.")
            .arg(table.name)
            .arg(offset)
            .arg(first);
    });
}

// Returns where the section ends.
qint64 ProblemFinder::checkSection(qint32 offset, const Table &table)
{
    DirectoryWalk walk(m_data, offset, &m_report, m_codec);
    QList<QByteArrayView> lines;
    const qsizetype count = walk.encodedSection(decodeTables() ? &lines : nullptr, [&] {
        return table.name + QStringLiteral(" line count");
    });
    if (walk.broken())
        return m_data.size();
    if (count == 0)
        add(ProblemKind::EmptySection, offset, [&] {
            return QStringLiteral("%1: the section at byte %2 has no lines.")
                .arg(table.name)
                .arg(offset);
        });
    if (walk.pos() > m_directory)
        add(ProblemKind::SectionIntoDirectory, offset, [&] {
            return QStringLiteral("%1: the section at byte %2 runs into the directory at byte %3.")
                .arg(table.name)
                .arg(offset)
                .arg(m_directory);
        });
    checkTable(lines, table.name, offset);
    return walk.pos();
}

// Keys are compared in the file's bytes: a million-line file is checked without decoding it.
void ProblemFinder::checkTable(const QList<QByteArrayView> &lines, const QString &name, qint64 at)
{
    if (!decodeTables())
        return;
    const qsizetype entrySize = m_languageCount + 1;
    if (lines.size() % entrySize != 0)
        add(ProblemKind::RaggedTable, at, [&] {
            return QStringLiteral("%1: the line count %2 is not a multiple of %3 (a key line "
                                  "and %4 language lines per entry).")
                .arg(name)
                .arg(lines.size())
                .arg(entrySize)
                .arg(m_languageCount);
        });
    if (m_codec.encoding() == Encoding::Windows1252)
        findDuplicateKeys<CodePage::CaselessBytes>(
            lines, name, at, entrySize,
            [](QByteArrayView b) { return CodePage::CaselessBytes{b}; });
    else
        findDuplicateKeys<QString>(lines, name, at, entrySize,
                                   [&](QByteArrayView b) { return text(b).toCaseFolded(); });
}

// A line whose bytes the encoding does not define was reported by the walk; it is shown as
// Windows-1252, which reads every byte.
QString ProblemFinder::text(QByteArrayView line) const
{
    return m_codec.decode(line).value_or(CodePage::decode(line));
}

template <typename Key, typename MakeKey>
void ProblemFinder::findDuplicateKeys(const QList<QByteArrayView> &lines, const QString &name,
                                      qint64 at, qsizetype entrySize, const MakeKey &makeKey)
{
    QHash<Key, qsizetype> first;
    first.reserve(lines.size() / entrySize);
    for (qsizetype i = 0; i < lines.size(); i += entrySize) {
        const Key key = makeKey(lines[i]);
        const auto seen = first.constFind(key);
        if (seen == first.cend())
            first.insert(key, i);
        else
            add(ProblemKind::DuplicateKey, at, [&] {
                return QStringLiteral("%1: the key %2 appears more than once (lines %3 and %4, "
                                      "case ignored).")
                    .arg(name, quoted(text(lines[i])))
                    .arg(*seen + 1)
                    .arg(i + 1);
            });
    }
}

} // namespace Parlox::Lng
