#include "output/sheetvalueedits.h"

#include "sheetfixture.h"

#include <gtest/gtest.h>

#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

using Kind = sheetclick::Request::Kind;
using Line = SheetFixture::Line;

namespace {

// One item with three lights of the same description (one of them a lump sum "式", and the sheet
// merges them into one row), one of another specification, a panel board, and painting costs of
// 100 yen per unit at 80 %, compiled with the lines recalculated. Compilation puts the lines in
// code order, so the tests find them by their quantities, which differ.
struct LightsFixture : SheetFixture {
    int item = 0;
    static constexpr int quantities[] = {4, 2, 1, 3, 6}; // LED, LED, LED (式), 蛍光灯, 分電盤

    LightsFixture()
    {
        recalculate = true;
        item = addItem(u"1.電灯設備工事"_qs);
        addLine(item, {.name = u"照明器具"_qs, .price = 5000, .quantity = 4, .spec1 = u"LED"_qs});
        addLine(item, {.name = u"照明器具"_qs, .price = 5000, .quantity = 2, .spec1 = u"LED"_qs});
        addLine(item, {.name = u"照明器具"_qs, .price = 5000, .quantity = 1, .spec1 = u"LED"_qs, .unit = u"式"_qs});
        addLine(item, {.name = u"照明器具"_qs, .price = 5000, .quantity = 3, .spec1 = u"蛍光灯"_qs});
        addLine(item, {.name = u"分電盤"_qs, .price = 5000, .quantity = 6, .code = u"120"_qs});
        for (int r = 1; r <= doc.st1count; ++r)
            doc.lines.setCell(linecol::Painting, r, u"100"_qs);
        doc.items.setCell(itemcol::PaintingCompression, item, u"80"_qs);
        doc.settings.CheckBox11 = true; // painting amounts as computed, not rounded
        EXPECT_TRUE(compile());
    }

    // The line with this quantity.
    int line(int quantity) const
    {
        for (int r = 1; r <= doc.st1count; ++r)
            if (doc.lines.cell(linecol::Quantity, r) == QString::number(quantity))
                return r;
        return 0;
    }

    // The sheet row that shows line `line`.
    int sheetRowOf(int line) const
    {
        for (int r = 1; r < doc.sheet.rowCount(); ++r)
            if (at(sheetcol::No, r) == QString::number(line) && !at(sheetcol::Row, r).isEmpty()
                && at(sheetcol::Row, r).front().isDigit())
                return r;
        return 0;
    }

    sheetclick::Request request(Kind kind, int row, int column)
    {
        sheetclick::Request r;
        r.kind = kind;
        r.row = row;
        r.column = column;
        return r;
    }

    sheetclick::Request lineRequest(int quantity, int column)
    {
        sheetclick::Request r = request(Kind::LineRate, sheetRowOf(line(quantity)), column);
        r.line = line(quantity);
        return r;
    }

    // Column `column` of the lines, in the order of `quantities`.
    QStringList rates(int column) const
    {
        QStringList out;
        for (int q : quantities)
            out.append(doc.lines.cell(column, line(q)));
        return out;
    }
};

const QStringList unchanged{u"100"_qs, u"100"_qs, u"100"_qs, u"100"_qs, u"100"_qs};

} // namespace

// Painting costs of 1600 yen (16 units × 100) at 80 % give a compressed amount of 1280; typing
// a new amount sets the item's rate so that the recompiled row shows it.
TEST(SheetValueEdits, DerivedAmountSetsTheItemRate)
{
    struct Case { int column, itemColumn, rateColumn; const char16_t *typed, *rate; } cases[] = {
        {sheetcol::Compressed, itemcol::PaintingCompression, sheetcol::CompressionRate, u"960", u"60"},
        {sheetcol::Submitted, itemcol::PaintingSubmission, sheetcol::SubmissionRate, u"2000", u"125"},
        {sheetcol::Submitted, itemcol::PaintingSubmission, sheetcol::SubmissionRate, u"1000", u"62.5"},
    };
    for (const auto &c : cases) {
        LightsFixture f;
        const int row = f.rowNamed(u"塗 装 費"_qs);
        ASSERT_GT(row, 0);
        ASSERT_EQ(f.at(sheetcol::Compressed, row), u"1280"_qs);
        sheetclick::Request req = f.request(Kind::DerivedAmount, row, c.column);
        req.item = f.item;
        req.fieldCode = c.column == sheetcol::Compressed ? 35 : 36;
        f.doc.keypadText = QString::fromUtf16(c.typed);
        ASSERT_TRUE(sheetedit::enterValue(f.doc, f.host, req, QString::fromUtf16(c.typed)));
        EXPECT_EQ(f.doc.items.cell(c.itemColumn, f.item), QString::fromUtf16(c.rate));
        // The recompiled row takes the item's new rate (the compressed amount is the rate of the
        // painting costs, so it comes out as typed).
        const int after = f.rowNamed(u"塗 装 費"_qs);
        EXPECT_EQ(f.at(c.rateColumn, after), QString::fromUtf16(c.rate));
        if (c.column == sheetcol::Compressed) {
            EXPECT_EQ(f.at(c.column, after), QString::fromUtf16(c.typed));
        }
        EXPECT_EQ(f.doc.kidou, 1);
        EXPECT_EQ(f.doc.keypadText, QString());
    }
}

TEST(SheetValueEdits, LineRateFromRatePriceOrAmount)
{
    // The first light: list price 5000, corrected quantity 4.
    struct Case { int column; const char16_t *typed; int lineColumn; const char16_t *rate; } cases[] = {
        {sheetcol::CompressionRate, u"80", linecol::Compression, u"80"},
        {sheetcol::CompressedPrice, u"4000", linecol::Compression, u"80"},
        {sheetcol::Compressed, u"16000", linecol::Compression, u"80"},
        {sheetcol::SubmissionRate, u"90", linecol::Submission, u"90"},
        {sheetcol::SubmittedPrice, u"4500", linecol::Submission, u"90"},
        {sheetcol::Submitted, u"18000", linecol::Submission, u"90"},
        {sheetcol::Submitted, u"12400", linecol::Submission, u"62"},
    };
    for (const auto &c : cases) {
        LightsFixture f;
        ASSERT_TRUE(sheetedit::enterValue(f.doc, f.host, f.lineRequest(4, c.column), QString::fromUtf16(c.typed)));
        const QString rate = QString::fromUtf16(c.rate);
        // The same description takes it, except the lump sum; another specification does not.
        EXPECT_EQ(f.rates(c.lineColumn), (QStringList{rate, rate, u"100"_qs, u"100"_qs, u"100"_qs}));
        EXPECT_EQ(f.doc.kidou, 1);
    }

    // The recompiled sheet shows the amount typed (the panel board has a row of its own).
    LightsFixture f;
    ASSERT_TRUE(sheetedit::enterValue(f.doc, f.host, f.lineRequest(6, sheetcol::Submitted), u"27000"_qs));
    EXPECT_EQ(f.doc.lines.cell(linecol::Submission, f.line(6)), u"90"_qs);
    EXPECT_EQ(f.at(sheetcol::Submitted, f.sheetRowOf(f.line(6))), u"27000"_qs);
}

TEST(SheetValueEdits, ExpenseAmounts)
{
    LightsFixture f;
    Settings &s = f.doc.settings;
    auto enter = [&](const char16_t *field, int column, const QString &value) {
        sheetclick::Request req = f.request(Kind::ExpenseAmount, 1, column);
        req.field = QString::fromUtf16(field);
        return sheetedit::enterValue(f.doc, f.host, req, value);
    };
    ASSERT_TRUE(enter(u"Edit23", sheetcol::Submitted, u"5000"_qs));
    EXPECT_EQ(s.Edit23, u"5000"_qs);
    EXPECT_EQ(s.ComboBox35, u"手動計算"_qs);
    ASSERT_TRUE(enter(u"Edit24", sheetcol::Submitted, u"7000"_qs));
    EXPECT_EQ(s.Edit24, u"7000"_qs);
    ASSERT_TRUE(enter(u"Edit23", sheetcol::Submitted, u"0"_qs)); // 0 removes the manual amount
    EXPECT_EQ(s.Edit23, QString());
    EXPECT_EQ(s.Edit24, u"7000"_qs);

    s.Edit33 = u"運搬費"_qs;
    s.Edit37 = u"3"_qs;
    ASSERT_TRUE(enter(u"Edit41", sheetcol::Submitted, u"700"_qs));
    EXPECT_EQ(s.Edit41, u"700"_qs);
    EXPECT_EQ(s.Edit37, QString()); // an amount replaces the rate
    ASSERT_TRUE(enter(u"sonota2", sheetcol::SubmissionRate, u"85"_qs));
    EXPECT_EQ(f.doc.sonota[1], 85.0);
    EXPECT_EQ(f.doc.kidou, 1);

    // The shown overhead is the manual amount.
    s.CheckBox4 = false;
    ASSERT_TRUE(enter(u"Edit24", sheetcol::Submitted, u"7100"_qs));
    EXPECT_EQ(f.at(sheetcol::Submitted, f.rowNamed(u"諸経費"_qs)), u"7100"_qs);
}

TEST(SheetValueEdits, NothingChangesOnCancelOrFailure)
{
    // An empty value is a cancel.
    {
        LightsFixture f;
        EXPECT_FALSE(sheetedit::enterValue(f.doc, f.host, f.lineRequest(6, sheetcol::CompressionRate), QString()));
        EXPECT_EQ(f.rates(linecol::Compression), unchanged);
        EXPECT_EQ(f.doc.kidou, 0);
    }
    // A list price of 0 cannot give a rate: the platform's message, no change.
    {
        LightsFixture f;
        const sheetclick::Request req = f.lineRequest(6, sheetcol::CompressedPrice);
        f.doc.lines.setCell(linecol::Price, req.line, u"0"_qs);
        const TextGrid sheetBefore = f.doc.sheet;
        EXPECT_FALSE(sheetedit::enterValue(f.doc, f.host, req, u"4000"_qs));
        EXPECT_EQ(f.host.messageTexts(), QStringList{u"浮動小数点数の 0 による除算"_qs});
        EXPECT_EQ(f.rates(linecol::Compression), unchanged);
        EXPECT_EQ(f.doc.sheet.row(req.row), sheetBefore.row(req.row));
        EXPECT_EQ(f.doc.kidou, 0);
    }
    // A quantity that is no number stops silently before anything is written.
    {
        LightsFixture f;
        const sheetclick::Request req = f.lineRequest(6, sheetcol::Compressed);
        f.doc.lines.setCell(linecol::Corrected, req.line, u"abc"_qs);
        EXPECT_FALSE(sheetedit::enterValue(f.doc, f.host, req, u"16000"_qs));
        EXPECT_TRUE(f.host.messages.isEmpty());
        EXPECT_EQ(f.host.silentStops.size(), 1);
        EXPECT_EQ(f.rates(linecol::Compression), unchanged);
    }
    // A derived row whose amount is 0 gives no rate either.
    {
        LightsFixture f;
        const int row = f.rowNamed(u"塗 装 費"_qs);
        f.doc.sheet.setCell(sheetcol::Compressed, row, u"0"_qs);
        sheetclick::Request req = f.request(Kind::DerivedAmount, row, sheetcol::Compressed);
        req.item = f.item;
        req.fieldCode = 35;
        EXPECT_FALSE(sheetedit::enterValue(f.doc, f.host, req, u"500"_qs));
        EXPECT_EQ(f.doc.items.cell(itemcol::PaintingCompression, f.item), u"80"_qs);
        EXPECT_EQ(f.host.messages.size(), 1);
    }
}

// A drag over the rate column covers line rows only; the direction does not matter.
TEST(SheetValueEdits, RangeRateOverLineRows)
{
    for (bool upwards : {false, true}) {
        LightsFixture f;
        const int header = f.rowNamed(u"1.電灯設備工事"_qs, f.doc.irow1 + 1);
        const int painting = f.rowNamed(u"塗 装 費"_qs);
        ASSERT_GT(painting, header + 3);
        f.doc.nx6 = f.doc.ux6 = sheetcol::SubmissionRate;
        f.doc.ny6 = upwards ? painting : header;
        f.doc.uy6 = upwards ? header : painting;
        ASSERT_TRUE(sheetedit::enterRangeRate(f.doc, f.host, u"95"_qs));
        // Every line shown in the range (the merged row stands for one line of the lights, whose
        // description reaches the others); the item's painting rate stays.
        EXPECT_EQ(f.rates(linecol::Submission), (QStringList{u"95"_qs, u"95"_qs, u"95"_qs, u"95"_qs, u"95"_qs}));
        EXPECT_EQ(f.rates(linecol::Compression), unchanged);
        EXPECT_EQ(f.doc.items.cell(itemcol::PaintingSubmission, f.item), u"100"_qs);
        EXPECT_EQ(f.doc.kidou, 1);
    }

    // Only the panel board's row: no other line follows.
    LightsFixture f;
    f.doc.nx6 = f.doc.ux6 = sheetcol::CompressionRate;
    f.doc.ny6 = f.sheetRowOf(f.line(6));
    f.doc.uy6 = f.doc.ny6 + 1;
    ASSERT_TRUE(sheetedit::enterRangeRate(f.doc, f.host, u"70"_qs));
    EXPECT_EQ(f.rates(linecol::Compression), (QStringList{u"100"_qs, u"100"_qs, u"100"_qs, u"100"_qs, u"70"_qs}));
    EXPECT_FALSE(sheetedit::enterRangeRate(f.doc, f.host, QString()));
}

TEST(SheetValueEdits, PercentKeyReadsLabourOffTheLabourRow)
{
    LightsFixture f;
    f.doc.sheet.setCell(sheetcol::Name, 50, f.doc.settings.Edit52);
    EXPECT_FALSE(sheetedit::labourKeyFor(f.doc, 50));
    EXPECT_TRUE(sheetedit::labourKeyFor(f.doc, f.sheetRowOf(f.line(6))));
    EXPECT_TRUE(sheetedit::labourKeyFor(f.doc, f.rowNamed(u"塗 装 費"_qs)));
}
