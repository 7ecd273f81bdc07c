#include "largeestimate.h"

#include "estimate/sheetcompiler.h"
#include "storage/estimatefile.h"
#include "storage/textfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The large estimate written as an estimate file in `dir`; returns its path.
QString writeLargeEstimate(const QTemporaryDir &dir, benchmark::State &state)
{
    const QString path = dir.filePath(u"large.kas"_qs);
    EstimateDocument doc;
    buildLargeEstimate(doc);
    if (!textfile::writeLines(path, estimatefile::records(doc)).ok())
        state.SkipWithError("cannot write the file");
    return path;
}

// Whole-table recalculation of every line, as after each registration (goal 5 ms).
void RecalculateAll(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc);
    ScriptedHost host;
    for (auto _ : state)
        benchmark::DoNotOptimize(linecalc::recalculateAll(doc, host));
}
BENCHMARK(RecalculateAll)->Unit(benchmark::kMillisecond);

// The same on the estimate as reading its file leaves it (equal cell texts shared).
void RecalculateAllAfterRead(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeLargeEstimate(dir, state);
    EstimateDocument doc;
    ScriptedHost host;
    doc.Filename = path;
    doc.buttonsw = 2;
    if (!estimatefile::read(doc, host))
        state.SkipWithError("read failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(linecalc::recalculateAll(doc, host));
}
BENCHMARK(RecalculateAllAfterRead)->Unit(benchmark::kMillisecond);

// Save of the whole estimate to a file (goal 50 ms).
void SaveEstimate(benchmark::State &state)
{
    QTemporaryDir dir;
    EstimateDocument doc;
    buildLargeEstimate(doc);
    ScriptedHost host;
    const QString path = dir.filePath(u"large.kas"_qs);
    for (auto _ : state) {
        host.saveNames.push_back(path);
        if (!estimatefile::save(doc, host))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveEstimate)->Unit(benchmark::kMillisecond);

// Read of that file into a fresh document, entering the view `buttonsw` names (goal 50 ms).
// state.range(0): -1 reads the file into the document only; 0, 1, 2 run the whole "読込" with
// that view to return to (it ends by compiling the sheet).
void ReadEstimate(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeLargeEstimate(dir, state);
    ScriptedHost host;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<EstimateDocument>();
        doc->Filename = path;
        doc->buttonsw = int(state.range(0));
        state.ResumeTiming();
        const bool done = state.range(0) < 0 ? estimatefile::readFile(*doc, host) : estimatefile::read(*doc, host);
        if (!done)
            state.SkipWithError("read failed");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ReadEstimate)->Arg(-1)->Arg(0)->Arg(1)->Arg(2)->ArgName("buttonsw")->Unit(benchmark::kMillisecond);

// Compilation of the sheet alone on a freshly read estimate: state.range(0) 1 compiles each
// iteration's fresh document once (the first compilation after a read, with its first use of
// the sheet's storage), 0 compiles one read document again and again (goal 25 ms for both).
void CompileAfterRead(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeLargeEstimate(dir, state);
    ScriptedHost host;
    const bool first = state.range(0) == 1;
    auto doc = std::make_unique<EstimateDocument>();
    auto readDocument = [&] {
        doc = std::make_unique<EstimateDocument>();
        doc->Filename = path;
        if (!estimatefile::readFile(*doc, host))
            state.SkipWithError("read failed");
        doc->controls.Label18.text = doc->koumokumei;
    };
    readDocument();
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            readDocument();
            state.ResumeTiming();
        }
        doc->controls.Button12.text = u"コード順"_qs; // the sheet alone, without the whole view
        if (!sheet::compile(*doc, host))
            state.SkipWithError("compilation stopped");
    }
    state.counters["rows"] = doc->sheet.rowCount();
}
BENCHMARK(CompileAfterRead)->Arg(1)->Arg(0)->ArgName("first")->Unit(benchmark::kMillisecond);

} // namespace
