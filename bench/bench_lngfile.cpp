// The translations file at the size of a large application: about a million lines, 30 MB.
#include <Parlox/format/lngfile.h>

#include <benchmark/benchmark.h>
#include <cstring>

using namespace Parlox;

namespace {

constexpr int FormCount = 50;
constexpr int EntryCount = 330'000;
constexpr int MiddleForm = FormCount / 2;

QStringList table(int form, int entries, QChar delimiter)
{
    QStringList lines;
    lines.reserve(entries * 3);
    for (int e = 0; e < entries; ++e) {
        const QString id = QString::number(form * 1'000'000 + e);
        lines << (delimiter == u'[' ? QStringLiteral("[Component%1.Caption]").arg(id)
                                    : QStringLiteral("%MESSAGE_%1%").arg(id))
              << QStringLiteral("English text of item %1").arg(id)
              << QStringLiteral("Texto en español, elemento %1").arg(id);
    }
    return lines;
}

// Forms of growing size (form i holds a share proportional to i + 1), four fifths of each
// form's entries as form strings and the rest as user strings.
Lng::Document makeDocument()
{
    Lng::Document doc;
    doc.languages = {QStringLiteral("English"), QStringLiteral("Español")};
    doc.defaultIndex = 0;
    for (int i = 0; i < 15; ++i)
        doc.messages << QStringLiteral("&Message%1&").arg(i) << QStringLiteral("Message")
                     << QStringLiteral("Mensaje");
    constexpr int shares = FormCount * (FormCount + 1) / 2;
    for (int i = 0; i < FormCount; ++i) {
        const int entries = EntryCount * (i + 1) / shares;
        doc.forms.append({QStringLiteral("Form%1").arg(i), table(i, entries * 4 / 5, u'['),
                          table(i, entries - entries * 4 / 5, u'%')});
    }
    return doc;
}

const Lng::Document &document()
{
    static const Lng::Document doc = makeDocument();
    return doc;
}

const QByteArray &file()
{
    static const QByteArray bytes = Lng::writeDocument(document());
    return bytes;
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
