// `parlox-lng check` on the million-line translations file against the yardstick of a tool
// that checks translations just as well: `msgfmt -c --statistics` on a PO file holding the same
// strings (one language against the default one, as `parlox-lng export` writes it). Both are
// timed on the wall clock, msgfmt as the separate process it is; the summary line gives the
// ratio of their times. With PARLOX_BENCH_FILES set to a folder, both files are written and
// kept there, so that the two command lines can be timed on them by hand.
#include "benchtargets.h"
#include "largefile.h"
#include "lngcheck.h"
#include "lngexport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace Parlox;

constexpr double TargetRatio = 0.10;

struct Files {
    QTemporaryDir temporary;
    QString dir = qEnvironmentVariable("PARLOX_BENCH_FILES", temporary.path());
    QString lng = dir + QStringLiteral("/large.lng");
    QString po = dir + QStringLiteral("/large.po");

    Files()
    {
        write(lng, LargeFile::bytes());
        const LngExport::Request request{
            LngExport::Format::Po, QStringLiteral("Español"), QStringLiteral("large.lng"), {}};
        write(po, LngExport::exportDocument(LargeFile::document(), request).bytes);
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

const Files &files()
{
    static const Files made;
    return made;
}

// Mean wall time of each benchmark's iterations, for the summary.
double checkSeconds = 0;
double msgfmtSeconds = 0;

void CheckCommand(benchmark::State &state)
{
    const QStringList args{QStringLiteral("check"), files().lng};
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        if (LngCheck::run(args, out, err) != 0)
            state.SkipWithError("the check failed");
    }
    checkSeconds = double(clock.nsecsElapsed()) / 1e9 / double(state.iterations());
    state.SetBytesProcessed(state.iterations() * LargeFile::bytes().size());
    state.counters["file_MB"] = double(LargeFile::bytes().size()) / 1e6;
}
BENCHMARK(CheckCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

void MsgfmtCheck(benchmark::State &state)
{
    const QString msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
    if (msgfmt.isEmpty()) {
        state.SkipWithError("msgfmt (gettext) is not installed");
        return;
    }
    const QStringList args{QStringLiteral("-c"), QStringLiteral("--statistics"),
                           QStringLiteral("-o"), QStringLiteral("/dev/null"), files().po};
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        QProcess process;
        process.start(msgfmt, args);
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            state.SkipWithError("msgfmt failed");
    }
    msgfmtSeconds = double(clock.nsecsElapsed()) / 1e9 / double(state.iterations());
    state.counters["po_MB"] = double(QFile(files().po).size()) / 1e6;
}
BENCHMARK(MsgfmtCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (checkSeconds > 0 && msgfmtSeconds > 0)
        BenchTargets::record("check time / msgfmt's", checkSeconds / msgfmtSeconds, TargetRatio,
                             "x");
    return 0;
}
