#include "output/coverpage.h"

#include "printfixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Call = RecordingCanvas::Call;

struct CoverFixture : PrintFixture {
    CoverFixture()
    {
        Settings &s = doc.settings;
        s.Edit28 = u"R8-12"_qs;
        s.Label56 = u"令和"_qs;
        s.Edit25 = u"8"_qs;
        s.Edit26 = u"4"_qs;
        s.Edit27 = u"1"_qs;
        s.Edit29 = u"港北ビル"_qs;
        s.Edit22 = u"電気設備改修工事"_qs;
        doc.sougoukei = 1234000;
        doc.syouhizeigaku = 98400;
    }
    void draw() { drawCoverPage(job(), canvas); }
};

void expectText(const RecordingCanvas &c, const QString &text, int x, int y, PrintFont font)
{
    const Call *call = c.find(text);
    ASSERT_NE(call, nullptr) << text.toStdString();
    EXPECT_EQ(call->x1, x) << text.toStdString();
    EXPECT_EQ(call->y1, y) << text.toStdString();
    EXPECT_EQ(call->font, font) << text.toStdString();
}

} // namespace

TEST(CoverPage, QuotationElementsWhereTheLayoutPutsThem)
{
    CoverFixture f;
    f.doc.settings.ComboBox18 = u"10"_qs;
    f.doc.settings.ComboBox19 = u"-5"_qs;
    f.doc.settings.ComboBox48 = u"16"_qs;
    f.draw();
    const Settings &s = f.doc.settings;
    expectText(f.canvas, u" 御 見 積 書 "_qs, 1870, 470, {21, false, true});
    expectText(f.canvas, u" No.R8-12 "_qs, 3770, 820, {11, false, true});
    // "令和 8 年 4 月 1 日" is 19 bytes: moved 35 to the right.
    expectText(f.canvas, u"令和 8 年 4 月 1 日"_qs, 3715, 1050, {11});
    expectText(f.canvas, u" 港北ビル 御中 "_qs, 220, 1200, {16, false, true});
    expectText(f.canvas, s.Edit2, 3095, 1400, {16, true});
    expectText(f.canvas, s.Edit3, 3830, 1600, {16});
    expectText(f.canvas, s.Edit4, 3080, 1810, {11});
    expectText(f.canvas, s.Edit5, 3720, 1800, {10});
    expectText(f.canvas, u"　金 1,234,000 －　 "_qs, 220, 1940, {16, true});
    expectText(f.canvas, s.Edit6, 2980, 2150, {9});
    expectText(f.canvas, u"電  話 "_qs + s.Edit7, 3630, 2350, {15});
    expectText(f.canvas, u" 工 事 名　電気設備改修工事"_qs, 220, 2350, {12, false, true});
    expectText(f.canvas, s.Edit11, 220, 2700, {8});
    expectText(f.canvas, s.Edit14, 220, 3240, {8});
    expectText(f.canvas, s.Edit17, 4184, 2950, {9});
    expectText(f.canvas, u"内訳明細は別紙の通り"_qs, 900, 4575, {10});
    expectText(f.canvas, u"￥    1,234,000"_qs, 3290, 4575, {10});
    EXPECT_EQ(f.canvas.findContaining(u"消費税額"_qs), nullptr); // tax not shown
    EXPECT_EQ(f.canvas.find(u"口座名義"_qs), nullptr);
    // The total rule, five term rules, the table's 5 columns and 16 rows, the box's one line.
    EXPECT_EQ(f.canvas.count(Call::Line), 1 + 5 + 5 + 16 + 1);
    EXPECT_EQ(f.canvas.count(Call::Rectangle), 3);
    EXPECT_EQ(f.canvas.page, 1);
}

TEST(CoverPage, QuotationVariants)
{
    {   // Tax shown: the total says so, the tax line follows, the terms give way to a heading.
        CoverFixture f;
        f.doc.settings.CheckBox14 = true;
        f.draw();
        EXPECT_NE(f.canvas.find(u"　金 1,234,000 (税込)　 "_qs), nullptr);
        expectText(f.canvas, u"消費税額 98,400－　"_qs, 720, 2120, {10});
        EXPECT_NE(f.canvas.find(u"その他の条件"_qs + QString(21, u'\u3000')), nullptr);
    }
    {   // A grand total of 0: no total, rule or tax line, but the table shows the zero amount.
        CoverFixture f;
        f.doc.sougoukei = 0;
        f.doc.settings.CheckBox14 = true;
        f.draw();
        EXPECT_EQ(f.canvas.findContaining(u"　金"_qs), nullptr);
        EXPECT_EQ(f.canvas.findContaining(u"消費税額"_qs), nullptr);
        EXPECT_NE(f.canvas.find(u"￥            0"_qs), nullptr);
        EXPECT_EQ(f.canvas.count(Call::Line), 5 + 5 + 16 + 1);
    }
    {   // No amounts: the heading alone, no tax line, no amount in the table.
        CoverFixture f;
        f.options.CheckBox5 = true;
        f.doc.settings.CheckBox14 = true;
        f.draw();
        expectText(f.canvas, u"　金"_qs, 220, 1940, {16, true});
        EXPECT_EQ(f.canvas.findContaining(u"消費税額"_qs), nullptr);
        EXPECT_EQ(f.canvas.findContaining(u"￥"_qs), nullptr);
    }
    {   // An empty number is the underlined blank; a 50-character greeting prints 22 + 22.
        CoverFixture f;
        f.doc.settings.Edit28 = u"　"_qs;
        f.doc.settings.Edit30 = QString(50, u'あ');
        f.draw();
        EXPECT_NE(f.canvas.find(u" No.           "_qs), nullptr);
        for (int y : {1400, 1500}) {
            const auto row = f.canvas.textsAt(y, 1);
            const bool found = std::any_of(row.begin(), row.end(), [](const Call &c) {
                return c.text == QString(22, u'あ') && c.x1 == 580 && c.font == PrintFont{7};
            });
            EXPECT_TRUE(found) << y;
        }
    }
    {   // No company block; the box without its spare field.
        CoverFixture f;
        f.doc.settings.CheckBox21 = true;
        f.doc.settings.CheckBox19 = true;
        f.draw();
        for (const QString &t : {f.doc.settings.Edit2, f.doc.settings.Edit6, u"電  話 "_qs + f.doc.settings.Edit7})
            EXPECT_EQ(f.canvas.find(t), nullptr) << t.toStdString();
        const Call *box = nullptr;
        for (const Call &c : f.canvas.calls)
            if (c.kind == Call::Rectangle && c.pen == 2)
                box = &c;
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->x1, 3594);
        EXPECT_EQ(f.canvas.count(Call::Rectangle), 2);
    }
}

TEST(CoverPage, DateMovesByItsByteLength)
{
    struct Case { const char16_t *year, *month, *day; int x; } cases[] = {
        {u"8", u"4", u"1", 3680 + 35},    // 19 bytes
        {u"8", u"12", u"1", 3680},        // 20 bytes
        {u"元", u"4", u"1", 3680},        // "元" counts two bytes
        {u"8", u"12", u"10", 3680 - 35},  // 21 bytes
        {u"10", u"12", u"10", 3680 - 70}, // 22 bytes
        {u"10", u"12", u"100", 3680},     // 23 bytes
    };
    for (const Case &c : cases) {
        CoverFixture f;
        f.doc.settings.Edit25 = QString::fromUtf16(c.year);
        f.doc.settings.Edit26 = QString::fromUtf16(c.month);
        f.doc.settings.Edit27 = QString::fromUtf16(c.day);
        f.draw();
        const Call *date = f.canvas.findContaining(u" 日"_qs);
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(date->x1, c.x) << date->text.toStdString();
    }
}

TEST(CoverPage, InvoiceTakesTheOptionsWindowsDateAndAmounts)
{
    CoverFixture f;
    f.doc.patan = 2;
    f.options.Edit3 = u"8"_qs;
    f.options.Edit4 = u"5"_qs;
    f.options.Edit5 = u"31"_qs;
    f.options.Edit1 = u"    1,234,000"_qs;
    f.options.Edit6 = u"   123,400"_qs;
    f.options.Edit9 = u"    1,357,400"_qs;
    f.draw();
    const Settings &s = f.doc.settings;
    expectText(f.canvas, u"   請 求 書   "_qs, 1860, 470, {21, false, true});
    expectText(f.canvas, u"令和 8 年 5 月 31 日"_qs, 3680, 1050, {11});
    expectText(f.canvas, u"　金     1,357,400－ (税込) 　"_qs, 220, 1940, {12, true});
    expectText(f.canvas, u"消費税額    123,400－　"_qs, 720, 2120, {10});
    expectText(f.canvas, u"口座名義"_qs, 220, 2880, {12});
    expectText(f.canvas, s.Edit10 + u"   "_qs, 220, 3060, {12, false, true});
    expectText(f.canvas, u"振 込 先"_qs, 220, 3240, {12});
    expectText(f.canvas, s.Edit9 + u"   "_qs, 220, 3420, {12, false, true});
    expectText(f.canvas, u"請求担当"_qs, 4184, 2950, {9});
    expectText(f.canvas, u"工事金額"_qs, 900, 4575, {10});
    expectText(f.canvas, u"￥    1,234,000"_qs, 3290, 4575, {10});
    EXPECT_EQ(f.canvas.find(s.Edit30), nullptr); // no greeting
    EXPECT_EQ(f.canvas.find(s.Edit11), nullptr); // no terms
    // The total rule, the table's 5 columns and its one row line, the box's line.
    EXPECT_EQ(f.canvas.count(Call::Line), 1 + 5 + 1 + 1);

    CoverFixture bare; // no amounts: the rule alone
    bare.doc.patan = 2;
    bare.options.CheckBox5 = true;
    bare.draw();
    EXPECT_EQ(bare.canvas.findContaining(u"(税込)"_qs), nullptr);
    EXPECT_EQ(bare.canvas.findContaining(u"消費税額"_qs), nullptr);
    EXPECT_EQ(bare.canvas.findContaining(u"￥"_qs), nullptr);
    EXPECT_EQ(bare.canvas.count(Call::Line), 1 + 5 + 1 + 1);
}
