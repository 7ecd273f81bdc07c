#include "sheetfixture.h"

#include "catalog/copperbase.h"
#include "estimate/columns.h"

#include <gtest/gtest.h>

TEST(CopperBase, Multipliers)
{
    struct Case { double base; const char16_t *text; } cases[] = {
        {500, u"0.7"}, {700, u"0.9"}, {800, u"1"}, {900, u"1.1"}, {1000, u"1.2"}, {1100, u"1.3"},
        {1199, u"1.399"}, {1200, u"1.5"}, {1300, u"1.6"}, {1400, u"1.7"}, {1499, u"1.799"},
        {1500, u"1.9"}, {2000, u"2.4"}, {100, u"0.3"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(num::shortest(copperbase::multiplier(c.base)), QString::fromUtf16(c.text)) << c.base;
}

namespace {

struct CopperFixture : SheetFixture {
    int cable = 0;
    int lamp = 0;
    CopperFixture()
    {
        recalculate = true;
        addItem(u"1.幹線設備工事"_qs);
        cable = addLine(1, {.name = u"CVケーブル"_qs, .price = 1000, .quantity = 10, .code = u"146"_qs, .unit = u"ｍ"_qs});
        lamp = addLine(1, {.name = u"照明器具"_qs, .price = 1000, .code = u"107"_qs});
        for (int r : {cable, lamp}) {
            doc.lines.setCell(linecol::Compression, r, u"50"_qs);
            doc.lines.setCell(linecol::Submission, r, u"60"_qs);
        }
        doc.settings.Edit62 = u"800"_qs;
    }
    // The unit window closed with `base` in its copper-base list.
    bool adjust(const QString &base, bool settingsShown = false)
    {
        host.copperBaseAnswers = {base};
        return copperbase::adjust(doc, host, settingsShown);
    }
    // Compilation sorts the lines, so they are found by name.
    const QString &cell(int c, int r) const
    {
        const QString name = r == cable ? u"CVケーブル"_qs : u"照明器具"_qs;
        for (int row = 1; row <= doc.st1count; ++row)
            if (doc.lines.cell(linecol::Name, row) == name)
                return doc.lines.cell(c, row);
        return doc.lines.cell(c, 0);
    }
};

} // namespace

TEST(CopperBase, AdjustmentRecalculatesCableRates)
{
    CopperFixture f;
    ASSERT_TRUE(f.adjust(u"1000"_qs));
    EXPECT_EQ(f.host.copperBaseShown, QStringList{u"800"_qs});
    EXPECT_EQ(f.doc.settings.Edit62, u"1000");
    EXPECT_DOUBLE_EQ(f.doc.Curitu, 1.2);
    EXPECT_EQ(f.doc.controls.Label171.text, u"1.2");
    EXPECT_EQ(f.cell(linecol::Submission, f.cable), u"72");
    EXPECT_EQ(f.cell(linecol::Compression, f.cable), u"60");
    EXPECT_EQ(f.cell(linecol::BaseSubmission, f.cable), u"60");
    EXPECT_EQ(f.cell(linecol::CopperFactor, f.cable), u"1.2");
    EXPECT_EQ(f.cell(linecol::Submission, f.lamp), u"60");
    EXPECT_TRUE(f.doc.controls.showSheet);

    // A second adjustment starts from the base rates again.
    ASSERT_TRUE(f.adjust(u"500"_qs));
    EXPECT_EQ(f.cell(linecol::Submission, f.cable), u"42");
}

// The manual box of the unit window keeps cable rates as they are.
TEST(CopperBase, ManualBoxKeepsRates)
{
    CopperFixture f;
    f.doc.copperManualFlag = 1; // the estimate stores the manual choice; the window shows it
    ASSERT_TRUE(f.adjust(u"2000"_qs));
    EXPECT_TRUE(f.doc.settings.TForm6_CheckBox1);
    EXPECT_DOUBLE_EQ(f.doc.Curitu, 2.4);
    EXPECT_EQ(f.cell(linecol::Submission, f.cable), u"60");
}

TEST(CopperBase, WhenNothingIsRecalculated)
{
    // Without a unit window the list keeps the setting, and the multiplier follows it.
    {
        CopperFixture f;
        f.doc.settings.Edit62 = u"1500"_qs;
        ASSERT_TRUE(copperbase::adjust(f.doc, f.host, false));
        EXPECT_EQ(f.doc.controls.Label171.text, u"1.9");
    }
    // The settings screen is open, or there is no current item: the multiplier only.
    for (bool settingsShown : {true, false}) {
        CopperFixture f;
        if (!settingsShown)
            f.doc.controls.Label18.text.clear();
        ASSERT_TRUE(f.adjust(u" "_qs, settingsShown));
        EXPECT_EQ(f.doc.controls.Label171.text, u"0.3");
        EXPECT_EQ(f.cell(linecol::Submission, f.cable), u"60");
        EXPECT_FALSE(f.doc.controls.showSheet);
    }

    // A base that is not a number: shown, Edit62 takes the text, the multiplier stays.
    CopperFixture f;
    EXPECT_FALSE(f.adjust(u"8OO"_qs));
    EXPECT_EQ(f.doc.settings.Edit62, u"8OO");
    EXPECT_DOUBLE_EQ(f.doc.Curitu, 1.0);
    EXPECT_EQ(f.doc.controls.Label171.text, u"1");
    EXPECT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.cell(linecol::Submission, f.cable), u"60");
}
