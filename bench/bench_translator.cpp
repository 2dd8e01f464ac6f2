// ApplyLanguage on a large form: 2,000 named components (labels and buttons with captions and
// hints) and a form-strings table of 10,000 entries in two languages, switching language on
// every iteration so that every text really changes. Then the lookups of a translator whose
// tables stay in a translations file beside the executable, on a small and a large file.
#include "benchtargets.h"
#include "largeform.h"
#include <Parlox/form.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/select.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>
#include <string>

namespace {

using namespace Parlox;

// The large form with a selector and a translator holding its table.
struct TranslatedForm : LargeForm {
    TParloxSelect *select = nullptr;
    TParloxForm *translator = nullptr;

    TranslatedForm()
    {
        select = new TParloxSelect(form.get());
        select->setObjectName(QStringLiteral("Select"));
        select->setLanguages({QStringLiteral("English"), QStringLiteral("Español")});
        translator = new TParloxForm(form.get());
        translator->setObjectName(QStringLiteral("Translator"));
        translator->setFormStrings(table);
    }
};

// Process CPU time per iteration from a clock started before the loop.
double cpuPerIteration(std::clock_t start, const benchmark::State &state, double unit)
{
    return double(std::clock() - start) / CLOCKS_PER_SEC * unit / double(state.iterations());
}

void BM_ApplyLanguage(benchmark::State &state)
{
    TranslatedForm large;
    const QStringList languages = large.select->Languages();
    qsizetype turn = 0;
    const std::clock_t start = std::clock();
    for (auto _ : state)
        large.translator->ApplyLanguage(languages[turn++ % 2]);
    BenchTargets::record("ApplyLanguage", cpuPerIteration(start, state, 1e3), 2, "ms");
    state.counters["components"] = LargeForm::Components;
    state.counters["entries"] = LargeForm::Entries;
}
BENCHMARK(BM_ApplyLanguage)->Unit(benchmark::kMillisecond);

// The same form shown on screen (offscreen platform): setting texts of visible widgets also
// schedules their repaint and relayout.
void BM_ApplyLanguageShown(benchmark::State &state)
{
    TranslatedForm large;
    large.form->show();
    const QStringList languages = large.select->Languages();
    qsizetype turn = 0;
    for (auto _ : state) {
        large.translator->ApplyLanguage(languages[turn++ % 2]);
        state.PauseTiming();
        QCoreApplication::processEvents(); // layout and paint belong to the event loop
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyLanguageShown)->Unit(benchmark::kMillisecond);

// A translations file of five forms, each with `entries` form strings and as many user
// strings, beside a stand-in executable; the translator belongs to the form in the middle.
struct FlatFileForm {
    QTemporaryDir dir;
    Platform::ExecutableFolderGuard folder{dir.path()};
    QWidget form;
    TParloxSelect *select = new TParloxSelect(&form);
    TParloxForm *translator = nullptr;
    qint64 fileSize = 0;

    explicit FlatFileForm(int entries)
    {
        Lng::Document document{{QStringLiteral("English"), QStringLiteral("Español")}, 0, {}, {}};
        for (int f = 0; f < 5; ++f) {
            QStringList formStrings;
            QStringList userStrings;
            for (int e = 0; e < entries; ++e) {
                const QString id = QString::number(e);
                formStrings << "[Control" + id + ".Caption]"
                            << "Caption " + id << "Rótulo " + id;
                userStrings << "%MESSAGE_" + id + "%"
                            << "Message " + id << "Mensaje " + id;
            }
            document.forms.append({QStringLiteral("Form%1").arg(f), formStrings, userStrings});
        }
        const QByteArray bytes = Lng::writeDocument(document);
        fileSize = bytes.size();
        QFile file(dir.filePath(QStringLiteral("app.lng")));
        // Installed with the application: modified long before it runs.
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != fileSize || !file.flush() ||
            !file.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1),
                              QFileDevice::FileModificationTime))
            qFatal("cannot write the translations file");
        file.close();
        form.setObjectName(QStringLiteral("Form2"));
        select->setLanguages(document.languages);
        select->storeActiveLanguage(QStringLiteral("Español"));
        select->storeTranslationsAre(InFlatFile);
        select->setTranslationsFile(QStringLiteral("app.lng"));
        translator = new TParloxForm(&form);
        translator->setPxLanguageSelector(select);
    }
};

// The same user string asked for again and again, as a program does when it shows a message.
void BM_FlatFileUserString(benchmark::State &state)
{
    FlatFileForm flat(int(state.range(0)));
    const QString identifier = QStringLiteral("MESSAGE_%1").arg(state.range(0) / 2);
    const std::clock_t start = std::clock();
    for (auto _ : state)
        benchmark::DoNotOptimize(flat.translator->GetUserString(identifier));
    BenchTargets::record("repeated flat-file lookup, " + std::to_string(flat.fileSize) + " B file",
                         cpuPerIteration(start, state, 1e6), 1, "us");
    state.counters["file_KB"] = double(flat.fileSize) / 1e3;
}
// About 1.7 KB and 2 MB files.
BENCHMARK(BM_FlatFileUserString)->Arg(5)->Arg(4700)->Unit(benchmark::kMicrosecond);

// Switching languages back and forth on a form whose table stays in the file.
void BM_FlatFileApplyLanguage(benchmark::State &state)
{
    FlatFileForm flat(int(state.range(0)));
    const QStringList languages = flat.select->Languages();
    qsizetype turn = 0;
    for (auto _ : state)
        flat.translator->ApplyLanguage(languages[turn++ % 2]);
    state.counters["file_KB"] = double(flat.fileSize) / 1e3;
}
BENCHMARK(BM_FlatFileApplyLanguage)->Arg(5)->Arg(4700)->Unit(benchmark::kMicrosecond);

} // namespace
