#include "estimate/sheetpasses.h"

#include "sheetfixture.h"

#include <gtest/gtest.h>

using namespace sheetcol;
using Line = SheetFixture::Line;

TEST(SheetPasses, MergesRunsOfEqualRows)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    for (double quantity : {2, 3, 5})
        f.addLine(p, {.name = u"VVF"_qs, .price = 100, .quantity = quantity, .spec1 = u"1.6-2C"_qs, .category = u"天井"_qs});
    f.doc.lines.setCell(linecol::Compression, 2, u"80"_qs);
    f.addLine(p, {.name = u"VVF"_qs, .price = 100, .quantity = 1, .spec1 = u"2.0-2C"_qs});
    ASSERT_TRUE(f.compile());
    const int r = f.doc.irow1 + 2;
    EXPECT_EQ(f.at(Name, r), u"VVF"_qs);
    EXPECT_EQ(f.at(Merged, r), u"*"_qs);
    EXPECT_EQ(f.at(Category, r), QString());
    EXPECT_EQ(f.at(Quantity, r), u"10"_qs);
    EXPECT_EQ(f.at(Entered, r), u"10"_qs);
    EXPECT_EQ(f.at(Compressed, r), u"1000"_qs);
    EXPECT_EQ(f.at(Submitted, r), u"1000"_qs);
    EXPECT_EQ(f.at(Price, r), u"100"_qs);
    EXPECT_EQ(f.at(CompressionRate, r), u"95"_qs); // mean of (mean of 100 and 80) and 100
    EXPECT_EQ(f.at(CompressedPrice, r), u"100"_qs);
    EXPECT_EQ(f.at(SubmittedPrice, r), u"100"_qs);
    EXPECT_EQ(f.at(Spec, r + 1), u"2.0-2C "_qs);
    EXPECT_EQ(f.at(Merged, r + 1), QString());
    EXPECT_EQ(f.at(Name, r + 3), u"合　　計"_qs);
    EXPECT_EQ(f.at(Submitted, r + 3), u"1100"_qs);
}

TEST(SheetPasses, DifferentPricesGetTheCategorySuffix)
{
    struct Case { const char16_t *code; bool byCategory; const char16_t *first, *second; } cases[] = {
        {u"107", false, u"1.6-2C <天井>", u"1.6-2C "},
        {u"302", false, u"1.6-2C ", u"1.6-2C "},
        {u"107", true, u"1.6-2C <天井>", u"1.6-2C <天井>"}, // the suffix of every line row
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.doc.settings.CheckBox1 = c.byCategory;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        for (double price : {100, 120})
            f.addLine(p, {.name = u"VVF"_qs, .price = price, .code = QString::fromUtf16(c.code), .spec1 = u"1.6-2C"_qs,
                          .category = u"天井"_qs});
        f.doc.lines.setCell(linecol::D, 2, u"02"_qs); // a different material for the price check
        ASSERT_TRUE(f.compile());
        const int r = f.doc.irow1 + 2;
        EXPECT_EQ(f.at(Spec, r), QString::fromUtf16(c.first)) << c.byCategory;
        EXPECT_EQ(f.at(Spec, r + 1), QString::fromUtf16(c.second));
        EXPECT_EQ(f.at(Work, r), QString());
    }
}

TEST(SheetPasses, MergeThatWouldDivideByZeroStopsThePass)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"VVF"_qs, .price = 100, .quantity = 1});
    f.addLine(p, {.name = u"VVF"_qs, .price = 100, .quantity = -1});
    f.addLine(p, {.name = u"CV"_qs, .price = 100, .quantity = 1});
    f.addLine(p, {.name = u"CV"_qs, .price = 100, .quantity = 1});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.host.silentStops, QStringList{u"Button72Click: 0"_qs});
    const int r = f.doc.irow1 + 2;
    EXPECT_EQ(f.column(Name, r, r + 3), (QStringList{u"VVF"_qs, u"VVF"_qs, u"CV"_qs, u"CV"_qs}));
    EXPECT_EQ(f.column(Quantity, r, r + 1), (QStringList{u"1"_qs, u"-1"_qs}));
}

TEST(SheetPasses, PageCountBoundaries)
{
    // A section counts its header, lines, the blank row and its total: lines + 3 rows.
    struct Case { int countedRows; int pages; } cases[] = {{35, 1}, {36, 2}, {70, 2}, {71, 3}};
    for (const auto &c : cases) {
        SheetFixture f;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        for (int i = 0; i < c.countedRows - 3; ++i)
            f.addLine(p, {.name = u"器具%1"_qs.arg(i), .price = 100});
        ASSERT_TRUE(f.compile());
        EXPECT_EQ(f.doc.pagisu, c.pages) << c.countedRows;
    }
}

TEST(SheetPasses, PageCountSkipsRowsWithoutAmount)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    for (int i = 0; i < 40; ++i)
        f.addLine(p, {.name = u"器具%1"_qs.arg(i), .price = double(i < 8 ? 0 : 100)});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.doc.pagisu, 1); // 32 priced lines + 3 rows
}

TEST(SheetPasses, FinalPassStopsAtAFractionalGrandTotal)
{
    SheetFixture f;
    Settings &s = f.doc.settings;
    s.ComboBox35 = u"手動計算"_qs;
    s.CheckBox18 = true;
    s.Edit32 = u"運搬費"_qs;
    s.Edit40 = u"1000.5"_qs;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"器具"_qs, .price = 100000});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.host.silentStops, QStringList{u"Button84Click: 1000.5"_qs});
    EXPECT_EQ(s.Edit55, u"1000.5"_qs);
    // Neither supplied goods nor the NET figure were applied.
    const int line = f.doc.irow1 + 2;
    EXPECT_EQ(f.at(Remark, line), QString());
    EXPECT_EQ(f.doc.controls.NET1.text, u"NET提示金額をクリップボードへコピー"_qs);
    // The scroll mark was left in place; the closing scan takes the target from it.
    EXPECT_EQ(f.doc.controls.Button57.tag, line - 1);
}

TEST(SheetPasses, SubtotalPassStopsAtAFraction)
{
    SheetFixture f;
    f.doc.settings.CheckBox17 = true;
    f.doc.settings.CheckBox22 = true;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.doc.items.setCell(itemcol::PaintingCompression, p, u"80"_qs);
    f.addLine(p, {.name = u"VVF"_qs, .price = 1000, .labour = 2000, .painting = 1001});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.host.silentStops, QStringList{u"Button145Click: 800.8"_qs});
    const int material = f.rowNamed(u"小　　計"_qs);
    const int labour = f.rowNamed(u"小　　計"_qs, material + 1);
    ASSERT_GT(labour, material);
    EXPECT_EQ(f.at(Submitted, material), u"1000"_qs);
    EXPECT_EQ(f.at(Submitted, labour), QString());
}

TEST(SheetPasses, HierarchySumsCompleteEmptyTotals)
{
    // An item total that is 0 after the consumables rounding reads "1 式".
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"値引"_qs, .price = 0.4});
    ASSERT_TRUE(f.compile());
    const int total = f.rowNamed(u"合　　計"_qs);
    EXPECT_EQ(f.at(Submitted, total), u"0"_qs);
    EXPECT_EQ(f.at(Quantity, total), u"1"_qs);
    EXPECT_EQ(f.at(Unit, total), u"式"_qs);
}

TEST(SheetPasses, MergeKeyIsTheJoinedText)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"VV"_qs, .price = 100, .spec1 = u"F1"_qs});
    f.addLine(p, {.name = u"VVF"_qs, .price = 100, .spec1 = u"1"_qs});
    f.addLine(p, {.name = u"VVF"_qs, .price = 100, .spec1 = u"2"_qs});
    ASSERT_TRUE(f.compile());
    const int r = f.doc.irow1 + 2;
    EXPECT_EQ(f.column(Name, r, r + 1), (QStringList{u"VV"_qs, u"VVF"_qs}));
    EXPECT_EQ(f.at(Quantity, r), u"2"_qs);
    EXPECT_EQ(f.at(Merged, r), u"*"_qs);
}
