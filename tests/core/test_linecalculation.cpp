#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"

#include <gtest/gtest.h>

#include <map>

using namespace linecol;

namespace {

// An estimate with labour price 20000 and consumables 3 %, and lines given by their cells.
struct Fixture {
    EstimateDocument doc;
    ScriptedHost host;

    Fixture()
    {
        doc.roumutanka = 20000;
        doc.zatuzaihi = 3;
    }

    int addLine(const std::map<int, QString> &cells)
    {
        const int r = ++doc.st1count;
        doc.lines.setCell(No, r, QString::number(r));
        doc.lines.setCell(Kind, r, u"通常品"_qs);
        doc.lines.setCell(Quantity, r, u"1"_qs);
        for (const auto &[column, text] : cells)
            doc.lines.setCell(column, r, text);
        return r;
    }

    const QString &cell(int column, int row = 1) const { return doc.lines.cell(column, row); }
    bool recalc() { return linecalc::recalculateAll(doc, host); }
};

} // namespace

TEST(LineCalculation, CorrectedQuantity)
{
    struct Case { const char16_t *quantity, *allowance; bool decimals; const char16_t *corrected; } cases[] = {
        {u"2.5", u"100", false, u"3"}, {u"3", u"110", false, u"3"}, {u"3", u"110", true, u"3.3"},
        {u"10", u" ", false, u"10"}, {u"", u"", false, u"0"}, {u"-2.5", u"100", false, u"-3"},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.doc.settings.CheckBox7 = c.decimals;
        f.addLine({{Quantity, QString::fromUtf16(c.quantity)}, {Allowance, QString::fromUtf16(c.allowance)}});
        ASSERT_TRUE(f.recalc());
        EXPECT_EQ(f.cell(Corrected), QString::fromUtf16(c.corrected)) << QString::fromUtf16(c.quantity).toStdString();
    }
}

// Every step is a double: q = 105 / 100 is the double nearest 1.05, and 1.05 × 3630 = 3811.5
// exactly, which rounds to even. q = 115 / 100 is the double 1.149999…, so q × 330 is
// 379.49999999999994 and rounds down where decimal arithmetic would give 379.5 and 380. The
// registration calculation gives the same amounts.
TEST(LineCalculation, AmountsAreComputedInDouble)
{
    struct Case { const char16_t *allowance, *price, *corrected, *material; } cases[] = {
        {u"105", u"3630", u"1.05", u"3812"},
        {u"115", u"330", u"1.15", u"379"},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.doc.settings.CheckBox7 = true;
        f.addLine({{C, u"145"_qs}, {Allowance, QString::fromUtf16(c.allowance)}, {Price, QString::fromUtf16(c.price)}});
        ASSERT_TRUE(f.recalc());
        const auto name = QString::fromUtf16(c.allowance).toStdString();
        EXPECT_EQ(f.cell(Corrected), QString::fromUtf16(c.corrected)) << name;
        EXPECT_EQ(f.cell(Material), QString::fromUtf16(c.material)) << name;
        EXPECT_EQ(f.cell(Compressed), QString::fromUtf16(c.material)) << name;

        linecalc::EntryFields fields;
        fields.kind = u"通常品"_qs;
        fields.codeClass = u"145"_qs;
        fields.quantity = u"1"_qs;
        fields.allowance = QString::fromUtf16(c.allowance);
        fields.price = QString::fromUtf16(c.price);
        const auto entry = linecalc::calculateEntry(fields, {20000, 3, true, false});
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->corrected, QString::fromUtf16(c.corrected)) << name;
        EXPECT_EQ(entry->material, QString::fromUtf16(c.material)) << name;
        EXPECT_EQ(entry->compressed, QString::fromUtf16(c.material)) << name;
    }
}

TEST(LineCalculation, MinimumsOfAccessoriesMountingAndCeiling)
{
    Fixture f;
    f.addLine({{Price, u"100"_qs}, {Accessory, u"1"_qs}, {Mounting, u"1"_qs}, {Ceiling, u"0.01"_qs}});
    f.addLine({{Price, u"100"_qs}});
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(AccessoryCost), u"20"_qs);
    EXPECT_EQ(f.cell(MountingCost), u"200"_qs);
    EXPECT_EQ(f.cell(CeilingCost), u"200"_qs);
    // Blank rates become "0" and give no cost.
    EXPECT_EQ(f.cell(Accessory, 2), u"0"_qs);
    EXPECT_EQ(f.cell(AccessoryCost, 2), u"0"_qs);
    EXPECT_EQ(f.cell(MountingCost, 2), u"0"_qs);
    EXPECT_EQ(f.cell(CeilingCost, 2), u"0"_qs);
    EXPECT_EQ(f.cell(Compression, 2), u"100"_qs);
    EXPECT_EQ(f.cell(Submission, 2), u"100"_qs);
}

TEST(LineCalculation, KindsOfLine)
{
    struct Case { const char16_t *kind; const char16_t *labour, *material, *compressed, *submittedPrice, *accessory; } cases[] = {
        {u"通常品", u"20000", u"1000", u"1000", u"1000", u"100"},
        {u"撤去", u"4000", u"0", u"0", u"0", u"0"},
        {u"撤去再取付", u"32000", u"0", u"0", u"0", u"0"},
        {u"御支給品", u"20000", u"0", u"0", u"0", u"100"},
        {u"別途", u"20000", u"0", u"0", u"0", u"100"},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.doc.settings.ComboBox42 = u"1"_qs;
        f.addLine({{Kind, QString::fromUtf16(c.kind)}, {Price, u"1000"_qs}, {Factor, u"1"_qs}, {Accessory, u"10"_qs}});
        ASSERT_TRUE(f.recalc());
        const auto kind = QString::fromUtf16(c.kind).toStdString();
        EXPECT_EQ(f.cell(Labour), QString::fromUtf16(c.labour)) << kind;
        EXPECT_EQ(f.cell(Material), QString::fromUtf16(c.material)) << kind;
        EXPECT_EQ(f.cell(Compressed), QString::fromUtf16(c.compressed)) << kind;
        EXPECT_EQ(f.cell(SubmittedPrice), QString::fromUtf16(c.submittedPrice)) << kind;
        EXPECT_EQ(f.cell(AccessoryCost), QString::fromUtf16(c.accessory)) << kind;
    }
}

TEST(LineCalculation, CableRatesFollowTheCopperBaseWithoutCompounding)
{
    Fixture f;
    f.doc.Curitu = 1.125;
    f.doc.controls.Label171.text = u"1.125"_qs;
    f.addLine({{C, u"146"_qs}, {Price, u"100"_qs}, {Submission, u"60"_qs}, {Compression, u"62.5"_qs}});
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(Submission), u"68"_qs); // 67.5 to even
    EXPECT_EQ(f.cell(BaseSubmission), u"60"_qs);
    EXPECT_EQ(f.cell(Compression), u"70"_qs); // 70.3125
    EXPECT_EQ(f.cell(CopperFactor), u"1.125"_qs);
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(Submission), u"68"_qs);

    f.doc.Curitu = 1;
    f.doc.lines.setCell(BaseSubmission, 1, u"62.5"_qs);
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(Submission), u"62"_qs);

    // The manual box of the unit window keeps the rates as they are.
    f.doc.settings.TForm6_CheckBox1 = true;
    f.doc.Curitu = 2;
    f.doc.lines.setCell(Submission, 1, u"55"_qs);
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(Submission), u"55"_qs);
}

TEST(LineCalculation, AMaterialRounding)
{
    struct Case { const char16_t *price, *unit, *submittedPrice, *rate; } cases[] = {
        {u"1234", u"10", u"1230", nullptr}, {u"1235", u"10", u"1240", nullptr},
        {u"1230", u"10", u"1230", u"100"}, {u"7", u"10", u"7", u"100"},
        {u"1500", u"10", u"1500", u"100"},
        {u"1234", u"", u"1234", nullptr}, {u"1234", u"-5", u"1234", nullptr}, {u"1234", u"abc", u"1234", nullptr},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.doc.settings.ComboBox42 = QString::fromUtf16(c.unit);
        f.addLine({{C, u"107"_qs}, {Price, QString::fromUtf16(c.price)}, {Quantity, u"2"_qs}});
        ASSERT_TRUE(f.recalc());
        EXPECT_EQ(f.cell(SubmittedPrice), QString::fromUtf16(c.submittedPrice)) << QString::fromUtf16(c.price).toStdString();
        if (c.rate) {
            EXPECT_EQ(f.cell(Submission), QString::fromUtf16(c.rate));
        }
    }
    // The submission rate reads the exact ratio.
    Fixture f;
    f.addLine({{C, u"107"_qs}, {Price, u"1500"_qs}, {Submission, u"82.1"_qs}});
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(SubmittedPrice), u"1230"_qs);
    EXPECT_EQ(f.cell(Submission), u"82"_qs);
    EXPECT_EQ(f.cell(Submitted), u"1230"_qs);
    // An empty unit is written back as "1"; consumables classes are not rounded.
    Fixture g;
    g.doc.settings.ComboBox42 = QString();
    g.addLine({{C, u"145"_qs}, {Price, u"1234"_qs}});
    ASSERT_TRUE(g.recalc());
    EXPECT_EQ(g.doc.settings.ComboBox42, u"1"_qs);
}

TEST(LineCalculation, ConsumablesAndPainting)
{
    Fixture f;
    f.doc.items.setCell(itemcol::PaintingSubmission, 1, u"50"_qs);
    f.addLine({{C, u"145"_qs}, {Accessory, u"10"_qs}, {Mounting, u"0"_qs}, {Price, u"1000"_qs},
               {Quantity, u"2"_qs}, {Painting, u"101"_qs}, {ItemRow, u"1"_qs}});
    f.addLine({{C, u"107"_qs}, {Price, u"1000"_qs}, {Painting, u"100"_qs}, {ItemRow, u"2"_qs}});
    ASSERT_TRUE(f.recalc());
    EXPECT_EQ(f.cell(Consumables), u"66"_qs);   // U = 100 + 0 + 1000, v = 33
    EXPECT_EQ(f.cell(PaintingCost), u"101"_qs); // 50 % of 202
    EXPECT_EQ(f.cell(Consumables, 2), QString()); // other classes leave it alone
    EXPECT_EQ(f.doc.items.cell(itemcol::PaintingSubmission, 2), u"100"_qs);
    EXPECT_EQ(f.cell(PaintingCost, 2), u"100"_qs);
}

TEST(LineCalculation, StopsSilentlyAtTheFirstBadCell)
{
    Fixture f;
    for (int i = 1; i <= 10; ++i)
        f.addLine({{Price, u"100"_qs}, {Quantity, i == 5 ? u"abc"_qs : u"2"_qs}});
    f.doc.lines.setCell(Corrected, 6, u"old"_qs);
    EXPECT_FALSE(f.recalc());
    EXPECT_EQ(f.cell(Submitted, 4), u"200"_qs);
    EXPECT_EQ(f.cell(Corrected, 5), QString());
    EXPECT_EQ(f.cell(Corrected, 6), u"old"_qs);
    EXPECT_EQ(f.cell(Submitted, 6), QString());
    EXPECT_TRUE(f.host.messages.isEmpty());
    ASSERT_EQ(f.host.silentStops.size(), 1);
    EXPECT_TRUE(f.host.silentStops[0].endsWith(u"abc"_qs));

    // Failing part-way through a row keeps the steps before it.
    Fixture g;
    g.addLine({{Price, u"100"_qs}, {Factor, u"1"_qs}, {Accessory, u"x"_qs}});
    EXPECT_FALSE(g.recalc());
    EXPECT_EQ(g.cell(Labour), u"20000"_qs);
    EXPECT_EQ(g.cell(Submission), u"100"_qs);
    EXPECT_EQ(g.cell(AccessoryCost), QString());
}

TEST(LineCalculation, LineEditWritesTheKeypadTextAndRecalculates)
{
    Fixture f;
    f.addLine({{Price, u"1000"_qs}, {Quantity, u"2"_qs}});
    f.doc.rafu1 = 1;
    f.doc.rafu2 = Submission;
    f.doc.keypadText = u"80"_qs;
    ASSERT_TRUE(linecalc::lineEdit(f.doc, f.host));
    EXPECT_EQ(f.cell(Submitted), u"1600"_qs);
}

TEST(LineCalculation, RegistrationVariant)
{
    linecalc::EntryFields fields;
    fields.kind = u"通常品"_qs;
    fields.codeClass = u"107"_qs;
    fields.quantity = u"3"_qs;
    fields.allowance = u"110"_qs;
    fields.price = u"1235"_qs;
    fields.compression = u"50.5"_qs;
    fields.submission = u"100"_qs;
    linecalc::EntryContext context{20000, 3, false, false};
    auto r = linecalc::calculateEntry(fields, context);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->corrected, u"3"_qs);
    EXPECT_EQ(r->submittedPrice, u"1235"_qs); // no A-material rounding
    EXPECT_FALSE(r->consumables.has_value());

    // The compressed amount rounds to even: 25 % of 10 is 2.5.
    auto half = fields;
    half.quantity = u"1"_qs;
    half.allowance = u"100"_qs;
    half.price = u"10"_qs;
    half.compression = u"25"_qs;
    EXPECT_EQ(linecalc::calculateEntry(half, context)->compressed, u"2"_qs);

    // Entered on the estimate sheet: the typed quantity is the corrected one.
    context.onSheet = true;
    fields.quantity = u"4.5"_qs;
    r = linecalc::calculateEntry(fields, context);
    EXPECT_EQ(r->corrected, u"4"_qs);  // 4.5 to even
    EXPECT_EQ(r->quantity, u"4"_qs);   // 4.0909 half away from zero

    fields.kind = u"注釈行"_qs;
    EXPECT_FALSE(linecalc::calculateEntry(fields, context));

    EXPECT_EQ(linecalc::submittedPricePreview(u"1235"_qs, u"85"_qs), u"提出単価：1050"_qs);
    EXPECT_FALSE(linecalc::submittedPricePreview(QString(), u"85"_qs));
}
