// Collecting the texts of the large form into its table at design time, as a translator does
// before the form is saved.
#include "benchtargets.h"
#include "largeform.h"
#include <Parlox/design/collection.h>
#include <Parlox/design/formstringcollector.h>

#include <benchmark/benchmark.h>

namespace {

using namespace Parlox;

void BM_CollectFormStrings(benchmark::State &state)
{
    LargeForm large;
    const QStringList languages{QStringLiteral("English"), QStringLiteral("Español")};
    for (auto _ : state) {
        QStringList table = large.table;
        Design::FormStringCollector(table, {languages, languages[0], true}).collect(*large.form);
        Design::RemoveEmptyEntries(table);
        benchmark::DoNotOptimize(table);
    }
    state.counters["components"] = LargeForm::Components;
    state.counters["entries"] = LargeForm::Entries;
}
BENCHMARK(BM_CollectFormStrings)->Unit(benchmark::kMillisecond);

} // namespace
