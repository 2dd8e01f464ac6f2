// The translations file at the size of a large application: about a million lines, 30 MB.
#include "benchtargets.h"
#include "largefile.h"
#include <Parlox/format/lngfile.h>

#include <benchmark/benchmark.h>
#include <cstring>

using namespace Parlox;

namespace {

constexpr int FormCount = LargeFile::FormCount;
constexpr int MiddleForm = FormCount / 2;

const Lng::Document &document()
{
    return LargeFile::document();
}

const QByteArray &file()
{
    return LargeFile::bytes();
}

void setCounters(benchmark::State &state)
{
    state.SetBytesProcessed(state.iterations() * file().size());
    state.counters["file_MB"] = double(file().size()) / 1e6;
}

void ReadDocument(benchmark::State &state)
{
    const Lng::Image image(file());
    for (auto _ : state) {
        Lng::Document doc = Lng::readDocument(image);
        benchmark::DoNotOptimize(doc);
    }
    setCounters(state);
}

void WriteDocument(benchmark::State &state)
{
    const Lng::Document &doc = document();
    for (auto _ : state) {
        QByteArray bytes = Lng::writeDocument(doc);
        benchmark::DoNotOptimize(bytes.data());
    }
    setCounters(state);
}

// Stores the middle form's form strings again: the tail behind it moves up and the section
// and directory are written at the end.
void ReplaceMiddleSection(benchmark::State &state)
{
    const Lng::Document &doc = document();
    const Lng::SectionUpdate update{doc.forms[MiddleForm].name,
                                    doc.forms[MiddleForm].name,
                                    Lng::SectionKind::FormStrings,
                                    doc.forms[MiddleForm].formStrings,
                                    doc.languages,
                                    doc.languages[0],
                                    doc.messages};
    QByteArray work(file().size(), Qt::Uninitialized);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.data(), file().constData(), size_t(file().size()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(Lng::replaceSection(work, update));
    }
    setCounters(state);
}

// The yardstick for the replacement: copying the whole file once.
void CopyFile(benchmark::State &state)
{
    QByteArray work(file().size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(work.data(), file().constData(), size_t(file().size()));
        benchmark::ClobberMemory();
    }
    setCounters(state);
}

} // namespace

BENCHMARK(ReadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceMiddleSection)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyFile)->Unit(benchmark::kMillisecond);
