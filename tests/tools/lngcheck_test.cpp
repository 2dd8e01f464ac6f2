#include "golden.h"
#include "runtool.h"

#include "lngfile.h"

#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

const QStringList TwoLanguages{QStringLiteral("English"), QStringLiteral("Español")};

Lng::Document base()
{
    return {TwoLanguages,
            0,
            {"&OK&", "OK", "Aceptar"},
            {{"Main", {"[A.Caption]", "a", "b"}, {"%X%", "x", "y"}},
             {"About", {"[B.Caption]", "c", "d"}, {}}}};
}

qint32 intAt(const QByteArray &file, qsizetype at)
{
    return qFromLittleEndian<qint32>(file.constData() + at);
}

void putInt(QByteArray &file, qsizetype at, qint32 value)
{
    qToLittleEndian(value, file.data() + at);
}

// Field positions in a file written from base().
struct Layout {
    explicit Layout(const QByteArray &file)
        : directory(intAt(file, 10)), defaultIndex(directory + 4 + 8 + 8),
          messageCount(defaultIndex + 4),
          mainOffsets(file.indexOf(QByteArrayView("Main", 5), directory) + 5),
          aboutOffsets(file.indexOf(QByteArrayView("About", 6), directory) + 6)
    {
    }
    qsizetype directory, defaultIndex, messageCount, mainOffsets, aboutOffsets;
};

struct BrokenFile {
    const char *name;
    bool damaged; // a reader would see a different or partial file
    std::function<QByteArray()> make;
};

QByteArray patched(const std::function<void(QByteArray &, const Layout &)> &damage)
{
    QByteArray file = Lng::writeDocument(base());
    damage(file, Layout(file));
    return file;
}

const BrokenFile BrokenFiles[] = {
    {"too short", true, [] { return QByteArray("Parlox"); }},
    {"wrong magic", true,
     [] { return patched([](QByteArray &f, const Layout &) { f[7] = '3'; }); }},
    {"no directory", false, [] { return Lng::emptyFile(); }},
    {"directory offset cut off", false, [] { return Lng::emptyFile().left(12); }},
    {"directory offset outside", true,
     [] { return patched([](QByteArray &f, const Layout &) { putInt(f, 10, 5000); }); }},
    {"truncated in the messages", true,
     [] {
         return patched([](QByteArray &f, const Layout &l) { f.truncate(l.messageCount + 9); });
     }},
    {"truncated in a form entry", true, [] { return Lng::writeDocument(base()).chopped(3); }},
    {"huge message count", true,
     [] {
         return patched(
             [](QByteArray &f, const Layout &l) { putInt(f, l.messageCount, 0x7fffffff); });
     }},
    {"negative language count", true,
     [] { return patched([](QByteArray &f, const Layout &l) { putInt(f, l.directory, -1); }); }},
    {"bad offsets", true,
     [] {
         return patched([](QByteArray &f, const Layout &l) {
             putInt(f, l.mainOffsets, 100000);
             putInt(f, l.mainOffsets + 4, -3);
             putInt(f, l.aboutOffsets, 5);
         });
     }},
    {"overlapping and shared sections", true,
     [] {
         return patched([](QByteArray &f, const Layout &l) {
             putInt(f, l.aboutOffsets, 18);
             putInt(f, l.aboutOffsets + 4, 14);
         });
     }},
    {"empty section", false,
     [] {
         return patched(
             [](QByteArray &f, const Layout &l) { putInt(f, intAt(f, l.mainOffsets + 4), 0); });
     }},
    {"bad default index", false,
     [] { return patched([](QByteArray &f, const Layout &l) { putInt(f, l.defaultIndex, 2); }); }},
    {"broken entries and duplicates", false,
     [] {
         Lng::Document doc = base();
         doc.messages += {"&ok&", "Fine", "Bien", "&Cancel&"};
         doc.forms[0].formStrings += {"[a.caption]", "A", "B"};
         doc.forms.append({"MAIN", {}, {"%Line\nbreak%", "x", "y", "%line\nBREAK%"}});
         return Lng::writeDocument(doc);
     }},
    {"many duplicate keys", false,
     [] {
         Lng::Document doc = base();
         for (int i = 0; i < 11; ++i)
             doc.messages += {"&OK&", "OK", "Aceptar"};
         return Lng::writeDocument(doc);
     }},
};

QStringList checkLines(const QByteArray &file)
{
    return Lng::Image(file).problems().lines();
}

} // namespace

TEST(LngCheck, ReportsEachProblemOfBrokenFilesOnOneLine)
{
    QByteArray report;
    for (const BrokenFile &broken : BrokenFiles) {
        const Lng::ProblemReport found = Lng::Image(broken.make()).problems();
        EXPECT_EQ(found.isDamaged(), broken.damaged) << broken.name;
        const QStringList problems = found.lines();
        EXPECT_FALSE(problems.isEmpty()) << broken.name;
        report += QByteArray("== ") + broken.name + " ==\n";
        for (const QString &problem : problems) {
            EXPECT_FALSE(problem.contains(u'\n')) << broken.name;
            report += problem.toUtf8() + '\n';
        }
    }
    expectGolden(report, QStringLiteral("check_errors.txt"));
}

TEST(LngCheck, AcceptsWhatTheWritersProduce)
{
    EXPECT_EQ(checkLines(readSource(QStringLiteral("examples/sample.lng"))), QStringList());
    Lng::Document noDefault = base();
    noDefault.defaultIndex = -1; // the active language was not in the list
    EXPECT_EQ(checkLines(Lng::writeDocument(noDefault)), QStringList());

    // In-place replacement leaves stale bytes behind the directory and a form without
    // sections in the list; a new file starts from the header alone. All are sound.
    QByteArray file = Lng::writeDocument(base());
    ASSERT_TRUE(Lng::replaceSection(file, {"Main",
                                           "Main",
                                           Lng::SectionKind::FormStrings,
                                           {},
                                           TwoLanguages,
                                           "English",
                                           base().messages}));
    EXPECT_GT(file.size(), intAt(file, 10) + 60);
    EXPECT_EQ(checkLines(file), QStringList());
    QByteArray created = Lng::emptyFile();
    ASSERT_TRUE(Lng::replaceSection(created, {QString(),
                                              "Main",
                                              Lng::SectionKind::UserStrings,
                                              {"%A%", "a"},
                                              {"English"},
                                              "English",
                                              {}}));
    EXPECT_EQ(checkLines(created), QStringList());
}

// Warnings name the table, the key and the language, say what differs, and fail the check
// only when asked to be strict.
TEST(LngCheck, WarnsOfValuesThatBreakTheFirstLanguagesMarkersOnlyFailingWhenStrict)
{
    Lng::Document doc = base();
    doc.languages.append("Deutsch");
    doc.messages = {"&OK&", "OK", "Aceptar", "OK"};
    doc.forms = {{"Main",
                  {"[Open.Caption]", "&Open %1", "Abrir %1", "&Öffnen %2"},
                  {"%LINES%", "One%%Two ", "Uno Dos", "Eins%%Zwei "}}};
    QTemporaryDir dir;
    const QString file = dir.filePath("warned.lng");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(Lng::writeDocument(doc));
    out.close();

    const QString warning = file + ": warning: ";
    const QStringList expected{
        warning + "Message strings, key \"&OK&\": Deutsch is the same as English, maybe "
                  "untranslated.",
        warning + "Form \"Main\" form strings, key \"[Open.Caption]\": Español has 0 access "
                  "keys (\"&\") where English has 1.",
        warning + "Form \"Main\" form strings, key \"[Open.Caption]\": Deutsch has the "
                  "placeholders %2 where English has %1.",
        warning + "Form \"Main\" user strings, key \"%LINES%\": Español has 0 line breaks "
                  "(\"%%\") where English has 1.",
        warning + "Form \"Main\" user strings, key \"%LINES%\": Español starts or ends with "
                  "other white space than English.",
        file + ": 5 warnings.",
    };
    const Result lenient = run({"check", file});
    EXPECT_EQ(lenient.code, 0);
    EXPECT_EQ(QString::fromUtf8(lenient.out).split(u'\n', Qt::SkipEmptyParts), expected);
    const Result strict = run({"check", "--strict", file});
    EXPECT_EQ(strict.code, 1);
    EXPECT_EQ(strict.out, lenient.out);

    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(Lng::writeDocument(base()));
    out.close();
    const Result clean = run({"check", file, "--strict"});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, file.toUtf8() + ": OK\n");
}
