#include "golden.h"

#include "designtool.h"
#include "lngjson.h"
#include <Parlox/format/lngfile.h>
#include <Parlox/registercomponents.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

struct Result {
    int code = -1;
    QByteArray err;
};

class DesignToolTest : public TempDirTest {
protected:
    static void SetUpTestSuite() { registerComponents(); }

    Result run(const QStringList &args, QByteArray input = {})
    {
        QBuffer in(&input);
        QBuffer out;
        QBuffer err;
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const int code = DesignTool::run(args, in, out, err);
        QByteArray printed = err.data();
        return {code, printed.replace(m_dir.path().toUtf8(), QByteArrayLiteral("<dir>"))};
    }

    QString orderForm = sourcePath(QStringLiteral("examples/designer/orderform.ui"));
};

TEST_F(DesignToolTest, WrongArgumentsPrintUsageAndExit2)
{
    const QStringList wrong[] = {{"collect", "--ui", "f.ui", "--lng", "f.lng"},
                                 {"collect", "a.json", "--yes"},
                                 {"rename", "a.json", "Old"},
                                 {"storage", "dir", "sideways", "a.json"},
                                 {"storage", "dir", "flat-file"}};
    for (const QStringList &args : wrong) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("usage: parlox-design ")) << r.err.toStdString();
    }
}

TEST_F(DesignToolTest, CollectingADesignerFormFillsATranslationsFile)
{
    const QString lng = path("order.lng");
    ASSERT_EQ(run({"collect", "--ui", orderForm, "--lng", lng, "--language", "English"}).code, 0);
    expectGolden(LngJson::dump(read(lng)), QStringLiteral("orderform.dump.json"));

    // Into a file of two languages: the other language stays, items the list lost go.
    write("order.lng", Lng::writeDocument(
                           {{"English", "Español"},
                            1,
                            {},
                            {{"OrderForm",
                              {"[fruitList.1]", "Pear", "Pera", "[fruitList.2]", "Plum", "Ciruela"},
                              {}}}}));
    ASSERT_EQ(run({"collect", "--ui", orderForm, "--lng", lng, "--language", "english"}).code, 0);
    const Lng::Document document = Lng::readDocument(Lng::Image(read(lng)));
    EXPECT_EQ(
        document.forms.value(0).formStrings.mid(0, 6),
        QStringList({"[fruitList.1]", "Pear", "Pera", "[Form.Caption]", "Place an order", ""}));

    const QByteArray before = read(lng);
    const Result unknown = run({"collect", "--ui", orderForm, "--lng", lng, "--language", "Nl"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.err, "parlox-design: <dir>/order.lng: the file has no language \"Nl\"\n");
    EXPECT_EQ(read(lng), before);
}

// Every text Qt's own lupdate finds in a Qt Designer form is collected, the newer properties
// (placeholders, status tips, what's-this, spin-box prefixes and suffixes, header labels)
// included.
TEST_F(DesignToolTest, CollectsEveryTextLupdateFindsInADesignerForm)
{
    const QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
    if (!QFileInfo::exists(lupdate))
        GTEST_SKIP() << "lupdate (qt6-l10n-tools) is not installed";
    QProcess process;
    process.start(lupdate, {orderForm, "-ts", path("order.ts")});
    ASSERT_TRUE(process.waitForFinished(60000));
    QStringList sources;
    QFile ts(path("order.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            sources.append(xml.readElementText());

    ASSERT_EQ(
        run({"collect", "--ui", orderForm, "--lng", path("order.lng"), "--language", "En"}).code,
        0);
    const QStringList table =
        Lng::readDocument(Lng::Image(read(path("order.lng")))).forms.value(0).formStrings;
    QStringList collected;
    for (qsizetype line = 1; line < table.size(); line += 2)
        collected.append(QString(table[line]).replace(QChar(0x15), u'\n'));
    EXPECT_EQ(sources.size(), 20);
    for (const QString &source : sources)
        EXPECT_TRUE(collected.contains(source)) << source.toStdString();
}

// Each refusal prints one line (a question and its answer before it) and writes nothing.
TEST_F(DesignToolTest, RefusalsPrintOneLineAndLeaveTheFormsAlone)
{
    for (const QString unit : {"demomainwindow", "demoaboutbox"}) {
        write(unit + ".json", readSource("examples/demo/" + unit + ".json"));
        write(unit + ".cpp", {});
    }
    const QString main = path("demomainwindow.json");
    const QString about = path("demoaboutbox.json");
    write("foreign.json", R"({"class": "Foreign::Form"})");
    const struct {
        QStringList args;
        QByteArray answer = {};
    } refused[] = {
        {{"rename", main, "Nope", "X"}},
        {{"rename", main, "BtnHello", "1st"}},
        {{"rename", main, "BtnHello", "BtnAbout"}},
        {{"delete", about, "Nope", main}},
        {{"language", main, "Klingon"}},
        {{"language", about, "Español"}},
        {{"storage", m_dir.path(), "flat-file", main}, "n\n"},
        {{"storage", m_dir.path(), "flat-file", about}},
        {{"collect", main, path("missing.json")}},
        {{"collect", path("foreign.json")}},
    };
    QByteArray printed;
    for (const auto &r : refused) {
        const Result result = run(r.args, r.answer);
        EXPECT_EQ(result.code, 1) << r.args.join(u' ').toStdString();
        printed += result.err;
    }
    expectGolden(printed, QStringLiteral("design_refusals.txt"));
    EXPECT_EQ(read(main), readSource("examples/demo/demomainwindow.json"));
    EXPECT_EQ(read(about), readSource("examples/demo/demoaboutbox.json"));
    EXPECT_FALSE(QFile::exists(path("demo.lng")));
}

} // namespace

// A UTF-8 file is found as such and keeps its texts; --encoding names the file's encoding on
// every command, and a name that is no encoding is a usage error.
TEST_F(DesignToolTest, CollectKeepsTheTranslationsFilesEncoding)
{
    const QString lng = path("order.lng");
    Lng::Document arabic{{"English", "العربية"},
                         1,
                         {},
                         {{"OrderForm", {"[fruitList.1]", "Pear", "كمثرى"}, {}}},
                         Encoding::Utf8};
    write("order.lng", Lng::writeDocument(arabic));
    ASSERT_EQ(run({"collect", "--ui", orderForm, "--lng", lng, "--language", "English"}).code, 0);
    EXPECT_TRUE(read(lng).contains("\xD9\x83\xD9\x85\xD8\xAB\xD8\xB1\xD9\x89\0"_qba));
    EXPECT_EQ(Lng::readDocument(Lng::Image(read(lng), Encoding::Utf8)).languages,
              QStringList({"English", "العربية"}));

    write("order.lng", Lng::writeDocument(arabic));
    const Result wrong = run({"collect", "--ui", orderForm, "--lng", lng, "--language", "English",
                              "--encoding", "Windows-1255"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(wrong.err.contains("not valid Windows-1255")) << wrong.err.toStdString();
    EXPECT_EQ(read(lng), Lng::writeDocument(arabic));
    EXPECT_EQ(run({"collect", "a.json", "--encoding", "koi8"}).code, 2);
}
