#include "export/quotationworkbook.h"

#include "base/numbers.h"
#include "estimate/document.h"
#include "export/exportprogress.h"
#include "export/workbook.h"
#include "storage/codepage932.h"

namespace quotation {

namespace {

using S = CellFormat;

bool isFractional(const QString &text)
{
    if (!num::isNumber(text))
        return false;
    const num::Real v = num::toNumber(text);
    return v != num::truncate(v);
}

// "#,###", or "#,###.#" for a fractional value when quantities are shown with decimals.
QString quantityFormat(const Settings &s, const QString &text)
{
    return s.CheckBox7 && isFractional(text) ? u"#,###.#"_qs : u"#,###"_qs;
}

// The boxes of one page: a heading row at `h` and 35 rows below it, over columns first to last.
void pageBox(Worksheet &sheet, int h, int first, int last)
{
    constexpr int hair = S::Hairline;
    sheet.cells(h, first, h, last).setBorder(S::Top);
    sheet.cells(h + 1, first, h + 35, last).setBorder(S::Top, hair);
    sheet.cells(h + 35, first, h + 35, last).setBorder(S::Bottom);
    sheet.cells(h, first, h + 35, last).setBorder(S::Left);
    sheet.cells(h, last, h + 35, last).setBorder(S::Right);
}

void headings(Worksheet &sheet, int h, std::initializer_list<const char16_t *> texts)
{
    int c = 2;
    for (const char16_t *t : texts)
        sheet.cells(h, c++).setFontSize(10).setHAlign(S::HCentre).setVAlign(S::VCentre).setValue(QString::fromUtf16(t));
}

void rowsOfPages(Worksheet &sheet, int rows, int lastColumn)
{
    for (int r = 1; r <= rows; ++r)
        sheet.setRowHeight(r, 21.75);
    sheet.cells(1, 2, rows, lastColumn).setFontName(QString::fromUtf16(mincho));
}

} // namespace

int grandTotalRow(const EstimateDocument &doc)
{
    int g = 0;
    for (int i = 1; i < doc.sheet.rowCount(); ++i)
        if (doc.sheet.cell(7, i) == u"総　合　計")
            g = i;
    return g;
}

void summarySheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress)
{
    const Settings &s = doc.settings;
    const TextGrid &t = doc.sheet;
    onePageSetup(sheet);
    sheet.addColumnBreak(9);
    constexpr double widths[] = {1.0, 38.56, 6.67, 4.22, 12.0, 12.22, 13.0, 1.0};
    for (int c = 0; c < int(std::size(widths)); ++c)
        sheet.setColumnWidth(c + 1, widths[c]);
    const int g = grandTotalRow(doc);
    // A page holds 34 rows; the count by 37 rows alone would leave the last rows without a page.
    const int pages = std::max({1, int(num::roundEven(num::Real(g) / 37)), (g + 33) / 34});
    rowsOfPages(sheet, 38 * pages, 7);
    for (int p = 1; p <= pages; ++p) {
        const int h = 38 * (p - 1) + 2;
        headings(sheet, h, {u"工 事 区 分 ／ 工 種 名 称", u"数量", u"単位", u"単価", u"金額", u"備考"});
        pageBox(sheet, h, 2, 7);
    }
    progress.advance();

    const bool noteMode = s.CheckBox20 && !s.RadioButton3;
    int r = 2;
    for (int i = 1; i <= g; ++i) {
        if ((r - 36) % 38 == 0 && r >= 36)
            r += 4;
        ++r;
        if (noteMode && t.cell(7, i + 2) == u"総　合　計")
            sheet.cells(r, 2).setShrink().setFontSize(9).setHAlign(S::HCentre).setValue(t.cell(8, i));
        else
            sheet.cells(r, 2).setShrink().setValue(t.cell(7, i));
        sheet.cells(r, 3).setNumberFormat(quantityFormat(s, t.cell(11, i))).setShrink().setValue(t.cell(11, i));
        sheet.cells(r, 4).setHAlign(S::HCentre).setValue(t.cell(13, i));
        sheet.cells(r, 5).setNumberFormat(quantityFormat(s, t.cell(19, i))).setShrink().setValue(t.cell(19, i));
        if (t.cell(21, i) != u"※手動入力値")
            sheet.cells(r, 7).setShrink().setValue(t.cell(21, i));

        const QString &level = t.cell(2, i);
        const bool topLevel = level == u"1" || num::isBlank(level);
        const QString &amount = t.cell(20, i);
        QString format;
        if (s.CheckBox7 && isFractional(amount))
            format = u"#,###.#"_qs;
        else
            format = topLevel ? u"#,###"_qs : u"\\<#,###\\>"_qs;
        sheet.cells(r, 6).setShrink().setFontSize(topLevel ? 10 : 8).setNumberFormat(format).setValue(amount);
    }
    progress.advance();
}

void breakdownSheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress)
{
    const Settings &s = doc.settings;
    const TextGrid &t = doc.sheet;
    onePageSetup(sheet);
    constexpr double widths[] = {1.0, 22.0, 22.0, 4.5, 4.5, 11.0, 11.0, 9.0, 1.0};
    for (int c = 0; c < int(std::size(widths)); ++c)
        sheet.setColumnWidth(c + 1, widths[c]);
    for (int k = 1; k <= doc.pagisu; ++k)
        sheet.addRowBreak(37 * k + 1);
    if (doc.pagisu > 0)
        rowsOfPages(sheet, 74 * doc.pagisu, 7);
    progress.advance();

    const int lastRow = t.rowCount() + 1;
    int i = grandTotalRow(doc) + (s.CheckBox14 ? 2 : 3);
    for (int k = 1; k <= doc.pagisu; ++k) {
        const int h = 37 * (k - 1) + 2;
        headings(sheet, h, {u"品　　名", u"規　　格", u"数量", u"単位", u"単価", u"金額", u"備考"});
        pageBox(sheet, h, 2, 8);
        for (int f = 1; f <= 35 && i <= lastRow; ++f, ++i) {
            if (f == 35 && !t.cell(7, i).isEmpty() && t.cell(20, i).isEmpty())
                break; // a heading with nothing under it on this page starts the next one
            if (s.CheckBox6 && t.cell(7, i - 1) == u"合　　計") {
                if (f != 1) {
                    ++i;
                    break;
                }
                i += 2;
            }
            // Rows without a price or amount are left out unless they carry a remark.
            while (i <= lastRow && (t.cell(18, i) == u"0" || t.cell(20, i) == u"0") && t.cell(21, i).isEmpty())
                ++i;
            const int r = h + f;
            const bool noAmount = t.cell(20, i) == u"0";
            const bool heading = !t.cell(1, i).isEmpty() && t.cell(11, i).isEmpty() && t.cell(13, i).isEmpty();
            if (heading) {
                sheet.cells(r, 2, r, 3).merge();
                sheet.cells(r, 2).setFontSize(10).setShrink().setValue(t.cell(7, i) + t.cell(8, i));
                continue;
            }
            for (int c : {2, 3}) {
                const QString &text = t.cell(c == 2 ? 7 : 8, i);
                Range cell = sheet.cells(r, c).setFontSize(10);
                if (!s.CheckBox23 && cp932::encode(text).bytes.size() >= 29)
                    cell.setFontSize(8).setWrap().setValue(u"'"_qs + text.left(14) + u"\r\n"_qs + text.mid(14));
                else
                    cell.setShrink().setValue(u"'"_qs + text);
            }
            sheet.cells(r, 3).setShrink();
            const QString &quantity = t.cell(11, i);
            sheet.cells(r, 4).setNumberFormat(quantityFormat(s, quantity)).setFontSize(10).setShrink().setValue(quantity);
            sheet.cells(r, 5).setFontSize(10).setHAlign(S::HCentre).setValue(t.cell(13, i));
            if (!noAmount && quantity != u"1")
                sheet.cells(r, 6).setNumberFormat(quantityFormat(s, t.cell(19, i))).setFontSize(10).setShrink()
                    .setValue(t.cell(19, i));
            const QString &remark = t.cell(21, i);
            if (!noAmount) {
                const QString amount = s.CheckBox18 && !remark.isEmpty() ? remark : t.cell(20, i);
                sheet.cells(r, 7).setNumberFormat(quantityFormat(s, amount)).setFontSize(10).setShrink().setValue(amount);
            }
            if (!remark.isEmpty()) {
                Range into = sheet.cells(r, s.CheckBox8 ? 8 : 7).setFontSize(10).setShrink();
                if (!s.CheckBox8)
                    into.setHAlign(S::HRight);
                into.setValue(remark);
            }
        }
        progress.advance();
    }
}

} // namespace quotation
