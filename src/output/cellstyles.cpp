#include "output/cellstyles.h"

#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/views.h"

namespace cellstyle {

namespace {

using Align = CellStyle::Align;

bool in(int c, int first, int last)
{
    return c >= first && c <= last;
}

// Alignment and format shared by the line table and the item view grid.
void lineLayout(CellStyle &s, int c, const QString &text)
{
    if (c == 0 || in(c, 2, 5) || c == 9 || c == 11 || c == 13 || c == 14 || c == 45) {
        s.align = Align::Centre;
        s.text = text;
    } else if (c == 1 || in(c, 6, 8) || c > 45) {
        s.align = Align::Left;
        s.text = text;
    } else if (c == 15 || c == 18 || c == 20 || c == 23 || in(c, 35, 44)) {
        s.align = Align::Right;
        s.text = text;
    } else {
        s.align = Align::Right;
        s.text = numberFormat(text);
    }
}

bool isCodeOrAmountColumn(int c)
{
    return in(c, 1, 6) || in(c, 23, 34) || c == 45;
}

} // namespace

QString numberFormat(const QString &text)
{
    if (!num::isNumber(text))
        return QString();
    return num::hashGrouped(num::toNumber(text));
}

CellStyle sheet(const EstimateDocument &doc, int c, int row)
{
    const QString &text = doc.sheet.cell(c, row);
    CellStyle s;
    if (in(c, 0, 6)) {
        s.colour = red;
        s.align = (c == 1 || c == 6) ? Align::Left : Align::Centre;
        s.text = text;
    } else if (in(c, 15, 17)) {
        // Compressed figures are written in white (invisible) unless they are to be shown.
        s.colour = doc.settings.CheckBox25 ? sheetBlue : white;
        s.align = Align::Right;
        s.text = numberFormat(text);
    } else if (c == 21) {
        s.colour = sheetBlue;
        s.text = text;
    } else if (c == sheetcol::Submitted && row >= 1 && row <= doc.tree_count
               && doc.sheet.cell(sheetcol::C, row) != u"1") {
        // Sub-item amounts of the summary block, so that only top-level items read as figures.
        s.colour = silver;
        s.align = Align::Right;
        const QString figure = numberFormat(text);
        s.text = figure.isEmpty() ? QString() : u'<' + figure + u'>';
    } else if (c == 11 || c == 12 || in(c, 14, 20)) {
        s.align = Align::Right;
        s.text = numberFormat(text);
    } else if (c == 10) {
        s.align = Align::Right;
        s.text = text;
    } else if (c == 13) {
        s.align = Align::Centre;
        s.text = text;
    } else if (c == 23) {
        s.background = sheetBlue;
        s.text = text;
    } else {
        s.text = text;
    }
    return s;
}

CellStyle itemView(const EstimateDocument &doc, int c, int row)
{
    CellStyle s;
    s.colour = c == 0 ? blue : isCodeOrAmountColumn(c) ? red : sheetBlue;
    lineLayout(s, c, doc.itemView.cell(c, row));
    return s;
}

CellStyle lines(const EstimateDocument &doc, int c, int row)
{
    CellStyle s;
    if (doc.controls.Label18.text == QStringView(views::wholeInputLabel))
        s.colour = inputOrderGreen;
    if (c == 0)
        s.colour = blue;
    else if (isCodeOrAmountColumn(c))
        s.colour = red;
    lineLayout(s, c, doc.lines.cell(c, row));
    return s;
}

} // namespace cellstyle
