#include "workbooktesting.h"

#include "export/formula.h"
#include "export/worksheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using S = CellFormat;

// Formula cells evaluated over a small sheet: numbers, text, an empty cell and other formulas.
TEST(Formula, EvaluatesAsTheSpreadsheetDoes)
{
    Worksheet sheet;
    sheet.range(u"A1").setValue(u"10"_qs);
    sheet.range(u"A2").setValue(u"4"_qs);
    sheet.range(u"A3").setValue(u"label"_qs);
    sheet.range(u"B1").setValue(u"=A1/A2"_qs);
    sheet.range(u"B2").setValue(u"=IF(A9=\"\",\"\",A1)"_qs);
    sheet.range(u"B3").setValue(u"=0"_qs);
    struct Case {
        const char16_t *formula;
        FormulaValue::Kind kind;
        double number;
        const char16_t *text;
    } cases[] = {
        {u"=A1*(A2/100)", FormulaValue::Number, 0.4, u""},
        {u"=SUM(A1:A3)", FormulaValue::Number, 14, u""},           // text in a range is left out
        {u"=SUM(B1+A1)", FormulaValue::Number, 12.5, u""},
        {u"=A1+A3", FormulaValue::Error, 0, u"#VALUE!"},             // text in arithmetic
        {u"=A1/A9", FormulaValue::Error, 0, u"#DIV/0!"},             // an empty cell counts 0
        {u"=B2*2", FormulaValue::Error, 0, u"#VALUE!"},              // "" from a formula is text
        {u"=IF(A9=\"\",\"\",ROUND(A2/A1,3))", FormulaValue::Text, 0, u""},
        {u"=IF(A1=\"\",\"\",ROUND(A2/A1*1.0005,3))", FormulaValue::Number, 0.4, u""},
        {u"=ISBLANK(A9)", FormulaValue::Number, 1, u""},
        {u"=ISBLANK(B2)", FormulaValue::Number, 0, u""},            // a formula is not blank
        {u"=A9", FormulaValue::Number, 0, u""},                      // an empty cell taken gives 0
        {u"=IF(ISBLANK(A9),\"\",A1)", FormulaValue::Text, 0, u""},
        {u"=N(A1)+N(B2)+N(A3)+N(A9)", FormulaValue::Number, 10, u""}, // N: text and empty are 0
        {u"=N(B1)", FormulaValue::Number, 2.5, u""},
        {u"=N(A1/A9)", FormulaValue::Error, 0, u"#DIV/0!"},
        {u"=Round(2.675,2)", FormulaValue::Number, 2.68, u""},       // decimal rounding, any case
        {u"=round(-2.5,0)", FormulaValue::Number, -3, u""},
        {u"=1-(A2/A1)", FormulaValue::Number, 0.6, u""},
        {u"=$A$1*$A$2", FormulaValue::Number, 40, u""},
        {u"=A1<>A2", FormulaValue::Number, 1, u""},
        {u"=IF(B3=0,\"zero\",\"no\")", FormulaValue::Text, 0, u"zero"},
        {u"=A3=\"LABEL\"", FormulaValue::Number, 1, u""},            // text compares without case
        {u"=-A2^2", FormulaValue::Number, 16, u""},
        {u"=NOSUCH(A1)", FormulaValue::Error, 0, u"#NAME?"},
        {u"=A1+", FormulaValue::Error, 0, u"#NAME?"},
    };
    for (const Case &c : cases) {
        const FormulaValue v = evaluateFormula(c.formula, sheet);
        SCOPED_TRACE(QString::fromUtf16(c.formula).toStdString());
        EXPECT_EQ(v.kind, c.kind);
        if (c.kind == FormulaValue::Number)
            EXPECT_NEAR(v.number, c.number, 1e-12);
        else
            EXPECT_EQ(v.text, QString::fromUtf16(c.text));
    }
}

TEST(Formula, SelfReferenceIsAnErrorNotAHang)
{
    Worksheet sheet;
    sheet.range(u"A1").setValue(u"=A2+1"_qs);
    sheet.range(u"A2").setValue(u"=A1+1"_qs);
    EXPECT_EQ(sheet.result(1, 1).kind, FormulaValue::Error);
}

TEST(CellValue, TypedTextBecomesWhatTheApplicationMakesOfIt)
{
    struct Case {
        const char16_t *typed;
        CellValue::Kind kind;
        double number;
        const char16_t *text;
        bool grouped;
    } cases[] = {
        {u"", CellValue::Empty, 0, u"", false},
        {u"1234", CellValue::Number, 1234, u"", false},
        {u"-0.5", CellValue::Number, -0.5, u"", false},
        {u"18,000", CellValue::Number, 18000, u"", true},
        {u"1,00", CellValue::Text, 0, u"1,00", false},
        {u"'0102", CellValue::Text, 0, u"0102", false},
        {u"'", CellValue::Empty, 0, u"", false},
        {u"=A1", CellValue::Formula, 0, u"=A1", false},
        {u"=", CellValue::Text, 0, u"=", false},
        {u"1.5E3", CellValue::Number, 1500, u"", false},
        {u"電工費", CellValue::Text, 0, u"電工費", false},
        {u".", CellValue::Text, 0, u".", false},
        {u".5", CellValue::Number, 0.5, u"", false},
        {u" 42 ", CellValue::Number, 42, u"", false},
        {u"-1,234,567.5", CellValue::Number, -1234567.5, u"", true},
        {u"12,34", CellValue::Text, 0, u"12,34", false},
        {u",123", CellValue::Text, 0, u",123", false},
        {u"1,0000", CellValue::Text, 0, u"1,0000", false},
        {u"2E", CellValue::Text, 0, u"2E", false},
        {u"１２", CellValue::Text, 0, u"１２", false},
    };
    for (const Case &c : cases) {
        bool grouped = false;
        const CellValue v = CellValue::fromText(QString::fromUtf16(c.typed), &grouped);
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        EXPECT_EQ(v.kind, c.kind);
        EXPECT_EQ(grouped, c.grouped);
        if (c.kind == CellValue::Number) {
            EXPECT_DOUBLE_EQ(v.number, c.number);
        } else if (c.kind != CellValue::Empty) {
            EXPECT_EQ(v.text, QString::fromUtf16(c.text));
        }
    }
}

TEST(Worksheet, OverlappingMergesJoinAndKeepTheTopLeftValue)
{
    Worksheet sheet;
    sheet.range(u"W53:X53").mergeCells();
    sheet.range(u"W54:X54").mergeCells();
    sheet.range(u"X54").setValue(u"lost"_qs);
    sheet.range(u"W53:W54").mergeCells();
    ASSERT_EQ(sheet.merges().size(), 1u);
    EXPECT_EQ(a1::rangeName(sheet.merges()[0]), u"W53:X54");
    EXPECT_EQ(sheet.value(54, 24).kind, CellValue::Empty);
    // Merge on a range merges each of its rows.
    sheet.range(u"A1:C2").merge();
    EXPECT_EQ(sheet.merges().size(), 3u);
}

TEST(Worksheet, SeparatorWriteLeavesAThousandsFormat)
{
    Worksheet sheet;
    sheet.range(u"A1").separatorWrite(u"1234567"_qs);
    sheet.range(u"A2").setNumberFormat(u"0%"_qs).setValue(u"2,000"_qs);
    EXPECT_EQ(sheet.style(1, 1).numberFormat, u"#,##0");
    EXPECT_EQ(sheet.value(1, 1).number, 1234567);
    EXPECT_EQ(sheet.style(2, 1).numberFormat, u"0%"); // a format already set stays
}

TEST(Worksheet, RemovingAnEdgeClearsTheNeighboursSide)
{
    Worksheet sheet;
    sheet.range(u"A1:B2").setBorder(S::Left).setBorder(S::Bottom);
    sheet.range(u"B1").setBorder(S::Right);
    sheet.range(u"B2").removeBorder(S::Top);
    EXPECT_EQ(sheet.style(1, 2).edges[S::Bottom], S::NoLine);
    EXPECT_EQ(sheet.style(1, 1).edges[S::Bottom], S::Thin);
    sheet.range(u"C1").removeBorder(S::Left);
    EXPECT_EQ(sheet.style(1, 2).edges[S::Right], S::NoLine);
}

// Everything the layouts set comes back out of the written file.
TEST(WorkbookFile, CellsFormatsAndPageSetupRoundTrip)
{
    Workbook wb;
    wb.ensureSheets(2);
    Worksheet &s = wb.sheet(1);
    s.setName(u"鏡"_qs);
    s.range(u"A1").setFontName(u"ＭＳ 明朝"_qs).setFontSize(22).setUnderline().setHAlign(S::HCentreAcross)
        .setVAlign(S::VBottom).setValue(u"　御　見　積　書　"_qs);
    s.range(u"B2").setBold().setShrink().setWrap().setHAlign(S::HJustify).setValue(u"1234.5"_qs);
    s.range(u"C3").separatorWrite(u"=B2*2"_qs);
    s.range(u"D4").setValue(u"=IF(B9=\"\",\"\",1)"_qs);
    s.range(u"E5").setValue(u"=1/0"_qs);
    s.range(u"F6").setBorder(S::Left, S::Hairline).setBorder(S::Top).setBorder(S::Diagonal).setWhiteFill()
        .setOrientation(-90).setHAlign(S::HRight).setVAlign(S::VCentre);
    s.range(u"A8:C8").merge();
    s.range(u"A10:B12").mergeCells();
    s.setColumnWidth(1, 9.89);
    s.setColumnWidth(3, 0);
    s.setRowHeight(1, 57.6);
    s.addRowBreak(37);
    s.addColumnBreak(16);
    PageSetup &p = s.pageSetup();
    p.topMargin = 45;
    p.zoomOff = true;
    p.fitTall = p.fitWide = 1;
    p.landscape = true;
    p.paperSize = 1;
    p.printArea = u"A1:AQ59"_qs;

    WrittenBook written;
    written.write(wb);
    EXPECT_EQ(written.book->sheetNames(), (QStringList{u"鏡"_qs, u"Sheet2"_qs}));
    XlsxSheet &r = written.sheet(u"鏡"_qs);

    EXPECT_EQ(textAt(r, u"A1"), u"　御　見　積　書　");
    const CellFormat a1s = styleAt(r, u"A1");
    EXPECT_EQ(a1s.fontName, u"ＭＳ 明朝");
    EXPECT_EQ(a1s.fontSize, 22);
    EXPECT_TRUE(a1s.underline);
    EXPECT_EQ(a1s.hAlign, S::HCentreAcross);
    EXPECT_EQ(a1s.vAlign, S::VBottom);

    EXPECT_EQ(r.result(2, 2).kind, FormulaValue::Number);
    const CellFormat b2 = styleAt(r, u"B2");
    EXPECT_TRUE(b2.bold && b2.wrap); // shrinking gives way to wrapping, as in the application
    EXPECT_EQ(b2.hAlign, S::HJustify);

    // Formulas carry their computed values in the file.
    EXPECT_EQ(formulaAt(r, u"C3"), u"=B2*2");
    EXPECT_EQ(r.storedValue(3, 3).number, 2469);
    EXPECT_EQ(styleAt(r, u"C3").numberFormat, u"#,##0");
    EXPECT_EQ(r.storedValue(4, 4).kind, FormulaValue::Text);
    EXPECT_EQ(r.storedValue(5, 5).text, u"#DIV/0!");

    const CellFormat f6 = styleAt(r, u"F6");
    EXPECT_EQ(f6.edges[S::Left], S::Hairline);
    EXPECT_EQ(f6.edges[S::Top], S::Thin);
    EXPECT_EQ(f6.edges[S::Diagonal], S::Thin);
    EXPECT_EQ(f6.edges[S::Bottom], S::NoLine);
    EXPECT_TRUE(f6.whiteFill);
    EXPECT_EQ(f6.rotation, -90);

    EXPECT_EQ(mergesOf(r), (QStringList{u"A8:C8"_qs, u"A10:B12"_qs}));
    // Widths are stored with the cell padding: whole pixels of 7 per character plus 5.
    EXPECT_NEAR(columnWidthOf(r, 1), (std::round(9.89 * 7) + 5) / 7, 0.01);
    EXPECT_EQ(columnWidthOf(r, 3), 0);
    EXPECT_NEAR(rowHeightOf(r, 1), 57.6, 0.01);
    EXPECT_EQ(rowBreaksOf(r), std::vector<int>{37});

    const pugi::xml_node ws = r.xml().child("worksheet");
    EXPECT_NEAR(ws.child("pageMargins").attribute("top").as_double(), 45.0 / 72, 1e-3);
    EXPECT_EQ(std::string(ws.child("pageSetup").attribute("orientation").value()), "landscape");
    EXPECT_EQ(ws.child("pageSetup").attribute("fitToHeight").as_int(1), 1);
    EXPECT_TRUE(ws.child("sheetPr").child("pageSetUpPr").attribute("fitToPage").as_bool());
    EXPECT_EQ(ws.child("colBreaks").child("brk").attribute("id").as_int(), 15);
}

TEST(WorkbookFile, FitIsIgnoredWhileTheZoomIsOn)
{
    Workbook wb;
    wb.ensureSheets(1);
    wb.sheet(1).pageSetup().fitTall = wb.sheet(1).pageSetup().fitWide = 1;
    WrittenBook written;
    written.write(wb);
    EXPECT_FALSE(written.sheet(u"Sheet1"_qs).xml().child("worksheet").child("sheetPr").child("pageSetUpPr")
                     .attribute("fitToPage").as_bool());
}

TEST(WorkbookFile, UnwritableDestinationLeavesNoFile)
{
    QTemporaryDir dir;
    Workbook wb;
    wb.ensureSheets(1);
    // A destination that is a folder: the write fails and the temporary file goes.
    const QString folder = dir.filePath(u"locked"_qs);
    ASSERT_TRUE(QDir().mkdir(folder));
    const Status onFolder = wb.save(folder);
    EXPECT_FALSE(onFolder.ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);

    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString target = folder + u"/out.xlsx"_qs;
    const Status saved = wb.save(target);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (saved.ok())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_TRUE(saved.error().contains(u"out.xlsx"));
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(XlsxBook, MissingOrDamagedFilesAreRefusedWithTheReason)
{
    QTemporaryDir dir;
    auto missing = XlsxBook::open(dir.filePath(u"none.xlsx"_qs));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(u"none.xlsx"));

    const QString junk = dir.filePath(u"junk.xlsx"_qs);
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK\x03\x04 this is not a workbook");
    f.close();
    auto damaged = XlsxBook::open(junk);
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.error().contains(u"junk.xlsx"));

    // A zip without the workbook part.
    XlsxPackage package;
    package.setEntry(u"hello.txt"_qs, "hi");
    const QString zip = dir.filePath(u"other.xlsx"_qs);
    ASSERT_TRUE(package.write(zip).ok());
    auto other = XlsxBook::open(zip);
    ASSERT_FALSE(other.ok());
    EXPECT_TRUE(other.error().contains(u"xl/workbook.xml"));
}

// Filling an existing workbook keeps its styles, recomputes its formulas and asks the
// application to recalculate.
TEST(XlsxBook, FillingKeepsStylesAndRecomputesFormulas)
{
    Workbook wb;
    wb.ensureSheets(1);
    Worksheet &s = wb.sheet(1);
    s.range(u"B2").setFontSize(14).setBorder(S::Left).setValue(u"old"_qs);
    s.range(u"C3").separatorWrite(u"=SUM(B3:B5)"_qs);
    WrittenBook original;
    original.write(wb);
    XlsxSheet &sheet = original.sheet(u"Sheet1"_qs);
    sheet.setText(u"B2", u"新しい値"_qs);
    sheet.setText(u"B3", u"18,000"_qs);
    sheet.setText(u"B7", u"=C3/1000"_qs); // a cell of a row the file does not have
    sheet.setText(u"A1", u"first"_qs);    // before every other row
    sheet.setWhiteFill(*a1::parseRange(u"B2:B3"));
    EXPECT_EQ(textAt(sheet, u"B7"), u"18");
    const QString out = original.dir.filePath(u"filled.xlsx"_qs);
    ASSERT_TRUE(original.book->save(out).ok());

    auto reopened = XlsxBook::open(out);
    ASSERT_TRUE(reopened.ok()) << reopened.error().toStdString();
    XlsxSheet &r = *reopened.value()->sheet(u"Sheet1"_qs);
    EXPECT_EQ(textAt(r, u"A1"), u"first");
    EXPECT_EQ(textAt(r, u"B2"), u"新しい値");
    const CellFormat b2 = styleAt(r, u"B2");
    EXPECT_EQ(b2.fontSize, 14);
    EXPECT_EQ(b2.edges[S::Left], S::Thin);
    EXPECT_TRUE(b2.whiteFill);
    EXPECT_EQ(r.storedValue(3, 3).number, 18000);
    EXPECT_EQ(r.storedValue(7, 2).number, 18);
    pugi::xml_document workbookXml;
    const QByteArray bytes = XlsxPackage::read(out).value().entry(u"xl/workbook.xml"_qs);
    ASSERT_TRUE(workbookXml.load_buffer(bytes.constData(), size_t(bytes.size())));
    EXPECT_TRUE(workbookXml.child("workbook").child("calcPr").attribute("fullCalcOnLoad").as_bool());
}

} // namespace
