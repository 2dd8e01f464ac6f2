#include "commandline.h"
#include "mainformtest.h"

using namespace EditorWindowTest;

namespace {

const QString Discard = QStringLiteral(
    "Confirmation|You haven't saved the modifications introduced.\nAre you sure you want to "
    "open a new file and discard the changes?");

class OpeningFiles : public MainFormTest {
protected:
    // Drags the URLs onto the window and drops them there when it takes them.
    bool drop(const QList<QUrl> &urls) const
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window.get(), &dropped);
        QCoreApplication::sendPostedEvents(); // the file opens once the drop is over
        return true;
    }

    QStringList recent() const { return texts(menu("RecentFiles")->actions()); }
    void chooseRecent(int i) const { menu("RecentFiles")->actions().at(i)->trigger(); }
};

// The program itself: a wrong command line is refused with the usage on stderr and exit code
// 2 before any window opens; --help prints the usage and exits 0.
TEST(ParloxEdProcess, RefusesAWrongCommandLineWithExitCode2)
{
    const auto run = [](const QStringList &arguments) {
        QProcess program;
        program.start(QStringLiteral(PARLOXED_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(30'000));
        return std::tuple(program.exitCode(),
                          QString::fromLocal8Bit(program.readAllStandardOutput()),
                          QString::fromLocal8Bit(program.readAllStandardError()));
    };
    const auto [helpCode, help, helpErrors_] = run({"--help"});
    EXPECT_EQ(helpCode, 0);
    EXPECT_TRUE(help.contains("FILE")) << help.toStdString();
    for (const QStringList &wrong : {QStringList{"a.lng", "b.lng"}, QStringList{"--frobnicate"}}) {
        const auto [code, out, errors] = run(wrong);
        EXPECT_EQ(code, 2) << wrong.join(u' ').toStdString();
        EXPECT_EQ(out, "");
        EXPECT_TRUE(errors.contains(wrong.size() == 2 ? "Only one file" : "Unknown option"))
            << errors.toStdString();
        EXPECT_TRUE(errors.contains(help.section(u'\n', 0, 0))) << errors.toStdString();
    }
}

// Open, the file argument, a drop and a recent file all ask before discarding edits; No and
// Esc keep them. Yes, or closing the box from its frame, goes on to the open dialog.
TEST_F(OpeningFiles, EveryWayOfOpeningAsksBeforeDiscardingEdits)
{
    start();
    const QString file = writeSample();
    const QString other = writeSample(QStringLiteral("other.lng"));
    open(other);
    open(file);
    EXPECT_EQ(recent(), QStringList({"&1 " + file, "&2 " + other, "-", "&Clear list"}));
    selectCell(1, 2);
    type(QStringLiteral("Okay"));
    const std::function<void()> ways[] = {
        [&] { action("OpenFile")->trigger(); },
        [&] {
            window->OpenFileNamed(ParloxEd::parseCommandLine({"ParloxEd", other}).file);
        },
        [&] { EXPECT_TRUE(drop({QUrl::fromLocalFile(other)})); },
        [&] { chooseRecent(1); },
    };
    for (const auto &openOther : ways) {
        for (const Answer &refuse : {press("No"), pressEscape()}) {
            Dialogs dialogs{refuse};
            openOther();
            EXPECT_EQ(dialogs.summary(), QStringList({Discard}));
            EXPECT_EQ(cell(1, 2), "Okay");
        }
    }
    for (const Answer &goOn : {press("Yes"), cancelDialog()}) {
        Dialogs dialogs{goOn, cancelDialog()};
        action("OpenFile")->trigger();
        EXPECT_TRUE(dialogs.summary().value(1).startsWith("Select the file name"));
    }
    EXPECT_EQ(doc().fileName(), file);
    EXPECT_EQ(cell(1, 2), "Okay");
    EXPECT_FALSE(drop({QUrl::fromLocalFile(other), QUrl::fromLocalFile(file)}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/other.lng"))}));
    Dialogs dialogs{press("Yes")};
    EXPECT_TRUE(drop({QUrl::fromLocalFile(other)}));
    EXPECT_EQ(doc().fileName(), other);
}

TEST_F(OpeningFiles, RecentFilesComeAfterOpenNewestFirstOutliveTheWindowAndForgetLostFiles)
{
    start();
    EXPECT_FALSE(menu("RecentFiles")->menuAction()->isEnabled());
    EXPECT_EQ(texts(menu("MenuFile")->actions()),
              QStringList({"&Open", "Recent &files", "&Save", "-", "L&anguage", "-", "&Exit"}));
    const QString file = writeSample();
    const QString other = writeSample(QStringLiteral("R&D.lng"));
    for (const QString &name : {file, other, file})
        open(name);
    window.reset();
    start();
    const QString otherItem = "&2 " + path(QStringLiteral("R&&D.lng"));
    EXPECT_EQ(recent(), QStringList({"&1 " + file, otherItem, "-", "&Clear list"}));
    chooseRecent(1);
    EXPECT_EQ(doc().fileName(), other);

    QFile::remove(file);
    {
        Dialogs dialogs{press("OK")};
        chooseRecent(1);
        EXPECT_EQ(dialogs.summary(), QStringList({"Error|The file doesn't exist: " + file}));
    }
    EXPECT_EQ(recent(),
              QStringList({"&1 " + path(QStringLiteral("R&&D.lng")), "-", "&Clear list"}));
    EXPECT_EQ(doc().fileName(), other);
    action("ClearRecent1")->trigger();
    EXPECT_EQ(recent(), QStringList({"-", "&Clear list"}));
    EXPECT_FALSE(menu("RecentFiles")->menuAction()->isEnabled());
}

} // namespace
