#include "largeestimate.h"

#include "entry/entryactivation.h"
#include "entry/entryform.h"
#include "entry/entryopenings.h"
#include "entry/entryregistration.h"
#include "estimate/views.h"

#include <benchmark/benchmark.h>

namespace {

// Registering one new line into the 10,000-line estimate with the item view shown: the checks,
// the write, the whole view and the item view rebuilt, every line recalculated (goal 30 ms). Each
// iteration registers another material, so that no registration merges.
void RegisterLineWithItemView(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc);
    ScriptedHost host;
    const int itemRow = 2;
    doc.koumokumei = doc.items.cell(itemcol::Name, itemRow);
    doc.nodrow = itemRow;
    views::itemView(doc, host);
    EntryForm form;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.Edit1 = u"107"_qs;
        form.Edit2 = u"01"_qs;
        form.Edit3 = u"02"_qs;
        form.Edit4 = u"01"_qs;
        form.Edit5 = u"0000"_qs;
        form.ComboBox5 = u"LEDダウンライト 追加%1"_qs.arg(++n);
        form.Edit7 = u"φ100"_qs;
        form.ComboBox6 = u"台"_qs;
        form.Edit11 = u"8900"_qs;
        form.Edit12 = u"0.2"_qs;
        entryopenings::openNewLine(form, doc);
        entryactivation::activate(form, host, false);
        form.Edit9 = u"4"_qs;
        state.ResumeTiming();
        if (entryregistration::registerEntry(form, doc, host) != entryregistration::Outcome::Registered)
            state.SkipWithError("not registered");
    }
    state.counters["lines"] = doc.st1count;
}
BENCHMARK(RegisterLineWithItemView)->Unit(benchmark::kMillisecond);

} // namespace

