#pragma once

#include <Parlox/format/lngtypes.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace Parlox::Lng {

// What is wrong at one place of a translations file.
enum class ProblemKind {
    // Not a translations file at all.
    TooShort,
    WrongMagic,
    // Damage: a reader sees a different or partial file, and writing into it would make it
    // worse.
    DirectoryOutside, // the directory offset points outside the file
    PastEnd,          // a count, field or string runs past the end of the file
    NegativeCount,
    SectionOutside,       // a section offset outside the bytes between header and directory
    SharedSection,        // two tables name the same section
    OverlappingSection,   // a section starts inside another
    SectionIntoDirectory, // a section runs on into the directory
    InvalidText,          // a string's bytes are not valid in the file's encoding
    // Lesser findings: the file reads as written, but not as its writers leave it.
    NoDirectory,
    EmptySection,
    DefaultOutside, // the default language index is outside the language list
    RaggedTable,    // a line count that is not a multiple of the entry size
    DuplicateKey,
    DuplicateFormName,
};
inline constexpr int ProblemKindCount = int(ProblemKind::DuplicateFormName) + 1;

bool isDamage(ProblemKind kind);

struct Problem {
    qint64 position = 0; // the byte the problem is found at
    ProblemKind kind = ProblemKind::PastEnd;
    QString text; // one line of English, starting with a capital letter
    bool isDamage() const { return Lng::isDamage(kind); }
};

// The problems of one file in the order they are found. A kind that repeats is listed a few
// times and then only counted, so a file of a million duplicate keys gives a short report.
class ProblemReport {
public:
    static constexpr int ListedPerKind = 5;

    // text is made only for a problem that is listed.
    void add(ProblemKind kind, qint64 position, const std::function<QString()> &text);

    const QList<Problem> &problems() const { return m_problems; }
    // How many problems of a kind were found, listed or not.
    qint64 count(ProblemKind kind) const { return m_counts[size_t(kind)]; }
    bool isEmpty() const { return m_problems.isEmpty(); }
    bool isDamaged() const;
    // The first damage found, or null.
    const Problem *firstDamage() const;
    // One line per listed problem, then one for each kind with problems left unlisted.
    QStringList lines() const;

private:
    QList<Problem> m_problems;
    std::array<qint64, ProblemKindCount> m_counts{};
};

// A text quoted for a one-line report: control characters are shown as escapes and long texts
// are cut.
QString quoted(QStringView text);
// A form's table as a report names it mid-sentence: form "Main" form strings.
QString tableName(QStringView formName, SectionKind kind);

} // namespace Parlox::Lng
