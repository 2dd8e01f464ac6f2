#include "golden.h"
#include "runtool.h"

#include <Parlox/format/lngfile.h>

#include <QtEndian>
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
    void (*damage)(QByteArray &file, const Layout &at); // applied to a file written from base()
};

const BrokenFile BrokenFiles[] = {
    {"too short", true, [](QByteArray &f, const Layout &) { f = "Parlox"; }},
    {"wrong magic", true, [](QByteArray &f, const Layout &) { f[7] = '3'; }},
    {"no directory", false, [](QByteArray &f, const Layout &) { f = Lng::emptyFile(); }},
    {"directory offset cut off", false,
     [](QByteArray &f, const Layout &) { f = Lng::emptyFile().left(12); }},
    {"directory offset outside", true, [](QByteArray &f, const Layout &) { putInt(f, 10, 5000); }},
    {"truncated in the messages", true,
     [](QByteArray &f, const Layout &l) { f.truncate(l.messageCount + 9); }},
    {"truncated in a form entry", true, [](QByteArray &f, const Layout &) { f.chop(3); }},
    {"huge message count", true,
     [](QByteArray &f, const Layout &l) { putInt(f, l.messageCount, 0x7fffffff); }},
    {"negative language count", true,
     [](QByteArray &f, const Layout &l) { putInt(f, l.directory, -1); }},
    {"bad offsets", true,
     [](QByteArray &f, const Layout &l) {
         putInt(f, l.mainOffsets, 100000);
         putInt(f, l.mainOffsets + 4, -3);
         putInt(f, l.aboutOffsets, 5);
     }},
    {"overlapping and shared sections", true,
     [](QByteArray &f, const Layout &l) {
         putInt(f, l.aboutOffsets, 18);
         putInt(f, l.aboutOffsets + 4, 14);
     }},
    {"empty section", false,
     [](QByteArray &f, const Layout &l) { putInt(f, intAt(f, l.mainOffsets + 4), 0); }},
    {"bad default index", false,
     [](QByteArray &f, const Layout &l) { putInt(f, l.defaultIndex, 2); }},
    {"broken entries and duplicates", false,
     [](QByteArray &f, const Layout &) {
         Lng::Document doc = base();
         doc.messages += {"&ok&", "Fine", "Bien", "&Cancel&"};
         doc.forms[0].formStrings += {"[a.caption]", "A", "B"};
         doc.forms.append({"MAIN", {}, {"%Line\nbreak%", "x", "y", "%line\nBREAK%"}});
         f = Lng::writeDocument(doc);
     }},
    {"many duplicate keys", false,
     [](QByteArray &f, const Layout &) {
         Lng::Document doc = base();
         for (int i = 0; i < 11; ++i)
             doc.messages += {"&OK&", "OK", "Aceptar"};
         f = Lng::writeDocument(doc);
     }},
};

} // namespace

TEST(LngCheck, ReportsEachProblemOfBrokenFilesOnOneLine)
{
    QByteArray report;
    for (const BrokenFile &broken : BrokenFiles) {
        QByteArray file = Lng::writeDocument(base());
        broken.damage(file, Layout(file));
        const Lng::ProblemReport found = Lng::Image(file).problems();
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

class LngCheckCli : public TempDirTest {};

// Warnings name the table, the key and the language, say what differs, and fail the check
// only when asked to be strict; damage always fails it.
TEST_F(LngCheckCli, WarnsOfValuesThatBreakTheFirstLanguagesMarkersOnlyFailingWhenStrict)
{
    Lng::Document doc = base();
    doc.languages.append("Deutsch");
    doc.messages = {"&OK&", "OK", "Aceptar", "OK"};
    doc.forms = {{"Main",
                  {"[Open.Caption]", "&Open %1", "Abrir %1", "&Öffnen %2"},
                  {"%LINES%", "One%%Two ", "Uno Dos", "Eins%%Zwei "}}};
    const QString file = write("warned.lng", Lng::writeDocument(doc));

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
    const QByteArray report = (expected.join(u'\n') + u'\n').toUtf8();
    EXPECT_EQ(run({"check", file}), (Result{0, report, {}}));
    EXPECT_EQ(run({"check", "--strict", file}), (Result{1, report, {}}));
    write("warned.lng", Lng::writeDocument(base()));
    EXPECT_EQ(run({"check", file, "--strict"}), (Result{0, file.toUtf8() + ": OK\n", {}}));
    write("warned.lng", "Foreign file 1.0");
    EXPECT_EQ(run({"check", file}),
              (Result{1,
                      file.toUtf8() + ": The file does not start with the magic \"Parlox 2.0\".\n",
                      {}}));
}

// However many values fail and however long the language names, the report lists a few of
// each kind with names cut short, counts the rest, and counts them all in the total.
TEST_F(LngCheckCli, WarningsAreListedAFewOfEachKindWithLongNamesCut)
{
    const QString longName = QString(200, u'L');
    Lng::Document doc{{"English", longName}, 0, {}, {}};
    for (int i = 0; i < 1000; ++i)
        doc.messages << QStringLiteral("&K%1&").arg(i) << "&Same"
                     << "&Same";
    const QString file = write("many.lng", Lng::writeDocument(doc));
    const Result r = run({"check", file});
    EXPECT_EQ(r.code, 0);
    const QStringList lines = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], file + ": warning: Message strings, key \"&K0&\": " + longName.first(40) +
                            "... is the same as English, maybe untranslated.");
    EXPECT_EQ(lines[5], file + ": warning: 995 more values with the first language's text.");
    EXPECT_EQ(lines[6], file + ": 1000 warnings.");
}
