#include "../core/itemfixture.h"
#include "uitesting.h"

#include "app/tform1.h"
#include "calculator/tdentakukun.h"
#include "entry/lineeditor.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform6.h"
#include "estimate/columns.h"
#include "estimate/views.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace linecol;

namespace {

// The main window with the line entry windows, as the program creates them.
struct Desk {
    ScriptedHost host;
    TForm1 form{QString::fromUtf8(SOLVARA_PROGRAM_DATA), QString(), &host};
    TForm2 form2{form.document(), host};
    TForm3 form3{form.document()};
    Tdentakukun calculator{form.document(), host};
    TForm6 form6{form.document()};

    Desk()
    {
        form.setCompanions(&form3, &calculator);
        form.setEntryWindows(&form2, &form3, &form6);
        form.show();
    }

    EstimateDocument &doc() { return form.document(); }

    // Two items; the first holds conduit lines, one of them in the second item too.
    void fill()
    {
        ItemFixture f;
        f.setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        const struct {
            int item;
            const char16_t *name, *unit, *price;
        } lines[] = {{1, u"PF管", u"ｍ", u"120"}, {1, u"VVF", u"ｍ", u"85"},  {1, u"ボックス", u"ケ", u"210"},
                     {2, u"PF管", u"ｍ", u"120"}, {2, u"PF管", u"式", u"5000"}};
        for (const auto &l : lines) {
            f.addLine(l.item, QString::fromUtf16(l.name));
            const int r = f.doc.st1count;
            f.doc.lines.setCell(Quantity, r, u"10"_qs);
            f.doc.lines.setCell(Unit, r, QString::fromUtf16(l.unit));
            f.doc.lines.setCell(Price, r, QString::fromUtf16(l.price));
            f.doc.lines.setCell(Factor, r, u"0.02"_qs);
            f.doc.lines.setCell(ItemRow, r, QString::number(l.item));
        }
        for (int item = 1; item <= 2; ++item)
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                f.doc.items.setCell(c, item, u"100"_qs);
        EstimateDocument &d = doc();
        d.items = f.doc.items;
        d.lines = f.doc.lines;
        d.tree_count = f.doc.tree_count;
        d.st1count = f.doc.st1count;
        d.koumokumei = f.item(1);
        d.nodrow = 1;
        d.controls.Label18.text = f.item(1);
        views::itemView(d, host);
        form.refresh();
    }

    QTableView *grid(const char16_t *name) { return form.findChild<QTableView *>(QString::fromUtf16(name)); }
    QPoint centre(QTableView *g, int column, int row)
    {
        g->scrollTo(g->model()->index(row - 1, column));
        return g->visualRect(g->model()->index(row - 1, column)).center();
    }
    void press(const char16_t *name) { QTest::mouseClick(form.findChild<QPushButton *>(QString::fromUtf16(name)), Qt::LeftButton); }
    void keys(const QString &digits)
    {
        for (QChar c : digits) {
            const QString name = c == u'.' ? u"Button11"_qs : c == u'0' ? u"Button10"_qs : u"Button"_qs + c;
            QTest::mouseClick(form2.findChild<QPushButton *>(name), Qt::LeftButton);
        }
    }
    // A double-click on a cell, working in the window it opens.
    void doubleClick(QTableView *g, int column, int row, const std::function<void()> &inWindow = {})
    {
        if (inWindow)
            QTimer::singleShot(0, inWindow);
        uitesting::doubleClick(g->viewport(), centre(g, column, row));
    }
    // A right-click on a cell; the pop-up menu's entry `entry` is chosen.
    void menu(QTableView *g, int row, const char16_t *entry)
    {
        QTest::mouseClick(g->viewport(), Qt::RightButton, {}, centre(g, Name, row));
        auto *popup = form.findChild<QMenu *>(u"PopupMenu1"_qs);
        ASSERT_TRUE(popup->isVisible());
        QAction *action = popup->findChild<QAction *>(QString::fromUtf16(entry));
        ASSERT_TRUE(action->isEnabled()) << QString::fromUtf16(entry).toStdString();
        popup->hide();
        action->trigger();
    }
    int rowOf(const QString &name, const QString &unit = u"ｍ"_qs)
    {
        for (int r = 1; r <= doc().st1count; ++r)
            if (doc().lines.cell(Name, r) == name && doc().lines.cell(Unit, r) == unit)
                return r;
        return 0;
    }
};

} // namespace

TEST(LineEditing, PriceRetypedInTheWholeViewGoesToTheSameMaterial)
{
    Desk d;
    d.fill();
    d.press(u"Button12"); // 全体表示
    ASSERT_TRUE(d.grid(u"StringGrid1")->isVisible());
    const int row = d.rowOf(u"PF管"_qs);
    d.doubleClick(d.grid(u"StringGrid1"), Price, row, [&] {
        EXPECT_TRUE(d.form2.isVisible());
        EXPECT_TRUE(d.form2.form().Edit11.isEmpty());
        EXPECT_EQ(d.form2.form().Label47Text, u"既DATA→120"_qs);
        d.keys(u"135"_qs);
        QTest::mouseClick(d.form2.findChild<QPushButton *>(u"Button14"_qs), Qt::LeftButton);
    });
    EXPECT_FALSE(d.form2.isVisible());
    int pf = 0;
    for (int r = 1; r <= d.doc().st1count; ++r) {
        if (d.doc().lines.cell(Name, r) != u"PF管")
            continue;
        ++pf;
        const bool lumpSum = d.doc().lines.cell(Unit, r) == u"式";
        EXPECT_EQ(d.doc().lines.cell(Price, r), lumpSum ? u"5000"_qs : u"135"_qs);
    }
    EXPECT_EQ(pf, 3);
    EXPECT_EQ(d.doc().st1count, 5);
    EXPECT_EQ(d.doc().kidou, 1);
    const QAbstractItemModel *m = d.grid(u"StringGrid1")->model();
    EXPECT_EQ(m->data(m->index(row - 1, Material)).toString(), u"1350"_qs);
}

TEST(LineEditing, QuantityRetypedFromTheItemView)
{
    Desk d;
    d.fill();
    d.press(u"Button11"); // 項目別表示 of item 1
    QTableView *view = d.grid(u"StringGrid5");
    ASSERT_TRUE(view->isVisible());
    int viewRow = 0;
    for (int v = 1; v <= 3; ++v)
        if (d.doc().itemView.cell(Name, v) == u"VVF")
            viewRow = v;
    ASSERT_GT(viewRow, 0);
    d.doubleClick(view, Quantity, viewRow, [&] {
        EXPECT_EQ(d.form2.form().ComboBox5, u"VVF"_qs);
        d.keys(u"25"_qs);
        QTest::mouseClick(d.form2.findChild<QPushButton *>(u"Button14"_qs), Qt::LeftButton);
    });
    EXPECT_EQ(d.doc().lines.cell(Quantity, d.rowOf(u"VVF"_qs)), u"25"_qs);
    EXPECT_TRUE(view->isVisible());
    const QAbstractItemModel *m = view->model();
    bool shown = false;
    for (int r = 0; r < 3; ++r)
        shown |= m->data(m->index(r, Name)).toString() == u"VVF" && m->data(m->index(r, Quantity)).toString() == u"25";
    EXPECT_TRUE(shown);

    // A double-click below the lines asks for the material menu instead.
    QSignalSpy menu(d.form.findChild<LineEditor *>(), &LineEditor::materialMenuRequested);
    d.doubleClick(view, Name, 10);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(d.form2.isVisible());
    EXPECT_EQ(d.doc().st1count, 5);
}

TEST(LineEditing, PopupMenuDeletesAndMovesLines)
{
    Desk d;
    d.fill();
    d.press(u"Button12");
    QTableView *lines = d.grid(u"StringGrid1");
    const int box = d.rowOf(u"ボックス"_qs, u"ケ"_qs);
    d.menu(lines, box, u"N3");
    EXPECT_EQ(d.doc().st1count, 4);
    EXPECT_EQ(d.rowOf(u"ボックス"_qs, u"ケ"_qs), 0);
    EXPECT_TRUE(d.form.findChild<QPushButton *>(u"Button2"_qs)->isEnabled());

    // In input order the lines move up and down.
    d.press(u"Button12");
    ASSERT_EQ(d.doc().controls.Label18.text, u"全体表示中(入力順)"_qs);
    QStringList before;
    for (int r = 1; r <= 4; ++r)
        before.append(d.doc().lines.cell(Name, r) + d.doc().lines.cell(Unit, r));
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, d.centre(lines, Name, 3));
    d.menu(lines, 3, u"N23");
    QStringList after;
    for (int r = 1; r <= 4; ++r)
        after.append(d.doc().lines.cell(Name, r) + d.doc().lines.cell(Unit, r));
    before.swapItemsAt(1, 2);
    EXPECT_EQ(after, before);
    EXPECT_EQ(d.doc().lines.cell(InputNo, 2), u"2"_qs);
}

TEST(LineEditing, MarkedLineMovesInTheItemView)
{
    Desk d;
    d.fill();
    d.press(u"Button11");
    QTableView *view = d.grid(u"StringGrid5");
    const QString third = d.doc().itemView.cell(Name, 3);
    d.menu(view, 3, u"N37");
    EXPECT_EQ(d.doc().olduy5, 3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, d.centre(view, Name, 1));
    EXPECT_EQ(d.doc().olduy5, 0);
    EXPECT_EQ(d.doc().itemView.cell(Name, 1), third);
    EXPECT_EQ(view->model()->data(view->model()->index(0, Name)).toString(), third);
}

TEST(LineEditing, SheetItemQuantityAndUnitAskTheirWindows)
{
    Desk d;
    d.fill();
    for (int r = 1; r <= d.doc().st1count; ++r) // no price conflict for the sheet's check
        if (d.doc().lines.cell(Name, r) == u"PF管")
            d.doc().lines.setCell(Price, r, u"120"_qs);
    d.press(u"Button16"); // 見積書表示
    QTableView *sheet = d.grid(u"StringGrid6");
    ASSERT_TRUE(sheet->isVisible()) << d.host.messageTexts().join(u' ').toStdString()
                                    << d.host.silentStops.join(u' ').toStdString();
    d.host.keypadAnswers = {u"0"_qs};
    d.doubleClick(sheet, 11, 1);
    ASSERT_EQ(d.host.keypadShown.size(), 1);
    EXPECT_EQ(d.doc().items.cell(itemcol::Quantity, 1), u"1"_qs);
    d.host.keypadAnswers = {u"3"_qs};
    d.doubleClick(sheet, 11, 1);
    EXPECT_EQ(d.doc().items.cell(itemcol::Quantity, 1), u"3"_qs);
    EXPECT_EQ(d.doc().sheet.cell(sheetcol::Quantity, 1), u"3"_qs);
    d.host.unitAnswers = {u"面"_qs};
    d.doubleClick(sheet, 13, 2);
    EXPECT_EQ(d.doc().items.cell(itemcol::Unit, 2), u"面"_qs);
}

TEST(LineEditing, SettingsRatesAreTypedOnTheKeypad)
{
    Desk d;
    d.press(u"Button46"); // 設定
    auto *net = d.form.findChild<QLineEdit *>(u"Edit56"_qs);
    auto *insurance = d.form.findChild<QLineEdit *>(u"Edit57"_qs);
    ASSERT_TRUE(net && net->isVisible());
    d.host.keypadAnswers = {u"95"_qs, std::nullopt, u"12.5"_qs};
    QTest::mouseClick(net, Qt::LeftButton);
    EXPECT_EQ(net->text(), u"95"_qs);
    EXPECT_EQ(d.doc().settings.Edit56, u"95"_qs);
    QTest::keyClick(net, Qt::Key_7); // a key opens it too; cancelled: the old rate stays
    EXPECT_EQ(d.doc().settings.Edit56, u"95"_qs);
    QTest::mouseClick(insurance, Qt::LeftButton);
    EXPECT_EQ(d.doc().settings.Edit57, u"12.5"_qs);
    ASSERT_EQ(d.host.keypadShown.size(), 3);
    EXPECT_FALSE(d.host.keypadShown[0].pointKey); // no decimal point in the NET rate
    EXPECT_TRUE(d.host.keypadShown[0].preset.isEmpty());
    EXPECT_TRUE(d.host.keypadShown[2].pointKey);
}

TEST(LineEditing, DragOverAFactorColumnFillsItThroughTheCalculator)
{
    Desk d;
    d.fill();
    d.press(u"Button12");
    QTableView *lines = d.grid(u"StringGrid1");
    const int pf = d.rowOf(u"PF管"_qs);
    ASSERT_EQ(pf, 1); // PF管, PF管 (式), PF管 (another item), VVF, ボックス
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(d.calculator.isVisible());
        for (const char16_t *key : {u"Button71", u"Button107", u"Button1"}) // 8, 0, 入力
            QTest::mouseClick(d.calculator.findChild<QPushButton *>(QString::fromUtf16(key)), Qt::LeftButton);
    });
    // From VVF up to the second conduit: the first conduit follows as the same material, the
    // lump sum in between keeps its rate.
    QTest::mousePress(lines->viewport(), Qt::LeftButton, {}, d.centre(lines, Compression, 4));
    QTest::mouseRelease(lines->viewport(), Qt::LeftButton, {}, d.centre(lines, Compression, 2));
    EXPECT_FALSE(d.calculator.isVisible());
    QStringList rates;
    for (int r = 1; r <= d.doc().st1count; ++r)
        rates.append(d.doc().lines.cell(Name, r) + d.doc().lines.cell(Unit, r) + u'=' + d.doc().lines.cell(Compression, r));
    EXPECT_EQ(rates, (QStringList{u"PF管ｍ=80"_qs, u"PF管ｍ=80"_qs, u"PF管式=100"_qs, u"VVFｍ=80"_qs,
                                  u"ボックスケ=100"_qs}));
    EXPECT_EQ(d.doc().kidou, 1);

    // A click without movement, or a drag ending in another column, asks nothing.
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, d.centre(lines, Compression, 3));
    QTest::mousePress(lines->viewport(), Qt::LeftButton, {}, d.centre(lines, Compression, 3));
    QTest::mouseRelease(lines->viewport(), Qt::LeftButton, {}, d.centre(lines, Submission, 5));
    EXPECT_EQ(d.doc().lines.cell(Compression, 5), u"100"_qs);
}

TEST(LineEditing, LineReopenedFromTheSheetShowsTheCorrectedQuantity)
{
    Desk d;
    d.fill();
    for (int r = 1; r <= d.doc().st1count; ++r)
        if (d.doc().lines.cell(Name, r) == u"PF管")
            d.doc().lines.setCell(Price, r, u"120"_qs);
    d.doc().lines.setCell(Allowance, d.rowOf(u"VVF"_qs), u"110"_qs);
    // With a specification the line's row stays on the sheet (a row without one switches to the
    // item view first, where the quantity is the one typed).
    d.doc().lines.setCell(Spec1, d.rowOf(u"VVF"_qs), u"2.0mm-2C"_qs);
    d.press(u"Button16");
    QTableView *sheet = d.grid(u"StringGrid6");
    ASSERT_TRUE(sheet->isVisible());
    int row = 0;
    for (int r = d.doc().irow1 + 1; r < d.doc().sheet.rowCount() && !row; ++r)
        if (d.doc().sheet.cell(sheetcol::Name, r) == u"VVF")
            row = r;
    ASSERT_GT(row, 0);
    d.doubleClick(sheet, sheetcol::Price, row, [&] {
        EXPECT_EQ(d.form2.form().Edit9, u"11"_qs); // 10 with an allowance of 110 %
        EXPECT_EQ(d.form2.form().Edit24, u"12"_qs);
        d.keys(u"90"_qs);
        QTest::mouseClick(d.form2.findChild<QPushButton *>(u"Button14"_qs), Qt::LeftButton);
    });
    EXPECT_TRUE(sheet->isVisible());
    const int line = d.rowOf(u"VVF"_qs);
    EXPECT_EQ(d.doc().lines.cell(Price, line), u"90"_qs);
    EXPECT_EQ(d.doc().lines.cell(Quantity, line), u"10"_qs);
    EXPECT_EQ(d.doc().sheet.cell(sheetcol::Name, sheet->currentIndex().row() + 1), u"VVF"_qs);
    EXPECT_EQ(sheet->currentIndex().column(), 0);
}

// A drag over two cells of the whole view, then "クリップボードへコピー": the rectangle as TAB and CR LF.
TEST(LineEditing, CopyPutsTheDraggedRangeOnTheClipboard)
{
    Desk d;
    d.fill();
    d.press(u"Button12"); // 全体表示
    QTableView *g = d.grid(u"StringGrid1");
    const int row = d.rowOf(u"PF管"_qs);
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, d.centre(g, Name, row));
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, d.centre(g, Quantity, row));
    d.menu(g, row, u"N12");
    const TextGrid &lines = d.doc().lines;
    const int r = d.rowOf(u"PF管"_qs); // the menu sorts the lines in code order
    EXPECT_EQ(d.host.clipboard, lines.cell(Name, r) + u'\t' + lines.cell(Name + 1, r) + u'\t' +
                                    lines.cell(Name + 2, r) + u'\t' + lines.cell(Quantity, r) + u"\r\n"_qs);
}
