#include "editordocument.h"
#include "lngfile.h"
#include "lockedfile.h"
#include "tablegridmodel.h"
#include "tempdir.h"

#include <QFile>
#include <QSignalSpy>
#include <QtEndian>
#include <unistd.h>

using ParloxEd::ColumnLayout;
using ParloxEd::EditorDocument;
using ParloxEd::TableGridModel;
using Result = EditorDocument::LoadResult;
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
        return doc.loadFile(write(name, Lng::writeDocument(content)));
    }

    const TableGridModel &grid() const { return *doc.grid(); }

    EditorDocument doc;
};

} // namespace

TEST_F(EditorDocumentTest, LoadsLanguagesFormsAndShowsTheMessageStrings)
{
    QSignalSpy modified(&doc, &EditorDocument::modifiedChanged);
    ASSERT_EQ(load(twoLanguages()), Result::Loaded);

    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.fileName(), path("a.lng"));
    EXPECT_EQ(doc.languages(), QStringList({"English", "Español"}));
    EXPECT_EQ(doc.defaultLanguage(), 1);
    EXPECT_EQ(doc.defaultLanguageName(), "Español");
    EXPECT_EQ(doc.windowsItems(), QStringList({"<STRINGS_MESSAGES>", "Main", "Tools"}));
    EXPECT_EQ(doc.currentItem(), 0);
    EXPECT_FALSE(doc.isViewEnabled());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(modified.isEmpty());
    EXPECT_EQ(doc.tableTitle(), "<MESSAGE_ID>");

    EXPECT_EQ(grid().gridColumnCount(), 3);
    EXPECT_EQ(grid().gridRowCount(), 3);
    const QStringList header{grid().cell(0, 0), grid().cell(1, 0), grid().cell(2, 0)};
    EXPECT_EQ(header, QStringList({"<MESSAGE_ID>", "English", "Español"}));
    EXPECT_EQ(grid().cell(0, 1), "OK");
    EXPECT_EQ(grid().cell(2, 1), "Aceptar");
    EXPECT_EQ(grid().cell(0, 2), "No");
    EXPECT_EQ(doc.defaultValueAt(1), "Aceptar");
}

TEST_F(EditorDocumentTest, AFileOfExactlyTheMagicOpensWithNothingInIt)
{
    ASSERT_EQ(doc.loadFile(write("m.lng", "Parlox 2.0")), Result::Loaded);
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.fileName(), path("m.lng"));
    EXPECT_EQ(doc.windowsItemCount(), 0);
    EXPECT_TRUE(doc.languages().isEmpty());
    EXPECT_EQ(doc.defaultLanguage(), -1);
    EXPECT_EQ(grid().gridRowCount(), 2);
    EXPECT_FALSE(grid().isCellEditable(1, 1));
    doc.commitGrid();
    doc.chooseView(View::UserStrings);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EditorDocumentTest, FailedLoadsNameTheirCauseAndLeaveNoDocument)
{
    QByteArray lower = Lng::writeDocument(twoLanguages());
    lower.replace(0, 10, "parlox 2.0");
    const struct {
        QByteArray bytes;
        Result result;
    } cases[] = {{"Parlox 2.", Result::Invalid},
                 {"", Result::Invalid},
                 {lower, Result::NotParlox},
                 {"PARLOX 2.0\x0e\0\0\0", Result::NotParlox}};
    for (const auto &c : cases) {
        ASSERT_EQ(load(twoLanguages()), Result::Loaded);
        doc.grid()->setCell(1, 1, QStringLiteral("edited"));
        const QString bad = write(QStringLiteral("bad.lng"), c.bytes);
        EXPECT_EQ(doc.loadFile(bad), c.result) << c.bytes.toStdString();
        EXPECT_FALSE(doc.isOpen());
        EXPECT_EQ(doc.fileName(), bad);
        EXPECT_EQ(doc.windowsItemCount(), 0);
        EXPECT_TRUE(doc.languages().isEmpty());
        EXPECT_EQ(grid().cell(1, 1), QString());
        EXPECT_FALSE(grid().isCellEditable(1, 1));
        // The file was closed again: an exclusive open now succeeds.
        EXPECT_NO_THROW(Parlox::LockedFile(bad, Parlox::LockedFile::Access::ExclusiveReadWrite));
    }
}

TEST_F(EditorDocumentTest, AMissingFileKeepsTheDocumentAndItsFileName)
{
    ASSERT_EQ(load(twoLanguages()), Result::Loaded);
    doc.chooseWindowsItem(1);
    EXPECT_EQ(doc.loadFile(path("gone.lng")), Result::NoFile);
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.fileName(), path("a.lng"));
    EXPECT_EQ(doc.currentItem(), 1);
    EXPECT_EQ(grid().cell(1, 1), "Open");
}

TEST_F(EditorDocumentTest, FilesThatCannotBeOpenedForExclusiveWritingGiveOpenError)
{
    const QString file = write(QStringLiteral("held.lng"), Lng::writeDocument(twoLanguages()));
    {
        Parlox::LockedFile other(file, Parlox::LockedFile::Access::SharedRead);
        EXPECT_EQ(doc.loadFile(file), Result::OpenError);
        EXPECT_FALSE(doc.isOpen());
    }
    EXPECT_EQ(doc.loadFile(file), Result::Loaded);
    // Loading released the file.
    EXPECT_NO_THROW(Parlox::LockedFile(file, Parlox::LockedFile::Access::ExclusiveReadWrite));

    EXPECT_EQ(doc.loadFile(m_dir.path()), Result::OpenError);
    EXPECT_FALSE(doc.isOpen());
}

TEST_F(EditorDocumentTest, AReadOnlyFileGivesOpenError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write to read-only files";
    const QString file = write(QStringLiteral("ro.lng"), Lng::writeDocument(twoLanguages()));
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
    EXPECT_EQ(doc.loadFile(file), Result::OpenError);
    EXPECT_FALSE(doc.isOpen());
}

TEST_F(EditorDocumentTest, FormsWithoutSectionsAreSkipped)
{
    Lng::Document content = twoLanguages();
    content.forms.insert(0, {QStringLiteral("Empty"), {}, {}});
    ASSERT_EQ(load(content), Result::Loaded);
    EXPECT_EQ(doc.windowsItems(), QStringList({"<STRINGS_MESSAGES>", "Main", "Tools"}));
    EXPECT_EQ(doc.content().forms.size(), 2);
    // A form with user strings only is kept, with an empty form-strings table.
    EXPECT_TRUE(doc.formTable(2).isEmpty());
    EXPECT_EQ(doc.userTable(2), content.forms[2].userStrings);
    EXPECT_EQ(doc.formTable(0), content.messages);
}

TEST_F(EditorDocumentTest, RowCountsFollowWholeEntriesAndUnshownLinesSurviveACommit)
{
    Lng::Document content = twoLanguages();
    QStringList nine;
    for (int i = 0; i < 3; ++i)
        nine << QStringLiteral("[C%1.Caption]").arg(i) << QStringLiteral("e%1").arg(i)
             << QStringLiteral("s%1").arg(i);
    content.forms[0].formStrings = nine;
    content.forms[1].formStrings = nine + QStringList{QStringLiteral("[Stray]")};
    ASSERT_EQ(load(content), Result::Loaded);

    doc.chooseWindowsItem(1);
    EXPECT_EQ(grid().gridRowCount(), 4);
    doc.chooseWindowsItem(2);
    EXPECT_EQ(grid().gridRowCount(), 4);
    EXPECT_EQ(grid().cell(0, 3), "C2.Caption");
    doc.chooseWindowsItem(1);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.formTable(2).size(), 10);
}

TEST_F(EditorDocumentTest, BrowsingWithoutEditsLeavesTheDocumentUnmodified)
{
    Lng::Document content = twoLanguages();
    content.messages.clear();
    // Malformed keys: shown without their ends, yet kept as they are.
    content.forms[0].formStrings << QStringLiteral("ab") << QString() << QString()
                                 << QStringLiteral("%USER%") << QString() << QString();
    ASSERT_EQ(load(content), Result::Loaded);
    QSignalSpy modified(&doc, &EditorDocument::modifiedChanged);

    EXPECT_EQ(grid().gridRowCount(), 2);
    EXPECT_FALSE(grid().isCellEditable(1, 1));
    for (int item : {1, 2, 0, 2, 1}) {
        doc.chooseWindowsItem(item);
        doc.chooseView(View::UserStrings);
        doc.chooseView(View::FormStrings);
    }
    EXPECT_EQ(grid().cell(0, 2), "");
    EXPECT_EQ(grid().cell(0, 3), "USER");
    doc.commitGrid();
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(modified.isEmpty());
    EXPECT_TRUE(doc.messageTable().isEmpty());
    EXPECT_EQ(doc.formTable(1), content.forms[0].formStrings);
}

TEST_F(EditorDocumentTest, ACommittedEditReachesTheTableAndMarksTheDocument)
{
    ASSERT_EQ(load(twoLanguages()), Result::Loaded);
    QSignalSpy modified(&doc, &EditorDocument::modifiedChanged);
    doc.chooseWindowsItem(1);
    doc.chooseView(View::UserStrings);
    EXPECT_EQ(doc.tableTitle(), "<USER_STRING_ID>");

    // Typing the text a cell already holds is no change.
    ASSERT_TRUE(doc.grid()->setCell(2, 1, QStringLiteral("Hola")));
    doc.chooseWindowsItem(1);
    EXPECT_FALSE(doc.isModified());

    ASSERT_TRUE(doc.grid()->setCell(2, 1, QStringLiteral("¡Hola!")));
    EXPECT_FALSE(doc.isModified()); // still only in the grid
    doc.chooseView(View::FormStrings);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(doc.userTable(1), QStringList({"%HELLO%", "Hello", "¡Hola!"}));
    EXPECT_EQ(doc.formTable(1), twoLanguages().forms[0].formStrings);
    EXPECT_EQ(doc.tableTitle(), "<OBJECT_PROPERTY>");

    doc.chooseView(View::UserStrings);
    EXPECT_EQ(grid().cell(2, 1), "¡Hola!");

    // A new load clears the flag.
    ASSERT_EQ(load(twoLanguages()), Result::Loaded);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EditorDocumentTest, ADefaultIndexOutsideTheListMarksTheFirstLanguage)
{
    for (const qint32 index : {-1, 2, 1000}) {
        Lng::Document content = twoLanguages();
        content.defaultIndex = index;
        ASSERT_EQ(load(content), Result::Loaded);
        EXPECT_EQ(doc.defaultLanguage(), 0) << index;
        EXPECT_EQ(doc.defaultValueAt(1), "OK");
    }
}

TEST_F(EditorDocumentTest, ADocumentWithoutLanguagesShowsItsKeys)
{
    Lng::Document content = twoLanguages();
    content.languages.clear();
    content.defaultIndex = 0;
    ASSERT_EQ(load(content), Result::Loaded);
    EXPECT_EQ(doc.defaultLanguage(), -1);
    EXPECT_EQ(doc.defaultLanguageName(), QString());
    EXPECT_EQ(grid().gridColumnCount(), 2);
    EXPECT_EQ(grid().gridRowCount(), 7);
    EXPECT_EQ(grid().cell(0, 1), "OK");
    EXPECT_EQ(grid().cell(1, 0), QString());
    EXPECT_FALSE(grid().isCellEditable(1, 1));
    EXPECT_EQ(doc.defaultValueAt(1), QString());
    doc.chooseWindowsItem(2);
    doc.chooseWindowsItem(0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.columnLayout(222), (ColumnLayout{2, 100}));
}

TEST_F(EditorDocumentTest, ChoosingADefaultLanguageAlwaysModifies)
{
    ASSERT_EQ(load(twoLanguages()), Result::Loaded);
    QSignalSpy defaults(&doc, &EditorDocument::defaultLanguageChanged);
    doc.chooseDefaultLanguage(1);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(defaults.isEmpty());
    doc.chooseDefaultLanguage(0);
    EXPECT_EQ(doc.defaultLanguage(), 0);
    EXPECT_EQ(defaults.count(), 1);
    doc.chooseDefaultLanguage(7);
    EXPECT_EQ(doc.defaultLanguage(), 0);
}

TEST_F(EditorDocumentTest, ColumnLayoutFollowsTheLanguageCount)
{
    const auto layoutFor = [&](int languages) {
        Lng::Document content;
        for (int i = 0; i < languages; ++i)
            content.languages << QStringLiteral("L%1").arg(i);
        content.defaultIndex = 0;
        EXPECT_EQ(load(content), Result::Loaded);
        return doc.columnLayout(622);
    };
    EXPECT_EQ(layoutFor(1), (ColumnLayout{2, 300}));
    EXPECT_EQ(layoutFor(2), (ColumnLayout{3, 200}));
    EXPECT_EQ(layoutFor(5), (ColumnLayout{6, 100}));
    EXPECT_EQ(layoutFor(7), (ColumnLayout{8, 100}));
    EXPECT_EQ(grid().gridColumnCount(), 8);
    EXPECT_EQ(grid().cell(7, 0), "L6");
    EXPECT_EQ(doc.columnLayout(10).columnWidth, 0);
}
