#include "catalog/catalogstyles.h"

#include "estimate/document.h"

namespace catalogstyle {

CellStyle menu(const EstimateDocument &doc, int column, int row)
{
    static constexpr unsigned pairColours[] = {0x000080, 0x004000, 0x4B42FB, 0x800080};
    CellStyle s;
    s.text = doc.catalog.menu.cell(column, row);
    if (column >= 0 && column < 8)
        s.colour = pairColours[column / 2];
    return s;
}

CellStyle list(const EstimateDocument &doc, int column, int row)
{
    CellStyle s;
    const QString &text = doc.catalog.list.cell(column, row);
    switch (column) {
    case 7:
    case 16:
    case 17:
        s.align = CellStyle::Align::Centre;
        s.text = text;
        break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 15:
        s.align = CellStyle::Align::Right;
        s.text = text;
        break;
    case 8:
    case 14:
        s.align = CellStyle::Align::Right;
        s.text = cellstyle::numberFormat(text);
        break;
    default:
        s.text = text;
        break;
    }
    return s;
}

} // namespace catalogstyle
