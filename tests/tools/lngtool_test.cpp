#include "golden.h"

#include "lngfile.h"
#include "lngtool.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

struct Result {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Result run(const QStringList &args)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Result result;
    result.code = LngTool::run(args, out, err);
    result.out = out.data();
    result.err = err.data();
    return result;
}

class LngTool : public TempDirTest {};

} // namespace

TEST_F(LngTool, WrongArgumentsPrintUsageAndExit2)
{
    const QStringList wrong[] = {
        {},
        {QStringLiteral("dump")},
        {QStringLiteral("check"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("build"), QStringLiteral("in.json")},
        {QStringLiteral("convert"), QStringLiteral("x")}};
    for (const QStringList &args : wrong) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("usage: parlox-lng ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(run({QStringLiteral("--help")}).code, 0);
}

TEST_F(LngTool, BuildRefusingUnencodableTextLeavesTheOutputUntouched)
{
    const QString out = write(QStringLiteral("out.lng"), "previous content");
    const QString in =
        write(QStringLiteral("in.json"),
              R"({"languages": ["English", "日本語"], "defaultIndex": 0, "forms": []})");
    const Result r = run({QStringLiteral("build"), in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("\"日本語\"")))
        << r.err.toStdString();
    EXPECT_EQ(read(out), "previous content");

    write(QStringLiteral("in.json"), R"({"languages": ["English"], "defaultIndex": 0, "forms": [)");
    EXPECT_EQ(run({QStringLiteral("build"), in, out}).code, 1);
    EXPECT_EQ(read(out), "previous content");
    EXPECT_EQ(
        QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2)
        << "a temporary file was left behind";
}

TEST_F(LngTool, BuildWritesTheCompactFile)
{
    const QString in = write(QStringLiteral("in.json"),
                             R"({"languages": ["English"], "defaultIndex": 0,
                                 "messages": ["&OK&", "OK"],
                                 "forms": [{"name": "MainForm", "formStrings": ["[Add1.Caption]", "&Add"]}]})");
    const QString out = path(QStringLiteral("new.lng"));
    EXPECT_EQ(run({QStringLiteral("build"), in, out}).code, 0);
    const QByteArray bytes = read(out);
    EXPECT_EQ(bytes.size(), 87);
    EXPECT_EQ(bytes,
              Lng::writeDocument({{QStringLiteral("English")},
                                  0,
                                  {QStringLiteral("&OK&"), QStringLiteral("OK")},
                                  {{QStringLiteral("MainForm"),
                                    {QStringLiteral("[Add1.Caption]"), QStringLiteral("&Add")},
                                    {}}}}));
}

TEST_F(LngTool, BadFilesGiveOneErrorLineAndExit1)
{
    const QString missing = path(QStringLiteral("missing.lng"));
    const QString foreign = write(QStringLiteral("foreign.lng"), "Foreign file 1.0");
    for (const QString &file : {missing, foreign}) {
        const Result r = run({QStringLiteral("dump"), file});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(file.toUtf8())) << r.err.toStdString();
    }
    const Result r = run({QStringLiteral("check"), foreign});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, (foreign + QStringLiteral(": The file does not start with the magic "
                                               "\"Parlox 2.0\".\n"))
                         .toUtf8());
}

TEST_F(LngTool, CheckOfASoundFileExits0)
{
    const Result r =
        run({QStringLiteral("check"), sourcePath(QStringLiteral("examples/sample.lng"))});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.endsWith(": OK\n"));
    EXPECT_TRUE(r.err.isEmpty());
}
