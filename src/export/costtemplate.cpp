#include "export/costtemplate.h"

#include "estimate/document.h"
#include "export/costsummary.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

#include <QFileInfo>

namespace costtemplate {

namespace {

using S = CellFormat;

void subtotal(Worksheet &sheet, int row, const QString &label, int first, int last)
{
    sheet.cells(row, 1).setFontSize(10).setShrink().setValue(label);
    sheet.cells(row, 2).setFontSize(9).setHAlign(S::HCentreAcross).setValue(u"-"_qs);
    for (const char16_t *c : {u"C", u"E", u"G", u"I"})
        sheet.range(QString::fromUtf16(c) + QString::number(row)).setFontSize(10).setShrink()
            .separatorWrite(u"=SUM(%1%2:%1%3)"_qs.arg(QString::fromUtf16(c)).arg(first).arg(last));
    for (const auto &[at, over] : {std::pair{u"D", u"E"}, std::pair{u"F", u"G"}, std::pair{u"H", u"I"}})
        sheet.range(QString::fromUtf16(at) + QString::number(row)).setFontSize(10).setShrink()
            .setHAlign(S::HCentreAcross).setNumberFormat(u"0%"_qs)
            .setValue(u"=IF(C%1=0,\"\",ROUND(%2%1/C%1,3))"_qs.arg(row).arg(QString::fromUtf16(over)));
}

// One sub-block of the labour breakdown: man-days and unit prices estimated, at order and
// adjusted, from the labour amount in W of `amountRow`.
void labourRows(Worksheet &sheet, int first, int amountRow)
{
    const int days = first + 1, price = first + 2;
    sheet.cells(days, 37).setNumberFormat(u"0.00"_qs)
        .setValue(u"=IF(AK%1=0,0,W%2/AK%1)"_qs.arg(price).arg(amountRow));
    sheet.cells(price, 37).separatorWrite(u"=AQ%1"_qs.arg(price));
    sheet.cells(days, 39).setNumberFormat(u"0"_qs).setValue(u"100"_qs);
    sheet.cells(price, 39).setNumberFormat(u"0"_qs).setShrink().setValue(u"100"_qs);
    sheet.cells(days, 40).setNumberFormat(u"0.00"_qs).setValue(u"=AK%1*AM%1/100"_qs.arg(days));
    sheet.cells(price, 40).separatorWrite(u"=AK%1*AM%1/100"_qs.arg(price));
    sheet.cells(days, 42).setNumberFormat(u"0"_qs).setValue(u"100"_qs);
    sheet.cells(days, 43).setNumberFormat(u"0.00"_qs).setValue(u"=AN%1*AP%1/100"_qs.arg(days));
    sheet.cells(price, 43).setShrink().separatorWrite(QString());
}

} // namespace

void build(Workbook &book)
{
    EstimateDocument blank;
    blank.settings = Settings{};
    blank.settings.Label56.clear();
    blank.roumutanka = 1;
    blank.st1count = 0;
    ExportProgress progress;
    book.ensureSheets(1);
    Worksheet &sheet = book.sheet(1);
    sheet.setName(QString::fromUtf16(sheetName));
    costsummary::layout(blank, sheet, progress);

    // The left block holds equipment in rows 6 to 36 and devices in rows 38 to 58; the fill
    // names and codes every row, so the form's own labels go.
    sheet.range(u"A6:I58").setValue(QString());
    sheet.range(u"B6:B58").setHAlign(S::HCentreAcross);
    subtotal(sheet, 37, u"小　　計"_qs, 6, 36);
    subtotal(sheet, 59, u"小　　計"_qs, 38, 58);
    sheet.range(u"A60").setFontSize(10).setShrink().setValue(u"合　　計"_qs);
    sheet.range(u"A60:K60").setBorder(S::Top).setBorder(S::Bottom);
    sheet.range(u"A60").setBorder(S::Left);
    sheet.range(u"K60").setBorder(S::Right);
    sheet.range(u"C60:I60").setFontSize(10).setShrink().setNumberFormat(u"#,##0"_qs);
    sheet.range(u"A60:K60").setFontName(u"ＭＳ 明朝"_qs);
    sheet.setRowHeight(60, 19.5);
    sheet.range(u"J60:K60").mergeCells();

    // The summary takes the equipment subtotal from row 37.
    costsummary::summaryRow(sheet, 42, {u"C37", u"E37", u"G37", u"I37"});

    // Labour: man-days from the labour amounts of rows 6 to 9 and the unit prices in AQ.
    for (int k = 0; k < 4; ++k)
        labourRows(sheet, 6 + 3 * k, 6 + k);

    // The amounts the fill writes show with separators, its ratios in percent.
    for (QStringView r : {u"C6:C58", u"E6:E58", u"G6:G58", u"I6:I58", u"N6:N58", u"P6:P58", u"R6:R58", u"T6:T58",
                          u"W6:X40", u"AA6:AA40", u"AD6:AD40", u"AG6:AG40"})
        sheet.range(r).setNumberFormat(u"#,##0"_qs).setFontSize(10).setShrink();
    for (QStringView r : {u"H6:H58", u"S6:S58", u"AE6:AF40"})
        sheet.range(r).setNumberFormat(u"0%"_qs).setFontSize(10).setShrink();
    // Rows 33 to 39 of the right block are named by the tally's own rows.
    sheet.range(u"V33:V36").setValue(QString());
    sheet.range(u"V39").setValue(u"社会保険料相当額"_qs);
    sheet.range(u"V53").setValue(u"NET提示額     [千円]"_qs);
    sheet.range(u"B2:K2").setValue(QString());
    sheet.pageSetup().printArea = u"A1:AQ60"_qs;
}

QString path(const EstimateDocument &doc)
{
    const QString bare = doc.strFilePath + u"見積原価集計表"_qs;
    return QFileInfo::exists(bare) ? bare : doc.strFilePath + QString::fromUtf16(fileName);
}

} // namespace costtemplate
