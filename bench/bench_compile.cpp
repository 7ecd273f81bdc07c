#include "compileestimate.h"

#include "estimate/sheetcompiler.h"

#include <benchmark/benchmark.h>

namespace {

// The sheet alone: the line table is kept in its order (the whole-view button does not read
// "全体表示"), as when the sheet is recompiled after an option change.
void compileSheet(benchmark::State &state, int items, int lines, sheet::LineWalk walk)
{
    EstimateDocument doc;
    buildEstimate(doc, items, lines);
    ScriptedHost host;
    for (auto _ : state) {
        doc.controls.Button12.text = u"コード順"_qs;
        if (!sheet::compile(doc, host, walk))
            state.SkipWithError("compilation stopped");
    }
    state.counters["rows"] = doc.sheet.rowCount();
}

// "見積書表示" from the item view: the whole view sorts and recalculates the lines first.
void compileFromItemView(benchmark::State &state, int items, int lines)
{
    EstimateDocument doc;
    buildEstimate(doc, items, lines);
    ScriptedHost host;
    for (auto _ : state) {
        doc.controls.Button12.text = u"全体表示"_qs;
        if (!sheet::compile(doc, host))
            state.SkipWithError("compilation stopped");
    }
}

void BM_CompileSheet_300Items_10000Lines(benchmark::State &state)
{
    compileSheet(state, 300, 10000, sheet::LineWalk::ByItemIndex);
}
BENCHMARK(BM_CompileSheet_300Items_10000Lines)->Unit(benchmark::kMillisecond);

void BM_CompileSheetWholeTableWalk_300Items_10000Lines(benchmark::State &state)
{
    compileSheet(state, 300, 10000, sheet::LineWalk::WholeTable);
}
BENCHMARK(BM_CompileSheetWholeTableWalk_300Items_10000Lines)->Unit(benchmark::kMillisecond);

void BM_CompileFromItemView_300Items_10000Lines(benchmark::State &state)
{
    compileFromItemView(state, 300, 10000);
}
BENCHMARK(BM_CompileFromItemView_300Items_10000Lines)->Unit(benchmark::kMillisecond);

void BM_CompileSheet_Sample(benchmark::State &state)
{
    compileSheet(state, 5, 35, sheet::LineWalk::ByItemIndex);
}
BENCHMARK(BM_CompileSheet_Sample)->Unit(benchmark::kMicrosecond);

void BM_CompileFromItemView_Sample(benchmark::State &state)
{
    compileFromItemView(state, 5, 35);
}
BENCHMARK(BM_CompileFromItemView_Sample)->Unit(benchmark::kMicrosecond);

} // namespace
