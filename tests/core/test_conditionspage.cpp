#include "output/conditionspage.h"

#include "printfixture.h"

#include <gtest/gtest.h>

TEST(ConditionsPage, AppliedConditionsOnOneOrTwoPages)
{
    {
        PrintFixture f;
        conditionspage::draw(f.job(), f.canvas, true);
        EXPECT_TRUE(f.canvas.calls.empty());
        EXPECT_EQ(f.canvas.page, 1); // no page begun for nothing
    }
    {
        PrintFixture f;
        f.doc.settings.Edit22 = u"改修工事"_qs;
        f.doc.settings.Edit60 = u"第二期"_qs;
        f.doc.conditions.setCell(1, 3, u" ■"_qs);
        f.doc.conditions.setCell(2, 3, u"夜間作業は含みません。"_qs);
        f.doc.conditions.setCell(1, 7, u" ■"_qs);
        f.doc.conditions.setCell(2, 7, u"仮設電気は別途。"_qs);
        f.doc.conditions.setCell(2, 5, u"適用されない条件"_qs);
        conditionspage::draw(f.job(), f.canvas, false);
        EXPECT_EQ(f.canvas.find(u"見積条件項目"_qs)->x1, 570);
        EXPECT_EQ(f.canvas.find(u"改修工事第二期"_qs)->x1, 1420);
        const auto *second = f.canvas.find(u"■ 仮設電気は別途。"_qs);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->x1, 270);
        EXPECT_EQ(second->y1, 490 + 171 * 2);
        EXPECT_EQ(f.canvas.findContaining(u"適用されない"_qs), nullptr);
        EXPECT_EQ(f.canvas.find(f.doc.settings.Edit2)->font, (PrintFont{9, true}));
        EXPECT_EQ(f.canvas.find(u"条件書 - 1 / 1"_qs)->x1, 4000);
    }
    for (int applied : {35, 36}) {
        PrintFixture f;
        f.applyConditions(applied);
        conditionspage::draw(f.job(), f.canvas, true);
        EXPECT_EQ(f.canvas.page, applied == 35 ? 2 : 3) << applied;
        EXPECT_EQ(f.canvas.find(u"■ 条件35"_qs)->y1, 490 + 171 * 35);
        if (applied == 36) {
            EXPECT_EQ(f.canvas.find(u"見積除外項目"_qs)->page, 3);
            EXPECT_NE(f.canvas.find(u"※下記項目は別途とし、本見積書に含みません。"_qs, 3), nullptr);
            EXPECT_EQ(f.canvas.find(u"■ 条件36"_qs)->y1, 490 + 171);
            EXPECT_NE(f.canvas.find(u"条件書 - 2 / 2"_qs, 3), nullptr);
            EXPECT_NE(f.canvas.find(u"条件書 - 1 / 2"_qs, 2), nullptr);
        }
    }
}
