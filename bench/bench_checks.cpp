// The translators' value checks on a table of 1 M lines (250,000 entries, three languages):
// checking it whole (parlox-lng check, or the Checks pane when a table is shown), and the
// Checks pane following one edit of a cell.

#include "benchtargets.h"
#include "checklistmodel.h"
#include "tablegridmodel.h"
#include <Parlox/format/valuechecks.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int Languages = 3;
constexpr int Entries = 250'000;

// Captions with access keys and placeholders; one entry in ten breaks one of them.
const QStringList &largeTable()
{
    static const QStringList table = [] {
        QStringList lines;
        lines.reserve(Entries * (Languages + 1));
        for (int e = 0; e < Entries; ++e) {
            const QString id = QString::number(e);
            lines << "[Component" + id + ".Caption]"
                  << "&Open file " + id + " of %1"
                  << "&Abrir archivo " + id + " de %1"
                  << (e % 10 == 0 ? "Datei " + id + " von %2 öffnen"
                                  : "Datei " + id + " von %1 &öffnen");
        }
        return lines;
    }();
    return table;
}

void CheckWholeTable(benchmark::State &state)
{
    const QStringList &table = largeTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(Parlox::ValueChecks::checkTable(table, Languages));
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(CheckWholeTable)->Unit(benchmark::kMillisecond);

// Showing the table: the grid takes it and the pane lists its warnings.
void ShowTableWithChecksPane(benchmark::State &state)
{
    ParloxEd::TableGridModel grid;
    const ParloxEd::CheckListModel list(grid, [](const QString &id) { return id; });
    for (auto _ : state) {
        grid.setTable(largeTable(), Languages);
        benchmark::DoNotOptimize(list.rowCount());
    }
}
BENCHMARK(ShowTableWithChecksPane)->Unit(benchmark::kMillisecond);

// Typing into a cell in the middle of the table: its row is checked again, the rest is kept.
void EditWithChecksPane(benchmark::State &state)
{
    ParloxEd::TableGridModel grid;
    const ParloxEd::CheckListModel list(grid, [](const QString &id) { return id; });
    grid.setTable(largeTable(), Languages);
    const int row = Entries / 2 + 5;
    bool broken = false;
    for (auto _ : state) {
        broken = !broken;
        grid.setCell(3, row, broken ? QStringLiteral("Datei %2") : QStringLiteral("&Datei %1"));
    }
    benchmark::DoNotOptimize(list.rowCount());
}
BENCHMARK(EditWithChecksPane)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
