#include "output/cellstyles.h"
#include "sheetviewfixture.h"

#include <gtest/gtest.h>

using Align = CellStyle::Align;

TEST(CellStyles, NumberFormatGroupsDigitsAndDropsZeros)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"1234567", u"1,234,567"}, {u"1234.5", u"1,234.5"}, {u"0.5", u".5"}, {u"0", u""},
        {u"12.345", u"12.35"},      {u"-2500", u"-2,500"},   {u"", u""},      {u" ", u""},
        {u"式", u""},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(cellstyle::numberFormat(QString::fromUtf16(text)), QString::fromUtf16(shown)) << QString::fromUtf16(text).toStdString();
}

TEST(CellStyles, SheetShowsSubItemAmountsInSilverBracketsAndHidesCompressedFigures)
{
    SheetViewFixture f;
    const CellStyle sub = cellstyle::sheet(f.doc, sheetcol::Submitted, 2);
    EXPECT_EQ(sub.text, u"<12,345>"_qs);
    EXPECT_EQ(sub.colour, cellstyle::silver);
    EXPECT_EQ(sub.align, Align::Right);
    const CellStyle top = cellstyle::sheet(f.doc, sheetcol::Submitted, 1);
    EXPECT_EQ(top.text, u"12,345"_qs);
    EXPECT_EQ(top.colour, cellstyle::black);
    // The expense rows below the items are plain figures whatever their column 2 holds.
    EXPECT_EQ(cellstyle::sheet(f.doc, sheetcol::Submitted, 5).text, u"1,800"_qs);

    EXPECT_EQ(cellstyle::sheet(f.doc, sheetcol::Compressed, 16).colour, cellstyle::white);
    f.doc.settings.CheckBox25 = true;
    const CellStyle compressed = cellstyle::sheet(f.doc, sheetcol::Compressed, 16);
    EXPECT_EQ(compressed.colour, cellstyle::sheetBlue);
    EXPECT_EQ(compressed.text, u"4,000"_qs);
}

TEST(CellStyles, SheetColumnsTakeTheirColoursAndAlignments)
{
    SheetViewFixture f;
    f.doc.sheet.setCell(sheetcol::Remark, 12, u"撤去"_qs);
    f.doc.sheet.setCell(sheetcol::Unit, 12, u"台"_qs);
    struct Case {
        int column;
        unsigned colour, background;
        Align align;
        const char16_t *text;
    };
    const Case cases[] = {
        {sheetcol::Row, cellstyle::red, cellstyle::white, Align::Centre, u"1"},
        {sheetcol::No, cellstyle::red, cellstyle::white, Align::Left, u"1"},
        {sheetcol::C, cellstyle::red, cellstyle::white, Align::Centre, u"107"},
        {sheetcol::Name, cellstyle::black, cellstyle::white, Align::Left, u"照明器具A"},
        {sheetcol::Quantity, cellstyle::black, cellstyle::white, Align::Right, u"2"},
        {sheetcol::Unit, cellstyle::black, cellstyle::white, Align::Centre, u"台"},
        {sheetcol::Price, cellstyle::black, cellstyle::white, Align::Right, u"5,000"},
        {sheetcol::Remark, cellstyle::sheetBlue, cellstyle::white, Align::Left, u"撤去"},
        {sheetcol::ItemName, cellstyle::black, cellstyle::sheetBlue, Align::Left, u"1-1.照明器具工事"},
    };
    for (const Case &c : cases) {
        const CellStyle s = cellstyle::sheet(f.doc, c.column, 12);
        EXPECT_EQ(s.colour, c.colour) << c.column;
        EXPECT_EQ(s.background, c.background) << c.column;
        EXPECT_EQ(s.align, c.align) << c.column;
        EXPECT_EQ(s.text, QString::fromUtf16(c.text)) << c.column;
    }
}

TEST(CellStyles, LineTableColoursFollowTheViewAndTheColumn)
{
    ItemFixture f;
    f.setItems({{1, u"動力設備工事"}});
    f.addLine(1, u"ケーブル"_qs);
    f.doc.lines.setCell(linecol::Quantity, 1, u"1500"_qs);
    f.doc.lines.setCell(linecol::Factor, 1, u"0.05"_qs);

    EXPECT_EQ(cellstyle::lines(f.doc, linecol::No, 1).colour, cellstyle::blue);
    EXPECT_EQ(cellstyle::lines(f.doc, linecol::Item, 1).colour, cellstyle::red);
    EXPECT_EQ(cellstyle::lines(f.doc, linecol::InputNo, 1).colour, cellstyle::red);
    EXPECT_EQ(cellstyle::lines(f.doc, linecol::Name, 1).colour, cellstyle::black);
    const CellStyle quantity = cellstyle::lines(f.doc, linecol::Quantity, 1);
    EXPECT_EQ(quantity.text, u"1,500"_qs);
    EXPECT_EQ(quantity.align, Align::Right);
    const CellStyle factor = cellstyle::lines(f.doc, linecol::Factor, 1); // right, as stored
    EXPECT_EQ(factor.text, u"0.05"_qs);
    EXPECT_EQ(factor.align, Align::Right);
    EXPECT_EQ(cellstyle::lines(f.doc, linecol::Kind, 1).align, Align::Centre);

    f.doc.controls.Label18.text = u"全体表示中(入力順)"_qs;
    EXPECT_EQ(cellstyle::lines(f.doc, linecol::Name, 1).colour, cellstyle::inputOrderGreen);
    EXPECT_EQ(cellstyle::lines(f.doc, linecol::No, 1).colour, cellstyle::blue);

    f.doc.itemView.setRow(1, f.doc.lines.row(1));
    EXPECT_EQ(cellstyle::itemView(f.doc, linecol::Name, 1).colour, cellstyle::sheetBlue);
    EXPECT_EQ(cellstyle::itemView(f.doc, linecol::C, 1).colour, cellstyle::red);
    EXPECT_EQ(cellstyle::itemView(f.doc, linecol::Quantity, 1).text, u"1,500"_qs);
}
