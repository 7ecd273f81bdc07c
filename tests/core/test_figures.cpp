#include "base/numbers.h"
#include "estimate/figures.h"

#include "sheetfixture.h"

#include <gtest/gtest.h>

using namespace sheetcol;
using Line = SheetFixture::Line;

namespace {

void putRow(TextGrid &t, int r, const QString &name, const QString &code = {}, const QString &compressed = {},
            const QString &submitted = {})
{
    t.setCell(Name, r, name);
    t.setCell(C, r, code);
    t.setCell(Compressed, r, compressed);
    t.setCell(Submitted, r, submitted);
}

// The end of a sheet: a labour row with a compressed amount of 200000, the expense row that gives
// up the social-insurance amount, the reserved row, [tax,] blank and the grand total.
void socialInsuranceSheet(SheetFixture &f, const QString &expenseName, const QString &expense, bool tax = false)
{
    Settings &s = f.doc.settings;
    s.CheckBox20 = true;
    s.CheckBox3 = expenseName != u"現場雑費";
    s.CheckBox4 = expenseName != u"諸経費";
    s.CheckBox14 = tax;
    TextGrid &t = f.doc.sheet;
    putRow(t, 1, u"労 務 費"_qs, u"301"_qs, u"200000"_qs, u"250000"_qs);
    putRow(t, 2, expenseName, {}, {}, expense);
    if (tax)
        putRow(t, 4, u"消費税"_qs);
    putRow(t, tax ? 6 : 5, u"総　合　計"_qs, {}, {}, u"999999"_qs);
}

} // namespace

TEST(Figures, SocialInsuranceItemMode)
{
    struct Case { const char16_t *expense; bool tax; const char16_t *left; } cases[] = {
        {u"諸経費", false, u"4000"},
        {u"諸経費", true, u"4000"},
        {u"現場雑費", false, u"19000"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        const QString expense = QString::fromUtf16(c.expense);
        socialInsuranceSheet(f, expense, expense == u"諸経費" ? u"35000"_qs : u"50000"_qs, c.tax);
        figures::socialInsurance(f.doc, f.host);
        const TextGrid &t = f.doc.sheet;
        EXPECT_EQ(t.cell(Submitted, 2), QString::fromUtf16(c.left));
        EXPECT_EQ(t.row(3).mid(7, 14),
                  (QStringList{u"社会保険料相当額"_qs, {}, {}, {}, u"1"_qs, {}, u"式"_qs, {}, {}, {}, {}, u"15.52"_qs, {}, u"31000"_qs}));
        EXPECT_FALSE(f.doc.controls.Panel94.visible);
        EXPECT_TRUE(f.doc.settings.RadioButton3);
    }
}

TEST(Figures, SocialInsuranceFallsBackToTheNote)
{
    struct Case { const char16_t *expense; const char16_t *notice; } cases[] = {
        {u"諸経費", u"社会保険料相当額が諸経費より大きいので自動計算できません。"},
        {u"現場雑費", u"社会保険料相当額が現場雑費より大きいので自動計算できません。"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        socialInsuranceSheet(f, QString::fromUtf16(c.expense), u"31500"_qs);
        figures::socialInsurance(f.doc, f.host);
        const MainControls &m = f.doc.controls;
        EXPECT_TRUE(m.Panel94.visible);
        EXPECT_EQ(m.Label149.text, QString::fromUtf16(c.notice));
        EXPECT_EQ(m.Label151.text, u"社会保険料相当額は \\31000 です。"_qs);
        EXPECT_FALSE(f.doc.settings.RadioButton3);
        EXPECT_EQ(f.doc.sheet.cell(Submitted, 2), u"31500"_qs);
        EXPECT_EQ(f.doc.sheet.cell(Name, 3), QString());
        EXPECT_EQ(f.doc.sheet.cell(Spec, 3), u"※社会保険料相当額( \\31,000 )含む"_qs);
        figures::closeNotice(f.doc);
        EXPECT_FALSE(m.Panel94.visible);
    }
}

TEST(Figures, SocialInsuranceWithNothingToTakeFrom)
{
    SheetFixture f;
    socialInsuranceSheet(f, u"諸経費"_qs, u"35000"_qs);
    f.doc.settings.CheckBox4 = true; // site expenses and overhead both hidden
    figures::socialInsurance(f.doc, f.host);
    EXPECT_FALSE(f.doc.settings.CheckBox20);
    EXPECT_EQ(f.doc.controls.N43.text, u"社会保険料相当額を表示する"_qs);
    EXPECT_EQ(f.doc.sheet.cell(Name, 3), QString());

    // No labour at all: neither row nor note.
    SheetFixture g;
    socialInsuranceSheet(g, u"諸経費"_qs, u"35000"_qs);
    g.doc.sheet.setCell(C, 1, u"107"_qs);
    figures::socialInsurance(g.doc, g.host);
    g.doc.settings.RadioButton3 = false;
    figures::socialInsurance(g.doc, g.host);
    EXPECT_EQ(g.doc.sheet.row(3), TextGrid(Count, 1).row(0));
    EXPECT_EQ(g.doc.sheet.cell(Submitted, 2), u"35000"_qs);
}

TEST(Figures, LabourBaseAndNote)
{
    SheetFixture f;
    f.doc.settings.RadioButton3 = false;
    TextGrid &t = f.doc.sheet;
    putRow(t, 1, u"労 務 費"_qs, u"301"_qs, u"100000"_qs);
    putRow(t, 2, u"取付調整費"_qs, u"159"_qs, u"50000"_qs);
    putRow(t, 3, u"高所作業車費"_qs, u"301"_qs, u"30000"_qs);
    putRow(t, 4, u"器具"_qs, u"107"_qs, u"999999"_qs);
    putRow(t, 5, u"塗 装 費"_qs, u"301"_qs, u" "_qs);
    putRow(t, 8, u"総　合　計"_qs);
    EXPECT_EQ(figures::labourBase(t), 150000);
    figures::socialInsurance(f.doc, f.host);
    EXPECT_EQ(t.cell(Spec, 6), u"※社会保険料相当額( \\23,300 )含む"_qs); // 150000 × 15.52 % = 23280

    f.doc.settings.Edit57 = u" "_qs;
    t.setCell(Spec, 6, QString());
    figures::socialInsuranceNote(f.doc, f.host);
    EXPECT_EQ(f.doc.settings.Edit57, u"0"_qs);
    EXPECT_EQ(t.cell(Spec, 6), QString());

    t.setCell(Compressed, 1, u"abc"_qs);
    f.doc.settings.RadioButton3 = true;
    figures::socialInsurance(f.doc, f.host);
    EXPECT_EQ(f.host.silentStops, QStringList{u"Button122Click: abc"_qs});
}

TEST(Figures, SocialInsuranceThroughCompilation)
{
    SheetFixture f;
    f.doc.settings.CheckBox4 = false;
    f.doc.settings.CheckBox20 = true;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"器具"_qs, .price = 1000000});
    f.addLine(p, {.name = u"配線工事"_qs, .price = 200000, .code = u"301"_qs});
    ASSERT_TRUE(f.compile());
    // Overhead 108000 absorbs the grand-total rounding (110000), then gives up 31000.
    const int total = f.rowNamed(u"総　合　計"_qs);
    EXPECT_EQ(f.at(Submitted, f.rowNamed(u"諸経費"_qs)), u"79000"_qs);
    EXPECT_EQ(f.at(Name, total - 2), u"社会保険料相当額"_qs);
    EXPECT_EQ(f.at(Submitted, total - 2), u"31000"_qs);
    EXPECT_EQ(f.at(Submitted, total), u"1310000"_qs);
}

TEST(Figures, NetFigure)
{
    struct Case { const char16_t *rate; double total; const char16_t *net; } cases[] = {
        {u"100", 1234567, u"1,230,000"}, {u"50", 200, u"100"},    {u"50", 310, u"160"},
        {u"50", 300, u"150"},            {u"100", 99.5, u"99.5"}, {u"120", 1234567, u"1,234,567"},
        {u"85", 200000, u"170,000"},     {u"100", 155, u"155"}, // rounded up to 160, capped at the total
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.doc.settings.Edit56 = QString::fromUtf16(c.rate);
        f.doc.sougoukei = c.total;
        const QString net = QString::fromUtf16(c.net);
        ASSERT_TRUE(figures::netFigure(f.doc, f.host));
        EXPECT_EQ(num::grouped(f.doc.netFigure), net);
        EXPECT_EQ(f.doc.controls.NET1.text, u"NET提示金額 \\"_qs + net + u"- をクリップボードへコピー"_qs);
        EXPECT_EQ(f.doc.controls.NET2.text, u"NET提示率 "_qs + f.doc.settings.Edit56 + u"% を変更する"_qs);
        figures::copyNet(f.doc, f.host);
        EXPECT_EQ(f.host.clipboard, u"NET \\"_qs + net + u"-"_qs);
    }
}

// The keypad asks without a point key and an empty display; cancelling or entering nothing keeps
// the rate, a value replaces it.
TEST(Figures, NetRateEntryThroughTheKeypad)
{
    struct Case { std::optional<QString> answer; const char16_t *rate; } cases[] = {
        {u"120"_qs, u"120"}, {QString(), u"100"}, {std::nullopt, u"100"},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        f.host.keypadAnswers = {c.answer};
        figures::netRateEntry(f.doc, f.host);
        ASSERT_EQ(f.host.keypadShown.size(), 1);
        EXPECT_EQ(f.host.keypadShown[0].preset, QString());
        EXPECT_FALSE(f.host.keypadShown[0].pointKey);
        EXPECT_EQ(f.doc.settings.Edit56, QString::fromUtf16(c.rate));
        EXPECT_EQ(f.doc.keypadText, QString());
    }
}

TEST(Figures, NetRateEntryAndBadRate)
{
    SheetFixture f;
    figures::enterNetRate(f.doc, QString());
    EXPECT_EQ(f.doc.settings.Edit56, u"100"_qs);
    figures::enterNetRate(f.doc, u"90"_qs);
    EXPECT_EQ(f.doc.settings.Edit56, u"90"_qs);

    f.doc.settings.Edit56 = u"9O"_qs;
    f.host.clipboard = u"前"_qs;
    figures::copyNet(f.doc, f.host);
    EXPECT_EQ(f.host.clipboard, QString());
    EXPECT_FALSE(figures::netFigure(f.doc, f.host));
    EXPECT_EQ(f.doc.controls.NET1.text, u"NET提示金額をクリップボードへコピー"_qs);
    EXPECT_EQ(f.host.silentStops.size(), 2);
}

TEST(Figures, LabourTotals)
{
    SheetFixture f;
    f.doc.settings.Edit52 = u"電 工 費"_qs;
    TextGrid &t = f.doc.sheet;
    putRow(t, 1, u"労 務 費"_qs, u"301"_qs, u"12345"_qs, u"15678"_qs);
    putRow(t, 2, u"電工費"_qs, u"301"_qs, u"100"_qs, u" "_qs);
    putRow(t, 3, u"電 工 費"_qs, u"301"_qs, u"1000"_qs, u"155"_qs);
    putRow(t, 4, u"配線工事"_qs, u"301"_qs, u"50000"_qs, u"50000"_qs);
    figures::labourTotals(f.doc, f.host);
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].text, u"電 工 費：NET \\13,000  提出 \\16,000 です。"_qs);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Information);
    EXPECT_EQ(f.host.messages[0].buttons, int(Host::Yes));
}

TEST(Figures, RangeSum)
{
    struct Case { int column; QStringList cells; const char16_t *shown; } cases[] = {
        {Submitted, {u"1000"_qs, u"2500.5"_qs, {}}, u"3,500.5"},
        {Quantity, {{}, u" "_qs}, u"0"},
        {Compressed, {u"-1234567.125"_qs, u"0"_qs}, u"-1,234,567.13"},
        {Name, {u"1"_qs, u"2"_qs}, nullptr},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        for (int i = 0; i < c.cells.size(); ++i)
            f.doc.sheet.setCell(c.column, 10 + i, c.cells[i]);
        f.doc.nx6 = c.column;
        f.doc.ny6 = 10 + int(c.cells.size()) - 1; // dragged upwards
        f.doc.uy6 = 10;
        figures::rangeSum(f.doc, f.host);
        if (c.shown == nullptr) {
            EXPECT_TRUE(f.host.messages.isEmpty());
            continue;
        }
        EXPECT_EQ(f.host.messageTexts(), QStringList{u"足し算結果は "_qs + QString::fromUtf16(c.shown) + u" になります"_qs});
    }

    SheetFixture f;
    f.doc.sheet.setCell(Submitted, 1, u"12a"_qs);
    f.doc.nx6 = Submitted;
    f.doc.ny6 = f.doc.uy6 = 1;
    figures::rangeSum(f.doc, f.host);
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
    EXPECT_TRUE(f.host.messages[0].text.contains(u"12a"_qs));
}

TEST(Figures, TogglesInvertTheOptionAndRecompile)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"器具"_qs, .price = 1000});
    f.doc.controls.Button12.text = u"入力順"_qs;
    figures::toggleSuppliedGoods(f.doc, f.host);
    EXPECT_TRUE(f.doc.settings.CheckBox18);
    EXPECT_EQ(f.doc.controls.N35.text, u"御支給品表示を自動に戻す"_qs);
    EXPECT_EQ(f.at(Remark, f.doc.irow1 + 2), u"御支給品"_qs);
    f.doc.controls.Button12.text = u"入力順"_qs;
    figures::toggleSuppliedGoods(f.doc, f.host);
    EXPECT_EQ(f.doc.controls.N35.text, u"労務費以外は御支給品で表示する"_qs);
    EXPECT_EQ(f.at(Remark, f.doc.irow1 + 2), QString());

    const int irow1 = f.doc.irow1;
    f.doc.controls.Button12.text = u"入力順"_qs;
    figures::toggleSocialInsurance(f.doc, f.host);
    EXPECT_TRUE(f.doc.settings.CheckBox20);
    EXPECT_EQ(f.doc.controls.N43.text, u"社会保険料相当額を表示しない"_qs);
    EXPECT_EQ(f.doc.irow1, irow1 + 1); // the reserved row
    EXPECT_TRUE(f.doc.controls.showSheet);
}
