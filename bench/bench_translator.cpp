// ApplyLanguage on a large form: 2,000 named components (labels and buttons with captions and
// hints) and a form-strings table of 10,000 entries in two languages, switching language on
// every iteration so that every text really changes.
#include "largeform.h"
#include <Parlox/form.h>
#include <Parlox/platform/application.h>
#include <Parlox/select.h>

#include <QCoreApplication>
#include <benchmark/benchmark.h>

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

void BM_ApplyLanguage(benchmark::State &state)
{
    TranslatedForm large;
    const QStringList languages = large.select->Languages();
    qsizetype turn = 0;
    for (auto _ : state)
        large.translator->ApplyLanguage(languages[turn++ % 2]);
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

} // namespace
