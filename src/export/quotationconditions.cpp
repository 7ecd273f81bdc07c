#include "export/quotationworkbook.h"

#include "estimate/document.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

namespace quotation {

namespace {

using S = CellFormat;

void conditionsPage(const EstimateDocument &doc, Worksheet &sheet, int h)
{
    const Settings &s = doc.settings;
    sheet.cells(h, 3).setFontSize(11).setHAlign(S::HJustify).setVAlign(S::VCentre)
        .setValue(u"見積条件項目　／　"_qs + s.Edit22 + s.Edit60);
    sheet.cells(h, 2, h, 3).setBorder(S::Top);
    sheet.cells(h + 1, 2, h + 34, 3).setBorder(S::Top, S::Hairline);
    sheet.cells(h + 34, 2, h + 34, 3).setBorder(S::Bottom);
    sheet.cells(h, 2, h + 34, 2).setBorder(S::Left);
    sheet.cells(h, 3, h + 34, 3).setBorder(S::Right);
}

} // namespace

void conditionsSheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress)
{
    const TextGrid &list = doc.conditions;
    QStringList chosen;
    for (int r = 1; r < list.rowCount(); ++r)
        if (list.cell(1, r) == u" ■")
            chosen.append(list.cell(2, r));

    PageSetup &p = sheet.pageSetup();
    p.topMargin = p.bottomMargin = p.leftMargin = p.rightMargin = 0;
    sheet.setColumnWidth(1, 3);
    sheet.setColumnWidth(2, 1.5);
    sheet.setColumnWidth(3, 85.0);
    sheet.range(u"B2:C36").setBorder(S::Top, S::Hairline);
    // Page 1 holds 33 conditions (rows 3 to 35); more go on to page 2 and need its frame.
    const int pages = chosen.size() <= 33 ? 1 : 2;
    for (int r = 1; r <= 70 * pages; ++r)
        sheet.setRowHeight(r, 21.75);
    sheet.cells(1, 2, 70 * pages, 7).setFontName(QString::fromUtf16(mincho));
    conditionsPage(doc, sheet, 2);
    if (pages == 2)
        conditionsPage(doc, sheet, 39);
    progress.advance();

    int r = 3;
    for (const QString &text : chosen) {
        sheet.cells(r, 3).setFontSize(10).setHAlign(S::HJustify).setVAlign(S::VCentre)
            .setValue(u"'    ■ "_qs + text);
        r = r == 35 ? 40 : r + 1;
    }
    progress.advance();
}

} // namespace quotation
