// Exports checked by translation tools no one here wrote: gettext (msgfmt, msgcat), Qt's
// lconvert and translate-toolkit (po2xliff, xliff2po, pofilter).
#include "translation.h"

#include "runtool.h"
#include "tables.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name),
                                          {"/usr/bin", "/usr/lib/qt6/bin", "/usr/lib/qt6/libexec"});
}

class Peers : public TempDirTest {
protected:
    // The first of peers that is not installed; empty when all are.
    static std::string missing(const QStringList &peers)
    {
        for (const QString &peer : peers) {
            if (tool(peer.toLatin1().constData()).isEmpty())
                return peer.toStdString() + " is not installed (Debian gettext, qt6-l10n-tools, "
                                            "translate-toolkit)";
        }
        return {};
    }

    // Runs a peer; returns what it printed on standard output and expects it to succeed
    // without a word on stderr, or to fail when fails is set.
    QByteArray peer(const QStringList &command, bool fails = false) const
    {
        QProcess process;
        process.start(tool(command.first().toLatin1().constData()), command.mid(1));
        EXPECT_TRUE(process.waitForFinished(60'000)) << command.join(u' ').toStdString();
        EXPECT_EQ(process.exitCode() != 0, fails) << command.join(u' ').toStdString();
        const QByteArray err = process.readAllStandardError();
        if (!fails) {
            EXPECT_EQ(err.toStdString(), "") << command.join(u' ').toStdString();
        }
        return process.readAllStandardOutput() + err;
    }

    QString exported(const QString &lng, const char *format, const QString &language)
    {
        const QString out = path(language + (format == QByteArrayView("po") ? ".po" : ".xlf"));
        EXPECT_EQ(run({"export", lng, "--format", format, "--language", language, "-o", out}).code,
                  0);
        return out;
    }
};

// The sample with the second of its two "OK" buttons translated otherwise, so that a unit
// whose context a peer dropped must still find its own entry.
QByteArray changedSample()
{
    Lng::Document doc = sampleDocument();
    Tables::setValue(doc.forms[1].formStrings, doc.languages, u"[BtnOK.Caption]", u"Español",
                     QStringLiteral("Vale"));
    return Lng::writeDocument(doc);
}

} // namespace

TEST_F(Peers, MsgfmtAcceptsEveryExportedPo)
{
    if (const std::string why = missing({"msgfmt"}); !why.empty())
        GTEST_SKIP() << why;
    const QString lng = write(QStringLiteral("sample.lng"), sampleBytes());
    for (const QString language : {"Español", "Deutsch"})
        peer({"msgfmt", "-c", "-o", path("out.mo"), exported(lng, "po", language)});
}

// Every peer's rewrite of an export imports back: into the file it came from without a change,
// into the file before the change with exactly the change.
TEST_F(Peers, EveryPeerRoundTripImportsBackByteIdentical)
{
    const QString in = QStringLiteral("IN");
    const QString out = QStringLiteral("OUT");
    const struct {
        const char *format;
        QList<QStringList> steps; // IN and OUT stand for the previous and the next file
    } pipelines[] = {
        {"po", {{"lconvert", "-i", in, "-o", out + ".xlf"}}},
        {"xliff", {{"lconvert", "-i", in, "-o", out + ".po"}}},
        {"po", {{"msgcat", in, "-o", out + ".po"}}},
        {"po", {{"po2xliff", in, out + ".xlf"}}},
        {"po", {{"po2xliff", in, out + ".xlf"}, {"xliff2po", in, out + ".po"}}},
        {"xliff", {{"xliff2po", in, out + ".po"}, {"po2xliff", in, out + ".xlf"}}},
    };
    if (const std::string why = missing({"lconvert", "msgcat", "po2xliff", "xliff2po"});
        !why.empty())
        GTEST_SKIP() << why;
    const QByteArray changed = changedSample();
    for (const auto &p : pipelines) {
        QString file = exported(write(QStringLiteral("changed.lng"), changed), p.format, "Español");
        for (qsizetype i = 0; i < p.steps.size(); ++i) {
            QStringList step = p.steps[i];
            const QString next = path(QStringLiteral("step%1").arg(i)) + step.last().sliced(3);
            step.replace(step.indexOf(in), file);
            step.last() = next;
            peer(step + (step.first() == u"po2xliff" || step.first() == u"xliff2po"
                             ? QStringList{"--progress=none"}
                             : QStringList{}));
            file = next;
        }
        const QString trail = p.steps.first().first() + u' ' + p.format;
        for (const QByteArray &start : {sampleBytes(), changed}) {
            const QString lng = write(QStringLiteral("sample.lng"), start);
            const Result r = run({"import", lng, file, "--language", "Español"});
            EXPECT_EQ(r.code, 0) << trail.toStdString() << ": " << r.err.toStdString();
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(read(lng), changed) << trail.toStdString();
        }
    }
}

// Format flags let the peers' checks see a translation that drops or changes a placeholder.
// (pofilter's printf check also flags Qt placeholders in another order, which Qt allows.)
TEST_F(Peers, MsgfmtAndPofilterCatchABrokenPlaceholder)
{
    if (const std::string why = missing({"msgfmt", "pofilter"}); !why.empty())
        GTEST_SKIP() << why;
    const QStringList good{"&A&", "%1 of %2", "%1 de %2",  "&B&", "%s files",  "%s archivos",
                           "&C&", "50% off",  "50% menos", "&D&", "%d%% done", "%d%% hecho"};
    QStringList broken = good;
    broken[2] = "%1 de";
    broken[5] = "%d archivos";
    for (const QStringList &messages : {good, broken}) {
        const Lng::Document doc{{"English", "Español"}, 0, messages, {}};
        const QString po = exported(write("f.lng", Lng::writeDocument(doc)), "po", "Español");
        const bool fails = messages == broken;
        const QByteArray checked = peer({"msgfmt", "-c", "-o", path("f.mo"), po}, fails);
        EXPECT_EQ(checked.count("format specification"), fails ? 2 : 0) << checked.toStdString();
        const QByteArray filtered = peer({"pofilter", "--progress=none", "-t", "printf", po});
        EXPECT_EQ(filtered.count("(pofilter) printf"), fails ? 2 : 0) << filtered.toStdString();
    }
}
