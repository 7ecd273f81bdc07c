#include "workbooktesting.h"

#include "base/conversionerror.h"
#include "estimate/document.h"
#include "export/costtemplate.h"
#include "export/tally.h"
#include "export/tallytemplate.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// A menu table whose captions name their own cell: "cap k,r".
TextGrid captionMenu()
{
    TextGrid menu(9, 20);
    for (int k = 0; k < 9; ++k)
        for (int r = 0; r < 20; ++r)
            menu.setCell(k, r, u"cap %1,%2"_qs.arg(k).arg(r));
    return menu;
}

TEST(Tally, ClassNamesByFirstCode)
{
    const TextGrid menu = captionMenu();
    struct Case {
        int f;
        const char16_t *name, *c2, *c3, *c4, *expected;
    } cases[] = {
        {101, u"盤", u"01", u"01", u"01", u"cap 0,0"},
        {101, u"キュービクル", u"01", u"01", u"01", u"キュービクル"},
        {102, u"盤", u"01", u"01", u"11", u"各 戸 盤"},
        {102, u"盤", u"01", u"01", u"12", u"ホーム分電盤"},
        {102, u"盤", u"01", u"01", u"13", u"cap 0,1"},
        {104, u"高圧気中開閉器", u"01", u"01", u"01", u"高圧気中開閉器"},
        {106, u"x", u"01", u"01", u"01", u"cap 0,5"},
        {107, u"x", u"03", u"01", u"01", u"照明器具3"},
        {107, u"x", u"08", u"01", u"01", u"誘導灯"},
        {107, u"x", u"09", u"01", u"01", u"照明器具"},
        {109, u"x", u"01", u"01", u"01", u"ｺﾝﾃﾞﾝｻｰ,ﾘｱｸﾄﾙ"},
        {125, u"x", u"01", u"01", u"01", u"cap 2,5"},
        {140, u"厚鋼電線管", u"01", u"01", u"01", u"厚鋼電線管"},
        {142, u"x", u"01", u"01", u"01", u"ボックス類"},
        {142, u"x", u"02", u"01", u"01", u"プルボックス"},
        {143, u"x", u"02", u"01", u"01", u"ﾚｰｽｳｪｲ"},
        {143, u"x", u"01", u"01", u"01", u"cap 4,3"},
        {146, u"x", u"03", u"01", u"01", u"CV・CVT"},
        {146, u"x", u"12", u"07", u"01", u"電話ｹｰﾌﾞﾙ"},
        {146, u"x", u"12", u"01", u"01", u"光・LANｹｰﾌﾞﾙ"},
        {146, u"x", u"08", u"01", u"01", u"弱電ｹｰﾌﾞﾙ"},
        {147, u"x", u"01", u"01", u"01", u"端末処理材"},
        {152, u"x", u"01", u"01", u"01", u"cap 4,12"},
        {159, u"同上支持材", u"01", u"01", u"01", u"支 持 材"},
        {159, u"防錆材", u"01", u"01", u"01", u"cap 4,19"},
        {210, u"x", u"01", u"01", u"01", u"労 務 費"},
        {302, u"x", u"01", u"01", u"01", u"土工費"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.f);
        EXPECT_EQ(tally::className(c.f, QString::fromUtf16(c.name), QString::number(c.f), QString::fromUtf16(c.c2),
                                   QString::fromUtf16(c.c3), QString::fromUtf16(c.c4), menu, u"労 務 費"_qs),
                  QString::fromUtf16(c.expected));
    }
    // A first code without a class name keeps the row's name.
    EXPECT_TRUE(tally::className(500, u"x"_qs, u"500"_qs, u"01"_qs, u"01"_qs, u"01"_qs, menu, {}).isNull());
}

// An estimate sheet of line, derived, labour and expense rows.
struct TallySheet {
    EstimateDocument doc;
    int rows = 0;

    TallySheet() { doc.sheet.setRowCount(1); }

    void row(const QString &name, QStringList codes, const QString &quantity, const QString &price,
             const QString &compressed, const QString &submitted)
    {
        const int r = ++rows;
        doc.sheet.setRowCount(r + 1);
        for (int k = 0; k < codes.size(); ++k)
            doc.sheet.setCell(2 + k, r, codes[k]);
        doc.sheet.setCell(7, r, name);
        doc.sheet.setCell(11, r, quantity);
        doc.sheet.setCell(14, r, price);
        doc.sheet.setCell(17, r, compressed);
        doc.sheet.setCell(20, r, submitted);
    }

    const QString &at(int column, int row) const { return doc.tally.cell(column, row); }
};

TEST(Tally, TakesLineExpenseAndLabourRowsSortedByCode)
{
    TallySheet t;
    t.doc.settings.Edit32 = u"諸経費調整"_qs;
    t.row(u"直接工事費"_qs, {}, {}, {}, u"100"_qs, u"100"_qs);
    t.row(u"分電盤"_qs, {u"102"_qs, u"01"_qs, u"01"_qs, u"11"_qs}, u"2"_qs, u"50000"_qs, u"80000"_qs, u"95000"_qs);
    t.row(u"厚鋼電線管"_qs, {u"140"_qs, u"01"_qs, u""_qs, u"02"_qs}, u"10"_qs, u"300"_qs, u"2500"_qs, u"2800"_qs);
    t.row(u"同上付属品"_qs, {u"141"_qs, u"01"_qs}, {}, {}, u"400"_qs, u"450"_qs);
    t.row(u"労 務 費"_qs, {u"301"_qs, u"99"_qs, u"01"_qs, u"12"_qs}, u"1"_qs, {}, u"30000"_qs, u"40000"_qs);
    t.row(u"分電盤"_qs, {u"102"_qs, u"01"_qs, u"01"_qs, u"11"_qs}, u"1"_qs, u"50000"_qs, u"40000"_qs, u"47500"_qs);
    t.row(u"現場雑費"_qs, {}, {}, {}, u"6000"_qs, u"7000"_qs);
    t.row(u"諸経費調整"_qs, {}, {}, {}, u"-500"_qs, u"-500"_qs);
    t.row(u"コメント"_qs, {u"101"_qs}, {}, {}, {}, {}); // one code column only: skipped
    tally::Button137Click(t.doc, captionMenu());

    ASSERT_EQ(t.doc.tally.rowCount(), 9); // titles, seven rows, the empty last row
    EXPECT_EQ(t.at(3, 0), u"品名");
    const QStringList keys = [&] {
        QStringList k;
        for (int r = 1; r <= 7; ++r)
            k.append(t.at(9, r));
        return k;
    }();
    EXPECT_EQ(keys, (QStringList{u"102010111"_qs, u"102010111"_qs, u"140010102"_qs, u"141010101"_qs,
                                 u"200990112"_qs, u"500010101"_qs, u"601990101"_qs}));
    EXPECT_EQ(t.at(1, 1), u"01");
    EXPECT_EQ(t.at(1, 2), u"02");
    EXPECT_EQ(t.at(0, 1), u"A1");
    EXPECT_EQ(t.at(3, 1), u"各 戸 盤");
    EXPECT_EQ(t.at(10, 1), u"100000");  // quantity × price
    EXPECT_EQ(t.at(6, 3), u"01");       // an empty code part becomes "01"
    EXPECT_EQ(t.at(0, 3), u"B");
    EXPECT_EQ(t.at(10, 4), u"400");     // a derived row carries its compressed amount
    EXPECT_EQ(t.at(3, 5), u"労 務 費"); // labour rows count under 200
    EXPECT_EQ(t.at(0, 7), u"d1");
    EXPECT_EQ(t.at(10, 7), u"7000");
    EXPECT_EQ(t.at(12, 7), u"6000");
    EXPECT_EQ(t.doc.a1, 2);
    EXPECT_EQ(t.doc.b1, 2);
    EXPECT_EQ(t.doc.h1, 1);
    EXPECT_EQ(t.doc.e1, 1);
    EXPECT_EQ(t.at(17, 0), u"機器:2");
    EXPECT_EQ(t.doc.c, (std::array<int, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));

    tally::Button142Click(t.doc);
    // The two panels merge; every row loses its mark, number, taken name and code parts 2 to 4.
    EXPECT_EQ(t.at(10, 1), u"150000");
    EXPECT_EQ(t.at(12, 1), u"120000");
    EXPECT_EQ(t.at(14, 1), u"142500");
    EXPECT_TRUE(t.at(0, 1).isEmpty() && t.at(2, 1).isEmpty() && t.at(5, 1).isEmpty());
    EXPECT_EQ(t.at(4, 2), u"140");
    EXPECT_EQ(t.doc.a1, 1);
    // Row 0 totals every row: 150000 + 3000 + 400 + 30000 - 500 + 7000.
    EXPECT_EQ(t.at(11, 0), u"189900");
}

TEST(Tally, AQuantityThatIsNotWholeStopsTheTally)
{
    TallySheet t;
    t.row(u"電線"_qs, {u"146"_qs, u"01"_qs, u"01"_qs, u"01"_qs}, u"2.5"_qs, u"100"_qs, u"250"_qs, u"250"_qs);
    EXPECT_THROW(tally::Button137Click(t.doc, captionMenu()), ConversionError);
}

TEST(Tally, NetAmountInThousands)
{
    struct Case {
        double total, expected;
    } cases[] = {{100, 0.1}, {550, 0.55}, {1234, 1.2}, {1234567, 1230}, {1235000, 1240}, {99, 99}, {0, 0}, {-500, -500}};
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(double(tallytemplate::netAmount(100, c.total)), c.expected) << c.total;
    EXPECT_DOUBLE_EQ(double(tallytemplate::netAmount(50, 2469134)), 1230);
}

// The shipped template filled from a merged tally.
struct TemplateFill {
    TallySheet t;
    std::shared_ptr<XlsxBook> book;
    XlsxSheet *sheet = nullptr;

    TemplateFill() { t.doc.strFilePath = QStringLiteral(SOLVARA_PROGRAM_DATA "/"); }

    void fill()
    {
        tally::Button137Click(t.doc, captionMenu());
        tally::Button142Click(t.doc);
        auto opened = XlsxBook::open(costtemplate::path(t.doc));
        ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
        book = opened.value();
        sheet = book->sheet(u"原価集計表"_qs);
        ASSERT_NE(sheet, nullptr);
        tallytemplate::fill(t.doc, *sheet);
    }
};

// Equipment rows by count: double spacing up to 16 (one first code closed up), one per row up to
// 31, none beyond.
TEST(TallyTemplate, EquipmentBlockSpacingFollowsTheCount)
{
    struct Case {
        int rows;
        std::vector<int> written; // sheet rows holding a name, in order
    } cases[] = {{16, {}}, {17, {}}, {32, {}}};
    cases[0].written = {6, 7};
    for (int r = 9; r <= 35; r += 2)
        cases[0].written.push_back(r);
    for (int r = 6; r <= 22; ++r)
        cases[1].written.push_back(r);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rows);
        TemplateFill f;
        // Distinct merged rows: first codes 101 to 119 and second codes; the first two share 101.
        for (int k = 0; k < c.rows; ++k) {
            const int code = 101 + (k == 0 ? 0 : (k - 1) % 19);
            const QString second = u"%1"_qs.arg(k / 19 + 1, 2, 10, QChar(u'0'));
            f.t.row(u"機器%1"_qs.arg(k), {QString::number(code), k == 0 ? u"05"_qs : second, u"01"_qs, u"01"_qs},
                    u"1"_qs, u"1000"_qs, u"800"_qs, u"900"_qs);
        }
        f.fill();
        ASSERT_EQ(f.t.doc.a1, c.rows);
        std::vector<int> written;
        for (int r = 6; r <= 36; ++r)
            if (!f.sheet->text(r, 3).isEmpty())
                written.push_back(r);
        EXPECT_EQ(written, c.written);
        if (!c.written.empty()) {
            EXPECT_EQ(f.sheet->formula(6, 8), u"=I6/C6");
            EXPECT_EQ(f.sheet->text(6, 2), u"101");
        }
    }
}

TEST(TallyTemplate, LabourExpensesAndHeaderGoToTheirCells)
{
    TemplateFill f;
    Settings &s = f.t.doc.settings;
    s.Edit22 = u"港北ビル"_qs;
    s.Edit60 = u"改修工事"_qs;
    s.Edit28 = u"R8-1201"_qs;
    s.Edit29 = u"港北ビルマネジメント"_qs;
    s.Edit32 = u"諸経費調整"_qs;
    s.Edit33 = u"値引き"_qs;
    s.Edit56 = u"100"_qs;
    f.t.doc.sougoukei = 1234567;
    for (int k = 0; k < 3; ++k)
        f.t.row(u"労 務 費"_qs, {u"301"_qs, u"99"_qs, u"01"_qs, u"12"_qs}, u"1"_qs, {}, u"30000"_qs, u"40000"_qs);
    f.t.row(u"諸経費調整"_qs, {}, {}, {}, u"-500"_qs, u"-500"_qs);
    f.t.row(u"値引き"_qs, {}, {}, {}, u"-100"_qs, u"-100"_qs);
    f.t.row(u"諸経費"_qs, {}, {}, {}, u"9000"_qs, u"9500"_qs);
    f.t.row(u"厚鋼電線管"_qs, {u"140"_qs, u"01"_qs, u"01"_qs, u"02"_qs}, u"10"_qs, u"300"_qs, u"2500"_qs, u"2800"_qs);
    f.fill();
    XlsxSheet &x = *f.sheet;
    EXPECT_EQ(textAt(x, u"M1"), u"R8-1201");
    EXPECT_EQ(textAt(x, u"M2"), u"港北ビル改修工事");
    EXPECT_EQ(textAt(x, u"B2"), u"港北ビルマネジメント");
    EXPECT_EQ(textAt(x, u"W53"), u"1230");
    // The three labour rows merged into one on row 6, without a taken name.
    EXPECT_EQ(textAt(x, u"V6"), u"");
    EXPECT_EQ(textAt(x, u"W6"), u"90000");
    EXPECT_EQ(textAt(x, u"AA6"), u"120000");
    EXPECT_EQ(formulaAt(x, u"AG6"), u"=AQ7*AQ8");
    EXPECT_EQ(textAt(x, u"AQ8"), u"18000");
    EXPECT_EQ(styleAt(x, u"AQ8").numberFormat, u"#,##0");
    // Two extra expense rows do not fit the one row for them.
    EXPECT_EQ(f.t.doc.h1, 2);
    EXPECT_EQ(textAt(x, u"V36"), u"");
    EXPECT_EQ(textAt(x, u"W36"), u"");
    EXPECT_EQ(textAt(x, u"V38"), u"諸経費");
    EXPECT_EQ(textAt(x, u"AD38"), u"9000");
    EXPECT_EQ(textAt(x, u"L6"), u"厚鋼電線管");
    EXPECT_EQ(formulaAt(x, u"S6"), u"=T6/R6");
    EXPECT_EQ(formulaAt(x, u"C60"), u"=SUM(C59+C37)");
    EXPECT_TRUE(styleAt(x, u"U20").whiteFill);
    // The submitted total in thousands is read back from the sheet's own summary.
    EXPECT_EQ(textAt(x, u"W52"), textAt(x, u"AA51"));
    EXPECT_FALSE(textAt(x, u"W52").isEmpty());
}

} // namespace

namespace {

// The shipped template is what its generator makes: a layout change reaches the file.
TEST(TallyTemplate, ShippedTemplateMatchesItsGenerator)
{
    Workbook generated;
    costtemplate::build(generated);
    WrittenBook written;
    written.write(generated);
    auto shipped = XlsxBook::open(QStringLiteral(SOLVARA_PROGRAM_DATA "/見積原価集計表.xlsx"));
    ASSERT_TRUE(shipped.ok()) << shipped.error().toStdString();
    XlsxSheet &a = written.sheet(u"原価集計表"_qs);
    XlsxSheet *b = shipped.value()->sheet(u"原価集計表"_qs);
    ASSERT_NE(b, nullptr);
    for (int r = 1; r <= 60; ++r)
        for (int c = 1; c <= 43; ++c) {
            SCOPED_TRACE(a1::cellName(r, c).toStdString());
            ASSERT_EQ(a.formula(r, c), b->formula(r, c));
            ASSERT_EQ(a.text(r, c), b->text(r, c));
            ASSERT_TRUE(a.style(r, c) == b->style(r, c));
        }
    EXPECT_EQ(mergesOf(a), mergesOf(*b));
}

} // namespace
