#include "editordocument.h"
#include "lngfile.h"
#include "lockedfile.h"
#include "tablegridmodel.h"
#include "tempdir.h"

#include <QDateTime>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using ParloxEd::EditorDocument;
using ParloxEd::TableGridModel;
using Result = ParloxEd::LoadStatus;
using View = EditorDocument::View;
namespace Lng = Parlox::Lng;

namespace {

// Two languages; form "Main" has both tables, "Tools" only user strings.
Lng::Document twoLanguages()
{
    return {{"English", "Español"},
            1,
            {"&OK&", "OK", "Aceptar", "&No&", "No", "No"},
            {{"Main", {"[Btn.Caption]", "Open", "Abrir"}, {"%HELLO%", "Hello", "Hola"}},
             {"Tools", {}, {"%BYE%", "Bye", "Adiós", "%A%", "a", "b"}}}};
}

QString identifierText(const QString &identifier)
{
    return QStringLiteral("<%1>").arg(identifier);
}

class EditorDocumentTest : public TempDirTest {
protected:
    EditorDocumentTest() { doc.setTextLookup(identifierText); }

    Result load(const Lng::Document &content, const QString &name = QStringLiteral("a.lng"))
    {
        return doc.loadFile(write(name, Lng::writeDocument(content))).status;
    }

    const TableGridModel &grid() const { return *doc.grid(); }

    EditorDocument doc;
};

} // namespace

// Each failed load names its cause; a file that is there but unusable closes the document
// and is released again, a missing one keeps the open document.
TEST_F(EditorDocumentTest, FailedLoadsNameTheirCause)
{
    QByteArray lower = Lng::writeDocument(twoLanguages());
    lower.replace(0, 10, "parlox 2.0");
    const QString readOnly = write("ro.lng", Lng::writeDocument(twoLanguages()));
    const bool permissionsHold = ::geteuid() != 0;
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    const QString held = write("held.lng", Lng::writeDocument(twoLanguages()));
    const Parlox::LockedFile reader(held, Parlox::LockedFile::Access::SharedRead);
    const struct {
        QString file;
        Result result;
    } cases[] = {{write("short.lng", "Parlox 2."), Result::Invalid},
                 {write("empty.lng", ""), Result::Invalid},
                 {write("lower.lng", lower), Result::NotParlox},
                 {write("upper.lng", QByteArray("PARLOX 2.0\x0e\0\0\0", 14)), Result::NotParlox},
                 {held, Result::OpenError},
                 {m_dir.path(), Result::OpenError},
                 {permissionsHold ? readOnly : m_dir.path(), Result::OpenError}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        ASSERT_EQ(load(twoLanguages()), Result::Loaded);
        doc.grid()->setCell(1, 1, QStringLiteral("edited"));
        EXPECT_EQ(doc.loadFile(c.file).status, c.result);
        EXPECT_FALSE(doc.isOpen());
        EXPECT_EQ(doc.windowsItemCount(), 0);
        EXPECT_TRUE(doc.languages().isEmpty());
        EXPECT_EQ(grid().cell(1, 1), QString());
        EXPECT_FALSE(grid().isCellEditable(1, 1));
        if (c.result != Result::OpenError) {
            EXPECT_NO_THROW(
                Parlox::LockedFile(c.file, Parlox::LockedFile::Access::ExclusiveReadWrite));
        }
    }

    ASSERT_EQ(load(twoLanguages()), Result::Loaded);
    doc.chooseWindowsItem(1);
    EXPECT_EQ(doc.loadFile(path("gone.lng")).status, Result::NoFile);
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.fileName(), path("a.lng"));
    EXPECT_EQ(grid().cell(1, 1), "Open");
    // Loading released the file.
    EXPECT_NO_THROW(
        Parlox::LockedFile(path("a.lng"), Parlox::LockedFile::Access::ExclusiveReadWrite));
}

namespace {

using ParloxEd::SaveStatus;
using Command = EditorDocument::LanguageResult;

// Runs `job` in a child process as the user "nobody"; true when it returned true there.
bool runAsNobody(const std::function<bool()> &job)
{
    constexpr uid_t nobody = 65534;
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(nobody) == 0 && ::setuid(nobody) == 0 && job() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

// Browsing changes nothing, so Save then writes nothing; a change of the default language alone
// is saved, a form whose tables hold no lines is left out, and the file keeps its permissions.
TEST_F(EditorDocumentTest, SavesOnlyAModifiedDocumentAndLeavesOutFormsWithoutLines)
{
    Lng::Document content = twoLanguages();
    // Malformed keys are shown without their ends, yet kept; a stray line is not shown.
    content.forms[0].formStrings += {"ab", "", "", "%USER%", "", ""};
    content.forms[1].formStrings = {"[C.Caption]", "e", "s", "[Stray]"};
    content.forms.prepend({"Blank", {"[k]", "a", "b"}, {}});
    QByteArray bytes = Lng::writeDocument(content);
    bytes.replace(Lng::HeaderSize, 4, QByteArray(4, '\0')); // Blank's section holds no lines
    const QString file = write("a.lng", bytes);
    ASSERT_EQ(doc.loadFile(file).status, Result::Loaded);
    const QDateTime lastWeek = QDateTime::currentDateTimeUtc().addDays(-7);
    QFile touched(file);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite) &&
                touched.setFileTime(lastWeek, QFileDevice::FileModificationTime));
    touched.close();
    for (int item : {1, 3, 0, 2}) {
        doc.chooseWindowsItem(item);
        doc.chooseView(View::UserStrings);
        doc.chooseView(View::FormStrings);
    }
    EXPECT_EQ(QStringList({grid().cell(0, 2), grid().cell(0, 3)}), QStringList({"", "USER"}));
    EXPECT_EQ(doc.save().status, SaveStatus::NothingToSave);
    EXPECT_EQ(read(file), bytes);
    EXPECT_EQ(QFileInfo(file).lastModified(), lastWeek);

    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(file, permissions));
    doc.chooseDefaultLanguage(0);
    EXPECT_EQ(doc.save().status, SaveStatus::Saved);
    EXPECT_FALSE(doc.isModified());
    content.defaultIndex = 0;
    content.forms[0].formStrings.clear();
    EXPECT_EQ(read(file), Lng::writeDocument(content));
    const auto forAll = QFileInfo(file).permissions() & ~(QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(forAll, permissions);
    ASSERT_EQ(doc.loadFile(file).status, Result::Loaded);
    EXPECT_EQ(doc.windowsItems(), QStringList({"<STRINGS_MESSAGES>", "Main", "Tools"}));
    EXPECT_EQ(doc.defaultLanguageName(), "English");
}

// Each failed save leaves the old file as it was and the document modified.
TEST_F(EditorDocumentTest, FailedSavesKeepTheOldFileAndTheDocumentModified)
{
    const struct {
        const char *name;
        std::function<bool(const QString &folder, const QString &file)> spoil;
        SaveStatus status;
        QString reason;
    } cases[] = {
        // Root writes through permission bits, so the bits themselves are checked.
        {"read-only file",
         [](auto &, auto &file) { return QFile::setPermissions(file, QFile::ReadOwner); },
         SaveStatus::ReadOnly, ""},
        {"unencodable name",
         [this](auto &, auto &) { return doc.renameLanguage(0, "Ελληνικά") == Command::Done; },
         SaveStatus::Failed, "Ελληνικά"},
        {"folder gone", [](auto &folder, auto &) { return QDir(folder).removeRecursively(); },
         SaveStatus::Failed, "No such file or directory"},
    };
    const QByteArray old = Lng::writeDocument(twoLanguages());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = path(QString::fromLatin1(c.name));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString file = write(QString::fromLatin1(c.name) + "/a.lng", old);
        ASSERT_EQ(doc.loadFile(file).status, Result::Loaded);
        doc.chooseDefaultLanguage(0);
        ASSERT_TRUE(c.spoil(folder, file));
        const ParloxEd::SaveResult result = doc.save();
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(result.reason.contains(c.reason)) << result.reason.toStdString();
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(read(file), QFileInfo::exists(folder) ? old : QByteArray());
    }
}

// Without a folder to put a new file in, the file is written where it stands.
TEST_F(EditorDocumentTest, AWritableFileInAFolderItCannotWriteToStillSaves)
{
    const QString folder = path("fixed");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = write("fixed/a.lng", Lng::writeDocument(twoLanguages()));
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder), 0555), 0);
    const auto save = [&file] {
        EditorDocument other;
        if (other.loadFile(file).status != Result::Loaded)
            return false;
        other.chooseDefaultLanguage(0);
        return other.save().status == SaveStatus::Saved;
    };
    // Root writes anywhere, so the save runs as a user who may write the file but not its folder.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(QFile::encodeName(file), 65534, 65534) == 0);
    EXPECT_TRUE(root ? runAsNobody(save) : save());
    Lng::Document expected = twoLanguages();
    expected.defaultIndex = 0;
    EXPECT_EQ(read(file), Lng::writeDocument(expected));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"a.lng"}));
    ::chmod(QFile::encodeName(folder), 0755);
}
