#include "editordocument.h"
#include "lngfile.h"
#include "lockedfile.h"
#include "tablegridmodel.h"
#include "tempdir.h"

#include <QSignalSpy>
#include <unistd.h>

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
        EXPECT_EQ(doc.loadFile(c.file), c.result);
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
    EXPECT_EQ(doc.loadFile(path("gone.lng")), Result::NoFile);
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.fileName(), path("a.lng"));
    EXPECT_EQ(grid().cell(1, 1), "Open");
    // Loading released the file.
    EXPECT_NO_THROW(
        Parlox::LockedFile(path("a.lng"), Parlox::LockedFile::Access::ExclusiveReadWrite));
}

TEST_F(EditorDocumentTest, BrowsingWithoutEditsLeavesTheDocumentAndItsUnshownLinesAlone)
{
    Lng::Document content = twoLanguages();
    content.messages.clear();
    // Malformed keys are shown without their ends, yet kept; a stray tenth line is not shown.
    content.forms[0].formStrings += {"ab", "", "", "%USER%", "", ""};
    content.forms[1].formStrings = {"[C.Caption]", "e", "s", "[Stray]"};
    ASSERT_EQ(load(content), Result::Loaded);
    QSignalSpy modified(&doc, &EditorDocument::modifiedChanged);

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
    EXPECT_EQ(doc.formTable(2), content.forms[1].formStrings);
}
