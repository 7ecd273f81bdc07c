#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "catalog/catalogscreens.h"
#include "catalog/tform4.h"
#include "entry/tform2.h"
#include "estimate/columns.h"
#include "storage/textfile.h"
#include "uitesting.h"
#include "widgets/gridview.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString programData()
{
    return QString::fromUtf8(SOLVARA_PROGRAM_DATA);
}

// A copy of the program folder with its catalog, so that saves go to a scratch folder.
struct ProgramCopy {
    QTemporaryDir dir;
    ProgramCopy()
    {
        const QDir from(programData());
        QDir to(dir.path());
        for (const QString &name : {u"setutei.kxt"_qs, u"jyouken.DATA"_qs, u"ｺｰﾄﾞ.DATA"_qs, u"SW06.wav"_qs})
            QFile::copy(from.filePath(name), to.filePath(name));
        to.mkdir(u"材料データ"_qs);
        const QDir data(from.filePath(u"材料データ"_qs));
        for (const QString &name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), to.filePath(u"材料データ/"_qs + name));
    }
    QString path(const QString &name) const { return dir.path() + u'/' + name; }
};

// The main window on the sample estimate, started from a copy of the program folder.
struct CatalogWindows {
    ProgramCopy program;
    ScriptedHost host;
    TForm1 form{program.dir.path(), programData() + u"/sample.kas"_qs, &host};

    CatalogWindows() { form.show(); }

    template<typename W = QWidget>
    W *child(const char16_t *name) const
    {
        W *w = form.findChild<W *>(QString::fromUtf16(name));
        EXPECT_NE(w, nullptr) << QString::fromUtf16(name).toStdString();
        return w;
    }
    void click(const char16_t *name) const { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    bool shown(const char16_t *name) const { return child(name)->isVisible(); }
    QTableView *menu() const { return child<QTableView>(u"StringGrid2"); }
    GridView *list() const { return child<GridView>(u"StringGrid3"); }
    QPoint menuCell(int column, int row) const { return menu()->visualRect(menu()->model()->index(row, column)).center(); }
    QPoint listCell(int column, int row) const { return list()->visualRect(list()->model()->index(row - 1, column)).center(); }
    const TextGrid &listGrid() { return form.document().catalog.list; }
};

} // namespace

TEST(CatalogWindows, MenuOpensAGroupAndItsButtonsLoadLists)
{
    CatalogWindows w;
    EXPECT_FALSE(w.shown(u"Panel9"));
    w.click(u"Button13");
    ASSERT_TRUE(w.shown(u"Panel9"));
    EXPECT_TRUE(w.shown(u"Panel90"));

    // The code column of "電線管" in the materials group.
    QTest::mousePress(w.menu()->viewport(), Qt::LeftButton, {}, w.menuCell(5, 0));
    ASSERT_TRUE(w.shown(u"Panel14"));
    EXPECT_EQ(w.child<QPushButton>(u"Button21")->text(), u"薄鋼電線管");
    EXPECT_FALSE(w.child<QPushButton>(u"Button29")->isEnabled());
    EXPECT_EQ(w.listGrid().cell(4, 1), u"薄鋼電線管"); // the heading line is gone

    w.click(u"Button24");
    EXPECT_EQ(w.listGrid().cell(5, 1), u"PF管 14");
    w.click(u"Button25"); // "ＣＤ管": the same list from row 7
    EXPECT_EQ(w.form.document().ply6, 7); // all ten rows fit on screen, so the view stays

    // "もどる" leaves the menu; "前回材料" comes back to the list.
    w.click(u"Button20");
    EXPECT_FALSE(w.shown(u"Panel14"));
    EXPECT_TRUE(w.shown(u"Panel9"));
    w.click(u"Button18");
    EXPECT_FALSE(w.shown(u"Panel9"));
    w.click(u"Button15");
    EXPECT_TRUE(w.shown(u"Panel14"));
    EXPECT_EQ(w.listGrid().cell(5, 1), u"PF管 14");
    w.click(u"Button43");
    EXPECT_FALSE(w.shown(u"Panel14"));
    EXPECT_TRUE(w.host.messages.isEmpty());
}

// In the edit mode a price is typed in place; Enter carries it to the same specification and
// unit, and "設定保存" writes the list with the completion sound.
TEST(CatalogWindows, EditModeTypesAPriceAndSavesTheList)
{
    CatalogWindows w;
    w.click(u"Button13");
    QTest::mousePress(w.menu()->viewport(), Qt::LeftButton, {}, w.menuCell(4, 2)); // ボックス
    ASSERT_TRUE(w.shown(u"Panel14"));
    w.click(u"Button42");
    EXPECT_TRUE(w.shown(u"Panel20"));
    EXPECT_TRUE(w.shown(u"Panel69"));
    EXPECT_FALSE(w.child<QPushButton>(u"Button101")->isEnabled());

    QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, w.listCell(8, 1));
    // The first key opens the cell for editing; the rest goes into the editor.
    QTest::keyClick(w.list(), Qt::Key_2, {}, -1);
    auto *editor = w.list()->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, u"50"_qs);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(w.listGrid().cell(8, 1), u"250");
    EXPECT_EQ(w.form.document().catalog.row, 2);

    w.click(u"Button42");
    EXPECT_EQ(w.host.sounds.size(), 1);
    const QStringList saved = textfile::readLines(w.program.path(u"材料データ/142-01.txt"_qs)).value();
    EXPECT_TRUE(saved.value(0).contains(u",250,"));

    // The bulk rewrite: every row's "施工区分" replaced, and taken back.
    QTest::mousePress(w.list()->viewport(), Qt::LeftButton, {}, w.listCell(9, 2));
    QTest::mouseRelease(w.list()->viewport(), Qt::LeftButton, {}, w.listCell(9, 2));
    QTest::mouseClick(w.child<QWidget>(u"Label115"), Qt::LeftButton);
    QTest::sendKeyEvent(QTest::Click, w.child<QWidget>(u"Edit53"), Qt::Key_unknown, u"露出"_qs, {});
    w.click(u"Button107");
    EXPECT_EQ(w.listGrid().cell(9, 1), u"露出");
    EXPECT_EQ(w.listGrid().cell(9, w.listGrid().rowCount() - 1), u"露出");
    ASSERT_TRUE(w.shown(u"Button110"));
    w.click(u"Button110");
    EXPECT_EQ(w.listGrid().cell(9, 1), u"隠ぺい");
    EXPECT_TRUE(w.host.messages.isEmpty());
}

// The stock window with the running estimate: two lines of another item marked and registered
// under the current item.
TEST(CatalogWindows, StockWindowTakesTwoMarkedLines)
{
    CatalogWindows w;
    EstimateDocument &doc = w.form.document();
    const int before = doc.st1count;
    TForm4 stockWindow(doc, w.host);
    stockWindow.show();
    StockData &s = stockWindow.stock();
    ASSERT_GT(s.buffer.rowCount(), before);

    auto *filter = stockWindow.findChild<QComboBox *>(u"ComboBox1"_qs);
    const int fire = filter->findText(u"3.自動火災報知設備工事"_qs);
    ASSERT_GE(fire, 0);
    filter->setCurrentIndex(fire);
    emit filter->textActivated(filter->currentText());
    EXPECT_EQ(s.grid.cell(linecol::Name, 1), u"煙感知器");

    auto *grid = stockWindow.findChild<GridView *>(u"StringGrid1"_qs);
    for (int row : {1, 2}) {
        const QPoint p = grid->visualRect(grid->model()->index(row - 1, StockData::Mark)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, p);
    }
    EXPECT_EQ(s.grid.cell(StockData::Mark, 1), u"    ■");
    QTest::mouseClick(stockWindow.findChild<QPushButton *>(u"Button2"_qs), Qt::LeftButton);
    EXPECT_FALSE(stockWindow.isVisible());
    EXPECT_EQ(doc.st1count, before + 2);
    int taken = 0;
    for (int r = 1; r <= doc.st1count; ++r)
        if (doc.lines.cell(linecol::Item, r) == doc.koumokumei
            && (doc.lines.cell(linecol::Name, r) == u"煙感知器" || doc.lines.cell(linecol::Name, r) == u"熱感知器"))
            ++taken;
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(doc.kidou, 1);
}

// The whole path: 材料選択, a group, a material button, a double-click on a material, the data
// entry window filled, the quantity typed, 登録, the line in the table, then 見積書表示.
TEST(CatalogWindows, PickRegistersALineThatTheSheetShows)
{
    CatalogWindows w;
    EstimateDocument &doc = w.form.document();
    TForm2 entry(doc, w.host);
    w.form.catalogScreens()->setWindows(&entry, nullptr, nullptr);
    const int before = doc.st1count;

    w.click(u"Button13");
    QTest::mousePress(w.menu()->viewport(), Qt::LeftButton, {}, w.menuCell(1, 6)); // 照明器具 107
    w.click(u"Button22"); // ダウンライト
    ASSERT_EQ(w.listGrid().cell(5, 4), u"φ125 100形相当");

    QString shownName, shownPrice, shownStatus;
    QTimer::singleShot(0, [&] {
        EntryForm &f = entry.form();
        shownName = f.ComboBox5;
        shownPrice = f.Edit11;
        shownStatus = f.Label28;
        // The quantity is the keypad's target: 1, 2 on the window's keypad, then 登録.
        QTest::mouseClick(entry.findChild<QPushButton *>(u"Button1"_qs), Qt::LeftButton);
        QTest::mouseClick(entry.findChild<QPushButton *>(u"Button2"_qs), Qt::LeftButton);
        QTest::mouseClick(entry.findChild<QPushButton *>(u"Button14"_qs), Qt::LeftButton);
    });
    uitesting::doubleClick(w.list()->viewport(), w.listCell(4, 4));

    EXPECT_EQ(shownName, u"LEDダウンライト");
    EXPECT_EQ(shownPrice, u"12800");
    EXPECT_EQ(shownStatus, u"提出単価：9600");
    EXPECT_FALSE(w.shown(u"Panel14"));
    EXPECT_FALSE(w.shown(u"Panel9"));
    ASSERT_EQ(doc.st1count, before + 1);
    int row = 0;
    for (int r = 1; r <= doc.st1count; ++r)
        if (doc.lines.cell(linecol::Spec1, r) == u"φ125 100形相当")
            row = r;
    ASSERT_GT(row, 0);
    EXPECT_EQ(doc.lines.cell(linecol::Quantity, row), u"12");
    EXPECT_EQ(doc.lines.cell(linecol::Item, row), doc.koumokumei);
    EXPECT_EQ(doc.lines.cell(linecol::Sub, row), u"0000");
    EXPECT_EQ(doc.kidou, 1);

    w.click(u"Button16");
    bool onSheet = false;
    for (int r = 1; r < doc.sheet.rowCount(); ++r)
        onSheet = onSheet || doc.sheet.cell(8, r) == u"φ125 100形相当 昼白色"; // both specifications
    EXPECT_TRUE(onSheet);

    // "前回材料" returns to the last list.
    w.click(u"Button15");
    EXPECT_TRUE(w.shown(u"Panel14"));
    EXPECT_EQ(w.listGrid().cell(5, 4), u"φ125 100形相当");
}

// A program folder without its menu index: start-up names the file and the program goes on.
TEST(CatalogWindows, StartUpWithoutAMenuIndex)
{
    ProgramCopy program;
    QFile::remove(program.path(u"ｺｰﾄﾞ.DATA"_qs));
    ScriptedHost host;
    TForm1 form(program.dir.path(), programData() + u"/sample.kas"_qs, &host);
    form.show();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(program.path(u"ｺｰﾄﾞ.DATA"_qs)));
    EXPECT_EQ(form.document().st1count, 36); // the estimate was opened all the same
    QTest::mouseClick(form.findChild<QPushButton *>(u"Button13"_qs), Qt::LeftButton);
    EXPECT_TRUE(form.findChild<QWidget *>(u"Panel9"_qs)->isVisible());
    EXPECT_EQ(form.document().catalog.menu.rowCount(), 0);
}
