#include "output/summarypages.h"

#include "printfixture.h"

#include <gtest/gtest.h>

namespace {

using Call = RecordingCanvas::Call;

const Call *at(const RecordingCanvas &c, int x, int y, int page = 1)
{
    for (const Call &call : c.calls)
        if (call.kind == Call::Text && call.x1 == x && call.y1 == y && call.page == page && !call.text.isEmpty())
            return &call;
    return nullptr;
}

} // namespace

TEST(SummaryPages, RowColumnsFormatsAndSizes)
{
    PrintFixture f;
    f.doc.irow1 = 3;
    f.row(1, {{7, u"1.電灯設備工事"_qs}, {11, u"1"_qs}, {13, u"式"_qs}, {19, u"999"_qs}, {20, u"2019000"_qs}});
    f.row(2, {{7, u" 1-1.照明"_qs}, {11, u"1200"_qs}, {13, u"メートル"_qs}, {19, u"1500.5"_qs}, {20, u"1800600"_qs},
              {21, u"別途"_qs}});
    f.row(3, {{7, u"現場雑費"_qs}, {11, u"12345"_qs}, {20, u"41111"_qs}, {21, u"※手動入力値"_qs}});
    summarypages::draw(f.job(), f.canvas, false);

    const int y1 = 665, y2 = 665 + 171, y3 = 665 + 342;
    EXPECT_EQ(at(f.canvas, 3530, y1)->text, u"    2,019,000"_qs);
    EXPECT_EQ(at(f.canvas, 2870, y1), nullptr); // a quantity of "1" shows no unit price
    EXPECT_EQ(at(f.canvas, 2227, y1)->text, u"            1"_qs);
    EXPECT_EQ(at(f.canvas, 2850, y1)->text, u"式"_qs);
    EXPECT_EQ(at(f.canvas, 255, y1)->font, PrintFont{10});

    EXPECT_EQ(at(f.canvas, 2870, y2)->text, u"      1500.50"_qs);
    // "%13.0f" grouped only when it ends in "00"; four bytes or fewer in size 10 at 2227.
    EXPECT_EQ(at(f.canvas, 2227, y2)->text, u"        1,200"_qs);
    EXPECT_EQ(at(f.canvas, 2810, y2)->text, u"メートル"_qs);
    EXPECT_EQ(at(f.canvas, 4140, y2)->text, QString(12, u' ') + u"別途"_qs);

    const Call *longQuantity = at(f.canvas, 2290, y3);
    ASSERT_NE(longQuantity, nullptr);
    EXPECT_EQ(longQuantity->text, u"        12345"_qs);
    EXPECT_EQ(longQuantity->font, PrintFont{9});
    EXPECT_EQ(f.canvas.find(u"※手動入力値"_qs), nullptr);
    EXPECT_EQ(f.canvas.find(u"大項目 - 1 / 1"_qs)->x1, 4080);
    EXPECT_EQ(f.canvas.find(u"工 事 区 分／工 事 名 称"_qs)->y1, 498);
}

TEST(SummaryPages, NameSizeFollowsItsByteLength)
{
    struct Case { int bytes; int size; } cases[] = {{49, 10}, {50, 9}, {54, 9}, {55, 8}, {70, 8}, {71, 7}, {72, 6}};
    for (const Case &c : cases) {
        PrintFixture f;
        f.doc.irow1 = 1;
        f.row(1, {{7, QString(c.bytes, u'a')}});
        summarypages::draw(f.job(), f.canvas, false);
        EXPECT_EQ(f.canvas.find(QString(c.bytes, u'a'))->font.size, c.size) << c.bytes;
    }
}

TEST(SummaryPages, ThirtyFiveRowsToAPage)
{
    for (int rows : {35, 36}) {
        PrintFixture f;
        f.doc.irow1 = rows;
        f.doc.settings.CheckBox9 = true;
        for (int r = 1; r <= rows; ++r)
            f.row(r, {{7, u"行%1"_qs.arg(r)}, {20, QString::number(r)}});
        summarypages::draw(f.job(), f.canvas, true);
        const int pages = rows == 35 ? 1 : 2;
        EXPECT_EQ(f.canvas.page, 1 + pages); // a new page before the first, as after a cover
        const Call *last = f.canvas.find(u"行%1"_qs.arg(rows));
        EXPECT_EQ(last->page, 1 + pages);
        EXPECT_EQ(last->y1, rows == 35 ? 665 + 171 * 34 : 665);
        EXPECT_NE(f.canvas.find(u"大項目 - %1 / %1"_qs.arg(pages)), nullptr);
        EXPECT_EQ(f.canvas.find(f.doc.settings.Edit2)->font, (PrintFont{9, true}));
    }
}

TEST(SummaryPages, NoAmountsAndTheSocialInsuranceNote)
{
    PrintFixture f;
    f.doc.irow1 = 5;
    f.options.CheckBox5 = true;
    f.doc.settings.CheckBox20 = true;
    f.doc.settings.RadioButton3 = false; // "含む事を表記だけする"
    f.row(1, {{7, u"項目"_qs}, {11, u"2"_qs}, {19, u"500"_qs}, {20, u"1000"_qs}});
    f.row(3, {{7, u"消費税"_qs}, {8, u"※社会保険料相当額( \\31,000 )含む"_qs}, {20, u"80"_qs}});
    f.row(5, {{7, u"総　合　計"_qs}, {20, u"1080"_qs}});
    summarypages::draw(f.job(), f.canvas, false);
    EXPECT_EQ(at(f.canvas, 3530, 665), nullptr);
    EXPECT_EQ(at(f.canvas, 2870, 665), nullptr);
    // The tax row has a name of its own: the note goes to the blank row above the grand total.
    const Call *note = f.canvas.findContaining(u"社会保険料相当額"_qs);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->x1, 280);
    EXPECT_EQ(note->y1, 665 + 171 * 3);
    EXPECT_EQ(note->text.front(), u'\u3000');
}
