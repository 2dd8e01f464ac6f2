// The translations that identical source texts have elsewhere in the document: the Entry
// pane's suggestions, Ctrl+I applying them, and Edit > Fill identical untranslated sources.
#include "detailpane.h"
#include "mainformtest.h"
#include "sourceindex.h"

using namespace EditorWindowTest;

namespace ParloxEd {
inline void PrintTo(const SourceIndex::Suggestion &s, std::ostream *out)
{
    *out << s.text.toStdString() << " x" << s.count;
}
} // namespace ParloxEd
using Suggestions = QList<QList<ParloxEd::SourceIndex::Suggestion>>;

namespace {

// English is the source. "Open" is written five ways and translated "&Abrir" twice, "Abre"
// once; "Close" twice, as "Cerrar" and as "Cierra". Entries F and G have no source.
Lng::Document identicalSources()
{
    return {{"English", "Español", "Deutsch"},
            0,
            {"&Open1&", "&Open", "&Abrir", "Öffnen", "&Open2&", "open ", "&Abrir", "", "&Close1&",
             "Close", "Cerrar", "Schließen"},
            {{"Main",
              {"[A.Caption]", "OPEN",   "",  "", "[B.Caption]", "O&pen",  "Abre",   "Öffnen",
               "[C.Caption]", "Close",  "",  "", "[D.Caption]", "cl&ose", "Cierra", "",
               "[E.Caption]", "Unique", "",  "", "[F.Caption]", "",       "",       "",
               "[G.Caption]", "",       "X", "Y"},
              {"%H%", "  &open", "", "Öffnen"}}}};
}

class SuggestionsTest : public MainFormTest {
protected:
    QString writeFile()
    {
        return write(QStringLiteral("s.lng"), Lng::writeDocument(identicalSources()));
    }
};

// Every empty value whose source has one translation elsewhere, or a most frequent one, is
// filled with it as it stands; a tie, a source found nowhere else and an empty source are left.
// One undo puts back every cell, the redo and the save write the filled document.
TEST_F(SuggestionsTest, FillIdenticalSourcesIsOneUndoableCommand)
{
    const QString file = writeFile();
    EditorDocument doc;
    ASSERT_EQ(doc.loadFile(file).status, ParloxEd::LoadStatus::Loaded);
    Lng::Document filled = identicalSources();
    filled.messages[7] = "Öffnen";
    QStringList &main = filled.forms[0].formStrings;
    main[2] = "&Abrir";
    main[3] = "Öffnen";
    main[11] = "Schließen";
    main[15] = "Schließen";
    filled.forms[0].userStrings[2] = "&Abrir";

    EXPECT_EQ(doc.fillIdenticalSources(), 6);
    EXPECT_EQ(Lng::writeDocument(doc.content()), Lng::writeDocument(filled));
    EXPECT_EQ(doc.undoStack()->count(), 1);
    EXPECT_EQ(doc.fillIdenticalSources(), 0);
    EXPECT_EQ(doc.undoStack()->count(), 1);
    doc.undoStack()->undo();
    EXPECT_EQ(Lng::writeDocument(doc.content()), read(file));
    EXPECT_FALSE(doc.isModified());
    doc.undoStack()->redo();
    ASSERT_EQ(doc.save().status, ParloxEd::SaveStatus::Saved);
    EXPECT_EQ(read(file), Lng::writeDocument(filled));
}

// The suggestions follow the typing in the grid (an entry whose source changes moves in the
// index), its undo, and a command that replaces the tables.
TEST_F(SuggestionsTest, SuggestionsFollowEditsOfSourcesAndTables)
{
    EditorDocument doc;
    ASSERT_EQ(doc.loadFile(writeFile()).status, ParloxEd::LoadStatus::Loaded);
    doc.chooseWindowsItem(1);
    ParloxEd::SourceIndex index(doc);
    EXPECT_EQ(index.suggestionsFor(0),
              Suggestions({{}, {{"&Abrir", 2}, {"Abre", 1}}, {{"Öffnen", 3}}}));
    EXPECT_EQ(index.suggestionsFor(2),
              Suggestions({{}, {{"Cerrar", 1}, {"Cierra", 1}}, {{"Schließen", 1}}}));
    EXPECT_EQ(index.suggestionsFor(5), Suggestions({{}, {}, {}}));

    // E becomes "Open" with a translation; B stops being "Open".
    doc.grid()->setCell(2, 5, QStringLiteral("Abre"));
    doc.grid()->setCell(1, 5, QStringLiteral("Open"));
    EXPECT_EQ(index.suggestionsFor(0),
              Suggestions({{}, {{"&Abrir", 2}, {"Abre", 2}}, {{"Öffnen", 3}}}));
    doc.grid()->setCell(1, 2, QStringLiteral("Other"));
    EXPECT_EQ(index.suggestionsFor(0),
              Suggestions({{}, {{"&Abrir", 2}, {"Abre", 1}}, {{"Öffnen", 2}}}));
    for (int step = 0; step < 3; ++step)
        doc.undoStack()->undo();
    EXPECT_EQ(index.suggestionsFor(0),
              Suggestions({{}, {{"&Abrir", 2}, {"Abre", 1}}, {{"Öffnen", 3}}}));
    // A command on the table while another is shown, and its undo while it is shown again.
    doc.chooseWindowsItem(0);
    ASSERT_EQ(doc.replaceText(QStringLiteral("O&pen"), QStringLiteral("Close"), true), 1);
    doc.chooseWindowsItem(1);
    EXPECT_EQ(index.suggestionsFor(2), Suggestions({{},
                                                    {{"Cerrar", 1}, {"Abre", 1}, {"Cierra", 1}},
                                                    {{"Schließen", 1}, {"Öffnen", 1}}}));
    doc.undoStack()->undo();
    EXPECT_EQ(index.suggestionsFor(2),
              Suggestions({{}, {{"Cerrar", 1}, {"Cierra", 1}}, {{"Schließen", 1}}}));
    EXPECT_EQ(index.suggestionsFor(0),
              Suggestions({{}, {{"&Abrir", 2}, {"Abre", 1}}, {{"Öffnen", 3}}}));

    doc.fillIdenticalSources();
    EXPECT_EQ(index.firstSuggestions(0), QStringList({"", "", ""}));
    EXPECT_EQ(index.firstSuggestions(2), QStringList({"", "Cerrar", ""}));
}

// Ctrl+I pressed in the Entry pane's editor fills the entry's empty values with the first
// suggestions, one step for Ctrl+Z; the Edit menu fills the document and tells how much.
TEST_F(SuggestionsTest, ApplyKeyInTheEntryPaneAndTheFillCommand)
{
    startOn(writeFile());
    chooseWindowsItem(1);
    action("DetailPane1")->trigger();
    selectCell(2, 1);
    auto *pane = named<QDockWidget>("DetailDock")->findChild<ParloxEd::DetailPane *>();
    ASSERT_NE(pane, nullptr);
    const auto *list = pane->findChild<QLabel *>(QStringLiteral("SuggestionsList"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(), "Español: &Abrir (2), Abre (1)\nDeutsch: Öffnen (3)");

    QPlainTextEdit *spanish = pane->editor(1);
    spanish->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(QStringList({cell(2, 1), cell(3, 1), spanish->toPlainText()}),
              QStringList({"&Abrir", "Öffnen", "&Abrir"}));
    EXPECT_EQ(list->text(), "None for the empty values of this entry.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QStringList({cell(2, 1), cell(3, 1)}), QStringList({"", ""}));
    EXPECT_FALSE(doc().isModified());

    EXPECT_EQ(command("FillIdentical1", {press("OK")}).value(0),
              "Information|Values filled from identical source texts: 6");
    EXPECT_EQ(cell(3, 3), "Schließen");
    chooseSpanishInterface();
    selectCell(2, 3);
    EXPECT_EQ(list->text(), "Español: Cerrar (1), Cierra (1)");
    EXPECT_TRUE(pane->findChild<QLabel *>(QStringLiteral("SuggestionsTitle"))
                    ->text()
                    .startsWith("Sugerencias"));
}

} // namespace
