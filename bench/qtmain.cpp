// The main() of the benchmarks that need widgets: Google Benchmark inside a QApplication on the
// offscreen platform.
#include <QApplication>
#include <QLoggingCategory>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The large forms are built for size, so most of their keys name no component, and a
    // warning each would bury the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("parlox.warning=false"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
