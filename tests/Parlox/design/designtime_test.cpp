#include "design_fixture.h"
#include <Parlox/design/autoupdatelink.h>
#include <Parlox/flatfile.h>
#include <Parlox/format/lngfile.h>

#include <QtWidgets>

using namespace Parlox;

namespace {

class DesignTimeTest : public DesignTest {
protected:
    static const QTimer *retryTimer(const TParloxForm &translator)
    {
        const auto *link = Design::AutoUpdateLink::find(translator);
        return link ? link->retryTimer() : nullptr;
    }
    // What the event loop does when the timer is due, without waiting for it.
    static void fire(const QTimer &timer)
    {
        QTimerEvent due(timer.timerId());
        QCoreApplication::sendEvent(const_cast<QTimer *>(&timer), &due);
    }
};

TEST_F(DesignTimeTest, NothingRunsInARunningProgram)
{
    host.addModule(QStringLiteral("Form1"));
    QWidget form;
    form.setObjectName(QStringLiteral("Form1"));
    auto *selector = new TParloxSelect(&form);
    selector->setObjectName(QStringLiteral("Select"));
    selector->setLanguages({English, Spanish});
    selector->setTranslationsFile(path("app.lng"));
    auto *button = add<QPushButton>(&form, "Button1", "Okay");
    auto *translator = new TParloxForm(&form);
    translator->beginLoading();
    translator->setFormStrings({"[Button1.Caption]", "OK", "Vale"});
    translator->setLanguage(English); // a designer would collect "Okay" before switching
    translator->setAutoUpdate(true);
    translator->loaded();
    translator->setAutoUpdate(true);
    selector->setActiveLanguage(Spanish);
    selector->setTranslationsAre(InFlatFile);

    EXPECT_EQ(host.lookups, 0);
    EXPECT_FALSE(translator->AutoUpdate());
    EXPECT_EQ(retryTimer(*translator), nullptr);
    EXPECT_EQ(button->text(), "Vale");
    EXPECT_EQ(translator->FormStrings(), QStringList({"[Button1.Caption]", "OK", "Vale"}));
    EXPECT_EQ(selector->TranslationsAre(), InExe);
    EXPECT_FALSE(QFile::exists(path("app.lng")));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(DesignTimeTest, AttachesOnceTheModuleAppearsAndDetachesWhenDone)
{
    TParloxForm &translator = designForm(QStringLiteral("Form1"), nullptr, false);
    EXPECT_FALSE(translator.AutoUpdate());
    const QTimer *timer = retryTimer(translator);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    fire(*timer);
    EXPECT_FALSE(translator.AutoUpdate()) << "still no module";
    EXPECT_TRUE(timer->isActive());
    Design::ModuleInterface &module = host.addModule(QStringLiteral("Form1"));
    fire(*timer);
    EXPECT_TRUE(translator.AutoUpdate());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(module.notifiers().size(), 1);

    translator.setAutoUpdate(false);
    EXPECT_TRUE(module.notifiers().isEmpty());
    translator.setAutoUpdate(true);
    forms.clear();
    EXPECT_TRUE(module.notifiers().isEmpty()) << "the translator's destruction detaches it";
}

// Renames are exercised through the designer tool; what it never sends is another event or a
// rename without names.
TEST_F(DesignTimeTest, OnlyBeforeSaveCollectsAndARenameWithoutNamesIsReported)
{
    TParloxForm &translator = designForm(QStringLiteral("Form1"));
    add<QPushButton>(translator.owningForm(), "Button1", "OK");
    Design::ModuleInterface &module = *host.findModule(QStringLiteral("Form1"));
    module.deliverEvent(Design::ModuleNotifier::BeforeSave - 1);
    EXPECT_TRUE(translator.FormStrings().isEmpty());
    module.deliverRename(nullptr, QString(), QString());
    module.deliverEvent(Design::ModuleNotifier::BeforeSave);
    EXPECT_EQ(translator.FormStrings(), QStringList({"[Button1.Caption]", "OK", ""}));
    EXPECT_EQ(shown, QStringList({"Something strange on component rename..."}));
}

TEST_F(DesignTimeTest, InFlatFileModeRenamesReachTheFile)
{
    TParloxForm &translator = designForm(QStringLiteral("Form1"));
    TParloxSelect &selector = *translator.PxLanguageSelector();
    selector.setTranslationsFile(path("app.lng"));
    selector.storeTranslationsAre(InFlatFile);
    translator.setStoredFormName(QStringLiteral("OldName"));
    Lng::Document document{{English, Spanish}, 0, {}, {}};
    document.forms.append({"OldName", {"[Button1.Caption]", "OK", "Vale"}, {}});
    write("app.lng", Lng::writeDocument(document));

    host.findModule(QStringLiteral("Form1"))
        ->deliverRename(nullptr, QStringLiteral("Button1"), QStringLiteral("BtnOK"));
    EXPECT_TRUE(translator.FormStrings().isEmpty());
    const Lng::Document stored = Lng::readDocument(Lng::Image(read(path("app.lng"))));
    ASSERT_EQ(stored.forms.size(), 1);
    EXPECT_EQ(stored.forms[0].name, "Form1") << "the form's entry follows its rename";
    EXPECT_EQ(stored.forms[0].formStrings, QStringList({"[BtnOK.Caption]", "OK", "Vale"}));
}

} // namespace
