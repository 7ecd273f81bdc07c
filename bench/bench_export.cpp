// Workbooks of a 10,000-line estimate.

#include "largeestimate.h"

#include "estimate/views.h"
#include "export/basislist.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The basis list from building the sheet to the written file.
void BasisList(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"basis.xlsx"_qs);
    for (auto _ : state) {
        Workbook book;
        book.ensureSheets(4);
        ExportProgress progress;
        buildBasisList(doc, book, progress);
        const Status saved = book.save(path);
        if (!saved)
            state.SkipWithError(saved.error().toStdString().c_str());
    }
}
BENCHMARK(BasisList)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The sheet built in memory, not written.
void BasisListSheet(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc);
    for (auto _ : state) {
        Workbook book;
        book.ensureSheets(4);
        ExportProgress progress;
        buildBasisList(doc, book, progress);
        benchmark::DoNotOptimize(book.sheet(1).rowCount());
    }
}
BENCHMARK(BasisListSheet)->Unit(benchmark::kMillisecond);

} // namespace
