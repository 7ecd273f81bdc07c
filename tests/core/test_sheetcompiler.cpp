#include "sheetfixture.h"

#include <gtest/gtest.h>

using namespace sheetcol;
using Line = SheetFixture::Line;

namespace {

QStringList texts(std::initializer_list<const char16_t *> list)
{
    QStringList out;
    for (const char16_t *s : list)
        out.append(QString::fromUtf16(s));
    return out;
}

} // namespace

TEST(SheetCompiler, RefusesWithoutCurrentItemOrLines)
{
    struct Case { bool item; bool line; const char16_t *message; } cases[] = {
        {false, true, u"項目を入力してください！"},
        {true, false, u"データーを入力してください！"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        if (c.line)
            f.addLine(p, {.name = u"VVF"_qs, .price = 100});
        if (!c.item)
            f.doc.controls.Label18.text.clear();
        f.doc.sheet.setCell(Name, 5, u"前回"_qs);
        EXPECT_FALSE(f.compile());
        EXPECT_EQ(f.host.beeps, 1);
        EXPECT_EQ(f.host.messageTexts(), QStringList{QString::fromUtf16(c.message)});
        EXPECT_EQ(f.at(Name, 5), u"前回"_qs);
        EXPECT_EQ(f.doc.buttonsw, 0);
    }
}

// Two items: groups of lines with their accessories and mounting rows, the labour and consumables
// rows, totals, the summary block and the state the view is left in.
TEST(SheetCompiler, LaysOutSummaryAndItemSections)
{
    SheetFixture f;
    const int light = f.addItem(u"1.電灯設備工事"_qs);
    const int power = f.addItem(u"2.動力設備工事"_qs);
    f.addLine(light, {.name = u"VVF"_qs, .price = 100, .quantity = 10, .labour = 4000, .accessories = 50, .mounting = 300});
    f.addLine(light, {.name = u"スイッチ"_qs, .price = 500, .quantity = 2, .labour = 2000, .consumables = 60});
    f.addLine(light, {.name = u"分電盤"_qs, .price = 50000, .code = u"140"_qs, .accessories = 1000, .mounting = 2000});
    f.addLine(power, {.name = u"CV"_qs, .price = 1000, .quantity = 3, .code = u"146"_qs});
    f.doc.sheet.setRowCount(12); // the first accessories row lands just beyond the stored rows
    ASSERT_TRUE(f.compile());

    EXPECT_EQ(f.doc.irow1, 8);
    EXPECT_EQ(f.column(Name, 1, 6),
              texts({u"1.電灯設備工事", u"2.動力設備工事", u"直接工事費", u"", u"", u"総　合　計"}));
    EXPECT_EQ(f.column(Submitted, 1, 6), texts({u"61410", u"3000", u"64410", u"", u"", u"64410"}));
    EXPECT_EQ(f.at(Work, 1), u"6"_qs);
    EXPECT_EQ(f.at(Row, 1), u"A1"_qs);

    EXPECT_EQ(f.column(Name, 9, 26),
              texts({u"1.電灯設備工事", u"VVF", u"スイッチ", u"同上付属品", u"機器取付材料", u"分電盤",
                     u"同上付属品", u"同上支持材", u"労 務 費", u"雑材消耗品費", u"", u"合　　計", u"",
                     u"", u"2.動力設備工事", u"CV", u"", u"合　　計"}));
    EXPECT_EQ(f.column(C, 12, 18), texts({u"159", u"159", u"140", u"141", u"159", u"301", u"159"}));
    EXPECT_EQ(f.column(Submitted, 10, 20),
              texts({u"1000", u"1000", u"50", u"300", u"50000", u"1000", u"2000", u"6000", u"60", u"", u"61410"}));
    EXPECT_EQ(f.at(No, 12), u"2"_qs); // accessories take the line number of the row above
    EXPECT_EQ(f.at(No, 17), u"1"_qs); // item-end rows carry the item index
    EXPECT_EQ(f.at(Row, 10), u"1"_qs);
    EXPECT_EQ(f.at(CompressedPrice, 10), u"100"_qs);
    EXPECT_EQ(f.at(Spec, 10), u" "_qs);
    EXPECT_EQ(f.at(ItemName, 20), u"1.電灯設備工事"_qs);

    EXPECT_EQ(f.doc.irow2, 26);
    EXPECT_EQ(f.doc.sougoukei, 64410);
    EXPECT_EQ(f.doc.syouhizeigaku, 5152);
    EXPECT_EQ(f.doc.pagisu, 2);
    EXPECT_EQ(f.doc.sheet.rowCount(), 31);
    EXPECT_EQ(f.doc.settings.Edit55, u"64410"_qs);
    EXPECT_EQ(f.doc.controls.Button57.tag, 23);
    EXPECT_EQ(f.at(Sub, 23), QString());
    EXPECT_EQ(f.at(Sub, 26), QString());

    const MainControls &c = f.doc.controls;
    EXPECT_EQ(f.doc.buttonsw, 2);
    EXPECT_TRUE(c.showSheet);
    EXPECT_FALSE(c.showLines);
    EXPECT_EQ(c.viewIndicatorColor, 0x800000u);
    EXPECT_EQ(c.Button81.text, u"見積書出力"_qs);
    EXPECT_EQ(c.Button12.text, u"全体表示"_qs);
    EXPECT_FALSE(c.Button16.enabled);
    EXPECT_TRUE(c.Button11.enabled);
    EXPECT_TRUE(c.Button89.enabled);
    EXPECT_TRUE(c.Button94.enabled);
    EXPECT_EQ(c.Button13.text, u"材料選択"_qs);
    EXPECT_EQ(c.Label164.text, u"Number of lines:4"_qs);
    EXPECT_EQ(c.NET1.text, u"NET提示金額 \\64,000- をクリップボードへコピー"_qs);
    EXPECT_TRUE(f.host.messages.isEmpty());
    EXPECT_TRUE(f.host.silentStops.isEmpty());
}

namespace {

// An estimate of one item whose derived cost row of the given kind has the amount `sum`.
struct CostRowCase {
    int kind; // 0 painting, 1 ceiling openings, 2 labour
    double sum;
    const char16_t *submission;
    bool switchedOff;
    const char16_t *shown;
    const char16_t *total;
};

} // namespace

TEST(SheetCompiler, RoundsCostRowsToUnits)
{
    const CostRowCase cases[] = {
        {0, 1234, u"100", false, u"1000", u"1000"}, {0, 1500, u"100", false, u"2000", u"2000"},
        {0, 450, u"100", false, u"500", u"500"},    {0, 449, u"100", false, u"400", u"400"},
        {0, 996, u"10", false, u"100", u"100"},     {0, 123456, u"1", true, u"1234.56", u"1235"},
        {1, 1234, u"100", false, u"1000", u"1000"}, {1, 123456, u"1", true, u"1234.56", u"1235"},
        {2, 1234, u"100", false, u"1000", u"1000"}, {2, 123456, u"1", true, u"1234.56", u"1235"},
    };
    const char16_t *rowNames[] = {u"塗 装 費", u"天井開口費", u"労 務 費"};
    const int rateColumns[] = {itemcol::PaintingSubmission, itemcol::CeilingSubmission, itemcol::LabourSubmission};
    for (const CostRowCase &c : cases) {
        SheetFixture f;
        Settings &s = f.doc.settings;
        (c.kind == 0 ? s.CheckBox11 : c.kind == 1 ? s.CheckBox12 : s.CheckBox10) = c.switchedOff;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        f.doc.items.setCell(rateColumns[c.kind], p, QString::fromUtf16(c.submission));
        Line line{.name = u"器具"_qs};
        (c.kind == 0 ? line.painting : c.kind == 1 ? line.ceiling : line.labour) = c.sum;
        f.addLine(p, line);
        ASSERT_TRUE(f.compile());
        const int row = f.rowNamed(QString::fromUtf16(rowNames[c.kind]), f.doc.irow1);
        ASSERT_GT(row, 0);
        EXPECT_EQ(f.at(Submitted, row), QString::fromUtf16(c.shown)) << c.sum;
        EXPECT_EQ(f.at(SubmissionRate, row), QString::fromUtf16(c.submission));
        EXPECT_EQ(f.at(Submitted, f.rowNamed(u"合　　計"_qs)), QString::fromUtf16(c.total)) << c.sum;
    }
}

TEST(SheetCompiler, CompressedAmountsOfCostRows)
{
    // Painting shows its compressed amount as computed and counts it in whole yen; the labour row
    // shows it rounded.
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.doc.items.setCell(itemcol::PaintingCompression, p, u"80"_qs);
    f.doc.items.setCell(itemcol::LabourCompression, p, u"80"_qs);
    f.addLine(p, {.name = u"器具"_qs, .labour = 1001, .painting = 1001});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.at(Compressed, f.rowNamed(u"塗 装 費"_qs)), u"800.8"_qs);
    EXPECT_EQ(f.at(CompressionRate, f.rowNamed(u"塗 装 費"_qs)), u"80"_qs);
    EXPECT_EQ(f.at(Compressed, f.rowNamed(u"労 務 費"_qs)), u"801"_qs);
    EXPECT_EQ(f.at(Compressed, f.rowNamed(u"合　　計"_qs)), u"1602"_qs);
    EXPECT_EQ(f.at(Compressed, 1), u"1602"_qs);

    // The rate is divided by 100 first, in double: 115 ÷ 100 × 330 is 379.49999999999994, so the
    // labour row shows 379 where decimal arithmetic would round 379.5 to 380.
    SheetFixture g;
    const int q = g.addItem(u"1.電灯設備工事"_qs);
    g.doc.items.setCell(itemcol::LabourCompression, q, u"115"_qs);
    g.addLine(q, {.name = u"器具"_qs, .labour = 330});
    ASSERT_TRUE(g.compile());
    EXPECT_EQ(g.at(Compressed, g.rowNamed(u"労 務 費"_qs)), u"379"_qs);
}

TEST(SheetCompiler, ConsumablesRowAbsorbsTheRoundingOfTheItemTotal)
{
    struct Case { double consumables; const char16_t *row, *total; } cases[] = {
        {3210, u"2754", u"123000"},
        {80, u"80", u"123456"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        f.addLine(p, {.name = u"器具"_qs, .price = 123456 - c.consumables, .consumables = c.consumables});
        ASSERT_TRUE(f.compile());
        EXPECT_EQ(f.at(Submitted, f.rowNamed(u"雑材消耗品費"_qs)), QString::fromUtf16(c.row));
        EXPECT_EQ(f.at(Submitted, f.rowNamed(u"合　　計"_qs)), QString::fromUtf16(c.total));
        EXPECT_EQ(f.at(Submitted, 1), QString::fromUtf16(c.total));
        EXPECT_EQ(f.at(Submitted, f.rowNamed(u"直接工事費"_qs)), QString::fromUtf16(c.total));
    }
}

namespace {

// Direct cost 1188889 and manual site expenses 45678: an unrounded grand total of 1234567.
void grandTotalEstimate(SheetFixture &f)
{
    f.doc.settings.CheckBox3 = false;
    f.doc.settings.Edit23 = u"45678"_qs;
    f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(1, {.name = u"器具"_qs, .price = 1188889});
}

} // namespace

TEST(SheetCompiler, GrandTotalRoundingModes)
{
    struct Case { const char16_t *mode, *becomes, *site, *total; } cases[] = {
        {u"丸め自動", u"丸め自動", u"41111", u"1230000"},
        {u"", u"丸め自動", u"41111", u"1230000"},
        {u" ", u"丸め自動", u"41111", u"1230000"},
        {u"0", u"丸め自動", u"41111", u"1230000"},
        {u"1000", u"1000", u"46111", u"1235000"},
        {u"100000", u"100000", u"11111", u"1200000"},
        {u"手動計算", u"手動計算", u"45678", u"1234567"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        grandTotalEstimate(f);
        f.doc.settings.ComboBox35 = QString::fromUtf16(c.mode);
        f.doc.syouhizeigaku = 777;
        ASSERT_TRUE(f.compile());
        const int site = f.rowNamed(u"現場雑費"_qs);
        EXPECT_EQ(f.doc.settings.ComboBox35, QString::fromUtf16(c.becomes));
        EXPECT_EQ(f.at(Submitted, site), QString::fromUtf16(c.site)) << f.doc.settings.ComboBox35.toStdString();
        EXPECT_EQ(f.at(Remark, site), u"※手動入力値"_qs);
        EXPECT_EQ(f.at(Submitted, f.rowNamed(u"総　合　計"_qs)), QString::fromUtf16(c.total));
        EXPECT_EQ(f.doc.sougoukei, QString::fromUtf16(c.total).toDouble());
        const bool manual = f.doc.settings.ComboBox35 == u"手動計算";
        EXPECT_EQ(f.doc.syouhizeigaku, manual ? 777 : QString::fromUtf16(c.total).toDouble() * 0.08);
    }
}

TEST(SheetCompiler, TaxRowAndTotalWithTax)
{
    SheetFixture f;
    grandTotalEstimate(f);
    f.doc.settings.CheckBox14 = true;
    ASSERT_TRUE(f.compile());
    const int total = f.rowNamed(u"総　合　計"_qs);
    EXPECT_EQ(f.at(Name, total - 2), u"消費税"_qs);
    EXPECT_EQ(f.at(Submitted, total - 2), u"98400"_qs);
    EXPECT_EQ(f.at(Submitted, total), u"1328400"_qs);
    EXPECT_EQ(f.doc.sougoukei, 1328400);
    EXPECT_EQ(f.doc.syouhizeigaku, 98400);
    EXPECT_EQ(f.doc.settings.Edit55, u"1328400"_qs);

    // Without rounding there is no tax amount.
    f.doc.settings.ComboBox35 = u"手動計算"_qs;
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.at(Submitted, total - 2), QString());
    EXPECT_EQ(f.at(Submitted, total), u"1234567"_qs);
}

TEST(SheetCompiler, HiddenSiteExpensesLeaveTheRoundingToOverhead)
{
    // Site hidden: the overhead amount chooses the unit and absorbs; both hidden: no rounding.
    struct Case { bool overheadShown; const char16_t *overhead, *total; } cases[] = {
        {true, u"41111", u"1230000"},
        {false, nullptr, u"1234567"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.doc.settings.CheckBox4 = !c.overheadShown;
        f.doc.settings.Edit24 = u"45678"_qs;
        f.addItem(u"1.電灯設備工事"_qs);
        f.addLine(1, {.name = u"器具"_qs, .price = double(c.overheadShown ? 1188889 : 1234567)});
        ASSERT_TRUE(f.compile());
        EXPECT_EQ(f.rowNamed(u"現場雑費"_qs), 0);
        if (c.overheadShown) {
            EXPECT_EQ(f.at(Submitted, f.rowNamed(u"諸経費"_qs)), QString::fromUtf16(c.overhead));
        }
        EXPECT_EQ(f.at(Submitted, f.rowNamed(u"総　合　計"_qs)), QString::fromUtf16(c.total));
    }
}

TEST(SheetCompiler, OverheadFormulaAndRounding)
{
    struct Case { double verj; double direct; double rate; bool autoRound; const char16_t *mode; const char16_t *overhead; } cases[] = {
        {0, 100000, 9, false, u"手動計算", u"9000"},
        {4, 100000, 9, false, u"手動計算", u"9540"}, // on direct cost plus site expenses of 6000
        {2, 100000, 9, false, u"手動計算", u"0"},
        {0, 1234500, 1, true, u"丸め自動", u"12000"},
        {0, 8500, 1, true, u"丸め自動", u"85"},
        {0, 1234500, 1, true, u"手動計算", u"12345"},
        {0, 1234500, 1, false, u"丸め自動", u"12345"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.doc.settings.CheckBox3 = false;
        f.doc.settings.CheckBox4 = false;
        f.doc.settings.CheckBox13 = c.autoRound;
        f.doc.settings.ComboBox35 = QString::fromUtf16(c.mode);
        f.doc.verj = c.verj;
        f.doc.syokeihiritu = c.rate;
        if (c.autoRound)
            f.doc.genbazatupiritu = 0; // the grand-total rounding then lands on the site row
        f.addItem(u"1.電灯設備工事"_qs);
        f.addLine(1, {.name = u"器具"_qs, .price = c.direct});
        ASSERT_TRUE(f.compile());
        const int row = f.rowNamed(u"諸経費"_qs);
        EXPECT_EQ(f.at(Submitted, row), QString::fromUtf16(c.overhead)) << c.verj << " " << c.direct;
        if (!c.autoRound) {
            EXPECT_EQ(f.at(Compressed, row), QString::fromUtf16(c.overhead));
        }
        EXPECT_EQ(f.at(SubmissionRate, row), QString::number(c.rate));
    }

    SheetFixture f;
    f.doc.settings.CheckBox4 = false;
    f.doc.settings.Edit24 = u"5000"_qs;
    f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(1, {.name = u"器具"_qs, .price = 100000});
    ASSERT_TRUE(f.compile());
    const int row = f.rowNamed(u"諸経費"_qs);
    EXPECT_EQ(f.at(Submitted, row), u"5000"_qs);
    EXPECT_EQ(f.at(Compressed, row), u"9000"_qs);
    EXPECT_EQ(f.at(Remark, row), u"※手動入力値"_qs);
}

TEST(SheetCompiler, ExtraExpenseRows)
{
    SheetFixture f;
    Settings &s = f.doc.settings;
    s.ComboBox35 = u"手動計算"_qs;
    s.Edit32 = u"運搬費"_qs;
    s.Edit36 = u"5"_qs; // rate: 5 % of the direct cost
    s.Edit33 = u"申請費"_qs;
    s.Edit41 = u"3000"_qs; // amount, at the row's compression rate of 80 %
    f.doc.sonota[1] = 80;
    s.Edit34 = u"両方"_qs;
    s.Edit38 = u"2"_qs;
    s.Edit42 = u"100"_qs; // both filled: listed without amounts
    s.Edit35 = u"名前だけ"_qs; // neither: not listed
    f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(1, {.name = u"器具"_qs, .price = 100000});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.doc.irow1, 1 + 3 + 6);
    EXPECT_EQ(f.column(Name, 4, 7), texts({u"運搬費", u"申請費", u"両方", u""}));
    EXPECT_EQ(f.column(Submitted, 4, 6), texts({u"5000", u"3000", u""}));
    EXPECT_EQ(f.column(Compressed, 4, 6), texts({u"5000", u"2400", u""}));
    EXPECT_EQ(f.column(SubmissionRate, 4, 6), texts({u"5", u"80", u""}));
    EXPECT_EQ(f.at(Name, 8), u"総　合　計"_qs);
    EXPECT_EQ(f.at(Submitted, 8), u"108000"_qs);
    EXPECT_EQ(f.at(Compressed, 8), u"107400"_qs);
}

TEST(SheetCompiler, ItemQuantityMultipliesTheSummaryRow)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.doc.items.setCell(itemcol::Quantity, p, u"2"_qs);
    f.doc.items.setCell(itemcol::Unit, p, u"箇所"_qs);
    f.addLine(p, {.name = u"器具"_qs, .price = 1500});
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.column(Quantity, 1, 1), texts({u"2"}));
    EXPECT_EQ(f.at(Unit, 1), u"箇所"_qs);
    EXPECT_EQ(f.at(CompressedPrice, 1), u"1500"_qs);
    EXPECT_EQ(f.at(Compressed, 1), u"3000"_qs);
    EXPECT_EQ(f.at(SubmittedPrice, 1), u"1500"_qs);
    EXPECT_EQ(f.at(Submitted, 1), u"3000"_qs);
    EXPECT_EQ(f.at(Submitted, f.rowNamed(u"直接工事費"_qs)), u"3000"_qs);
    EXPECT_EQ(f.at(Submitted, f.rowNamed(u"合　　計"_qs)), u"1500"_qs);

    // A blank quantity and unit become "1" and "式" in the item table.
    f.doc.items.setCell(itemcol::Quantity, p, u" "_qs);
    f.doc.items.setCell(itemcol::Unit, p, QString());
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.doc.items.cell(itemcol::Quantity, p), u"1"_qs);
    EXPECT_EQ(f.doc.items.cell(itemcol::Unit, p), u"式"_qs);
    EXPECT_EQ(f.at(SubmittedPrice, 1), QString());
    EXPECT_EQ(f.at(CompressedPrice, 1), QString());
}

TEST(SheetCompiler, KindsOfLine)
{
    // Building work and separate work add nothing; other kinds show no price but feed the sums.
    SheetFixture f;
    f.doc.settings.CheckBox10 = true; // labour as computed
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"建築"_qs, .price = 1000, .kind = u"建築工事"_qs, .labour = 500, .accessories = 40});
    f.addLine(p, {.name = u"別途"_qs, .price = 1000, .kind = u"別途"_qs, .labour = 500, .consumables = 30});
    f.addLine(p, {.name = u"支給"_qs, .price = 1000, .kind = u"御支給品"_qs, .labour = 700, .accessories = 20});
    ASSERT_TRUE(f.compile());
    const int first = f.doc.irow1 + 2;
    for (int r = first; r < first + 3; ++r) {
        EXPECT_EQ(f.column(Price, r, r), QStringList{u"0"_qs});
        for (int c : {CompressedPrice, Compressed, SubmittedPrice, Submitted})
            EXPECT_EQ(f.at(c, r), u"0"_qs) << r << " " << c;
        EXPECT_EQ(f.at(Remark, r), f.doc.lines.cell(linecol::Kind, r - first + 1));
    }
    EXPECT_EQ(f.column(Name, first + 3, first + 4), texts({u"同上付属品", u"労 務 費"}));
    EXPECT_EQ(f.at(Submitted, first + 3), u"20"_qs);
    EXPECT_EQ(f.at(Submitted, first + 4), u"700"_qs);
    EXPECT_EQ(f.rowNamed(u"雑材消耗品費"_qs), 0);
    EXPECT_EQ(f.at(Submitted, 1), u"720"_qs);
}

TEST(SheetCompiler, CommentLines)
{
    struct Case { const char16_t *commentCode; QStringList names; } cases[] = {
        // A comment with the group's code does not end the group.
        {u"107", texts({u"VVF", u"※天井内", u"VVF2", u"同上付属品"})},
        // One without a code ends nothing at its position; the next line closes the group after it.
        {u"", texts({u"VVF", u"※天井内", u"同上付属品", u"VVF2", u"同上付属品"})},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.doc.settings.CheckBox1 = true;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        f.addLine(p, {.name = u"VVF"_qs, .price = 100, .category = u"天井"_qs, .accessories = 100});
        f.addLine(p, {.name = u"※天井内"_qs, .code = QString::fromUtf16(c.commentCode), .kind = u"注釈行"_qs,
                      .spec1 = u"隠蔽"_qs, .category = u"天井"_qs, .accessories = 999});
        f.addLine(p, {.name = u"VVF2"_qs, .price = 100, .accessories = 50});
        ASSERT_TRUE(f.compile());
        const int first = f.doc.irow1 + 2;
        EXPECT_EQ(f.column(Name, first, first + int(c.names.size()) - 1), c.names);
        EXPECT_EQ(f.at(Spec, first), u" <天井>"_qs);
        EXPECT_EQ(f.at(Spec, first + 1), u"隠蔽 "_qs);
        for (int col = Category; col <= Remark; ++col)
            EXPECT_EQ(f.at(col, first + 1), QString()) << col;
        EXPECT_EQ(f.at(Submitted, 1), u"350"_qs);
        EXPECT_TRUE(f.doc.settings.CheckBox1);
    }
}

TEST(SheetCompiler, ItemsWithoutLinesAndHierarchySums)
{
    for (bool keepParents : {false, true}) {
        SheetFixture f;
        f.doc.settings.CheckBox5 = keepParents;
        f.addItem(u"1.電灯設備工事"_qs);
        const int lighting = f.addItem(u"1-1.照明"_qs, 2);
        const int sockets = f.addItem(u"1-2.コンセント"_qs, 2);
        f.addItem(u"2.空き"_qs);
        f.addLine(lighting, {.name = u"器具"_qs, .price = 1000});
        f.addLine(sockets, {.name = u"コンセント"_qs, .price = 250});
        ASSERT_TRUE(f.compile());
        EXPECT_EQ(f.column(Name, 1, 4), texts({u"1.電灯設備工事", u" 1-1.照明", u" 1-2.コンセント", u"2.空き"}));
        EXPECT_EQ(f.column(ItemName, 1, 4), texts({u"", u"1-1.照明", u"1-2.コンセント", u"2.空き"}));
        EXPECT_EQ(f.column(Submitted, 1, 5), texts({u"1250", u"1000", u"250", u"0", u"1250"}));
        EXPECT_EQ(f.column(Row, 1, 4), texts({u"A1", u"A2", u"A3", u"A4"}));
        const int first = f.doc.irow1 + 1;
        if (!keepParents) {
            // Items without lines leave nothing in the detail block.
            EXPECT_EQ(f.at(Name, first), u"1-1.照明"_qs);
            EXPECT_EQ(f.at(Row, first), u"A2"_qs);
            EXPECT_EQ(f.rowNamed(u"1.電灯設備工事"_qs, first), 0);
            EXPECT_EQ(f.rowNamed(u"2.空き"_qs, first), 0);
            EXPECT_EQ(f.doc.pagisu, 2);
        } else {
            EXPECT_EQ(f.at(Name, first), u"1.電灯設備工事"_qs);
            EXPECT_EQ(f.at(Name, first + 3), u"1-1.照明"_qs);
            EXPECT_GT(f.rowNamed(u"2.空き"_qs, first), 0);
            EXPECT_EQ(f.doc.pagisu, 4);
        }
    }
}

TEST(SheetCompiler, SuppliedGoodsMode)
{
    SheetFixture f;
    f.doc.settings.CheckBox18 = true;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"VVF"_qs, .price = 1000, .labour = 2000, .accessories = 100, .consumables = 300});
    f.addLine(p, {.name = u"工事費"_qs, .price = 5000, .code = u"301"_qs});
    ASSERT_TRUE(f.compile());
    const int first = f.doc.irow1 + 2;
    EXPECT_EQ(f.column(Name, first, first + 4), texts({u"VVF", u"同上付属品", u"工事費", u"労 務 費", u"雑材消耗品費"}));
    EXPECT_EQ(f.column(Remark, first, first + 4), texts({u"御支給品", u"御支給品", u"", u"", u"御支給品"}));
    EXPECT_EQ(f.column(Submitted, first, first + 4), texts({u"", u"", u"5000", u"2000", u""}));
    EXPECT_EQ(f.column(SubmittedPrice, first, first + 2), texts({u"", u"", u"5000"}));
    EXPECT_EQ(f.at(SubmissionRate, first), u"0"_qs);
    EXPECT_EQ(f.at(Submitted, 1), u"7000"_qs);
}

TEST(SheetCompiler, CompositeMode)
{
    SheetFixture f;
    f.doc.settings.CheckBox8 = true;
    f.doc.syouhizeigaku = 777;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.doc.items.setCell(itemcol::LabourSubmission, p, u"50"_qs);
    f.doc.items.setCell(itemcol::PaintingSubmission, p, QString()); // an empty rate counts 100
    f.addLine(p, {.name = u"器具"_qs, .price = 1000, .quantity = 2, .labour = 4000, .accessories = 100,
                  .mounting = 300, .painting = 1000, .consumables = 60});
    f.addLine(p, {.name = u"建築"_qs, .price = 3000, .kind = u"建築工事"_qs, .labour = 1000});
    // A line named like the labour row has no row to merge into: it is listed with its amount.
    f.addLine(p, {.name = u"労 務 費"_qs, .price = 8000, .code = u"301"_qs});
    ASSERT_TRUE(f.compile());
    const int first = f.doc.irow1 + 2;
    EXPECT_EQ(f.column(Name, first, first + 4), texts({u"器具", u"建築", u"労 務 費", u"", u"合　　計"}));
    EXPECT_EQ(f.column(Submitted, first, first + 2), texts({u"5460", u"0", u"8000"}));
    EXPECT_EQ(f.at(SubmittedPrice, first), u"2730"_qs);
    EXPECT_EQ(f.at(Submitted, first + 4), u"13460"_qs);
    EXPECT_EQ(f.at(Compressed, first + 4), u"0"_qs);
    EXPECT_EQ(f.at(Compressed, 1), u"0"_qs);
    const int total = f.rowNamed(u"総　合　計"_qs);
    EXPECT_EQ(f.at(Submitted, total), u"13460"_qs);
    EXPECT_EQ(f.doc.sougoukei, 13460);
    EXPECT_EQ(f.doc.syouhizeigaku, 777);
}

TEST(SheetCompiler, SeparatedLayout)
{
    struct Case { bool subtotals; bool labourPart; QStringList names; QStringList amounts; } cases[] = {
        {true, true,
         texts({u"1.電灯設備工事", u"VVF", u"同上付属品", u"雑材消耗品費", u"小　　計", u"", u"労 務 費", u"配線工事",
                u"塗 装 費", u"小　　計", u"", u"合　　計"}),
         texts({u"", u"1000", u"100", u"300", u"1400", u"", u"2000", u"5000", u"500", u"7500", u"", u"8900"})},
        {true, false,
         texts({u"1.電灯設備工事", u"VVF", u"小　　計", u"", u"労 務 費", u"", u"合　　計"}),
         texts({u"", u"1000", u"1000", u"", u"2000", u"", u"3000"})},
        {false, false,
         texts({u"1.電灯設備工事", u"VVF", u"", u"労 務 費", u"", u"合　　計"}),
         texts({u"", u"1000", u"", u"2000", u"", u"3000"})},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.doc.settings.CheckBox17 = true;
        f.doc.settings.CheckBox22 = c.subtotals;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        if (c.labourPart) {
            f.addLine(p, {.name = u"VVF"_qs, .price = 1000, .labour = 2000, .accessories = 100, .painting = 500,
                          .consumables = 300});
            f.addLine(p, {.name = u"配線工事"_qs, .price = 5000, .code = u"301"_qs});
        } else {
            f.addLine(p, {.name = u"VVF"_qs, .price = 1000, .labour = 2000});
        }
        ASSERT_TRUE(f.compile());
        const int first = f.doc.irow1 + 1;
        const int last = first + int(c.names.size()) - 1;
        EXPECT_EQ(f.column(Name, first, last), c.names);
        EXPECT_EQ(f.column(Submitted, first, last), c.amounts);
        EXPECT_EQ(f.rowNamed(u"xxx"_qs), 0);
        EXPECT_EQ(f.doc.sheet.rowCount(), last + 5);
    }
}

// An item without lines has no line above 300 either, so the end step reserves its rows as for any
// other item: its section stays, with the reserved blank row once the placeholders are removed.
TEST(SheetCompiler, SeparatedLayoutReservesForAnItemWithoutLines)
{
    for (bool keepParents : {true, false}) {
        SheetFixture f;
        f.doc.settings.CheckBox17 = true;
        f.doc.settings.CheckBox5 = keepParents;
        f.addItem(u"1.電灯設備工事"_qs);
        const int lighting = f.addItem(u"1-1.照明"_qs, 2);
        f.addLine(lighting, {.name = u"器具"_qs, .price = 1000, .labour = 2000});
        ASSERT_TRUE(f.compile());
        const int first = f.doc.irow1 + 1;
        EXPECT_EQ(f.column(Name, first, first + 9),
                  texts({u"1.電灯設備工事", u"", u"", u"", u"1-1.照明", u"器具", u"", u"労 務 費", u"", u"合　　計"}))
            << keepParents;
        EXPECT_EQ(f.rowNamed(u"xxx"_qs), 0);
        EXPECT_EQ(f.doc.pagisu, 2);
    }
}

TEST(SheetCompiler, SilentStopKeepsTheRowsWritten)
{
    struct Case { bool emptyRate; const char16_t *stop; } cases[] = {
        {true, u"Button16Click: "},   // an item rate left empty
        {false, u"Button16Click: 0"}, // a corrected quantity of 0 divides the compressed amount
    };
    for (const auto &c : cases) {
        SheetFixture f;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        f.addLine(p, {.name = u"器具"_qs, .price = 1000});
        f.addLine(p, {.name = u"塗装"_qs, .price = 100, .painting = 500});
        if (c.emptyRate)
            f.doc.items.setCell(itemcol::PaintingCompression, p, QString());
        else
            f.doc.lines.setCell(linecol::Corrected, 2, u"0"_qs);
        EXPECT_FALSE(f.compile());
        EXPECT_EQ(f.host.silentStops, QStringList{QString::fromUtf16(c.stop)});
        EXPECT_TRUE(f.host.messages.isEmpty());
        const int first = f.doc.irow1 + 1;
        EXPECT_EQ(f.at(Name, 1), u"1.電灯設備工事"_qs);
        EXPECT_EQ(f.column(Name, first, first + 1), texts({u"1.電灯設備工事", u"器具"}));
        EXPECT_EQ(f.at(Submitted, first + 1), u"1000"_qs);
        EXPECT_FALSE(f.doc.controls.showSheet);
        EXPECT_EQ(f.doc.controls.Label164.text, QString());
        for (int r = 0; r < f.doc.sheet.rowCount(); ++r) {
            for (int col = 0; col < Count; ++col) {
                EXPECT_FALSE(f.at(col, r).contains(u"INF"_qs) || f.at(col, r).contains(u"NAN"_qs));
            }
        }
    }
}

TEST(SheetCompiler, PriceConflictReturnsToTheWholeViewAtTheLine)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"Zケーブル"_qs, .price = 100});
    f.addLine(p, {.name = u"Aボックス"_qs, .price = 10});
    f.addLine(p, {.name = u"Zケーブル"_qs, .price = 200});
    EXPECT_FALSE(f.compile());
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Warning);
    EXPECT_TRUE(f.host.messages[0].text.endsWith(u"1行目と3行目の  Zケーブル "_qs));
    EXPECT_EQ(f.doc.controls.Button112.tag, 1);
    // The whole view sorts by code: the conflicting line (entered first) is now line 2.
    EXPECT_EQ(f.doc.buttonsw, 1);
    EXPECT_FALSE(f.doc.controls.showSheet);
    EXPECT_TRUE(f.doc.controls.showLines);
    EXPECT_EQ(f.doc.lines.cell(linecol::InputNo, 2), u"1"_qs);
    EXPECT_EQ(f.doc.controls.lineTableTopRow, 2);
}

TEST(SheetCompiler, ThroughTheWholeViewTheLinesAreRecalculated)
{
    SheetFixture f;
    f.recalculate = true;
    f.doc.settings.CheckBox10 = true;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    const int r = f.addLine(p, {.name = u"VVF"_qs, .price = 100, .quantity = 10});
    f.doc.lines.setCell(linecol::Factor, r, u"0.1"_qs);
    f.doc.lines.setCell(linecol::Submitted, r, u"999999"_qs); // stale, recalculated to 1000
    ASSERT_TRUE(f.compile());
    EXPECT_EQ(f.at(Submitted, f.doc.irow1 + 2), u"1000"_qs);
    EXPECT_EQ(f.at(Submitted, f.rowNamed(u"労 務 費"_qs)), u"20000"_qs);
    EXPECT_EQ(f.doc.controls.Label18.text, u"1.電灯設備工事"_qs);
    EXPECT_EQ(f.doc.controls.Button12.text, u"全体表示"_qs);
}

// The index of lines by item gives the same sheet as walking the whole line table per item.
TEST(SheetCompiler, IndexedWalkMatchesTheWholeTableWalk)
{
    auto build = [](SheetFixture &f, int variant) {
        Settings &s = f.doc.settings;
        s.CheckBox17 = variant == 1;
        s.CheckBox22 = variant == 1;
        s.CheckBox8 = variant == 2;
        s.CheckBox18 = variant == 3;
        s.CheckBox3 = s.CheckBox4 = false;
        s.CheckBox14 = true;
        f.addItem(u"1.電灯設備工事"_qs);
        f.addItem(u"1-1.照明"_qs, 2);
        f.addItem(u"2.動力設備工事"_qs);
        f.addItem(u"3.空き"_qs);
        f.addLine(3, {.name = u"CV"_qs, .price = 1200, .quantity = 3, .code = u"146"_qs, .labour = 3000, .accessories = 90});
        f.addLine(2, {.name = u"器具"_qs, .price = 5000, .labour = 2500, .mounting = 400, .painting = 700});
        f.addLine(2, {.name = u"器具"_qs, .price = 5000, .labour = 2500, .mounting = 400});
        f.addLine(3, {.name = u"※注記"_qs, .code = {}, .kind = u"注釈行"_qs});
        f.addLine(2, {.name = u"配線工事"_qs, .price = 8000, .code = u"301"_qs, .consumables = 240});
        f.addLine(3, {.name = u"支給盤"_qs, .price = 90000, .code = u"140"_qs, .kind = u"御支給品"_qs, .labour = 6000});
        f.addLine(3, {.name = u"労 務 費"_qs, .price = 4000, .code = u"301"_qs});
    };
    for (int variant = 0; variant < 4; ++variant) {
        SheetFixture indexed;
        SheetFixture walked;
        build(indexed, variant);
        build(walked, variant);
        ASSERT_TRUE(indexed.compile(sheet::LineWalk::ByItemIndex));
        ASSERT_TRUE(walked.compile(sheet::LineWalk::WholeTable));
        const TextGrid &a = indexed.doc.sheet;
        const TextGrid &b = walked.doc.sheet;
        ASSERT_EQ(a.rowCount(), b.rowCount());
        EXPECT_GT(a.rowCount(), 30);
        for (int r = 0; r < a.rowCount(); ++r)
            EXPECT_EQ(a.row(r), b.row(r)) << "variant " << variant << " row " << r;
        EXPECT_EQ(indexed.doc.sougoukei, walked.doc.sougoukei);
        EXPECT_EQ(indexed.doc.irow2, walked.doc.irow2);
        EXPECT_EQ(indexed.doc.pagisu, walked.doc.pagisu);
    }
}
