#include "translation.h"

#include "inputerror.h"
#include "languagetag.h"
#include "lngimport.h"
#include "runtool.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Parlox;
using LngExport::Format;

TEST(LngExport, SampleExportsMatchGoldenFiles)
{
    const Lng::Document sample = sampleDocument();
    expectGolden(exportOf(sample, Format::Po).bytes, QStringLiteral("sample.es.po"));
    expectGolden(exportOf(sample, Format::Xliff).bytes, QStringLiteral("sample.es.xlf"));
}

// Identifiers stay unique for repeated keys; entries without a source text, and a trailing
// entry cut short, give no unit.
TEST(LngExport, EveryCompleteEntryWithASourceBecomesOneUnit)
{
    const Lng::Document doc{{"English", "Español"},
                            0,
                            {"&A&", "a", "x", "&A&", "b", "y", "&E&", "", "z", "&T&", "t"},
                            {{"F", {}, {"%A%", "c\nd", "e"}}}};
    const QList<TranslationUnit> units = LngImport::readTranslated(exportOf(doc, Format::Po).bytes);
    ASSERT_EQ(units.size(), 3);
    const QStringList expected[] = {
        {"messages/&A&", "a", "x"}, {"messages/&A&#2", "b", "y"}, {"F/user/%A%", "c\nd", "e"}};
    for (qsizetype i = 0; i < units.size(); ++i)
        EXPECT_EQ((QStringList{units[i].id, units[i].source, units[i].target}), expected[i]);
}

// A territory the language's name gives stays: "pt_BR" is not "pt", which Portugal reads.
TEST(LngExport, LanguageTagsKeepTheirTerritory)
{
    const std::pair<const char *, const char *> tags[] = {
        {"pt_BR", "pt-BR"}, {"Portuguese (Brazil)", "pt-BR"}, {"sr_Latn_RS", "sr-Latn-RS"},
        {"pt", "pt"},       {"Klingon (Qo'noS)", "und"},
    };
    for (const auto &[name, tag] : tags)
        EXPECT_EQ(LanguageTag::of(name), tag) << name;

    const Lng::Document doc{{"English", "Português (Brasil)"}, 0, {"&A&", "a", "b"}, {}};
    EXPECT_TRUE(
        exportOf(doc, Format::Po, "Português (Brasil)").bytes.contains("\"Language: pt_BR\\n"));
    EXPECT_TRUE(exportOf(doc, Format::Xliff, "Português (Brasil)")
                    .bytes.contains("source-language=\"en\" target-language=\"pt-BR\""));
}

// PO escapes any control character; XLIFF cannot carry most of them, so such a unit is named
// and nothing is written unless --partial leaves it out.
class LngExportCli : public TempDirTest {};

TEST_F(LngExportCli, ControlCharactersAreEscapedInPoAndRefusedInXliff)
{
    const Lng::Document doc{{"English", "Español"}, 0, {"&A&", "a\001b", "x", "&B&", "b", "y"}, {}};
    const QString lng = write(QStringLiteral("c.lng"), Lng::writeDocument(doc));
    const QString xlf = path(QStringLiteral("c.xlf"));

    const Result po = run({"export", lng, "--format", "po", "--language", "Español"});
    EXPECT_EQ(po.code, 0);
    EXPECT_TRUE(po.out.contains("msgid \"a\\001b\"\n")) << po.out.toStdString();

    Result r = run({"export", lng, "--format", "xliff", "--language", "Español", "-o", xlf});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, lng.toUtf8() + ": unit \"messages/&A&\": it holds a control character, "
                                    "which XLIFF cannot carry.\nparlox-lng: nothing exported; "
                                    "--partial exports the other units.\n");
    EXPECT_FALSE(QFile::exists(xlf));

    r = run({"export", lng, "--format", "xliff", "--language", "Español", "-o", xlf, "--partial"});
    EXPECT_EQ(r.code, 0);
    const QList<TranslationUnit> units = LngImport::readTranslated(read(xlf));
    ASSERT_EQ(units.size(), 1);
    EXPECT_EQ(units[0].id, "messages/&B&");
}

TEST_F(LngExportCli, RefusalsLeaveNoOutput)
{
    const QString lng = write(QStringLiteral("s.lng"), sampleBytes());
    const QString noDefault =
        write(QStringLiteral("n.lng"),
              Lng::writeDocument({{"English", "Español"}, -1, {"&A&", "a", "b"}, {}}));
    const QString out = path(QStringLiteral("out.po"));
    const struct {
        QString file;
        const char *format;
        QString language;
        QString output;
        int code;
        QByteArray err;
    } cases[] = {
        {lng, "po", "english", out, 1, "\"english\" is the file's default language"},
        {noDefault, "po", "Español", out, 1, "has no default language"},
        {lng, "po", "Español", lng, 1, "Cannot write the export over the translations file"},
        {lng, "mo", "Español", out, 2, "--format must be po or xliff.\nusage: parlox-lng export "},
    };
    for (const auto &c : cases) {
        const Result r =
            run({"export", c.file, "--format", c.format, "--language", c.language, "-o", c.output});
        EXPECT_EQ(r.code, c.code) << c.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(read(lng), sampleBytes());
}

// A FIFO (as /dev/stdout is in a pipe) takes the export as a stream and stays a FIFO.
TEST_F(LngExportCli, AFifoTakesTheExportAsAStream)
{
    const QString lng = write(QStringLiteral("s.lng"), sampleBytes());
    const QString fifo = path(QStringLiteral("out.po"));
    const QByteArray name = QFile::encodeName(fifo);
    ASSERT_EQ(::mkfifo(name.constData(), 0644), 0);
    // Held open for reading and writing, the FIFO never blocks the export's open.
    const int reader = ::open(name.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const QStringList args{"export", lng, "--format", "po", "--language", "Español"};
    const Result r = run(args + QStringList{"-o", fifo});
    EXPECT_EQ(r, (Result{0, {}, {}}));
    QByteArray streamed(1 << 16, '\0');
    streamed.resize(std::max<ssize_t>(::read(reader, streamed.data(), streamed.size()), 0));
    ::close(reader);
    EXPECT_EQ(streamed, run(args).out);
    struct stat info {};
    ASSERT_EQ(::stat(name.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}
