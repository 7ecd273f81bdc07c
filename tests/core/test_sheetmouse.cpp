#include "output/gridmouse.h"
#include "output/sheetdoubleclick.h"
#include "output/sheetdelete.h"
#include "sheetviewfixture.h"

#include <gtest/gtest.h>

using Kind = sheetclick::Request::Kind;
using gridmouse::Button;

TEST(SheetMouse, PressOnAnyRowOfAnItemMakesThatItemCurrent)
{
    SheetViewFixture f;
    gridmouse::sheetPressed(f.doc, 7, 14); // the accessories row carries the item name too
    EXPECT_EQ(f.doc.nx6, 7);
    EXPECT_EQ(f.doc.ny6, 14);
    EXPECT_EQ(f.doc.koumokumei, f.item(2));
    EXPECT_EQ(f.doc.controls.Label18.text, f.item(2));
    EXPECT_EQ(f.doc.nodrow, 2);
    EXPECT_EQ(f.doc.uy7, 2);
    EXPECT_EQ(f.doc.ux7, 2); // the item's level

    // A row without an item name (the grand total) leaves the current item alone.
    gridmouse::sheetPressed(f.doc, 7, 8);
    EXPECT_EQ(f.doc.koumokumei, f.item(2));
}

TEST(SheetMouse, ReleasesRecordTheCellsAndDecideTheMenuAndTheRangeEdit)
{
    struct Case {
        int pressColumn, pressRow, column, row;
        Button button;
        bool menu, sum, rangeEdit;
    };
    const Case cases[] = {
        {17, 12, 17, 15, Button::Right, true, true, false},
        {20, 12, 7, 15, Button::Right, true, true, false},  // only the start column counts
        {17, 12, 17, 12, Button::Right, true, false, false}, // same row: nothing to add
        {7, 12, 7, 15, Button::Right, true, false, false},
        {15, 12, 15, 13, Button::Left, false, false, true},
        {18, 13, 18, 12, Button::Left, false, false, true},
        {15, 12, 15, 12, Button::Left, false, false, false},
        {14, 12, 15, 13, Button::Left, false, false, false},
        {17, 12, 17, 0, Button::Right, false, false, false}, // title row: recorded, nothing else
    };
    for (const Case &c : cases) {
        SheetViewFixture f;
        gridmouse::sheetPressed(f.doc, c.pressColumn, c.pressRow);
        const gridmouse::SheetRelease r = gridmouse::sheetReleased(f.doc, c.column, c.row, c.button);
        SCOPED_TRACE(testing::Message() << c.pressColumn << "," << c.pressRow << " -> " << c.column << "," << c.row);
        EXPECT_EQ(r.popupMenu, c.menu);
        EXPECT_EQ(r.rangeSum, c.sum);
        EXPECT_EQ(r.rangeEdit, c.rangeEdit);
        EXPECT_EQ(f.doc.ux6, c.column);
        EXPECT_EQ(f.doc.uy6, c.row);
        EXPECT_EQ(f.doc.uy6b, c.button == Button::Left ? c.row : 0);
        EXPECT_EQ(f.doc.sy6, c.row > 0 ? c.row : 0);
        EXPECT_EQ(f.doc.ply6, c.row > 0 ? c.row : 1);
    }
}

TEST(SheetDoubleClick, RequestsAndSettingsFieldsByCell)
{
    struct Case {
        int column, row;
        Kind kind;
        const char16_t *field;
        int detail; // item, field code, line or focused line column as the kind says
    };
    const Case cases[] = {
        {11, 1, Kind::ItemQuantity, u"", 0},
        {13, 2, Kind::ItemUnit, u"", 0},
        {17, 4, Kind::Settings, u"Edit36", 0},  // extra expense row, compressed amount
        {18, 5, Kind::Settings, u"Edit19", 0},  // site expense rate
        {18, 6, Kind::Settings, u"Edit20", 0},  // overhead rate
        {20, 5, Kind::ExpenseAmount, u"Edit23", 0},
        {20, 6, Kind::ExpenseAmount, u"Edit24", 0},
        {20, 4, Kind::ExpenseAmount, u"Edit40", 0},
        {18, 4, Kind::ExpenseAmount, u"sonota1", 0}, // its rate is empty
        {17, 15, Kind::DerivedAmount, u"", 2},
        {20, 16, Kind::DerivedAmount, u"", 2},
        {15, 15, Kind::ItemRates, u"", 35},
        {18, 16, Kind::ItemRates, u"", 40},
        {16, 12, Kind::LineRate, u"", 1},
        {19, 12, Kind::LineRate, u"", 1},
        {14, 12, Kind::EditLine, u"", 12},
        {11, 12, Kind::EditLine, u"", 10},
        {3, 12, Kind::None, u"", 0},  // code columns
        {12, 12, Kind::None, u"", 0}, // the quantity as entered
        {7, 17, Kind::None, u"", 0},  // a row without name
    };
    for (const Case &c : cases) {
        SheetViewFixture f;
        f.doc.sx6 = c.column;
        f.doc.sy6 = c.row;
        const sheetclick::Request r = sheetclick::doubleClicked(f.doc, f.host);
        SCOPED_TRACE(testing::Message() << "column " << c.column << " row " << c.row);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.field, QString::fromUtf16(c.field));
        switch (c.kind) {
        case Kind::DerivedAmount:
            EXPECT_EQ(r.item, c.detail);
            break;
        case Kind::ItemRates:
            EXPECT_EQ(r.fieldCode, c.detail);
            break;
        case Kind::LineRate:
            EXPECT_EQ(r.line, c.detail);
            break;
        case Kind::EditLine:
            EXPECT_EQ(r.lineColumn, c.detail);
            break;
        default:
            break;
        }
        EXPECT_TRUE(f.host.messages.isEmpty());
    }
}

TEST(SheetDoubleClick, SummaryRowChoosesTheItemAndScrollsToItsSectionFromTheNameColumn)
{
    SheetViewFixture f;
    f.doc.sx6 = 7;
    f.doc.sy6 = 2;
    EXPECT_EQ(sheetclick::doubleClicked(f.doc, f.host).kind, Kind::None);
    EXPECT_EQ(f.doc.koumokumei, f.item(2));
    EXPECT_EQ(f.doc.controls.sheetTopRow, 11);

    // Never further down than the rows that still fill the screen.
    SheetViewFixture g;
    g.doc.sheetVisibleRows = 20;
    g.doc.sx6 = 7;
    g.doc.sy6 = 2;
    sheetclick::doubleClicked(g.doc, g.host);
    EXPECT_EQ(g.doc.controls.sheetTopRow, 25 - 20 + 3);

    // Other columns choose the item without scrolling.
    SheetViewFixture h;
    h.doc.sx6 = 20;
    h.doc.sy6 = 2;
    sheetclick::doubleClicked(h.doc, h.host);
    EXPECT_EQ(h.doc.koumokumei, h.item(2));
    EXPECT_EQ(h.doc.controls.sheetTopRow, -1);
}

TEST(SheetDoubleClick, MergedRowOpensTheItemViewAtItsFirstLine)
{
    SheetViewFixture f;
    gridmouse::sheetPressed(f.doc, 7, 13);
    gridmouse::sheetReleased(f.doc, 7, 13, Button::Left);
    sheetclick::doubleClicked(f.doc, f.host);
    EXPECT_EQ(f.doc.buttonsw, 0);
    EXPECT_TRUE(f.doc.controls.showItemView);
    ASSERT_GT(f.doc.controls.itemViewTopRow, 0);
    EXPECT_EQ(f.doc.itemView.cell(linecol::Name, f.doc.controls.itemViewTopRow), u"照明器具B"_qs);
}

TEST(SheetDoubleClick, DerivedRowsWithoutRatesRefuseWithAMessageAndTheOpenFlagSkipsOnce)
{
    SheetViewFixture f;
    f.doc.sx6 = 17;
    f.doc.sy6 = 14;
    sheetclick::doubleClicked(f.doc, f.host);
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.host.messageTexts(), QStringList{u"材料表示へ戻って付属率を変更してください！"_qs});

    f.doc.sheet.setCell(sheetcol::Name, 14, u"盤取付材料"_qs);
    sheetclick::doubleClicked(f.doc, f.host);
    EXPECT_EQ(f.host.messageTexts().last(), u"材料表示へ戻って取付材率を変更してください！"_qs);

    // The double click that follows opening a file is not the user's.
    f.doc.openFlag = 1;
    f.doc.sx6 = 14;
    f.doc.sy6 = 12;
    EXPECT_EQ(sheetclick::doubleClicked(f.doc, f.host).kind, Kind::None);
    EXPECT_EQ(f.doc.openFlag, 0);
    EXPECT_EQ(sheetclick::doubleClicked(f.doc, f.host).kind, Kind::EditLine);
}

TEST(SheetDelete, DeletingALineRowRemovesThatLineWhateverTheTableOrder)
{
    SheetViewFixture f;
    // The table is held in another order than the one the sheet was compiled in: the line shown
    // on row 12 (input number 1) is now the table's second line.
    f.doc.lines.swapRows(1, 2);
    f.doc.uy6 = 12;
    ASSERT_TRUE(sheetdelete::deleteSelectedRow(f.doc, f.host));
    EXPECT_EQ(f.doc.st1count, 1);
    EXPECT_EQ(f.lineColumn(linecol::Name), QStringList{u"照明器具B"_qs});
    EXPECT_EQ(f.lineColumn(linecol::InputNo), QStringList{u"1"_qs}); // renumbered in input order
    EXPECT_EQ(f.doc.kidou, 1);
}

TEST(SheetDelete, DeletingADerivedRowClearsTheRateOfTheLinesThatFeedIt)
{
    SheetViewFixture f;
    // A line of another item with the same C code keeps its rates.
    f.addLine(1, u"分電盤"_qs);
    f.doc.lines.setCell(linecol::Accessory, 3, u"5"_qs);
    f.doc.lines.setCell(linecol::Painting, 3, u"50"_qs);
    f.doc.uy6 = 14;
    ASSERT_TRUE(sheetdelete::deleteSelectedRow(f.doc, f.host));
    EXPECT_EQ(f.lineColumn(linecol::Accessory), (QStringList{u"0"_qs, u"0"_qs, u"5"_qs}));
    EXPECT_EQ(f.doc.kidou, 1);

    f.doc.uy6 = 15; // painting: every line of the item numbered in column 1
    ASSERT_TRUE(sheetdelete::deleteSelectedRow(f.doc, f.host));
    EXPECT_EQ(f.lineColumn(linecol::Painting), (QStringList{u"0"_qs, u"0"_qs, u"50"_qs}));
}

TEST(SheetDelete, SummaryBlockLabourRowsAndRowsWithoutNumberAreLeftAlone)
{
    for (int row : {2, 5, 11, 16, 18}) {
        SheetViewFixture f;
        f.doc.uy6 = row;
        EXPECT_FALSE(sheetdelete::deleteSelectedRow(f.doc, f.host)) << row;
        EXPECT_EQ(f.doc.st1count, 2);
        EXPECT_EQ(f.doc.kidou, 0);
        EXPECT_EQ(f.lineColumn(linecol::Accessory), (QStringList{u"5"_qs, u"5"_qs}));
    }
}
