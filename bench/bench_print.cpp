#include "compileestimate.h"

#include "estimate/sheetcompiler.h"
#include "output/detailpages.h"
#include "output/pdfoutput.h"
#include "output/printjob.h"
#include "output/printoptions.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Fonts need a QGuiApplication; the benchmark never shows a window.
void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "solvara_bench";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

// The quotation of a compiled 10,000-line estimate (cover, summary, every detail page and the
// conditions page) written to a PDF file, as solvara-cli print does.
void BM_PrintPdf_300Items_10000Lines(benchmark::State &state)
{
    ensureGuiApplication();
    EstimateDocument doc;
    buildEstimate(doc, 300, 10000);
    doc.conditions.setCell(1, 1, u" ■"_qs);
    doc.conditions.setCell(2, 1, u"夜間作業は含みません。"_qs);
    ScriptedHost host;
    if (!sheet::compile(doc, host)) {
        state.SkipWithError("compilation stopped");
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"large.pdf"_qs);
    PrintOptions options;
    options.CheckBox4 = true;
    for (auto _ : state) {
        doc.patan = 1;
        if (!pdfoutput::write(doc, host, options, path))
            state.SkipWithError("printing stopped");
    }
    doc.patan = 1;
    state.counters["detailPages"] = double(detailpages::paginate(PrintJob{doc, options}).size());
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_PrintPdf_300Items_10000Lines)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
