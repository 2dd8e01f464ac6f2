// The editor on a large translations file: 1 M lines (about 30 MB) in 40 forms with three
// languages. Opening it and showing its largest table in the grid, switching the table shown
// (with and without an edit first), adding and deleting a language, undoing and redoing a
// delete, and saving. The heap each command keeps for its undo (Add, Delete and
// Rename language, a cell edit).
// Then the translator's tools on it: finding a text in every table, the next untranslated
// value, the progress counts after a keystroke, the suggestions from identical sources (the
// first question, a keystroke in a source) and filling them in, and the row filter over a
// 200,000-row table typed into key by key with the grid's view on it. Last, the window opening a
// small file of 400 languages with the entry pane showing.

#include "benchtargets.h"
#include "documentsearch.h"
#include "editordocument.h"
#include "gridfiltermodel.h"
#include "mainform.h"
#include "progressmodel.h"
#include "sourceindex.h"
#include "tablegridmodel.h"
#include <Parlox/format/lngfile.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtEndian>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <malloc.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using ParloxEd::EditorDocument;
using ParloxEd::TableGridModel;

namespace {

constexpr int Languages = 3;
constexpr int Forms = 40;
constexpr int LargestEntries = 100'000; // form 0's form strings: 400,000 lines
constexpr int SecondEntries = 50'000;   // form 0's user strings: 200,000 lines
constexpr int OtherEntries = 1'315;     // every other table: 5,260 lines
constexpr int ScreenRows = 40;

void putInt(QByteArray &out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putString(QByteArray &out, const QByteArray &text)
{
    out.append(text);
    out.append('\0');
}

// Entries of about 30 bytes a line, keys and values alike.
QByteArray section(int form, bool formStrings, int entries)
{
    QByteArray out;
    putInt(out, entries * (Languages + 1));
    for (int e = 0; e < entries; ++e) {
        const QByteArray id = QByteArray::number(form) + '_' + QByteArray::number(e);
        putString(out, formStrings ? "[Component" + id + ".Caption]" : "%USER_STRING_" + id + "%");
        for (int l = 0; l < Languages; ++l)
            putString(out, "Translated text " + QByteArray::number(l) + " of " + id);
    }
    return out;
}

// Writes the file one section at a time, so generating it costs little memory and the peak
// resident size measured afterwards belongs to the editor.
QString generateFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray header("Parlox 2.0");
    putInt(header, 0);
    file.write(header);
    QList<std::pair<qint32, qint32>> offsets;
    for (int f = 0; f < Forms; ++f) {
        const auto formAt = qint32(file.pos());
        file.write(section(f, true, f == 0 ? LargestEntries : OtherEntries));
        const auto userAt = qint32(file.pos());
        file.write(section(f, false, f == 0 ? SecondEntries : OtherEntries));
        offsets.append({formAt, userAt});
    }
    const auto directoryAt = qint32(file.pos());
    QByteArray dir;
    putInt(dir, Languages);
    for (int l = 0; l < Languages; ++l)
        putString(dir, "Language " + QByteArray::number(l));
    putInt(dir, 0);
    putInt(dir, 60);
    for (int m = 0; m < 60; ++m)
        putString(dir, "&Message" + QByteArray::number(m) + '&');
    putInt(dir, Forms);
    for (int f = 0; f < Forms; ++f) {
        putString(dir, "Form" + QByteArray::number(f));
        putInt(dir, offsets[f].first);
        putInt(dir, offsets[f].second);
    }
    file.write(dir);
    QByteArray at;
    putInt(at, directoryAt);
    file.seek(10);
    file.write(at);
    return path;
}

struct BigFile {
    QTemporaryDir dir;
    QString path = generateFile(dir.filePath(QStringLiteral("big.lng")));
    qint64 size = QFile(path).size();
};

const BigFile &bigFile()
{
    static const BigFile file;
    return file;
}

double residentMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / 1e6 : 0;
}

// The heap the program holds: the main arena's chunks in use and the chunks mapped on their own.
// Unlike the resident size, it drops as soon as memory is freed and does not count what the
// allocator keeps for later, so a difference of two readings is what was kept in between. Other
// threads' arenas are left out: the commands run on this one.
double heapMB()
{
    const struct mallinfo2 info = ::mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1e6;
}

// The resident size's high-water mark, set back to the size now: what a command adds at its
// peak is the mark after it less the size before it.
double residentMarkMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024 / 1e6;
    }
    return 0;
}

void resetResidentMark()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The Windows item and view holding the most lines.
std::pair<int, EditorDocument::View> largestTable(const EditorDocument &doc)
{
    std::pair<int, EditorDocument::View> best{0, EditorDocument::View::FormStrings};
    qsizetype most = doc.messageTable().size();
    for (int item = 1; item < doc.windowsItemCount(); ++item) {
        for (const auto view :
             {EditorDocument::View::FormStrings, EditorDocument::View::UserStrings}) {
            const Parlox::Lng::PackedLines &table = view == EditorDocument::View::FormStrings
                                                        ? doc.formTable(item)
                                                        : doc.userTable(item);
            if (table.size() > most) {
                most = table.size();
                best = {item, view};
            }
        }
    }
    return best;
}

// What a view asks for when it first paints: the row count and one screenful of cells.
qsizetype paintFirstScreen(const TableGridModel &grid)
{
    qsizetype chars = grid.rowCount();
    const int rows = std::min(ScreenRows, grid.rowCount());
    for (int col = 0; col < grid.columnCount(); ++col) {
        chars += grid.headerData(col, Qt::Horizontal).toString().size();
        for (int row = 0; row < rows; ++row)
            chars += grid.data(grid.index(row, col)).toString().size();
    }
    return chars;
}

void BM_OpenAndShowLargestTable(benchmark::State &state)
{
    const BigFile &file = bigFile();
    std::unique_ptr<EditorDocument> doc;
    double kept = 0;
    double peak = 0;
    double grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        doc.reset();
        // What the last document freed goes back to the system, so this one's own peak shows.
        ::malloc_trim(0);
        resetResidentMark();
        const double resident = residentMB();
        const double heap = heapMB();
        state.ResumeTiming();
        doc = std::make_unique<EditorDocument>();
        if (doc->loadFile(file.path).status != ParloxEd::LoadStatus::Loaded) {
            state.SkipWithError("load failed");
            return;
        }
        const auto [item, view] = largestTable(*doc);
        doc->chooseView(view);
        doc->chooseWindowsItem(item);
        benchmark::DoNotOptimize(paintFirstScreen(*doc->grid()));
        state.PauseTiming();
        kept = std::max(kept, heapMB() - heap);
        peak = std::max(peak, residentMarkMB() - resident);
        grown = std::max(grown, residentMB() - resident);
        state.ResumeTiming();
    }
    const double fileMB = double(file.size) / 1e6;
    state.counters["file_MB"] = fileMB;
    state.counters["rows"] = doc->grid()->rowCount();
    state.counters["kept_x_file"] = kept / fileMB;
    state.counters["rss_growth_x_file"] = grown / fileMB;
    state.counters["peak_added_x_file"] = peak / fileMB;
    BenchTargets::record("memory kept after opening", kept / fileMB, 2, "x file");
    BenchTargets::record("peak memory added while opening", peak / fileMB, 3, "x file");
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_OpenAndShowLargestTable)->Unit(benchmark::kMillisecond)->Iterations(5);

// The editor's commands on the large file: each within 100 ms of wall time.
void recordMs(const std::string &what, double nanoseconds, qint64 times)
{
    if (times > 0)
        BenchTargets::record(what, nanoseconds / 1e6 / double(times), 100, "ms");
}

const char *historyName(const benchmark::State &state)
{
    return state.range(0) == 0 ? " (first command)" : " (history kept)";
}

// Switches between form 0's form strings (400,000 lines) and its user strings (200,000);
// with edits, one cell is changed before every switch.
void switchTables(benchmark::State &state, bool edit)
{
    EditorDocument doc;
    if (doc.loadFile(bigFile().path).status != ParloxEd::LoadStatus::Loaded) {
        state.SkipWithError("load failed");
        return;
    }
    doc.chooseWindowsItem(1);
    int n = 0;
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        if (edit)
            doc.grid()->setCell(1, 1 + n % 40, QStringLiteral("edit %1").arg(n));
        doc.chooseView(n % 2 ? EditorDocument::View::FormStrings
                             : EditorDocument::View::UserStrings);
        benchmark::DoNotOptimize(paintFirstScreen(*doc.grid()));
        ++n;
    }
    recordMs(edit ? "edit, then switch table" : "switch table", double(clock.nsecsElapsed()), n);
    state.counters["modified"] = doc.isModified();
}

void BM_SwitchTable(benchmark::State &state)
{
    switchTables(state, false);
}
BENCHMARK(BM_SwitchTable)->Unit(benchmark::kMicrosecond);

void BM_EditThenSwitchTable(benchmark::State &state)
{
    switchTables(state, true);
}
BENCHMARK(BM_EditThenSwitchTable)->Unit(benchmark::kMillisecond);

// A document of the large file showing its largest table, with one edit in the grid.
std::unique_ptr<EditorDocument> openLargest(benchmark::State &state)
{
    auto doc = std::make_unique<EditorDocument>();
    if (doc->loadFile(bigFile().path).status != ParloxEd::LoadStatus::Loaded) {
        state.SkipWithError("load failed");
        return nullptr;
    }
    doc->chooseWindowsItem(1);
    doc->grid()->setCell(1, 1, QStringLiteral("edited"));
    return doc;
}

// Adds a language to every table and the grid; deleting it again is not timed. With argument
// 0 the undo history is dropped between runs (a first command); with 1 it grows, each command
// keeping the lines it replaced, so new lines take fresh memory every time.
void BM_AddLanguage(benchmark::State &state)
{
    const auto doc = openLargest(state);
    QElapsedTimer clock;
    double ns = 0;
    for (auto _ : state) {
        clock.start();
        if (!doc ||
            doc->addLanguage(QStringLiteral("Added")) != EditorDocument::LanguageResult::Done)
            return state.SkipWithError("add failed");
        ns += double(clock.nsecsElapsed());
        state.PauseTiming();
        doc->deleteLanguage(Languages);
        if (state.range(0) == 0)
            doc->undoStack()->clear();
        state.ResumeTiming();
    }
    recordMs(std::string("Add language") + historyName(state), ns, state.iterations());
}
BENCHMARK(BM_AddLanguage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Deletes the second language of four from every table and the grid; adding a fourth is not
// timed. The argument as for BM_AddLanguage.
void BM_DeleteLanguage(benchmark::State &state)
{
    const auto doc = openLargest(state);
    int added = 0;
    QElapsedTimer clock;
    double ns = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (state.range(0) == 0)
            doc->undoStack()->clear();
        doc->addLanguage(QStringLiteral("Added %1").arg(++added));
        state.ResumeTiming();
        clock.start();
        if (doc->deleteLanguage(1) != EditorDocument::LanguageResult::Done)
            return state.SkipWithError("delete failed");
        ns += double(clock.nsecsElapsed());
    }
    recordMs(std::string("Delete language") + historyName(state), ns, state.iterations());
}
BENCHMARK(BM_DeleteLanguage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Undo (argument 0) or redo (1) of deleting the second of three languages, which puts its
// values back into every table or takes them out again.
void BM_UndoRedoDeleteLanguage(benchmark::State &state)
{
    const auto doc = openLargest(state);
    QUndoStack &stack = *doc->undoStack();
    const bool redo = state.range(0) == 1;
    QElapsedTimer clock;
    double ns = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (doc->deleteLanguage(1) != EditorDocument::LanguageResult::Done)
            return state.SkipWithError("delete failed");
        if (redo)
            stack.undo();
        state.ResumeTiming();
        clock.start();
        redo ? stack.redo() : stack.undo();
        ns += double(clock.nsecsElapsed());
        state.PauseTiming();
        if (redo)
            stack.undo();
        state.ResumeTiming();
    }
    recordMs(redo ? "redo Delete language" : "undo Delete language", ns, state.iterations());
}
BENCHMARK(BM_UndoRedoDeleteLanguage)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20); // the untimed delete of each turn would make the minimum time long

enum class Command { AddLanguage, DeleteLanguage, RenameLanguage, CellEdit };
const char *const CommandNames[] = {"Add language", "Delete language", "Rename language",
                                    "a cell edit"};

bool run(Command command, EditorDocument &doc, int turn)
{
    using Result = EditorDocument::LanguageResult;
    switch (command) {
    case Command::AddLanguage:
        return doc.addLanguage(QStringLiteral("Added")) == Result::Done;
    case Command::DeleteLanguage:
        return doc.deleteLanguage(1) == Result::Done;
    case Command::RenameLanguage:
        return doc.renameLanguage(1, QStringLiteral("Renamed %1").arg(turn)) == Result::Done;
    case Command::CellEdit:
        doc.endCellEdit();
        return doc.grid()->setCell(2, 1 + turn, QStringLiteral("A value typed in %1").arg(turn));
    }
    return false;
}

// The memory a language's column takes in the document: its texts as stored and the place of
// each line.
double columnMB(const EditorDocument &doc, int language)
{
    const qsizetype width = doc.languages().size() + 1;
    qsizetype bytes = 0;
    doc.visitTables([&](EditorDocument::TableRef, const Parlox::Lng::PackedLines &lines) {
        for (qsizetype line = 1 + language; line < lines.size(); line += width)
            bytes += lines.view(line).size_bytes() + 8;
    });
    return double(bytes) / 1e6;
}

// The heap the commands keep while they are on the undo stack: the heap with them done less
// the heap once the stack is cleared, the document staying as they left it. The column a
// language command changes is measured in the document, before a delete and after an add.
// A fresh document each time, its largest table shown with an edit in the grid. The
// small commands run a thousand times each, so that the allocator's caches of small blocks
// (counted as in use) do not hide them.
void BM_MemoryKeptByCommand(benchmark::State &state)
{
    constexpr double CommandItself = 0.002; // MB
    const auto command = Command(state.range(0));
    const int repeat =
        command == Command::AddLanguage || command == Command::DeleteLanguage ? 1 : 1000;
    double kept = 0;
    double column = 0;
    std::unique_ptr<EditorDocument> doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.reset();
        doc = openLargest(state);
        if (!doc)
            return;
        doc->undoStack()->clear();
        if (command == Command::DeleteLanguage)
            column += columnMB(*doc, 1);
        state.ResumeTiming();
        for (int turn = 0; turn < repeat; ++turn)
            if (!run(command, *doc, turn))
                return state.SkipWithError("the command failed");
        state.PauseTiming();
        const double withCommands = heapMB();
        doc->undoStack()->clear();
        const double without = heapMB();
        kept += withCommands - without;
        if (command == Command::AddLanguage)
            column += columnMB(*doc, int(doc->languages().size()) - 1);
        state.ResumeTiming();
    }
    const double commands = double(state.iterations()) * repeat;
    state.SetItemsProcessed(int64_t(commands));
    state.counters["kept_per_command_KB"] = kept / commands * 1e3;
    state.counters["document_change_KB"] = column / commands * 1e3;
    if (repeat == 1)
        // A command costs about a kilobyte of its own whatever it changes (Add's figure).
        BenchTargets::record(std::string("memory kept by ") + CommandNames[state.range(0)],
                             kept / commands, column / commands + CommandItself,
                             "MB (its column + 2 KB)");
}
BENCHMARK(BM_MemoryKeptByCommand)
    ->DenseRange(0, 3)
    ->ArgName("command")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The Save command on a modified document: encoding the whole file, writing it beside the old
// one and replacing it.
void BM_Save(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.lng"));
    auto doc = std::make_unique<EditorDocument>();
    if (!QFile::copy(bigFile().path, copy) ||
        doc->loadFile(copy).status != ParloxEd::LoadStatus::Loaded)
        return state.SkipWithError("load failed");
    QElapsedTimer clock;
    clock.start();
    double added = 0;
    for (auto _ : state) {
        doc->chooseDefaultLanguage(1);
        state.PauseTiming();
        // Memory freed earlier goes back to the system, so the save's own peak shows.
        ::malloc_trim(0);
        resetResidentMark();
        const double before = residentMB();
        state.ResumeTiming();
        if (doc->save().status != ParloxEd::SaveStatus::Saved)
            return state.SkipWithError("save failed");
        added = std::max(added, residentMarkMB() - before);
    }
    BenchTargets::record("Save", double(clock.nsecsElapsed()) / 1e6 / double(state.iterations()),
                         100, "ms");
    const double fileMB = double(bigFile().size) / 1e6;
    state.counters["peak_added_x_file"] = added / fileMB;
    BenchTargets::record("Save peak added", added / fileMB, 3, "x file");
    state.SetBytesProcessed(state.iterations() * bigFile().size);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// Finds a text in every table of the document: one that only the values of the last entries
// of the last form hold ("of 39_1314", 6 cells) and one that every value holds (757,709 cells).
void BM_FindEverywhere(benchmark::State &state)
{
    const auto doc = openLargest(state);
    const QString text =
        state.range(0) ? QStringLiteral("translated") : QStringLiteral("of 39_1314");
    qsizetype found = 0;
    for (auto _ : state) {
        if (!doc)
            return;
        found = ParloxEd::DocumentSearch::findText(*doc, text, true).size();
    }
    state.counters["found"] = double(found);
}
BENCHMARK(BM_FindEverywhere)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every value is filled, so the search walks the whole document and comes back empty.
void BM_NextUntranslatedWithNoneLeft(benchmark::State &state)
{
    const auto doc = openLargest(state);
    for (auto _ : state) {
        if (!doc || ParloxEd::DocumentSearch::nextUntranslated(*doc, {{1}, 0, 1}))
            return state.SkipWithError("an empty value was found");
    }
}
BENCHMARK(BM_NextUntranslatedWithNoneLeft)->Unit(benchmark::kMillisecond);

// A keystroke in the 400,000-line table: the progress pane counts that table again.
void BM_ProgressAfterAKeystroke(benchmark::State &state)
{
    const auto doc = openLargest(state);
    if (!doc)
        return;
    const ParloxEd::ProgressModel progress(*doc);
    int n = 0;
    for (auto _ : state)
        doc->grid()->setCell(2, 2, QStringLiteral("typed %1").arg(++n));
    state.counters["document_total"] =
        double(progress.count(0, ParloxEd::ProgressModel::Column::Document).total);
}
BENCHMARK(BM_ProgressAfterAKeystroke)->Unit(benchmark::kMillisecond);

// The Entry pane's suggestions on the large file: the first question builds the index of the
// 253,000 sources; then each keystroke into a source of the 100,000-entry table moves that
// entry in the index and asks again.
void BM_SuggestionsFirstQuestion(benchmark::State &state)
{
    const auto doc = openLargest(state);
    for (auto _ : state) {
        if (!doc)
            return;
        state.PauseTiming();
        ParloxEd::SourceIndex index(*doc);
        state.ResumeTiming();
        benchmark::DoNotOptimize(index.suggestionsFor(1));
    }
}
BENCHMARK(BM_SuggestionsFirstQuestion)->Unit(benchmark::kMillisecond);

void BM_SuggestionsAfterASourceKeystroke(benchmark::State &state)
{
    const auto doc = openLargest(state);
    if (!doc)
        return;
    ParloxEd::SourceIndex index(*doc);
    index.suggestionsFor(1);
    int n = 0;
    for (auto _ : state) {
        doc->grid()->setCell(1, 2, QStringLiteral("Translated text 0 of 0_%1").arg(++n % 7));
        benchmark::DoNotOptimize(index.suggestionsFor(1));
    }
}
BENCHMARK(BM_SuggestionsAfterASourceKeystroke)->Unit(benchmark::kMicrosecond);

// Edit > Fill identical untranslated sources over the whole large file, 1,000 values of the
// largest table emptied first (their sources are found nowhere else, so the whole document is
// read twice and nothing is filled).
void BM_FillIdenticalSources(benchmark::State &state)
{
    const auto doc = openLargest(state);
    if (!doc)
        return;
    for (int row = 1; row <= 1000; ++row)
        doc->grid()->setCell(2, row, QString());
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->fillIdenticalSources());
}
BENCHMARK(BM_FillIdenticalSources)->Unit(benchmark::kMillisecond);

// A table of 200,000 entries, three languages, and the grid that shows it.
struct ShownTable {
    Parlox::Lng::PackedLines lines;
    TableGridModel grid;
};

std::unique_ptr<ShownTable> grid200000Rows()
{
    auto shown = std::make_unique<ShownTable>();
    Parlox::Lng::PackedLines &lines = shown->lines;
    lines.reserve(200'000 * (Languages + 1), 0);
    for (int e = 0; e < 200'000; ++e) {
        const QString id = QString::number(e);
        lines.append(QString("[Component" + id + ".Caption]"));
        for (int l = 0; l < Languages; ++l)
            lines.append(QString("Translated text " + QString::number(l) + " of " + id));
    }
    shown->grid.setTable(lines, Languages);
    return shown;
}

// The filter box over that table as the user types into it, with the grid's view showing the
// rows: a text typed key by key until one row is left, then erased key by key. Each keystroke
// is timed with the view's work and a repaint; the slowest is a counter.
void BM_FilterKeystrokes200000Rows(benchmark::State &state)
{
    const auto shown = grid200000Rows();
    ParloxEd::GridFilterModel filter(&shown->grid);
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.setModel(&filter);
    view.resize(800, 600);
    view.show();
    view.setCurrentIndex(filter.index(5, 1));
    // Argument 0 narrows block by block down to one row; 1 keeps rows scattered all over the
    // table (every id holding "55"), which takes the view the most work.
    const QString text = state.range(0) ? QStringLiteral("55") : QStringLiteral("text 2 of 123456");
    double slowest = 0;
    double total = 0;
    int keystrokes = 0;
    int kept = 0;
    const auto keystroke = [&](const QString &typed) {
        QElapsedTimer timer;
        timer.start();
        filter.setText(typed);
        QCoreApplication::processEvents();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        slowest = std::max(slowest, ms);
        total += ms;
        ++keystrokes;
    };
    for (auto _ : state) {
        for (qsizetype n = 1; n <= text.size(); ++n)
            keystroke(text.left(n));
        kept = filter.rowCount();
        for (qsizetype n = text.size() - 1; n >= 0; --n)
            keystroke(text.left(n));
    }
    state.counters["rows_kept"] = kept;
    state.counters["slowest_key_ms"] = slowest;
    BenchTargets::record("slowest filter keystroke, 200,000 rows, " + std::to_string(kept) +
                             " kept",
                         slowest, 100, "ms");
    state.counters["mean_key_ms"] = keystrokes ? total / keystrokes : 0;
}
BENCHMARK(BM_FilterKeystrokes200000Rows)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// Opening a small file of 400 languages in the window with the entry pane showing.
void BM_OpenFileOf400LanguagesWithEntryPane(benchmark::State &state)
{
    QTemporaryDir dir;
    Parlox::Lng::Document doc;
    for (int l = 0; l < 400; ++l)
        doc.languages << QStringLiteral("Language %1").arg(l);
    doc.defaultIndex = 0;
    for (int e = 0; e < 5; ++e) {
        doc.messages << QStringLiteral("&Message%1&").arg(e);
        for (int l = 0; l < 400; ++l)
            doc.messages << QStringLiteral("Text %1 in %2").arg(e).arg(l);
    }
    const QString path = dir.filePath(QStringLiteral("wide.lng"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Parlox::Lng::writeDocument(doc)) < 0)
        return state.SkipWithError("cannot write the file");
    file.close();
    ParloxEd::TMainForm window;
    window.show();
    window.findChild<QAction *>(QStringLiteral("DetailPane1"))->trigger();
    for (auto _ : state) {
        window.LoadFile(path);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenFileOf400LanguagesWithEntryPane)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
