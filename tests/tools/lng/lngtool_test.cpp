#include "golden.h"

#include "runtool.h"
#include "writefailures.h"

#include <gtest/gtest.h>

using LngTool = TempDirTest;

TEST_F(LngTool, WrongArgumentsPrintUsageAndExit2)
{
    const QStringList wrong[] = {{"check", "a", "b"}, {"check", "--strict"}, {"build", "in.json"}};
    for (const QStringList &args : wrong) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("usage: parlox-lng ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(run({"--help"}).code, 0);
}

// The error names where in the JSON the text sits; the output is touched only once all is encoded.
TEST_F(LngTool, BuildRefusingUnencodableTextLeavesTheOutputUntouched)
{
    const QString out = write("out.lng", "previous content");
    const QString in =
        write("in.json", R"({"languages": ["English", "日本語"], "defaultIndex": 0, "forms": []})");
    const Result r = run({"build", in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "parlox-lng: " + in.toUtf8() +
                         ": languages[1]: The text \"日本語\" contains the "
                         "character '日' (U+65E5), which a translations file in Windows-1252 "
                         "cannot hold.\n");
    EXPECT_EQ(read(out), "previous content");
}

// A file of 2 GiB of empty lines (sparse, so it takes no disk) would take 48 GiB as strings:
// every command that reads it refuses it at once and says why.
TEST_F(LngTool, AFileTooLargeForTheMemoryIsRefusedByEveryCommand)
{
    if (!AddressSpaceCanBeLimited)
        GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
    const QString huge = path(QStringLiteral("huge.lng"));
    writeFileOfEmptyLines(huge, (qint64(1) << 31) - 1);
    const QString po = write(QStringLiteral("t.po"), "msgid \"\"\nmsgstr \"\"\n");
    const QList<QStringList> commands{
        {"check", huge},
        {"dump", huge},
        {"export", huge, "--format", "po", "--language", "Español"},
        {"import", huge, po, "--language", "Español"},
    };
    for (const QStringList &args : commands) {
        const QString message = inChildWithAddressSpace(rlim_t(4) << 30, [&] {
            const Result r = run(args);
            return QString::number(r.code) + u' ' + QString::fromUtf8(r.err);
        });
        EXPECT_EQ(message, "1 parlox-lng: Cannot read file \"" + huge +
                               "\". Reading its 2.0 GB could take up to 64.0 GB of memory, more "
                               "than the 2.0 GB this program may use.\n")
            << args.first().toStdString();
    }
}
