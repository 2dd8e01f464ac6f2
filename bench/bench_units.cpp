// Translation units of a file whose keys repeat: every repeated key gets an id of its own
// ("&K&#2", "&K&#3"...), which export and import both work out.
#include "benchtargets.h"
#include "documentunits.h"
#include <Parlox/format/lngfile.h>

#include <benchmark/benchmark.h>

using namespace Parlox;

namespace {

Lng::Document repeatedKeys(int count)
{
    Lng::Document doc{{QStringLiteral("English"), QStringLiteral("Español")}, 0, {}, {}};
    for (int i = 0; i < count; ++i)
        doc.messages << QStringLiteral("&K&") << QStringLiteral("Text %1").arg(i)
                     << QStringLiteral("Texto %1").arg(i);
    return doc;
}

void BM_UnitsOfRepeatedKeys(benchmark::State &state)
{
    const Lng::Document doc = repeatedKeys(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentUnits::entries(doc));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UnitsOfRepeatedKeys)
    ->Arg(5'000)
    ->Arg(20'000)
    ->Arg(80'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
