// Exports checked by translation tools no one here wrote: gettext (msgfmt, msgunfmt, msgcat),
// Qt's lconvert and translate-toolkit (po2xliff, xliff2po, pofilter).
#include "translation.h"

#include "runtool.h"
#include <Parlox/format/tables.h>

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {"/usr/bin", "/usr/lib/qt6/bin"});
}

class Peers : public TempDirTest {
protected:
    void SetUp() override
    {
        for (const char *peer :
             {"msgfmt", "msgunfmt", "msgcat", "lconvert", "po2xliff", "xliff2po", "pofilter"}) {
            if (tool(peer).isEmpty())
                GTEST_SKIP() << peer
                             << " is not installed (Debian gettext, qt6-l10n-tools, "
                                "translate-toolkit)";
        }
    }

    // Runs a peer and returns what it printed; it is expected to succeed without a word on
    // stderr, or to fail when fails is set.
    QByteArray peer(const QStringList &command, bool fails = false) const
    {
        QProcess process;
        process.start(tool(command.first()), command.mid(1));
        const std::string shown = command.join(u' ').toStdString();
        EXPECT_TRUE(process.waitForFinished(60'000)) << shown;
        EXPECT_EQ(process.exitCode() != 0, fails) << shown;
        const QByteArray err = process.readAllStandardError();
        EXPECT_TRUE(fails || err.isEmpty()) << shown << ": " << err.toStdString();
        return process.readAllStandardOutput() + err;
    }

    QString exported(const QByteArray &lng, const char *format)
    {
        const QString out = path(format == QByteArrayView("po") ? "x.po" : "x.xlf");
        const QStringList args{"export",     write("x.lng", lng), "--format", format,
                               "--language", "Español",           "-o",       out};
        EXPECT_EQ(run(args).code, 0);
        return out;
    }
};

} // namespace

// Every peer's rewrite of an export imports back: into the file it came from without a change,
// and into the file before a change with exactly the change. The change is to the second of
// the sample's two "OK" buttons, so a unit whose context a peer dropped must find its own entry.
TEST_F(Peers, EveryPeerRoundTripImportsBackByteIdentical)
{
    const struct {
        const char *format;
        const char *commands; // IN and OUT stand for the previous and the next file
    } pipelines[] = {
        {"po", "lconvert -i IN -o OUT.xlf"},
        {"xliff", "lconvert -i IN -o OUT.po"},
        {"po", "msgcat IN -o OUT.po"},
        {"po", "msgfmt -c IN -o OUT.mo | msgunfmt IN -o OUT.po"},
        {"po", "po2xliff --progress=none IN OUT.xlf"},
        {"po", "po2xliff --progress=none IN OUT.xlf | xliff2po --progress=none IN OUT.po"},
        {"xliff", "xliff2po --progress=none IN OUT.po | po2xliff --progress=none IN OUT.xlf"},
    };
    Lng::Document doc = sampleDocument();
    Tables::setValue(doc.forms[1].formStrings, doc.languages, u"[BtnOK.Caption]", u"Español",
                     QStringLiteral("Vale"));
    const QByteArray changed = Lng::writeDocument(doc);
    for (const auto &p : pipelines) {
        QString file = exported(changed, p.format);
        for (const QString &command : QString::fromLatin1(p.commands).split(" | ")) {
            QStringList step = command.split(u' ');
            const QString next = path(
                step.last().replace(QStringLiteral("OUT"), QStringLiteral("step") + step.first()));
            step.replace(step.indexOf(u"IN"), file);
            peer(step.mid(0, step.size() - 1) + QStringList{next});
            file = next;
        }
        for (const QByteArray &start : {sampleBytes(), changed}) {
            const QString lng = write(QStringLiteral("sample.lng"), start);
            EXPECT_EQ(run({"import", lng, file, "--language", "Español"}).err, "") << p.commands;
            EXPECT_EQ(read(lng), changed) << p.commands;
        }
    }
}

// Format flags let the peers' checks see a translation that drops or changes a placeholder.
// (pofilter's printf check also flags Qt placeholders in another order, which Qt allows.)
TEST_F(Peers, MsgfmtAndPofilterCatchABrokenPlaceholder)
{
    const QStringList good{"&A&", "%1 of %2", "%1 de %2",  "&B&", "%s files",  "%s archivos",
                           "&C&", "50% off",  "50% menos", "&D&", "%d%% done", "%d%% hecho"};
    QStringList broken = good;
    broken[2] = "%1 de";
    broken[5] = "%d archivos";
    for (const QStringList &messages : {good, broken}) {
        const bool fails = messages == broken;
        const QString po =
            exported(Lng::writeDocument({{"English", "Español"}, 0, messages, {}}), "po");
        const QByteArray checked = peer({"msgfmt", "-c", "-o", path("f.mo"), po}, fails);
        EXPECT_EQ(checked.count("for argument"), fails ? 2 : 0) << checked.toStdString();
        const QByteArray filtered = peer({"pofilter", "--progress=none", "-t", "printf", po});
        EXPECT_EQ(filtered.count("(pofilter) printf"), fails ? 2 : 0) << filtered.toStdString();
    }
}
