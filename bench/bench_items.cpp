// Item operations on a big estimate: 300 items and 50,000 lines.
#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "items/itemmoves.h"
#include "items/itemtable.h"
#include "items/itemtree.h"
#include "items/outline.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int itemCount = 299;
constexpr int lineCount = 50'000;

std::unique_ptr<EstimateDocument> bigEstimate()
{
    auto doc = std::make_unique<EstimateDocument>();
    ScriptedHost host;
    for (int i = 1; i <= itemCount; ++i) {
        doc->controls.Edit1.text = u"設備工事"_qs + QString::number(i);
        items::registerNewItem(*doc, host);
    }
    TextGrid &l = doc->lines;
    l.setRowCount(lineCount + 2);
    for (int r = 1; r <= lineCount; ++r) {
        const int item = 1 + r % itemCount;
        l.setCell(linecol::No, r, QString::number(r));
        l.setCell(linecol::Item, r, doc->items.cell(itemcol::Name, item));
        l.setCell(linecol::ItemCode, r, QString::number(item));
        l.setCell(linecol::C, r, u"107"_qs);
        l.setCell(linecol::Name, r, u"照明器具"_qs + QString::number(r % 97));
        l.setCell(linecol::Quantity, r, u"3"_qs);
        l.setCell(linecol::Price, r, u"12000"_qs);
        l.setCell(linecol::Kind, r, u"通常品"_qs);
        l.setCell(linecol::InputNo, r, QString::number(r));
        doc->items.setCell(itemcol::Lines, item, u"167"_qs);
    }
    doc->st1count = lineCount;
    return doc;
}

void RegisterItem(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = bigEstimate();
        ScriptedHost host;
        doc->controls.Edit1.text = u"追加工事"_qs;
        state.ResumeTiming();
        items::registerNewItem(*doc, host);
    }
}

void MoveItemUp(benchmark::State &state)
{
    auto doc = bigEstimate();
    ScriptedHost host;
    for (auto _ : state) {
        itemtree::choose(*doc, 150);
        items::moveUp(*doc, host);
    }
}

void DeleteItemWithLines(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = bigEstimate();
        ScriptedHost host;
        itemtree::choose(*doc, 100);
        state.ResumeTiming();
        items::deleteChosenItem(*doc, host);
    }
}

void RefreshLineItemNumbers(benchmark::State &state)
{
    auto doc = bigEstimate();
    for (auto _ : state)
        outline::refreshLineItemNumbers(*doc);
}

} // namespace

BENCHMARK(RegisterItem)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MoveItemUp)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteItemWithLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RefreshLineItemNumbers)->Unit(benchmark::kMillisecond);
