#include "output/gridmouse.h"

#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"

#include <algorithm>

namespace gridmouse {

namespace {

bool isSumColumn(int c)
{
    return c == sheetcol::Quantity || c == sheetcol::Price || c == sheetcol::Compressed
        || c == sheetcol::Submitted;
}

} // namespace

bool chooseItemByName(EstimateDocument &doc, const QString &name)
{
    if (name.isEmpty())
        return false;
    const int last = std::min(doc.items.rowCount() - 1, std::max(doc.tree_count, 0));
    for (int r = 1; r <= last; ++r) {
        if (doc.items.cell(itemcol::Name, r) != name)
            continue;
        doc.koumokumei = name;
        doc.controls.Label18.text = name;
        doc.controls.Label18.tag = r;
        doc.nodrow = r;
        doc.uy7 = r;
        const QString &level = doc.items.cell(itemcol::Level, r);
        doc.ux7 = num::isNumber(level) ? int(num::toNumber(level)) : 0;
        return true;
    }
    return false;
}

void sheetPressed(EstimateDocument &doc, int column, int row)
{
    doc.nx6 = column;
    doc.ny6 = row;
    if (row > 0)
        chooseItemByName(doc, doc.sheet.cell(sheetcol::ItemName, row));
}

SheetRelease sheetReleased(EstimateDocument &doc, int column, int row, Button button)
{
    SheetRelease result;
    doc.ux6 = column;
    doc.uy6 = row;
    if (button == Button::Left) {
        doc.ux6b = column;
        doc.uy6b = row;
    }
    if (row <= 0)
        return result;
    doc.sx6 = column;
    doc.sy6 = row;
    doc.ply6 = row;
    if (button == Button::Right) {
        result.popupMenu = true;
        result.rangeSum = isSumColumn(doc.nx6) && doc.ny6 != doc.uy6;
        return result;
    }
    result.rangeEdit = (column == sheetcol::CompressionRate || column == sheetcol::SubmissionRate)
        && doc.nx6 == column && doc.ny6 != row;
    return result;
}

void itemViewPressed(EstimateDocument &doc, int column, int row)
{
    doc.nx5 = column;
    doc.ny5 = row;
}

bool itemViewReleased(EstimateDocument &doc, int column, int row, Button button)
{
    doc.ux5 = column;
    doc.uy5 = row;
    if (button == Button::Left) {
        doc.ux5b = column;
        doc.uy5b = row;
        // The release that follows opening a file is not the user's.
        if (doc.openFlag == 1) {
            doc.openFlag = 0;
            return false;
        }
    }
    return button == Button::Right && row > 0;
}

void linesPressed(EstimateDocument &doc, int column, int row)
{
    if (row < 0 || row >= doc.lines.rowCount())
        return;
    doc.nx1 = column;
    doc.ny1 = row;
}

void linesReleased(EstimateDocument &doc, int column, int row, Button button)
{
    doc.ux1 = column;
    doc.uy1 = row;
    if (button == Button::Left) {
        doc.ux1b = column;
        doc.uy1b = row;
    }
}

} // namespace gridmouse
