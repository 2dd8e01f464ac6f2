// The translators' value checks on a table of 1 M lines (250,000 entries, three languages):
// checking it whole (parlox-lng check), and the Checks pane over a document holding it as a
// form's form strings beside user strings of the same size: showing the other table (both are
// checked again), following one edit of a cell, and "next problem" walking the whole document
// when nothing is left to find.

#include "benchtargets.h"
#include "documentchecksmodel.h"
#include "editordocument.h"
#include "problemwalk.h"
#include "tablegridmodel.h"
#include <Parlox/format/lngfile.h>
#include <Parlox/format/valuechecks.h>

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Languages = 3;
constexpr int Entries = 250'000;

// Captions with access keys and placeholders; one entry in ten breaks one of them unless the
// table is clean.
QStringList makeTable(bool clean)
{
    QStringList lines;
    lines.reserve(Entries * (Languages + 1));
    for (int e = 0; e < Entries; ++e) {
        const QString id = QString::number(e);
        lines << "[Component" + id + ".Caption]"
              << "&Open file " + id + " of %1"
              << "&Abrir archivo " + id + " de %1"
              << (e % 10 == 0 && !clean ? "Datei " + id + " von %2 öffnen"
                                        : "Datei " + id + " von %1 &öffnen");
    }
    return lines;
}

const QStringList &largeTable()
{
    static const QStringList table = makeTable(false);
    return table;
}

// A document of one form whose two tables are large, opened from a file in a scratch folder.
std::unique_ptr<ParloxEd::EditorDocument> openDocument(benchmark::State &state, bool clean)
{
    static QTemporaryDir dir;
    const QString path =
        dir.filePath(clean ? QStringLiteral("clean.lng") : QStringLiteral("checked.lng"));
    const QStringList table = clean ? makeTable(true) : largeTable();
    Parlox::Lng::Document content{
        {"English", "Español", "Deutsch"}, 0, {}, {{"Main", table, table}}};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Parlox::Lng::writeDocument(content)) < 0) {
        state.SkipWithError("cannot write the file");
        return nullptr;
    }
    file.close();
    auto doc = std::make_unique<ParloxEd::EditorDocument>();
    if (doc->loadFile(path).status != ParloxEd::LoadStatus::Loaded) {
        state.SkipWithError("load failed");
        return nullptr;
    }
    doc->chooseWindowsItem(1);
    return doc;
}

void CheckWholeTable(benchmark::State &state)
{
    const QStringList &table = largeTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(Parlox::ValueChecks::checkTable(table, Languages));
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(CheckWholeTable)->Unit(benchmark::kMillisecond);

// Showing the other table: the one left and the one shown are checked again.
void SwitchTableWithChecksPane(benchmark::State &state)
{
    const auto doc = openDocument(state, false);
    if (!doc)
        return;
    const ParloxEd::DocumentChecksModel list(*doc, {});
    int n = 0;
    for (auto _ : state) {
        doc->chooseView(n++ % 2 ? ParloxEd::EditorDocument::View::FormStrings
                                : ParloxEd::EditorDocument::View::UserStrings);
        benchmark::DoNotOptimize(list.rowCount(list.index(0, 0)));
    }
    state.counters["warnings_listed"] =
        list.rowCount(list.index(0, 0)) + list.rowCount(list.index(1, 0));
}
BENCHMARK(SwitchTableWithChecksPane)->Unit(benchmark::kMillisecond);

// Typing into a cell in the middle of the table: its row is checked again, the rest is kept.
void EditWithChecksPane(benchmark::State &state)
{
    const auto doc = openDocument(state, false);
    if (!doc)
        return;
    const ParloxEd::DocumentChecksModel list(*doc, {});
    const int row = Entries / 2 + 5;
    bool broken = false;
    for (auto _ : state) {
        broken = !broken;
        doc->grid()->setCell(3, row,
                             broken ? QStringLiteral("Datei %2") : QStringLiteral("&Datei %1"));
    }
    benchmark::DoNotOptimize(list.rowCount(list.index(0, 0)));
}
BENCHMARK(EditWithChecksPane)->Unit(benchmark::kMicrosecond);

// F8 with no empty value and no warning anywhere: every cell of the document is looked at.
void NextProblemWithNoneLeft(benchmark::State &state)
{
    const auto doc = openDocument(state, true);
    if (!doc)
        return;
    for (auto _ : state) {
        if (ParloxEd::nextProblem(*doc, {doc->currentTableRef(), 0, 1}, 1, {}))
            return state.SkipWithError("a problem was found");
    }
    state.SetItemsProcessed(state.iterations() * 2 * Entries * Languages);
}
BENCHMARK(NextProblemWithNoneLeft)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
