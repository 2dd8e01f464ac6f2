// Windows that exist without stored form data, translated through the one call an application
// makes; the selector's signals, Qt's LanguageChange and the "parlox" warnings.
#include "selector_fixture.h"
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/platform/application.h>
#include <Parlox/windowtranslation.h>

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtWidgets>

using namespace Parlox;

namespace {

const QStringList Languages{QStringLiteral("English"), QStringLiteral("Deutsch")};

// Records the "parlox" warnings while it lives.
class ParloxWarnings {
public:
    ParloxWarnings() { m_previous = qInstallMessageHandler(&ParloxWarnings::record); }
    ~ParloxWarnings()
    {
        qInstallMessageHandler(m_previous);
        messages().clear();
    }
    static QStringList &messages()
    {
        static QStringList recorded;
        return recorded;
    }
    bool contains(const QString &part) const { return !messages().filter(part).isEmpty(); }

private:
    static void record(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        if (QLatin1String(context.category) == QLatin1String("parlox"))
            messages().append(text);
    }
    QtMessageHandler m_previous = nullptr;
};

// A window as uic or hand-written code makes it: a label, and code that counts the
// LanguageChange events it receives and what the label showed then.
class CodedWindow : public QWidget {
public:
    CodedWindow()
    {
        setObjectName(QStringLiteral("CodedWindow"));
        label->setObjectName(QStringLiteral("Greeting"));
    }
    QLabel *label = new QLabel(QStringLiteral("Hello"), this);
    QStringList seenOnChange;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            label->setText(QStringLiteral("Hello")); // what retranslateUi does with no .qm
            seenOnChange.append(label->text());
        }
        QWidget::changeEvent(event);
    }
};

class WindowTranslationTest : public SelectorTest {
protected:
    void TearDown() override { Platform::Application::instance().forgetMainForm(); }
};

} // namespace

TEST_F(WindowTranslationTest, CodedWindowsFollowTheLanguageAndTheirTablesInCode)
{
    // In the form data's place: the tables given in code.
    QMainWindow main;
    TParloxSelect &selector =
        createSelector(main, {.translationsAre = InExe, .languages = Languages});
    CodedWindow window;
    TParloxForm &translator =
        translateWindow(window, selector,
                        {"[Greeting.Caption]", "Hello", "Hallo", "[Form.Caption]", "", "Fenster"});
    EXPECT_EQ(&translateWindow(window, selector), &translator) << "one translator per window";

    QSignalSpy changed(&selector, &TParloxSelect::languageChanged);
    selector.setActiveLanguage("Deutsch");
    EXPECT_EQ(window.label->text(), "Hallo") << "LanguageChange came first, the table last";
    EXPECT_EQ(window.windowTitle(), "Fenster");
    EXPECT_EQ(window.seenOnChange, QStringList{"Hello"});
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.value(0).value(0).toString(), "Deutsch");
    EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
}

// Windows mirror for a language written from right to left, and turn back after it.
TEST_F(WindowTranslationTest, RightToLeftLanguagesMirrorTheWindows)
{
    QMainWindow main;
    TParloxSelect &selector = createSelector(
        main, {.translationsAre = InExe, .languages = {"English", "עברית", "Klingon"}});
    CodedWindow window;
    translateWindow(window, selector, {"[Greeting.Caption]", "Hello", "שלום", "nuqneH"});
    selector.setActiveLanguage("עברית");
    EXPECT_EQ(window.label->text(), "שלום");
    EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(main.layoutDirection(), Qt::RightToLeft);
    selector.setActiveLanguage("Klingon");
    EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
    selector.setActiveLanguage("English");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_F(WindowTranslationTest, SettersInSlotsReportInsteadOfThrowing)
{
    QMainWindow main;
    TParloxSelect &selector = createSelector(
        main, {.translationsAre = InExe, .languages = Languages, .rememberLanguage = rlFlagFile});
    QSignalSpy errors(&selector, &TParloxSelect::errorOccurred);
    QString why;
    EXPECT_FALSE(selector.trySetActiveLanguage("Klingon", &why));
    EXPECT_TRUE(why.contains("Klingon"));
    EXPECT_TRUE(m_shown.isEmpty()) << "no message box from the checked variant";

    // The choice cannot be remembered: a folder stands where the flag file goes.
    QDir(m_dir.path()).mkdir("Parlox.1");
    EXPECT_THROW(selector.setActiveLanguage("Deutsch"), Error);
    EXPECT_FALSE(selector.trySetActiveLanguage("Deutsch", &why));
    EXPECT_TRUE(why.contains("Parlox.1"));
    EXPECT_EQ(selector.ActiveLanguage(), "English");
    EXPECT_EQ(errors.size(), 2);
}

TEST_F(WindowTranslationTest, EveryQuietNoOpIsAWarning)
{
    ParloxWarnings warnings;
    QWidget loneWindow;
    loneWindow.setObjectName("Lone");
    TParloxForm lone(&loneWindow);
    lone.loaded();
    EXPECT_TRUE(warnings.contains("is linked to no TParloxSelect"));

    TParloxSelect unnamed;
    load(unnamed, Languages, "English");
    EXPECT_TRUE(warnings.contains("has no object name"));
    unnamed.trySetActiveLanguage("Klingon");
    EXPECT_TRUE(warnings.contains("Klingon"));

    // Stored texts for a component the code renamed; a translations file that is not there.
    QMainWindow main;
    TParloxSelect &selector =
        createSelector(main, {.translationsAre = InExe, .languages = Languages});
    CodedWindow window;
    translateWindow(window, selector, {"[OldGreeting.Caption]", "Hello", "Hallo"});
    EXPECT_TRUE(warnings.contains("\"[OldGreeting.Caption]\" of \"CodedWindow\" names no"));
    selector.setTranslationsAre(InFlatFile);
    EXPECT_TRUE(warnings.contains("TranslationsAre is kept as it was read"));
    EXPECT_EQ(selector.TranslationsAre(), InExe);
    QMainWindow flatMain;
    createSelector(flatMain, {.translationsFile = "gone.lng"});
    EXPECT_TRUE(warnings.contains("gone.lng\" is missing"));
    EXPECT_EQ(m_shown, QStringList{"The Application Translations File is missing.\rPlease "
                                   "contact the author."});
}

// In flat-file mode a window's tables are the translations file's section of the window's name,
// the file read from wherever the selector says: beside the executable, an absolute path, a Qt
// resource, the application's data folder.
TEST_F(WindowTranslationTest, TheTranslationsFileIsFoundWhereTheSelectorSays)
{
    const QByteArray sample = read(QStringLiteral(PARLOX_SOURCE_DIR "/examples/sample.lng"));
    QDir(m_dir.path()).mkdir("elsewhere");
    const QString absolute = write("elsewhere/app.lng", sample);
    write("app.lng", sample);
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(appData);
    QFile::remove(appData + "/app.lng");
    ASSERT_TRUE(QFile::copy(absolute, appData + "/app.lng"));
    const struct {
        TranslationsLocation location;
        QString file;
    } places[] = {{TranslationsLocation::ExecutableFolder, "app.lng"},
                  {TranslationsLocation::FilePath, absolute},
                  {TranslationsLocation::FilePath, ":/translations/sample.lng"},
                  {TranslationsLocation::AppData, "C:\\Somewhere\\app.lng"}};
    for (const auto &place : places) {
        Platform::Application::instance().forgetMainForm();
        QMainWindow main;
        TParloxSelect &selector = createSelector(
            main, {.translationsFile = place.file, .translationsLocation = place.location});
        QWidget about;
        about.setObjectName("AboutBox");
        translateWindow(about, selector);
        selector.setActiveLanguage("Español");
        EXPECT_EQ(about.windowTitle(), "Acerca de") << place.file.toStdString();
    }
    QFile::remove(appData + "/app.lng");
    EXPECT_TRUE(m_shown.isEmpty()) << "no file was missing";
}
