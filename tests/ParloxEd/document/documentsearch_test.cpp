#include "documentsearch.h"
#include "findresultsmodel.h"
#include "gridfiltermodel.h"
#include "progressmodel.h"
#include "tablegridmodel.h"
#include "tempdir.h"
#include <Parlox/format/lngfile.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

using ParloxEd::EditorDocument;
namespace Search = ParloxEd::DocumentSearch;
namespace Lng = Parlox::Lng;
using View = EditorDocument::View;
using Cell = EditorDocument::CellRef;
using Tester = QAbstractItemModelTester;

namespace {

constexpr int BigRows = 200'000;

// English and Español; "Big" holds 200,000 form strings entries, every thousandth one without
// its Spanish value; "needle" hides in a few places, a key among them.
Lng::Document searchedDocument()
{
    Lng::Document doc{{"English", "Español"}, 0, {"&OK&", "OK", "Needle"}, {}};
    Lng::Form big{"Big", {}, {"%A%", "a", ""}};
    big.formStrings.reserve(BigRows * 3);
    for (int i = 0; i < BigRows; ++i) {
        const QString n = QString::number(i);
        big.formStrings << "[C" + n + ".Caption]"
                        << "text " + n << (i % 1000 == 999 ? QString() : "texto " + n);
    }
    big.formStrings[150'000 * 3 + 2] = "un NEEDLE";
    doc.forms = {big, {"Tools", {}, {"%NEEDLE_KEY%", "x", "y", "%B%", "b", "c"}}};
    return doc;
}

class DocumentSearchTest : public TempDirTest {
protected:
    void SetUp() override
    {
        doc.setTextLookup([](const QString &identifier) { return identifier; });
        const QString file = write("big.lng", Lng::writeDocument(searchedDocument()));
        ASSERT_EQ(doc.loadFile(file).status, ParloxEd::LoadStatus::Loaded);
    }

    EditorDocument doc;
};

Cell cell(int item, View view, int entry, int column)
{
    return {{item, view}, entry, column};
}

} // namespace

// Keys are found as the grid shows them, values case-blind, edits still in the grid included;
// the results model lists each with its table, key, language and text.
TEST_F(DocumentSearchTest, FindsTextInEveryTableOrInTheTableShown)
{
    doc.grid()->setCell(1, 1, QStringLiteral("needles")); // message OK, typed in the grid
    const QList<Cell> everywhere{cell(0, View::FormStrings, 0, 1), cell(0, View::FormStrings, 0, 2),
                                 cell(1, View::FormStrings, 150'000, 2),
                                 cell(2, View::UserStrings, 0, 0)};
    EXPECT_EQ(Search::findText(doc, QStringLiteral("needle"), true), everywhere);
    EXPECT_EQ(Search::findText(doc, QStringLiteral("needle"), false), everywhere.mid(0, 2));
    EXPECT_TRUE(Search::findText(doc, QStringLiteral("%"), true).isEmpty());
    EXPECT_TRUE(Search::findText(doc, QString(), true).isEmpty());

    ParloxEd::FindResultsModel results(doc);
    Tester tester(&results, Tester::FailureReportingMode::Fatal);
    results.setResults(Search::findText(doc, QStringLiteral("NEEDLE"), true));
    const auto row = [&results](int r) {
        QStringList texts;
        for (int c = 0; c < results.columnCount(); ++c)
            texts << results.index(r, c).data().toString();
        return texts;
    };
    EXPECT_EQ(row(2),
              QStringList({"Big: VIEW_FORM_STRINGS", "C150000.Caption", "Español", "un NEEDLE"}));
    EXPECT_EQ(row(3), QStringList({"Tools: VIEW_USER_STRINGS", "NEEDLE_KEY", "", "NEEDLE_KEY"}));
    ASSERT_EQ(doc.loadFile(doc.fileName()).status, ParloxEd::LoadStatus::Loaded);
    EXPECT_EQ(results.rowCount(), 0);
}

TEST_F(DocumentSearchTest, TheFilterKeepsTheRowsHoldingItsTextAtFullSize)
{
    doc.chooseWindowsItem(1);
    ParloxEd::GridFilterModel filter(doc.grid());
    Tester tester(&filter, Tester::FailureReportingMode::Fatal);
    EXPECT_EQ(filter.rowCount(), BigRows);
    const std::pair<const char *, QList<int>> cases[] = {
        {"TEXTO 199999", {}}, // no Spanish value there
        {"text 199999", {199'999}}, {"C12345.", {12'345}},
        {"needle", {150'000}},      {"]", {}}, // key delimiters are not shown, so not found
    };
    for (const auto &[text, rows] : cases) {
        filter.setText(QString::fromLatin1(text));
        QList<int> shown;
        for (int r = 0; r < filter.rowCount(); ++r)
            shown << filter.entry(filter.index(r, 0));
        EXPECT_EQ(shown, rows) << text;
    }
    filter.setText({});
    EXPECT_EQ(filter.rowCount(), BigRows);
}

// Next untranslated walks the empty values in menu order and comes round; go to key looks in
// the table shown first and takes keys with or without their delimiters.
TEST_F(DocumentSearchTest, NextUntranslatedAndGoToKeyMoveAcrossTables)
{
    QList<Cell> visited;
    Cell at = cell(1, View::FormStrings, 998, 2);
    for (int i = 0; i < 203; ++i) {
        at = Search::nextUntranslated(doc, at).value();
        visited << at;
    }
    EXPECT_EQ(visited.first(), cell(1, View::FormStrings, 999, 2));
    EXPECT_EQ(visited[199], cell(1, View::FormStrings, 199'999, 2));
    EXPECT_EQ(visited[200], cell(1, View::UserStrings, 0, 2));
    EXPECT_EQ(visited[201], cell(1, View::FormStrings, 999, 2)); // round the document
    EXPECT_EQ(Search::nextUntranslated(doc, cell(0, View::FormStrings, 0, 0)), visited.first());

    EXPECT_EQ(Search::findKey(doc, QStringLiteral("c77.caption")),
              cell(1, View::FormStrings, 77, 0));
    EXPECT_EQ(Search::findKey(doc, QStringLiteral("%needle_key%")),
              cell(2, View::UserStrings, 0, 0));
    // A part of a key: the first key holding it, after no whole key matched.
    EXPECT_EQ(Search::findKey(doc, QStringLiteral("7.CAP")), cell(1, View::FormStrings, 7, 0));
    EXPECT_EQ(Search::findKey(doc, QStringLiteral("needle_")), cell(2, View::UserStrings, 0, 0));
    EXPECT_EQ(Search::findKey(doc, QStringLiteral("C77.Caption]x")), std::nullopt);

    Lng::Document full{{"English"}, 0, {"&OK&", "OK"}, {}};
    ASSERT_EQ(doc.loadFile(write("full.lng", Lng::writeDocument(full))).status,
              ParloxEd::LoadStatus::Loaded);
    EXPECT_EQ(Search::nextUntranslated(doc, cell(0, View::FormStrings, 0, 1)), std::nullopt);
}

// An edit updates only its language's row; a language added gets its row, nothing filled yet.
TEST_F(DocumentSearchTest, ProgressCountsFilledValuesOfTheWholeDocument)
{
    ParloxEd::ProgressModel progress(doc);
    Tester tester(&progress, Tester::FailureReportingMode::Fatal);
    using Count = ParloxEd::ProgressModel::Count;
    using Column = ParloxEd::ProgressModel::Column;
    EXPECT_EQ(progress.count(1, Column::Document), Count({1 + BigRows - 200 + 2, BigRows + 4}));
    doc.chooseWindowsItem(1);
    QSignalSpy changed(&progress, &QAbstractItemModel::dataChanged);
    doc.grid()->setCell(2, 1000, QStringLiteral("texto 999"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    ASSERT_EQ(doc.addLanguage(QStringLiteral("Deutsch")), EditorDocument::LanguageResult::Done);
    EXPECT_EQ(progress.rowCount(), 3);
    EXPECT_EQ(progress.count(2, Column::Document), Count({0, BigRows + 4}));
}

// The filter's and find's own matcher agrees with Qt's case-insensitive search, ASCII or not.
TEST(TextMatcherTest, FindsWhatQtFindsLetterCaseIgnored)
{
    const QStringList texts = {"Atención",      "ATENCIÓN",         "OK", "Yes to &All",
                               "Kelvin \u212A", "\U0001F600 smile", "",   "aaab",
                               "Straße"};
    const QStringList patterns = {"",      "ok",  "CIÓN",    "ción",   "TO &a",      "k", "\u212A",
                                  "smile", "aab", "STRASSE", "straße", "\U0001F600", "b", "x"};
    // The same texts as a table stores them, Latin-1 ones a byte per character.
    const ParloxEd::PackedLines packed(texts);
    for (const QString &pattern : patterns) {
        const ParloxEd::TextMatcher matcher(pattern);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const bool found = texts[i].contains(pattern, Qt::CaseInsensitive);
            EXPECT_EQ(matcher.foundIn(texts[i]), found)
                << texts[i].toStdString() << " / " << pattern.toStdString();
            EXPECT_EQ(ParloxEd::DocumentSearch::cellContains(packed, i, 1, matcher), found)
                << texts[i].toStdString();
        }
    }
    // Skipping access keys, an "&" in the text is passed over, unless the pattern has one.
    EXPECT_TRUE(ParloxEd::TextMatcher("yes to all", true).foundIn(u"Yes to &All"));
    EXPECT_TRUE(ParloxEd::TextMatcher("ción", true).foundIn(u"Aten&ción"));
    EXPECT_FALSE(ParloxEd::TextMatcher("yes to all").foundIn(u"Yes to &All"));
    EXPECT_FALSE(ParloxEd::TextMatcher("to &all", true).foundIn(u"Yes to All"));
}
