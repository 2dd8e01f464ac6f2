#include "commandline.h"
#include "mainformtest.h"
#include "writefailures.h"

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
              QStringList({"&Open", "Recent &files", "E&ncoding", "&Save", "-", "L&anguage", "-",
                           "&Exit"}));
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

// Another program wrote the file after it was opened (as an import does): Save asks before
// writing over it. Cancel keeps both, No writes the edits over it, Yes reloads the file.
TEST_F(OpeningFiles, SaveAsksBeforeWritingOverAFileChangedOnDisk)
{
    const QString file = startOn(writeSample());
    Lng::Document imported = sampleDocument();
    imported.messages[2] = QStringLiteral("Cuidado");
    const QByteArray onDisk = Lng::writeDocument(imported);
    const auto changeOnDiskAndType = [&](const QString &text) {
        Parlox::LockedFile::writeNew(file, onDisk);
        selectCell(2, 1);
        type(text);
    };
    const QString asked =
        "Warning|Another program has changed the file since it was opened or saved.\nYes: reload "
        "the file and discard your changes.\nNo: overwrite the file with your changes.\nCancel: "
        "keep your changes without saving.";
    changeOnDiskAndType(QStringLiteral("Mine"));
    EXPECT_EQ(command("SaveFile", {press("Cancel")}), QStringList({asked}));
    EXPECT_EQ(read(file), onDisk);
    EXPECT_TRUE(doc().isModified());

    EXPECT_EQ(command("SaveFile", {press("No")}), QStringList({asked}));
    const auto savedMessages = [&] {
        const QByteArray bytes = read(file);
        return Lng::readDocument(Lng::Image(bytes)).messages;
    };
    QStringList expected = imported.messages;
    expected[2] = QStringLiteral("Mine");
    EXPECT_EQ(savedMessages(), expected);
    EXPECT_FALSE(doc().isModified());

    changeOnDiskAndType(QStringLiteral("Lost"));
    EXPECT_EQ(command("SaveFile", {press("Yes")}), QStringList({asked}));
    EXPECT_EQ(cell(2, 1), "Cuidado");
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(read(file), onDisk);
    // Its own save is no change on disk: the next one asks nothing.
    selectCell(2, 1);
    type(QStringLiteral("Again"));
    EXPECT_EQ(command("SaveFile"), QStringList());
    expected[2] = QStringLiteral("Again");
    EXPECT_EQ(savedMessages(), expected);
}

// A file the user may read but not write (here on a read-only filesystem, which even root
// cannot write) opens marked read-only, in the interface language, and Save says so and leaves
// it as it was.
TEST_F(OpeningFiles, AFileTheUserMayNotWriteOpensReadOnly)
{
    SmallDisk disk;
    const QString file = disk.mounted() ? disk.path(QStringLiteral("ro.lng")) : path("ro.lng");
    const QByteArray bytes = Lng::writeDocument(sampleDocument());
    Parlox::LockedFile::writeNew(file, bytes);
    if (disk.mounted())
        ASSERT_EQ(::mount(nullptr, QFile::encodeName(disk.path(QString())).constData(), nullptr,
                          MS_REMOUNT | MS_RDONLY, nullptr),
                  0);
    else if (::geteuid() != 0)
        ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner));
    else
        GTEST_SKIP() << "a read-only filesystem for root needs a mount";
    startOn(file);
    EXPECT_EQ(window->windowTitle(), "ParloxEd - " + file);
    EXPECT_EQ(named<StatusPanelBar>("StatusValue")->marker(), "Read-only");
    selectCell(2, 1);
    type(QStringLiteral("Nope"));
    EXPECT_EQ(command("SaveFile", {press("OK")}),
              QStringList({"Error|The file couldn't be opened.\nThe file is read-only."}));
    EXPECT_EQ(read(file), bytes);
    chooseSpanishInterface();
    EXPECT_EQ(named<StatusPanelBar>("StatusValue")->marker(), "Sólo lectura");
    command("OpenFile", {press("Yes"), chooseFile(writeSample())});
    EXPECT_EQ(named<StatusPanelBar>("StatusValue")->marker(), "");
}
