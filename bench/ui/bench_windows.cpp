// The desktop program's responsiveness, measured offscreen: start-up to the painted main window
// on the sample estimate, opening a 10,000-line, 300-item estimate until its sheet is painted, and
// one scroll step of that sheet. Run on demand: build/bin/solvara_ui_bench

#include "../largeestimate.h"
#include "output/fontfaces.h"
#include "app/tform1.h"
#include "app/translations.h"
#include "output/printhandler.h"
#include "base/scriptedhost.h"
#include "calculator/tdentakukun.h"
#include "catalog/catalogscreens.h"
#include "catalog/tform4.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform6.h"
#include "output/tform5.h"
#include "storage/estimatefile.h"
#include "storage/textfile.h"
#include "widgets/scrollbarstyle.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString programFolder = QStringLiteral(SOLVARA_PROGRAM_DATA);

// Lets the window system show and paint what is pending.
void settle()
{
    for (int i = 0; i < 2; ++i)
        QCoreApplication::processEvents();
}

// The large estimate of the core benchmarks, as a file.
const QString &largeEstimateFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        EstimateDocument doc;
        buildLargeEstimate(doc, 10'000);
        const QString file = dir.filePath(u"large.kas"_qs);
        if (!textfile::writeLines(file, estimatefile::records(doc)).ok())
            std::abort();
        return file;
    }();
    return path;
}

// The seven windows as the program creates them, the main window shown and painted.
void StartUpWithTheSample(benchmark::State &state)
{
    for (auto _ : state) {
        ScriptedHost host;
        TForm1 form1(programFolder, programFolder + u"/sample.kas"_qs, &host);
        TForm2 form2(form1.document(), form1.host());
        TForm3 form3(form1.document());
        TForm4 form4(form1.document(), form1.host());
        TForm5 form5(form1.document(), form1.host());
        Tdentakukun dentakukun(form1.document(), form1.host());
        TForm6 form6(form1.document());
        form1.setCompanions(&form3, &dentakukun);
        form1.setEntryWindows(&form2, &form3, &form6);
        form1.catalogScreens()->setWindows(&form2, &form4, &dentakukun);
        form1.printing().setOptionsWindow(&form5);
        form1.show();
        settle();
        benchmark::DoNotOptimize(form1.isVisible());
        state.PauseTiming();
        form1.hide();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpWithTheSample)->Unit(benchmark::kMillisecond)->MinTime(3);

// "開く" on the large estimate, through the sheet painted on a 1580 x 783 window (the size on a
// 1920 x 1080 screen).
void OpenLargeEstimateAndShowTheSheet(benchmark::State &state)
{
    const QString file = largeEstimateFile();
    ScriptedHost host;
    TForm1 form(programFolder, QString(), &host);
    form.resize(1580, 783);
    form.show();
    settle();
    auto *open = form.findChild<QPushButton *>(u"Button1"_qs);
    auto *sheet = form.findChild<QTableView *>(u"StringGrid6"_qs);
    for (auto _ : state) {
        host.openNames = {file};
        open->click();
        settle();
        if (!sheet->isVisible() || form.document().st1count != 10'000)
            state.SkipWithError("the sheet of the large estimate is not shown");
        state.PauseTiming();
        form.document().kidou = 0;
        state.ResumeTiming();
    }
    state.counters["sheet_rows"] = sheet->model()->rowCount();
}
BENCHMARK(OpenLargeEstimateAndShowTheSheet)->Unit(benchmark::kMillisecond)->MinTime(3);

// One step of the scroll bar (three rows, as a wheel notch) on that sheet, painted at once.
void ScrollTheLargeSheetOneStep(benchmark::State &state)
{
    ScriptedHost host;
    TForm1 form(programFolder, largeEstimateFile(), &host);
    form.resize(1580, 783);
    form.show();
    settle();
    auto *sheet = form.findChild<QTableView *>(u"StringGrid6"_qs);
    QScrollBar *bar = sheet->verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = value + 3 > bar->maximum() ? 0 : value + 3;
        bar->setValue(value);
        sheet->viewport()->repaint();
    }
    state.counters["rows"] = sheet->model()->rowCount();
}
BENCHMARK(ScrollTheLargeSheetOneStep)->Unit(benchmark::kMillisecond);

// A page down on the same sheet: every visible row drawn anew.
void PageTheLargeSheet(benchmark::State &state)
{
    ScriptedHost host;
    TForm1 form(programFolder, largeEstimateFile(), &host);
    form.resize(1580, 783);
    form.show();
    settle();
    auto *sheet = form.findChild<QTableView *>(u"StringGrid6"_qs);
    QScrollBar *bar = sheet->verticalScrollBar();
    for (auto _ : state) {
        bar->triggerAction(bar->value() >= bar->maximum() ? QAbstractSlider::SliderToMinimum
                                                           : QAbstractSlider::SliderPageStepAdd);
        sheet->viewport()->repaint();
    }
}
BENCHMARK(PageTheLargeSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installJapaneseQtTexts(app);
    fontfaces::install();
    QApplication::setStyle(new ScrollBarStyle);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
