// Exports checked by translation tools no one here wrote: gettext's msgfmt and Qt's lconvert.
#include "translation.h"

#include "runtool.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

class Peers : public TempDirTest {
protected:
    void SetUp() override
    {
        m_msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
        m_lconvert = QStandardPaths::findExecutable(QStringLiteral("lconvert"),
                                                    {"/usr/lib/qt6/bin", "/usr/lib/qt6/libexec"});
        if (m_msgfmt.isEmpty() || m_lconvert.isEmpty())
            GTEST_SKIP() << "msgfmt (Debian gettext) or lconvert (Debian qt6-l10n-tools) is "
                            "not installed";
        m_lng = write(QStringLiteral("sample.lng"), sampleBytes());
    }

    // Runs a peer and expects it to succeed without a word on stderr.
    void expectClean(const QString &program, const QStringList &args) const
    {
        QProcess peer;
        peer.start(program, args);
        ASSERT_TRUE(peer.waitForFinished(60'000)) << program.toStdString();
        EXPECT_EQ(peer.exitCode(), 0)
            << program.toStdString() << ' ' << args.join(u' ').toStdString();
        EXPECT_EQ(peer.readAllStandardError().toStdString(), "");
    }

    QString exported(const char *format, const QString &language = QStringLiteral("Español"))
    {
        const QString extension = format == QByteArrayView("po") ? "po" : "xlf";
        const QString out = path(language + u'.' + extension);
        EXPECT_EQ(
            run({"export", m_lng, "--format", format, "--language", language, "-o", out}).code, 0);
        return out;
    }

    QString m_msgfmt;
    QString m_lconvert;
    QString m_lng;
};

} // namespace

TEST_F(Peers, MsgfmtAcceptsEveryExportedPo)
{
    for (const QString language : {"Español", "Deutsch"})
        expectClean(m_msgfmt, {"-c", "-o", path("out.mo"), exported("po", language)});
}

TEST_F(Peers, LconvertConvertsBothWaysAndItsFilesImportBack)
{
    const QString fromPo = path("from-po.xlf");
    const QString fromXliff = path("from-xliff.po");
    expectClean(m_lconvert, {"-i", exported("po"), "-o", fromPo});
    expectClean(m_lconvert, {"-i", exported("xliff"), "-o", fromXliff});
    for (const QString &file : {fromPo, fromXliff}) {
        const Result r = run({"import", m_lng, file, "--language", "Español"});
        EXPECT_EQ(r.code, 0) << file.toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(read(m_lng), sampleBytes()) << file.toStdString();
    }
}
