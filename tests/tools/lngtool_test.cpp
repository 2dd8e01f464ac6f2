#include "golden.h"

#include "lngfile.h"
#include "lockedfile.h"
#include "runtool.h"
#include "writefailures.h"

#include <gtest/gtest.h>

using namespace Parlox;

namespace {

class LngTool : public TempDirTest {
protected:
    // JSON for a file of about `size` bytes, one per output size, written before any limit.
    QString jsonOfSize(qsizetype size)
    {
        const QString name = QStringLiteral("in%1.json").arg(size);
        if (!QFile::exists(path(name)))
            write(name, R"({"languages": ["English"], "defaultIndex": 0, "messages": ["&OK&", ")" +
                            QByteArray(size, 'x') + R"("], "forms": []})");
        return path(name);
    }

    // The build's error output, empty when it reports success.
    TestWriter build()
    {
        for (const qsizetype size : {SmallOutput, LargeOutput})
            jsonOfSize(size);
        return [this](const QString &out, qsizetype size) {
            const Result r = run({"build", jsonOfSize(size), out});
            return r.code == 0 ? QString() : QString::fromUtf8(r.err);
        };
    }
};

} // namespace

TEST_F(LngTool, WrongArgumentsPrintUsageAndExit2)
{
    const QStringList wrong[] = {{},
                                 {"dump"},
                                 {"check", "a", "b"},
                                 {"check", "--strict"},
                                 {"build", "in.json"},
                                 {"convert", "x"}};
    for (const QStringList &args : wrong) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("usage: parlox-lng ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(run({"--help"}).code, 0);
}

// The error names where in the JSON the text sits, and no half-written output appears.
TEST_F(LngTool, BuildRefusingUnencodableTextLeavesTheOutputUntouched)
{
    const QString out = write("out.lng", "previous content");
    const QString in =
        write("in.json", R"({"languages": ["English", "日本語"], "defaultIndex": 0, "forms": []})");
    Result r = run({"build", in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("languages[1]: ")))
        << r.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("\"日本語\"")));
    EXPECT_EQ(read(out), "previous content");

    write("in.json", R"({"languages": ["English"], "defaultIndex": 0, "forms": [)");
    EXPECT_EQ(run({"build", in, out}).code, 1);
    EXPECT_EQ(read(out), "previous content");
    EXPECT_EQ(
        QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2)
        << "a temporary file was left behind";
}

TEST_F(LngTool, BadFilesGiveOneErrorLineAndExit1)
{
    const QString missing = path("missing.lng");
    const QString foreign = write("foreign.lng", "Foreign file 1.0");
    for (const QString &file : {missing, foreign}) {
        const Result r = run({"dump", file});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(file.toUtf8())) << r.err.toStdString();
    }
    const Result r = run({"check", foreign});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out,
              foreign.toUtf8() + ": The file does not start with the magic \"Parlox 2.0\".\n");
}

// build takes the lock every writer takes: it fails at once while another program holds the
// file, and leaves it as it was.
TEST_F(LngTool, BuildOntoAFileInUseFailsAtOnce)
{
    const QString out = write("out.lng", "held");
    const Parlox::LockedFile holder(out, Parlox::LockedFile::Access::SharedRead);
    EXPECT_EQ(build()(out, SmallOutput), "parlox-lng: Cannot open file \"" + out +
                                             "\". The file is in use by another program.\n");
    EXPECT_EQ(read(out), "held");
}

TEST_F(LngTool, BuildPastAFileSizeLimitOrOnAFullDiskFailsWithTheReason)
{
    expectFileSizeLimitKeepsTheOldFile(write("out.lng", "previous content"), build());
    expectFullDiskKeepsTheOldFile(
        [](const QString &file) { Parlox::LockedFile::writeNew(file, "previous content"); },
        build());
}
