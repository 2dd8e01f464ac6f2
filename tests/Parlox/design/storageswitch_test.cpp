#include "design_fixture.h"
#include <Parlox/design/storageswitch.h>
#include <Parlox/format/lngfile.h>

#include <QFile>

using namespace Parlox;

namespace {

// A project of two forms, Main (holding the selector) and About, both open, whose tables are
// moved between the form data and app.lng.
class StorageSwitchTest : public DesignTest {
protected:
    void SetUp() override
    {
        DesignTest::SetUp();
        host.units.clear();
        QFile::remove(path("app.lng"));
        for (const char *unit : {"main.cpp", "main.json", "about.cpp", "about.json", "util.cpp",
                                 "notes.json", "x.h", "x.json"}) {
            host.units << write(QString::fromLatin1(unit), {});
        }
        main = &designForm(QStringLiteral("Main"));
        selector = main->PxLanguageSelector();
        selector->setTranslationsFile(path("app.lng"));
        about = &designForm(QStringLiteral("About"), selector);
        for (TParloxForm *t : {main, about}) {
            const QString name = t->owningForm()->objectName();
            t->setFormStrings({"[Form.Caption]", name, name + u'!'});
            t->setUserStrings({"%HI%", "Hi " + name, "Hola"});
        }
    }

    QList<QStringList> tables() const
    {
        return {main->FormStrings(), main->UserStrings(), about->FormStrings(),
                about->UserStrings()};
    }

    TParloxForm *main = nullptr;
    TParloxForm *about = nullptr;
    TParloxSelect *selector = nullptr;
};

TEST_F(StorageSwitchTest, TheTablesMoveIntoTheFileAndBackUnchanged)
{
    const QList<QStringList> before = tables();
    selector->setTranslationsAre(InFlatFile);
    EXPECT_EQ(selector->TranslationsAre(), InFlatFile);
    EXPECT_TRUE(shown.isEmpty()) << "as many translators as forms: no question";
    for (const QStringList &table : tables())
        EXPECT_TRUE(table.isEmpty());
    const QByteArray file = read(path("app.lng"));
    const Lng::Document stored = Lng::readDocument(Lng::Image(file));
    ASSERT_EQ(stored.forms.size(), 2);
    EXPECT_EQ(stored.forms[1], (Lng::Form{"About", before[2], before[3]}));
    EXPECT_EQ(stored.languages, selector->Languages());

    selector->setTranslationsAre(InExe);
    EXPECT_EQ(selector->TranslationsAre(), InExe);
    EXPECT_EQ(tables(), before);
    EXPECT_EQ(read(path("app.lng")), file);
}

TEST_F(StorageSwitchTest, ARefusedSwitchKeepsTheValueAndEveryTable)
{
    const QList<QStringList> before = tables();
    const struct {
        const char *why;
        std::function<void()> arrange;
        QString message;
    } cases[] = {
        {"no file named", [&] { selector->setTranslationsFile({}); },
         "Before set TranslationsAre to InFlatFile you\rmust set the TranslationFile property."},
        {"no designer services", [] { Design::installDesignTime(nullptr); },
         "The form designer's services are not available, so the project's forms cannot be "
         "counted.\rTranslationsAre keeps its value."},
        {"a foreign file", [&] { write("app.lng", "Not a translations file"); },
         "The translations file \"" + path("app.lng") +
             "\" was not written: it is not a Parlox translations file, or it cannot be "
             "written.\rTranslationsAre keeps its value."},
        // Main's tables have moved when About's cannot: Main gets its tables back.
        {"a text the file cannot hold", [&] { about->UserStrings()[2] = "日本"; },
         "was not written"},
    };
    for (const auto &c : cases) {
        TearDown();
        SetUp();
        c.arrange();
        shown.clear();
        selector->setTranslationsAre(InFlatFile);
        EXPECT_EQ(selector->TranslationsAre(), InExe) << c.why;
        EXPECT_EQ(tables().mid(0, 3), before.mid(0, 3)) << c.why;
        ASSERT_EQ(shown.size(), 1) << c.why;
        EXPECT_TRUE(shown[0].contains(c.message)) << shown[0].toStdString();
    }
}

} // namespace
