// The catalog window, offscreen: a 20,000-row material list into its grid. (Start-up with the
// bundled catalog is measured with the other windows.)
#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "catalog/catalogmenu.h"
#include "catalog/catalogscreens.h"
#include "estimate/document.h"
#include "storage/textfile.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString programFolder()
{
    return QStringLiteral(SOLVARA_PROGRAM_DATA);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// A menu whose one button shows a list of `rows` materials, in a scratch data folder.
struct BigList {
    QTemporaryDir dir;
    explicit BigList(int rows)
    {
        QStringList list;
        list.reserve(rows);
        for (int i = 0; i < rows; ++i)
            list.append(u"146,%1,%2,%3,CVケーブル,%4sq-3C,\" \",ｍ,%5,ラック,0.042,110,0,0,0,0,60,70,"_qs
                            .arg(1 + i / 10000, 2, 10, QChar(u'0')).arg(1 + i / 100 % 100, 2, 10, QChar(u'0'))
                            .arg(i % 100, 2, 10, QChar(u'0')).arg(2 + i % 300).arg(100 + i));
        textfile::writeLines(dir.filePath(u"big.txt"_qs), list);
        textfile::writeLines(dir.filePath(u"A146.ini"_qs), {u"ボタンの名称,掲載ファイル,表示行"_qs, u"大量,big.txt,1"_qs});
    }
};

void BM_ListOf20000RowsIntoTheGrid(benchmark::State &state)
{
    BigList big(20000);
    ScriptedHost host;
    TForm1 form(programFolder(), QString(), &host);
    form.show();
    EstimateDocument &doc = form.document();
    doc.strFilePath2 = big.dir.path() + u'/';
    catalogmenu::readButtons(doc, host, u"146"_qs);
    doc.catalog.controls.Panel14.visible = true;
    form.refresh();
    settle();
    for (auto _ : state) {
        // A press on the material button: the list read, shown and painted.
        catalogmenu::loadList(doc, host, 1);
        form.catalogScreens()->refresh();
        settle();
    }
    if (doc.catalog.list.rowCount() != 20001 || !host.messages.isEmpty())
        state.SkipWithError("the list was not loaded");
}
BENCHMARK(BM_ListOf20000RowsIntoTheGrid)->Unit(benchmark::kMillisecond);

} // namespace
