#include "output/detailpages.h"

#include "printfixture.h"

#include <gtest/gtest.h>

namespace {

using Call = RecordingCanvas::Call;

int slotY(int slot)
{
    return 665 + 171 * (slot - 1);
}

// One detail row in slot 1 of page 1 (irow1 = 0), drawn alone.
struct RowFixture : PrintFixture {
    RowFixture(std::initializer_list<std::pair<int, QString>> cells)
    {
        row(1, cells);
        detailpages::draw(job(), canvas, false);
    }
    RowFixture(std::initializer_list<std::pair<int, QString>> cells, bool wrapOff)
    {
        doc.settings.CheckBox23 = wrapOff;
        row(1, cells);
        detailpages::draw(job(), canvas, false);
    }
    const Call *at(int x) const
    {
        for (const Call &c : canvas.calls)
            if (c.kind == Call::Text && c.x1 == x && c.page == 1 && !c.text.isEmpty())
                return &c;
        return nullptr;
    }
};

} // namespace

TEST(DetailPages, RowColumnsAndNumberTexts)
{
    RowFixture f({{1, u"4"_qs}, {7, u"LEDダウンライト"_qs}, {8, u"φ100"_qs}, {11, u"2.25"_qs}, {13, u"台"_qs},
                  {19, u"6230"_qs}, {20, u"12460"_qs}, {21, u"支給"_qs}});
    const int y = slotY(1);
    EXPECT_EQ(f.at(3530)->text, u"       12,460"_qs);
    EXPECT_EQ(f.at(2980)->text, u"        6,230"_qs);
    EXPECT_EQ(f.at(2220)->text, u"          2.3"_qs); // "%13.1f", decimal digits rounded half up
    EXPECT_EQ(f.at(2850)->text, u"台"_qs);
    EXPECT_EQ(f.at(3240)->text, QString(9, u'\u3000') + u"支給"_qs);
    EXPECT_EQ(f.at(3240)->font, PrintFont{9});
    EXPECT_EQ(f.at(1405)->text, u"φ100"_qs);
    EXPECT_EQ(f.at(255)->y1, y);
    EXPECT_FALSE(f.at(255)->opaque);
    bool divider = false;
    for (const Call &c : f.canvas.calls)
        divider = divider || (c.kind == Call::Line && c.x1 == 1383 && c.y1 == y - 45 && c.y2 == y + 126);
    EXPECT_TRUE(divider);

    RowFixture big({{1, u"1"_qs}, {7, u"盤"_qs}, {8, u"x"_qs}, {11, u"12345"_qs}, {13, u"メートル"_qs},
                    {19, u"1234567890"_qs}, {20, u"12345678901"_qs}});
    EXPECT_EQ(big.at(3580)->y1, y + 3);
    EXPECT_EQ(big.at(3580)->font, PrintFont{9});
    EXPECT_EQ(big.at(3030)->font, PrintFont{9});
    EXPECT_EQ(big.at(2284)->text, u"       12,345"_qs);
    EXPECT_EQ(big.at(2284)->font, PrintFont{9});
    EXPECT_EQ(big.at(2810)->text, u"メートル"_qs);
}

TEST(DetailPages, ZeroAmountWithARemarkShowsTheRemarkOnly)
{
    RowFixture f({{1, u"1"_qs}, {7, u"既設器具"_qs}, {8, u"撤去"_qs}, {11, u"3"_qs}, {13, u"台"_qs}, {19, u"0"_qs},
                  {20, u"0"_qs}, {21, u"別途"_qs}});
    EXPECT_EQ(f.at(3530), nullptr);
    EXPECT_EQ(f.at(2980), nullptr);
    EXPECT_EQ(f.at(3240)->text, QString(9, u'\u3000') + u"別途"_qs);

    PrintFixture composite;
    composite.doc.settings.CheckBox8 = true;
    composite.row(1, {{7, u"x"_qs}, {21, u"別途"_qs}});
    detailpages::draw(composite.job(), composite.canvas, false);
    EXPECT_EQ(composite.canvas.find(u"別途"_qs)->x1, 4140);
}

TEST(DetailPages, NamesAndSpecificationsWrapByByteLength)
{
    // With wrapping: a specification above 28 bytes takes two lines of 14 characters in size 9.
    const QString spec29 = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ123"_qs;
    RowFixture two({{1, u"1"_qs}, {7, u"名"_qs}, {8, spec29}, {11, u"1"_qs}, {13, u"個"_qs}});
    std::vector<Call> specs;
    for (const Call &c : two.canvas.calls)
        if (c.kind == Call::Text && c.x1 == 1405 && !c.text.isEmpty())
            specs.push_back(c);
    ASSERT_EQ(specs.size(), 2u);
    EXPECT_EQ(specs[0].text, u"ABCDEFGHIJKLMN"_qs);
    EXPECT_EQ(specs[0].y1, slotY(1) - 40);
    EXPECT_EQ(specs[1].text, u"OPQRSTUVWXYZ123"_qs);
    EXPECT_EQ(specs[1].y1, slotY(1) + 40);
    EXPECT_EQ(specs[1].font, PrintFont{9});

    struct Case { int nameBytes; int specBytes; bool wrapOff; int nameSize; int nameLines; int specSize; };
    const Case cases[] = {
        {26, 10, false, 10, 1, 10}, {27, 10, false, 9, 2, 10}, {28, 28, false, 9, 1, 9}, {29, 26, false, 9, 2, 10},
        {23, 26, true, 10, 1, 10},  {24, 27, true, 9, 1, 8},   {27, 32, true, 8, 1, 8},  {33, 33, true, 7, 1, 7},
    };
    for (const Case &c : cases) {
        // An amount, since a row without one in the first slot keeps size 10.
        RowFixture f({{1, u"1"_qs}, {7, QString(c.nameBytes, u'n')}, {8, QString(c.specBytes, u's')}, {11, u"1"_qs},
                      {13, u"個"_qs}, {20, u"5"_qs}},
                     c.wrapOff);
        std::vector<Call> names, specLines;
        for (const Call &call : f.canvas.calls) {
            if (call.kind != Call::Text || call.text.isEmpty())
                continue;
            if (call.x1 == 255)
                names.push_back(call);
            else if (call.x1 == 1405)
                specLines.push_back(call);
        }
        ASSERT_EQ(int(names.size()), c.nameLines) << c.nameBytes;
        EXPECT_EQ(names[0].font.size, c.nameSize) << c.nameBytes;
        ASSERT_EQ(specLines.size(), 1u) << c.specBytes;
        EXPECT_EQ(specLines[0].font.size, c.specSize) << c.specBytes;
        // One-line texts in a smaller size are lowered: 8 in size 9, 10 in size 8, 20 in size 7.
        const int lowered[] = {0, 0, 0, 0, 0, 0, 0, 20, 10, 8, 0};
        EXPECT_EQ(specLines[0].y1, slotY(1) + lowered[c.specSize]) << c.specBytes;
        if (c.nameLines == 1) {
            EXPECT_EQ(names[0].y1, slotY(1) + lowered[c.nameSize]) << c.nameBytes;
        }
    }
}

TEST(DetailPages, NameBesideABlankSpecification)
{
    // An empty specification: size 10 whatever the length, drawn opaque over the divider.
    RowFixture empty({{1, u"1"_qs}, {7, QString(40, u'n')}, {11, u"1"_qs}, {13, u"式"_qs}, {20, u"5"_qs}});
    EXPECT_EQ(empty.at(255)->font, PrintFont{10});
    EXPECT_TRUE(empty.at(255)->opaque);
    // Three ideographic spaces count as blank: no wrapping, opaque.
    RowFixture blank({{1, u"1"_qs}, {7, QString(30, u'n')}, {8, u"　　　"_qs}, {11, u"1"_qs}, {13, u"式"_qs}});
    EXPECT_EQ(blank.at(255)->text, QString(30, u'n'));
    EXPECT_TRUE(blank.at(255)->opaque);
    // A comment row: name and specification as one text, its size by the joined length.
    RowFixture comment({{1, u"3"_qs}, {7, QString(30, u'c')}, {8, QString(27, u'd')}});
    EXPECT_EQ(comment.at(255)->text, QString(30, u'c') + QString(27, u'd'));
    EXPECT_EQ(comment.at(255)->font, PrintFont{6});
    EXPECT_TRUE(comment.at(255)->opaque);
    EXPECT_EQ(comment.at(1405), nullptr);
}

TEST(DetailPages, LeftOutRowsKeepTheirSlotEmpty)
{
    auto slotOf = [](const PrintFixture &f, const QString &name) {
        const Call *c = f.canvas.find(name);
        return c ? (c->y1 - 665) / 171 + 1 : 0;
    };
    for (bool supplied : {false, true}) {
        PrintFixture f;
        f.doc.settings.CheckBox18 = supplied;
        f.row(1, {{7, u"一"_qs}, {20, u"100"_qs}});
        f.row(2, {{7, u"率ゼロ"_qs}, {18, u"0"_qs}, {20, u"100"_qs}});
        f.row(3, {{7, u"金額ゼロ"_qs}, {20, u"0"_qs}});
        f.row(4, {{7, u"四"_qs}, {20, u"100"_qs}});
        detailpages::draw(f.job(), f.canvas, false);
        EXPECT_EQ(slotOf(f, u"四"_qs), 4);
        EXPECT_EQ(slotOf(f, u"率ゼロ"_qs), supplied ? 2 : 0);
        EXPECT_EQ(slotOf(f, u"金額ゼロ"_qs), supplied ? 3 : 0);
    }
}

TEST(DetailPages, PagesBreakBeforeAHeadingAndSkipBlankRowsAtTheTop)
{
    PrintFixture f;
    f.doc.irow1 = 10;
    int r = 10;
    for (int i = 1; i <= 34; ++i)
        f.row(++r, {{7, u"行%1"_qs.arg(i)}, {20, u"1"_qs}});
    f.row(++r, {{0, u"A2"_qs}, {7, u"見出し"_qs}}); // would fall into slot 35
    f.row(++r, {{7, u"次行"_qs}, {20, u"1"_qs}});
    r += 2;                                          // two blank rows after an item total
    f.row(++r, {{7, u"合　　計"_qs}, {20, u"36"_qs}});
    detailpages::draw(f.job(), f.canvas, false);

    EXPECT_EQ(f.canvas.find(u"行34"_qs)->y1, slotY(34));
    const Call *heading = f.canvas.find(u"見出し"_qs);
    EXPECT_EQ(heading->page, 2);
    EXPECT_EQ(heading->y1, slotY(1));
    EXPECT_EQ(heading->font, PrintFont{10}); // first slot without amount
    EXPECT_EQ(f.canvas.find(u"合　　計"_qs)->y1, slotY(5));
    EXPECT_EQ(f.canvas.page, 2);
    EXPECT_NE(f.canvas.find(u"内訳 - 2 / 2"_qs), nullptr);

    // Blank rows at the top of a later page are passed over: two blank names take two rows.
    const std::vector<detailpages::Page> pages = detailpages::paginate(f.job());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].rows[0], 45);
    EXPECT_EQ(pages[1].rows[1], 46);
    EXPECT_EQ(pages[1].rows[2], 47);
}

TEST(DetailPages, PagePerItemAndNoRowLeftOffTheEnd)
{
    PrintFixture f;
    f.doc.settings.CheckBox6 = true;
    f.doc.pagisu = 2;
    f.row(1, {{0, u"A1"_qs}, {7, u"一"_qs}});
    f.row(2, {{7, u"線"_qs}, {20, u"5"_qs}});
    f.row(4, {{7, u"合　　計"_qs}, {20, u"5"_qs}});
    f.row(7, {{0, u"A2"_qs}, {7, u"二"_qs}});
    f.row(8, {{7, u"線2"_qs}, {20, u"7"_qs}});
    f.row(10, {{7, u"合　　計"_qs}, {20, u"7"_qs}});
    detailpages::draw(f.job(), f.canvas, false);
    EXPECT_EQ(f.canvas.find(u"二"_qs)->page, 2);
    EXPECT_EQ(f.canvas.find(u"二"_qs)->y1, slotY(1));
    EXPECT_NE(f.canvas.find(u"内訳 - 2 / 2"_qs), nullptr);
    // The rest of the first page stays empty and the divider runs from the next slot to the frame.
    bool divider = false;
    for (const Call &c : f.canvas.calls)
        divider = divider || (c.kind == Call::Line && c.page == 1 && c.x1 == 1383 && c.y1 == slotY(5) - 60
                              && c.y2 == 6606);
    EXPECT_TRUE(divider);

    // 100 rows that the layout's own count would cut at three pages all reach the paper.
    PrintFixture many;
    many.doc.irow2 = 100;
    for (int row = 1; row <= 100; ++row)
        many.row(row, {{7, u"r%1"_qs.arg(row)}, {20, u"1"_qs}});
    detailpages::draw(many.job(), many.canvas, false);
    EXPECT_NE(many.canvas.find(u"r100"_qs), nullptr);
    EXPECT_EQ(many.canvas.page, 3);
    EXPECT_NE(many.canvas.find(u"内訳 - 3 / 3"_qs), nullptr);
}
