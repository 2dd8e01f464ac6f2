// ApplyLanguage on a large form: 2,000 named components (labels and buttons with captions and
// hints) and a form-strings table of 10,000 entries in two languages, switching language on
// every iteration so that every text really changes.
#include "form.h"
#include "platform/application.h"
#include "select.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace Parlox;

constexpr int Components = 2000;
constexpr int Entries = 10000;

struct LargeForm {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TParloxSelect *select = nullptr;
    TParloxForm *translator = nullptr;

    LargeForm()
    {
        form->setObjectName(QStringLiteral("BigForm"));
        auto *layout = new QVBoxLayout(form.get());
        select = new TParloxSelect(form.get());
        select->setObjectName(QStringLiteral("Select"));
        select->setLanguages({QStringLiteral("English"), QStringLiteral("Español")});
        QStringList table;
        table.reserve(Entries * 3);
        const auto entry = [&table](const QString &path, const QString &text) {
            table << u'[' + path + u']' << text + QStringLiteral(" en")
                  << text + QStringLiteral(" es");
        };
        for (int i = 0; i < Components; ++i) {
            const QString name = QStringLiteral("Control%1").arg(i);
            QWidget *widget = i % 2 ? static_cast<QWidget *>(new QPushButton(name))
                                    : static_cast<QWidget *>(new QLabel(name));
            widget->setObjectName(name);
            layout->addWidget(widget);
            entry(name + QStringLiteral(".Caption"), name);
            entry(name + QStringLiteral(".Hint"), QStringLiteral("Hint of ") + name);
        }
        // The rest of the table names texts this form does not have (user menus, old names).
        for (int i = 2 * Components; i < Entries; ++i)
            entry(QStringLiteral("Elsewhere%1.Caption").arg(i), QStringLiteral("Other"));
        translator = new TParloxForm(form.get());
        translator->setObjectName(QStringLiteral("Translator"));
        translator->setFormStrings(table);
    }
};

void BM_ApplyLanguage(benchmark::State &state)
{
    LargeForm large;
    const QStringList languages = large.select->Languages();
    qsizetype turn = 0;
    for (auto _ : state)
        large.translator->ApplyLanguage(languages[turn++ % 2]);
    state.counters["components"] = Components;
    state.counters["entries"] = Entries;
}
BENCHMARK(BM_ApplyLanguage)->Unit(benchmark::kMillisecond);

// The same form shown on screen (offscreen platform): setting texts of visible widgets also
// schedules their repaint and relayout.
void BM_ApplyLanguageShown(benchmark::State &state)
{
    LargeForm large;
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

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
