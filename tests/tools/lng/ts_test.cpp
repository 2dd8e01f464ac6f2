// parlox-lng and Qt Linguist's .ts files: lupdate's output in, Linguist's round trip back.
#include "runtool.h"
#include "tempdir.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

const QStringList QtTools{"/usr/lib/qt6/bin", "/usr/lib/qt6/libexec"};

class TsFiles : public TempDirTest {
protected:
    void SetUp() override
    {
        m_lng = path("tr-app.lng");
        ASSERT_EQ(run({"build", sourcePath("examples/tr-app/languages.json"), m_lng}).code, 0);
    }

    Result import(const QString &ts, const QString &language, const QStringList &more = {})
    {
        return run(QStringList{"import", m_lng, ts, "--language", language} + more);
    }
    QString tsOf(const QString &language) const
    {
        return sourcePath(
            QStringLiteral("examples/tr-app/translations/tr-app_%1.ts").arg(language));
    }

    // Runs a tool of Qt's and expects it to succeed; skips when Debian's qt6-l10n-tools is missing.
    void runQtTool(const QString &name, const QStringList &args) const
    {
        const QString program = QStandardPaths::findExecutable(name, QtTools);
        if (program.isEmpty())
            GTEST_SKIP() << name.toStdString() << " (Debian qt6-l10n-tools) is not installed";
        QProcess tool;
        tool.start(program, args);
        ASSERT_TRUE(tool.waitForFinished(60'000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    QString m_lng;
};

} // namespace

TEST_F(TsFiles, LupdateOutputFillsTheTablesAndKeepsTheTranslationsAlreadyThere)
{
    const QString fresh = path("fresh.ts");
    runQtTool("lupdate", {sourcePath("examples/tr-app/trwindow.cpp"), "-ts", fresh});
    if (IsSkipped())
        return;
    EXPECT_EQ(
        import(fresh, "Deutsch"),
        (Result{0, m_lng.toUtf8() + ": 9 entries added, 0 values of Deutsch changed.\n", ""}));
    EXPECT_EQ(import(tsOf("de"), "Deutsch").out,
              m_lng.toUtf8() + ": 0 entries added, 9 values of Deutsch changed.\n");
    const QByteArray translated = read(m_lng);

    // The sources changed: one text is gone. What is translated stays, and the gone text is
    // reported, not deleted.
    QByteArray changed = read(fresh);
    changed.replace("<source>Files:</source>", "<source>Folders:</source>");
    write("changed.ts", changed);
    const Result result = import(path("changed.ts"), "Deutsch");
    EXPECT_EQ(result.out, m_lng.toUtf8() + ": 1 entries added, 0 values of Deutsch changed.\n");
    EXPECT_EQ(result.err, path("changed.ts").toUtf8() +
                              ":TrApp::TrWindow: \"%Files:%\": no longer in the .ts, kept.\n");
    EXPECT_EQ(run({"dump", m_lng}).out.count("Dateien:"), 1);
    EXPECT_NE(read(m_lng), translated);
}

TEST_F(TsFiles, AnExportComesBackByteIdenticalDirectlyAndThroughLconvertAndCompilesWithLrelease)
{
    for (const auto &[language, tag] : {std::pair{"Español", "es"}, std::pair{"Deutsch", "de"}})
        ASSERT_EQ(import(tsOf(tag), language).code, 0);
    const QByteArray before = read(m_lng);
    for (const QString language : {"Español", "Deutsch", "English"}) {
        const QString out = path(language + ".ts");
        ASSERT_EQ(run({"export", m_lng, "--format", "ts", "--language", language, "-o", out}).code,
                  0);
        EXPECT_EQ(import(out, language).code, 0);
        EXPECT_EQ(read(m_lng), before) << language.toStdString();

        const QString converted = path(language + ".lconvert.ts");
        runQtTool("lconvert", {"-i", out, "-o", converted});
        if (IsSkipped())
            return;
        EXPECT_EQ(import(converted, language).code, 0);
        EXPECT_EQ(read(m_lng), before) << language.toStdString();
    }
    // lrelease compiles the export into what Qt's own translator serves.
    runQtTool("lrelease", {path("Deutsch.ts"), "-qm", path("de.qm")});
    if (IsSkipped())
        return;
    QTranslator qm;
    ASSERT_TRUE(qm.load(path("de.qm")));
    EXPECT_EQ(qm.translate("TrApp::TrWindow", "%n file(s) selected", nullptr, 3),
              "%n Dateien ausgewählt");
    EXPECT_EQ(qm.translate("TrApp::TrWindow", "Open", "verb: open the files"), "Öffnen");
}

TEST_F(TsFiles, AMessageTheFileCannotHoldLeavesItAsItWasUnlessPartial)
{
    QByteArray ts = read(tsOf("es"));
    ts.replace("<translation>Archivos:</translation>", "<translation>Archivos: 50%%</translation>");
    write("bad.ts", ts);
    const QByteArray before = read(m_lng);
    const Result refused = import(path("bad.ts"), "Español");
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.startsWith(path("bad.ts").toUtf8() +
                                       ":31: TrApp::TrWindow: \"Files:\": its translation holds"))
        << refused.err.toStdString();
    EXPECT_EQ(read(m_lng), before);
    EXPECT_EQ(import(path("bad.ts"), "Español", {"--partial"}).code, 0);
    EXPECT_EQ(run({"dump", m_lng}).out.count("Cada texto de esta ventana"), 1);

    write("broken.ts", "<TS><context>");
    EXPECT_EQ(import(path("broken.ts"), "Español").code, 1);
    EXPECT_EQ(run({"export", m_lng, "--format", "ts"}).code, 2);
}
