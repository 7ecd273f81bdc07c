#include "export/quotationworkbook.h"

#include "base/numbers.h"
#include "estimate/document.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

namespace quotation {

namespace {

using S = CellFormat;

void borders(Worksheet &sheet, bool noSpare)
{
    constexpr int h = S::Hairline;
    sheet.range(u"A14:G18").setBorder(S::Bottom, h);
    // The persons-in-charge box; its spare column J is drawn unless the spare is turned off.
    const QString first = noSpare ? u"K"_qs : u"J"_qs;
    sheet.range(first + u"16:N16"_qs).setBorder(S::Top, h).setBorder(S::Bottom, h).setBorder(S::Right, h);
    sheet.range(first + u"16"_qs).setBorder(S::Left, h);
    sheet.range(first + u"19:N19"_qs).setBorder(S::Bottom, h);
    sheet.range(first + u"17:"_qs + first + u"19"_qs).setBorder(S::Left, h);
    if (!noSpare)
        sheet.range(u"J17:J19").setBorder(S::Right, h);
    sheet.range(u"M17:M19").setBorder(S::Left, h);
    sheet.range(u"N17:N19").setBorder(S::Right, h);

    // The line table.
    sheet.range(u"A22:N35").setBorder(S::Top, h);
    for (QStringView r : {u"B21:B35", u"G21:I35", u"M21:M35"})
        sheet.range(r).setBorder(S::Left, h);
    sheet.range(u"A21:A35").setBorder(S::Left);
    sheet.range(u"N21:N35").setBorder(S::Right);
    sheet.range(u"A21:N21").setBorder(S::Top);
    sheet.range(u"A35:N35").setBorder(S::Bottom);
}

} // namespace

void onePageSetup(Worksheet &sheet)
{
    PageSetup &p = sheet.pageSetup();
    p.topMargin = p.bottomMargin = p.leftMargin = p.rightMargin = 0;
    p.fitTall = p.fitWide = 1;
    p.centreHorizontally = p.centreVertically = true;
}

void coverSheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress)
{
    const Settings &s = doc.settings;
    onePageSetup(sheet);
    sheet.addColumnBreak(16);
    sheet.addRowBreak(37);
    constexpr double widths[] = {9.89, 1.89, 1.89, 9.89, 9.89, 5.22, 5.89, 5.89, 1.89, 9.89, 6.89, 1.89, 1.89, 6.89, 2.0};
    for (int c = 0; c < int(std::size(widths)); ++c)
        sheet.setColumnWidth(c + 1, widths[c]);
    sheet.setRowHeight(1, 57.6);
    sheet.setRowHeight(2, 22.2);
    sheet.setRowHeight(3, 4.8);
    sheet.setRowHeight(4, 22.8);
    sheet.setRowHeight(5, 22.8);
    sheet.setRowHeight(6, 4.8);
    for (int r = 7; r <= 35; ++r)
        sheet.setRowHeight(r, 22.8);
    progress.advance();

    for (QStringView m : {u"A1:N1", u"L2:N2", u"K4:N4", u"A7:F7", u"A8:F8", u"J9:N9", u"B10:F10", u"I11:N11",
                          u"A12:H12", u"J12:N12", u"B13:H13", u"J13:N13", u"A14:F14", u"A15:F15", u"J15:N15",
                          u"A16:F16", u"K16:L16", u"M16:N16", u"A17:H17", u"A18:H18", u"B21:F21", u"I21:L21",
                          u"M21:N21", u"B24:F24", u"J24:K24", u"B25:F25"})
        sheet.range(m).merge();
    for (QStringView m : {u"J17:J19", u"K17:L19", u"M17:N19"})
        sheet.range(m).mergeCells();
    sheet.range(u"A1:N25").setFontName(QString::fromUtf16(mincho));
    progress.advance();

    sheet.range(u"A1").setFontSize(22).setVAlign(S::VBottom).setHAlign(S::HCentreAcross).setUnderline()
        .setValue(u"　御　見　積　書　"_qs);
    const bool noNumber = s.Edit28.isEmpty() || s.Edit28 == u" " || s.Edit28 == u"　";
    sheet.range(u"L2").setFontSize(11).setVAlign(S::VBottom).setShrink().setUnderline()
        .setValue(noNumber ? u" No.           "_qs : u"No."_qs + s.Edit28);
    sheet.range(u"A5").setFontSize(16).setBold().setUnderline().setValue(s.Edit29 + u' ' + s.ComboBox1);
    sheet.range(u"K4").setFontSize(11).setVAlign(S::VBottom).setHAlign(S::HRight)
        .setValue(s.Label56 + s.Edit25 + u"年 "_qs + s.Edit26 + u"月 "_qs + s.Edit27 + u"日"_qs);
    // The greeting runs over two lines of 22 characters.
    sheet.range(u"A7").setFontSize(10).setVAlign(S::VBottom).setValue(u"'"_qs + s.Edit30.left(22));
    sheet.range(u"A8").setFontSize(10).setVAlign(S::VBottom);
    if (s.Edit30.size() > 22)
        sheet.range(u"A8").setValue(u"'"_qs + s.Edit30.mid(22, 22));
    sheet.range(u"N7").setFontSize(16).setBold().setHAlign(S::HRight).setValue(s.Edit2);
    sheet.range(u"N8").setFontSize(14).setHAlign(S::HRight).setValue(s.Edit3);
    sheet.range(u"J9").setFontSize(11).setHAlign(S::HRight).setValue(s.Edit4 + u' ' + s.Edit5);
    progress.advance();

    sheet.range(u"A10").setFontSize(16).setBold().setHAlign(S::HRight).setValue(s.Edit31 + u' ');
    QString total = num::grouped(doc.sougoukei);
    if (s.CheckBox14)
        total += u" (税込)";
    sheet.range(u"B10").setFontSize(16).setBold().setHAlign(S::HJustify).setValue(u"'"_qs + total);
    sheet.range(u"A10:F10").setBorder(S::Bottom);
    sheet.range(u"I11").setFontSize(11).setHAlign(S::HRight).setShrink().setValue(s.Edit6);
    sheet.range(u"A12").setFontSize(11).setHAlign(S::HJustify).setVAlign(S::VBottom).setUnderline()
        .setValue(u"工  事  名 　"_qs + s.Edit22);
    Range b13 = sheet.range(u"B13").setFontSize(11).setHAlign(S::HJustify).setVAlign(S::VBottom).setShrink()
                    .setUnderline();
    if (!s.Edit60.isEmpty())
        b13.setValue(u" "_qs + s.Edit60);
    sheet.range(u"J12").setFontSize(10).setHAlign(S::HRight).setValue(u" 電　話 "_qs + s.Edit7);
    sheet.range(u"J13").setFontSize(10).setHAlign(S::HRight).setValue(u" ＦＡＸ "_qs + s.Edit8);
    const QString conditions[] = {s.Edit11, s.Edit12, s.Edit13,
                                  s.CheckBox14 ? u"その他の条件"_qs : s.Edit14,
                                  s.CheckBox14 ? QString() : s.Edit15};
    for (int i = 0; i < 5; ++i) {
        Range line = sheet.cells(14 + i, 1).setFontSize(9).setHAlign(S::HJustify).setVAlign(S::VBottom);
        if (i == 4)
            line.setShrink();
        line.setValue(conditions[i]);
    }
    sheet.range(u"K16").setFontSize(10).setHAlign(S::HCentre).setVAlign(S::VCentre).setValue(s.Edit16);
    sheet.range(u"M16").setFontSize(10).setHAlign(S::HCentre).setVAlign(S::VCentre).setValue(s.Edit17);
    progress.advance();

    const std::pair<const char16_t *, const char16_t *> headings[] = {
        {u"A21", u"No."}, {u"B21", u"件               名"}, {u"G21", u"数 量"},
        {u"H21", u"単 位"}, {u"I21", u"金          額"}, {u"M21", u"備   考"}};
    for (const auto &[cell, text] : headings)
        sheet.range(cell).setFontSize(10).setHAlign(S::HCentre).setVAlign(S::VCentre)
            .setValue(QString::fromUtf16(text));
    const std::pair<const char16_t *, const char16_t *> totalLine[] = {
        {u"B24", u"内 訳 明 細 は 別 紙 の 通 り"}, {u"G24", u"１"}, {u"H24", u"式"}, {u"I24", u"￥"}};
    for (const auto &[cell, text] : totalLine)
        sheet.range(cell).setFontSize(11).setHAlign(S::HCentre).setVAlign(S::VCentre)
            .setValue(QString::fromUtf16(text));
    sheet.range(u"J24").setFontSize(11).setHAlign(S::HRight).setVAlign(S::VCentre).separatorWrite(0.0)
        .setNumber(double(doc.sougoukei));
    borders(sheet, s.CheckBox19);
    progress.advance();
}

} // namespace quotation
