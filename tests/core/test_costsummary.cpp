#include "sheetfixture.h"
#include "workbooktesting.h"

#include "base/conversionerror.h"
#include "export/costsummary.h"
#include "export/exporting.h"
#include "export/exportprogress.h"

#include <gtest/gtest.h>

namespace {

using namespace linecol;

// A document with lines given by their codes and amounts, filled into the cost summary form
// without compiling: the sheet rows the form reads are set by each test.
struct CostForm {
    EstimateDocument doc;
    Workbook book;
    ExportProgress progress;

    CostForm() { doc.roumutanka = 20000; }

    int line(const QString &name, QStringList code, int material, int submitted, int compressed,
             int accessories = 0, int mounting = 0)
    {
        const int r = ++doc.st1count;
        doc.lines.setRowCount(r + 2);
        while (code.size() < 4)
            code.append(u"01"_qs);
        for (int k = 0; k < 4; ++k)
            doc.lines.setCell(C + k, r, code[k]);
        doc.lines.setCell(Name, r, name);
        doc.lines.setCell(Material, r, QString::number(material));
        doc.lines.setCell(Submitted, r, QString::number(submitted));
        doc.lines.setCell(Compressed, r, QString::number(compressed));
        doc.lines.setCell(AccessoryCost, r, QString::number(accessories));
        doc.lines.setCell(MountingCost, r, QString::number(mounting));
        return r;
    }

    Worksheet &fill()
    {
        costsummary::build(doc, book, progress);
        return book.sheet(1);
    }
};

QString text(Worksheet &s, QStringView address)
{
    const a1::Cell c = *a1::parseCell(address);
    return s.text(c.row, c.column);
}

// Where a line's estimated, submitted and ordered amounts land, and its accessories and mounting
// material, by code.
TEST(CostSummary, CodesChooseTheirRows)
{
    struct Case {
        QStringList code;
        const char16_t *estimated, *submitted, *ordered;
        int accessoryRow, mountingRow;
    } cases[] = {
        {{u"111"_qs}, u"C6", u"E6", u"G6", 56, 7},
        {{u"102"_qs}, u"C8", u"E8", u"G8", 56, 6},
        {{u"109"_qs}, u"C14", u"E14", u"G14", 56, 7},
        {{u"107"_qs, u"05"_qs}, u"C22", u"E22", u"G22", 56, 7},
        {{u"107"_qs, u"13"_qs}, u"C30", u"E30", u"G30", 56, 7},
        {{u"115"_qs}, u"C30", u"E30", u"G30", 56, 6},
        {{u"120"_qs, u"02"_qs}, u"C33", u"E33", u"G33", 56, 56},
        {{u"124"_qs, u"01"_qs}, u"C40", u"E40", u"G40", 56, 56},
        {{u"128"_qs}, u"C49", u"E49", u"G49", 56, 56},
        {{u"140"_qs, u"04"_qs}, u"N13", u"P13", u"R13", 14, 15},
        {{u"140"_qs, u"10"_qs, u"01"_qs}, u"N30", u"P30", u"R30", 31, 32},
        {{u"146"_qs, u"01"_qs}, u"N38", u"P38", u"R38", 39, 56},
        {{u"146"_qs, u"09"_qs}, u"N49", u"P49", u"R49", 50, 51},
        {{u"146"_qs, u"16"_qs}, u"N43", u"P43", u"R43", 56, 56},
        {{u"148"_qs, u"02"_qs}, u"N8", u"P8", u"R8", 56, 56},
        {{u"149"_qs, u"06"_qs}, u"N33", u"P33", u"R33", 56, 56},
        {{u"153"_qs}, u"N10", u"P10", u"R10", 56, 56},
        {{u"157"_qs}, u"N55", u"P55", u"R55", 56, 56},
        {{u"302"_qs}, u"W12", u"AA12", u"AD12", 56, 56},
        {{u"301"_qs, u"99"_qs, u"01"_qs, u"05"_qs}, u"W11", u"AA11", u"AD11", 56, 56},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code.join(u'-').toStdString());
        CostForm f;
        f.line(u"材料"_qs, c.code, 1000, 900, 800, c.accessoryRow == 57 ? 0 : 50, 30);
        Worksheet &s = f.fill();
        EXPECT_EQ(text(s, c.estimated), u"1000");
        EXPECT_EQ(text(s, c.submitted), u"900");
        EXPECT_EQ(text(s, c.ordered), u"800");
        EXPECT_EQ(s.style(a1::parseCell(c.estimated)->row, a1::parseCell(c.estimated)->column).numberFormat, u"#,##0");
        // Accessories and mounting material that share a row add up there.
        const bool shared = c.accessoryRow == c.mountingRow;
        if (c.accessoryRow != 57) {
            for (const char16_t *col : {u"N", u"P", u"R"})
                EXPECT_EQ(text(s, QString::fromUtf16(col) + QString::number(c.accessoryRow)), shared ? u"80" : u"50");
        }
        for (const char16_t *col : {u"N", u"P", u"R"})
            EXPECT_EQ(text(s, QString::fromUtf16(col) + QString::number(c.mountingRow)), shared ? u"80" : u"30");
    }
}

TEST(CostSummary, AnUnknownCodeGoesToConsumablesWhoseSheetSumsReplaceTheOthers)
{
    CostForm f;
    f.line(u"謎"_qs, {u"999"_qs}, 1000, 900, 800);
    f.doc.irow1 = 1;
    f.doc.irow2 = 3;
    f.doc.sheet.setRowCount(5);
    for (const auto &[row, compressed, submitted] : {std::tuple{2, u"70", u"90"}, std::tuple{3, u"30", u"10"}}) {
        f.doc.sheet.setCell(2, row, u"159"_qs);
        f.doc.sheet.setCell(3, row, u"03"_qs);
        f.doc.sheet.setCell(17, row, QString::fromUtf16(compressed));
        f.doc.sheet.setCell(20, row, QString::fromUtf16(submitted));
    }
    Worksheet &s = f.fill();
    EXPECT_EQ(text(s, u"N58"), u"1000");
    EXPECT_EQ(text(s, u"P58"), u"100");
    EXPECT_EQ(text(s, u"R58"), u"100");
}

TEST(CostSummary, FurtherExpenseLinesShareTheLastRow)
{
    CostForm f;
    for (QChar name : QStringView(u"ABCDEFG"))
        f.line(QString(name), {u"301"_qs, u"99"_qs, u"02"_qs, u"01"_qs}, 100, 100, 100);
    f.doc.settings.Edit32 = u"諸経費調整"_qs;
    f.doc.irow1 = 1;
    f.doc.sheet.setCell(7, 1, u"諸経費調整"_qs);
    f.doc.sheet.setCell(20, 1, u"-5000"_qs);
    f.doc.sheet.setCell(17, 1, u"-4000"_qs);
    Worksheet &s = f.fill();
    // The extra expense row named like the setting takes row 23 over from the second line.
    EXPECT_EQ(text(s, u"V22"), u"A");
    EXPECT_EQ(text(s, u"V23"), u"諸経費調整");
    EXPECT_EQ(text(s, u"W23"), u"-5000");
    EXPECT_EQ(text(s, u"AD23"), u"-4000");
    EXPECT_EQ(text(s, u"V25"), u"D");
    EXPECT_EQ(text(s, u"V26"), u"E+F+G");
    EXPECT_EQ(text(s, u"W26"), u"300");
}

TEST(CostSummary, LabourGivesManDaysAndOrderPrice)
{
    struct Case {
        int labour;
        const char16_t *manDays, *orderPrice;
    } cases[] = {{40000, u"2", u"15000"}, {0, u"0", u"0"}};
    for (const Case &c : cases) {
        CostForm f;
        const int r = f.line(u"労 務 費"_qs, {u"301"_qs, u"99"_qs, u"01"_qs, u"12"_qs}, 0, 0, 0);
        f.doc.lines.setCell(Labour, r, QString::number(c.labour));
        f.doc.irow2 = 1;
        f.doc.sheet.setCell(2, 1, u"301"_qs);
        f.doc.sheet.setCell(4, 1, u"01"_qs);
        f.doc.sheet.setCell(5, 1, u"12"_qs);
        f.doc.sheet.setCell(17, 1, c.labour ? u"30000"_qs : u"0"_qs);
        f.doc.sheet.setCell(20, 1, c.labour ? u"40000"_qs : u"0"_qs);
        Worksheet &s = f.fill();
        EXPECT_EQ(text(s, u"W6"), QString::number(c.labour));
        EXPECT_EQ(text(s, u"AK7"), QString::fromUtf16(c.manDays));
        EXPECT_EQ(text(s, u"AN7"), QString::fromUtf16(c.manDays));
        EXPECT_EQ(s.style(7, 37).numberFormat, u"0.00");
        EXPECT_EQ(text(s, u"AK8"), u"20000");
        EXPECT_EQ(text(s, u"AN8"), QString::fromUtf16(c.orderPrice));
        EXPECT_EQ(text(s, u"V6"), u"労 務 費");
    }
}

TEST(CostSummary, FractionalSheetAmountsAndNoLabourPriceStopTheForm)
{
    CostForm fractional;
    fractional.doc.irow2 = 1;
    fractional.doc.sheet.setCell(2, 1, u"159"_qs);
    fractional.doc.sheet.setCell(3, 1, u"03"_qs);
    fractional.doc.sheet.setCell(20, 1, u"10.5"_qs);
    EXPECT_THROW(fractional.fill(), ConversionError);

    CostForm noPrice;
    noPrice.doc.roumutanka = 0;
    EXPECT_THROW(noPrice.fill(), ConversionError);
}

// The summary's formulas carry values computed from the amounts.
TEST(CostSummary, SummaryFormulasCarryTheirValues)
{
    CostForm f;
    f.line(u"盤"_qs, {u"101"_qs}, 1234567, 1000000, 800000);
    f.doc.sougoukei = 2000000;
    Worksheet &s = f.fill();
    EXPECT_EQ(s.value(31, 3).text, u"=SUM(C6:C30)");
    EXPECT_EQ(text(s, u"C31"), u"1234567");
    EXPECT_EQ(s.value(42, 23).text, u"=IF(C31=0,\"\",round(C31/1000,0))");
    EXPECT_EQ(text(s, u"W42"), u"1235");
    EXPECT_EQ(text(s, u"AA42"), u"1000");
    EXPECT_EQ(text(s, u"Y42"), QString::number(1000.0 / 1235, 'g', 15));
    EXPECT_EQ(text(s, u"W51"), u"1235");
    EXPECT_EQ(text(s, u"W52"), u"2000");
    EXPECT_EQ(text(s, u"AA52"), u"0.6"); // 1 - 800 / 2000
    EXPECT_EQ(text(s, u"D7"), u"0.81");
    EXPECT_EQ(text(s, u"D8"), u"");
    EXPECT_EQ(text(s, u"AA53"), u""); // no floor area typed yet
    EXPECT_EQ(s.merges().size() > 300, true);
    EXPECT_EQ(s.style(2, 25).edges[CellFormat::Diagonal], CellFormat::Thin);
    EXPECT_EQ(s.style(20, 37).edges[CellFormat::Left], CellFormat::NoLine); // the open remarks area
    EXPECT_EQ(s.style(10, 36).edges[CellFormat::Left], CellFormat::Hairline);
    EXPECT_EQ(s.style(20, 34).edges[CellFormat::Left], CellFormat::Thin);
    EXPECT_EQ(s.pageSetup().printArea, u"A1:AQ59");
}

TEST(CostSummaryExport, CompositePricesAreBackAfterTheExport)
{
    SheetFixture f;
    f.recalculate = true;
    const int item = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(item, {.name = u"LED照明器具"_qs, .price = 12000, .quantity = 3, .labour = 5400});
    f.doc.settings.CheckBox8 = true;
    ASSERT_TRUE(f.compile());
    const QStringList before = f.column(19, 1, f.doc.sheet.rowCount() - 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"cost.xlsx"_qs);
    f.host.saveNames = {path};
    ExportProgress progress;
    ASSERT_TRUE(exporting::Button94Click(f.doc, f.host, progress));
    EXPECT_TRUE(f.doc.settings.CheckBox8);
    EXPECT_TRUE(f.doc.controls.Button94.enabled);
    EXPECT_EQ(f.column(19, 1, f.doc.sheet.rowCount() - 1), before);
    auto book = XlsxBook::open(path);
    ASSERT_TRUE(book.ok());
    EXPECT_EQ(book.value()->sheetNames(), (QStringList{u"原価集計表"_qs, u"Sheet2"_qs, u"Sheet3"_qs}));
    EXPECT_EQ(progress.position(), 0);

    // Before compiling there is nothing to summarise.
    SheetFixture fresh;
    fresh.addItem(u"1.電灯設備工事"_qs);
    EXPECT_FALSE(exporting::Button94Click(fresh.doc, fresh.host, progress));
    EXPECT_EQ(fresh.host.messageTexts().size(), 1);
}

} // namespace
