#include "editordocument.h"
#include "tablegridmodel.h"
#include "tempdir.h"
#include "writefailures.h"
#include <Parlox/format/lngfile.h>

#include <QUndoStack>
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

using ParloxEd::SaveStatus;
using Command = EditorDocument::LanguageResult;

// The causes the window's failure rows do not reach: each closes the document but a missing
// file, which keeps it.
TEST_F(EditorDocumentTest, FailedLoadsNameTheirCause)
{
    const QString readOnly = write("ro.lng", Lng::writeDocument(twoLanguages()));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    const struct {
        QString file;
        Result result;
    } cases[] = {{write("empty.lng", ""), Result::Invalid},
                 {write("upper.lng", QByteArray("PARLOX 2.0\x0e\0\0\0", 14)), Result::NotParlox},
                 {m_dir.path(), Result::OpenError},
                 {::geteuid() != 0 ? readOnly : m_dir.path(), Result::OpenError},
                 {path("gone.lng"), Result::NoFile}};
    for (const auto &c : cases) {
        ASSERT_EQ(load(twoLanguages()), Result::Loaded);
        EXPECT_EQ(doc.loadFile(c.file).status, c.result) << c.file.toStdString();
        EXPECT_EQ(doc.isOpen(), c.result == Result::NoFile) << c.file.toStdString();
    }
}

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
    for (int item : {1, 3, 0, 2}) {
        doc.chooseWindowsItem(item);
        doc.chooseView(View::UserStrings);
        doc.chooseView(View::FormStrings);
    }
    EXPECT_EQ(QStringList({grid().cell(0, 2), grid().cell(0, 3)}), QStringList({"", "USER"}));
    EXPECT_EQ(doc.save().status, SaveStatus::NothingToSave);
    EXPECT_EQ(read(file), bytes);

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
    ASSERT_TRUE(!root || ::chown(QFile::encodeName(file), Nobody, Nobody) == 0);
    EXPECT_TRUE(root ? inChildAsNobody(
                           [&] { return save() ? QStringLiteral("saved") : QString(); }) == "saved"
                     : save());
    Lng::Document expected = twoLanguages();
    expected.defaultIndex = 0;
    EXPECT_EQ(read(file), Lng::writeDocument(expected));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"a.lng"}));
    ::chmod(QFile::encodeName(folder), 0755);
}

// The system's own write failures: the reason reaches the user, the old file stays byte for
// byte and the document stays modified.
TEST_F(EditorDocumentTest, FullDiskAndFileSizeLimitKeepTheOldFile)
{
    const TestWriter save = [](const QString &file, qsizetype size) {
        EditorDocument other;
        if (other.loadFile(file).status != Result::Loaded)
            return QStringLiteral("not loaded");
        other.grid()->setCell(1, 1, QString(size, u'x'));
        const ParloxEd::SaveResult result = other.save();
        return result.status == SaveStatus::Failed && other.isModified() ? result.reason
                                                                         : QString();
    };
    const auto makeOld = [](const QString &file) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(Lng::writeDocument(twoLanguages()));
    };
    makeOld(path("a.lng"));
    expectFileSizeLimitKeepsTheOldFile(path("a.lng"), save);
    expectFullDiskKeepsTheOldFile(makeOld, save);
}

// Every kind of change in turn, then all undone and redone: each step comes back to exactly the
// tables and the modified state it had, a saved state counting as unmodified, and all undone
// saves the very bytes it started from. UTF-8, with tables cut short of an entry.
TEST_F(EditorDocumentTest, UndoAndRedoWalkBackAndForthThroughEveryChange)
{
    Lng::Document content = twoLanguages();
    content.encoding = Parlox::Encoding::Utf8;
    content.forms[1].formStrings = {"[C.Caption]", "c", "C", "[Cut]", "d"};
    ASSERT_EQ(load(content), Result::Loaded);
    QUndoStack &stack = *doc.undoStack();
    struct Step {
        Lng::PackedDocument content;
        bool modified;
    };
    const auto now = [this] { return Step{doc.content(), doc.isModified()}; };
    QList<Step> steps{now()};
    const std::function<void()> changes[] = {
        [this] {
            doc.grid()->setCell(1, 1, "Okay");
            EXPECT_EQ(doc.content().messages.at(1), "Okay"); // before any save or switch
        },
        [this] { doc.chooseDefaultLanguage(1); }, // already the default: still a change
        [this] { ASSERT_EQ(doc.addLanguage("Deutsch"), Command::Done); },
        [this] { ASSERT_EQ(doc.save().status, SaveStatus::Saved); },
        [this] { ASSERT_EQ(doc.renameLanguage(2, "日本語"), Command::Done); },
        [this] {
            doc.chooseWindowsItem(2);
            doc.grid()->setCell(3, 1, "K");
        },
        [this] { ASSERT_EQ(doc.replaceText("o", "0", true), 6); },
        [this] { ASSERT_EQ(doc.deleteLanguage(1), Command::Done); }, // the default
    };
    for (const auto &change : changes) {
        change();
        if (doc.isModified())
            steps.append(now());
        else
            steps.last() = now(); // the save: same tables, now unmodified
    }
    ASSERT_EQ(stack.count(), steps.size() - 1);
    for (qsizetype i = steps.size() - 2; i >= 0; --i) {
        stack.undo();
        EXPECT_TRUE(now().content == steps[i].content) << "undo to step " << i;
        EXPECT_EQ(doc.isModified(), i != 3) << "undo to step " << i;
    }
    EXPECT_EQ(doc.currentItem(), 0); // the first edit's table shows again
    for (qsizetype i = 1; i < steps.size(); ++i) {
        stack.redo();
        EXPECT_TRUE(now().content == steps[i].content) << "redo to step " << i;
        EXPECT_EQ(doc.isModified(), steps[i].modified) << "redo to step " << i;
    }
    // A copy of the content keeps what it held while the grid types into a form's table.
    const Lng::PackedDocument copy = doc.content();
    doc.grid()->setCell(1, 1, "Typed after the copy");
    EXPECT_TRUE(copy == steps.last().content);
    stack.setIndex(0);
    ASSERT_EQ(doc.save().status, SaveStatus::Saved);
    EXPECT_EQ(read(path("a.lng")), Lng::writeDocument(content));

    // Typing a cell back to what it held leaves nothing to undo; a file without a directory
    // gets its message item with its first language and loses both again on undo.
    ASSERT_EQ(doc.loadFile(write("magic.lng", "Parlox 2.0")).status, Result::Loaded);
    stack.setUndoLimit(2);
    ASSERT_EQ(doc.addLanguage("English"), Command::Done);
    doc.grid()->setCell(1, 1, "x");
    doc.grid()->setCell(1, 1, "");
    EXPECT_EQ(stack.count(), 1);
    stack.undo();
    EXPECT_EQ(doc.windowsItemCount(), 0);
    EXPECT_FALSE(doc.isModified());
    // The saved state gone beyond the undo limit, the document stays modified for good.
    stack.redo();
    doc.chooseDefaultLanguage(0);
    doc.chooseDefaultLanguage(0);
    stack.setIndex(0);
    EXPECT_TRUE(doc.isModified());
}

// A file too large for the memory the editor may use is refused before it is read, with both
// sizes, instead of ending the editor with no memory left.
TEST_F(EditorDocumentTest, AFileTooLargeForTheMemoryIsRefusedWithItsSizes)
{
    if (!AddressSpaceCanBeLimited)
        GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
    const QString huge = path("huge.lng");
    writeFileOfEmptyLines(huge, (qint64(1) << 31) - 1);
    const QString outcome = inChildWithAddressSpace(rlim_t(4) << 30, [&] {
        const ParloxEd::LoadResult result = doc.loadFile(huge);
        return QString::number(int(result.status)) + u' ' + result.reason;
    });
    EXPECT_EQ(outcome, QString::number(int(Result::OpenError)) + " Cannot read file \"" + huge +
                           "\". Reading its 2.0 GB could take up to 20.0 GB of memory, more "
                           "than the 2.0 GB this program may use.");
}

// A file in another code page opens as Windows-1252, where every byte reads, and saves as it was.
TEST_F(EditorDocumentTest, FilesKeepTheirEncodingThroughOpenEditAndSave)
{
    Lng::Document polish{{"English", "Polski"},
                         0,
                         {"&OK&", "OK", "Źle"},
                         {{"Main", {"[Btn.Caption]", "Save", "Zapisz plik"}, {}}},
                         Parlox::Encoding::Windows1250};
    const QByteArray bytes = Lng::writeDocument(polish);
    const QString cp1250 = write("cp1250.lng", bytes);
    ASSERT_EQ(doc.loadFile(cp1250).status, Result::Loaded);
    doc.chooseDefaultLanguage(1);
    EXPECT_EQ(doc.save().status, SaveStatus::Saved);
    polish.defaultIndex = 1;
    EXPECT_EQ(read(cp1250), Lng::writeDocument(polish));
}
