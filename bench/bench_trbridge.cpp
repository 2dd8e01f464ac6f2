// A tr() lookup through the translations-file bridge against Qt's QTranslator with a .qm file
// of the same strings (made by lrelease from the same messages): 2,000 messages in 20 contexts,
// looked up round-robin so that every lookup hashes another text.
#include "benchtargets.h"
#include <Parlox/exchange/trtables.h>
#include <Parlox/exchange/tswriter.h>
#include <Parlox/format/lngtypes.h>
#include <Parlox/select.h>
#include <Parlox/trtranslator.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

using namespace Parlox;

constexpr int Contexts = 20;
constexpr int PerContext = 100;

struct Lookup {
    QByteArray context;
    QByteArray source;
};

struct Strings {
    Exchange::TsFile ts;
    std::vector<Lookup> lookups;

    Strings()
    {
        ts.language = QStringLiteral("es");
        ts.sourceLanguage = QStringLiteral("en");
        for (int c = 0; c < Contexts; ++c) {
            for (int m = 0; m < PerContext; ++m) {
                Exchange::TsMessage message;
                message.context = QStringLiteral("Window%1").arg(c);
                message.source = QStringLiteral("&Text number %1 of this window").arg(m);
                message.translations = {QStringLiteral("&Texto número %1 de esta ventana").arg(m)};
                ts.messages.append(message);
                lookups.push_back({message.context.toUtf8(), message.source.toUtf8()});
            }
        }
        Exchange::TsMessage plural;
        plural.context = QStringLiteral("Window0");
        plural.source = QStringLiteral("%n file(s)");
        plural.numerus = true;
        plural.translations = {QStringLiteral("%n archivo"), QStringLiteral("%n archivos")};
        ts.messages.append(plural);
    }
};

const Strings &strings()
{
    static const Strings s;
    return s;
}

// The bridge loaded with the strings in Spanish.
struct Bridge {
    TParloxSelect selector;
    TrTranslator translator{selector};

    Bridge()
    {
        Lng::Document document;
        document.languages = QStringList{QStringLiteral("English"), QStringLiteral("Español")};
        document.defaultIndex = 0;
        Exchange::TrTables::merge(document, QStringLiteral("Español"), strings().ts);
        translator.load(document, QStringLiteral("Español"));
    }
};

// The same strings compiled by lrelease; empty when lrelease is not installed.
struct Compiled {
    QTemporaryDir dir;
    QTranslator translator;

    Compiled()
    {
        const QString ts = dir.filePath(QStringLiteral("strings_es.ts"));
        QFile file(ts);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(Exchange::TsWriter::write(strings().ts));
        file.close();
        const QString lrelease = QStandardPaths::findExecutable(
            QStringLiteral("lrelease"), {QStringLiteral("/usr/lib/qt6/bin")});
        QProcess::execute(lrelease, {QStringLiteral("-silent"), ts});
        static_cast<void>(translator.load(dir.filePath(QStringLiteral("strings_es.qm"))));
    }
};

void lookups(benchmark::State &state, const QTranslator &translator)
{
    if (translator.isEmpty()) {
        state.SkipWithError("no translations (is lrelease, Debian qt6-l10n-tools, installed?)");
        return;
    }
    const std::vector<Lookup> &all = strings().lookups;
    size_t i = 0;
    for (auto _ : state) {
        const Lookup &l = all[i++ % all.size()];
        benchmark::DoNotOptimize(translator.translate(l.context.constData(), l.source.constData()));
    }
}

void pluralLookups(benchmark::State &state, const QTranslator &translator)
{
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(translator.translate("Window0", "%n file(s)", nullptr, n++ % 10));
}

// Through QCoreApplication::translate, as tr() calls it, with that translator alone installed.
void trCalls(benchmark::State &state, QTranslator &translator)
{
    QCoreApplication::installTranslator(&translator);
    const std::vector<Lookup> &all = strings().lookups;
    size_t i = 0;
    for (auto _ : state) {
        const Lookup &l = all[i++ % all.size()];
        benchmark::DoNotOptimize(
            QCoreApplication::translate(l.context.constData(), l.source.constData()));
    }
    QCoreApplication::removeTranslator(&translator);
}

void BM_QmLookup(benchmark::State &state)
{
    Compiled qm;
    lookups(state, qm.translator);
}
BENCHMARK(BM_QmLookup);

void BM_BridgeLookup(benchmark::State &state)
{
    Bridge bridge;
    lookups(state, bridge.translator);
}
BENCHMARK(BM_BridgeLookup);

void BM_QmPluralLookup(benchmark::State &state)
{
    Compiled qm;
    pluralLookups(state, qm.translator);
}
BENCHMARK(BM_QmPluralLookup);

void BM_BridgePluralLookup(benchmark::State &state)
{
    Bridge bridge;
    pluralLookups(state, bridge.translator);
}
BENCHMARK(BM_BridgePluralLookup);

void BM_QmTr(benchmark::State &state)
{
    Compiled qm;
    trCalls(state, qm.translator);
}
BENCHMARK(BM_QmTr);

void BM_BridgeTr(benchmark::State &state)
{
    Bridge bridge;
    trCalls(state, bridge.translator);
}
BENCHMARK(BM_BridgeTr);

} // namespace
