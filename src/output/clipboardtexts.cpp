#include "output/clipboardtexts.h"

#include "base/host.h"
#include "base/textgrid.h"
#include "estimate/document.h"

#include <algorithm>

namespace clipboardtexts {

namespace {

QString line(const TextGrid &grid, int row, int first, int last, std::span<const int> only)
{
    QString text;
    for (int column = first; column <= last; ++column) {
        if (!only.empty() && std::find(only.begin(), only.end(), column) == only.end())
            continue;
        text += grid.cell(column, row);
        if (column != last)
            text += u'\t';
    }
    return text + u"\r\n"_qs;
}

} // namespace

QString range(const TextGrid &grid, int column1, int row1, int column2, int row2, std::span<const int> only,
              bool titled)
{
    const int left = std::max(0, std::min(column1, column2));
    const int right = std::max(column1, column2);
    const int top = std::max(0, std::min(row1, row2));
    const int bottom = std::max(row1, row2);
    QString text;
    if (titled)
        text += line(grid, 0, left, right, only);
    for (int row = top; row <= bottom; ++row)
        text += line(grid, row, left, right, only);
    return text;
}

void copyLineRange(EstimateDocument &doc, Host &host)
{
    if (doc.controls.showItemView)
        host.setClipboardText(range(doc.itemView, doc.nx5, doc.ny5, doc.ux5b, doc.uy5b));
    else
        host.setClipboardText(range(doc.lines, doc.nx1, doc.ny1, doc.ux1b, doc.uy1b));
}

void copySheetRange(EstimateDocument &doc, Host &host, bool titled)
{
    host.setClipboardText(range(doc.sheet, doc.nx6, doc.ny6, doc.ux6b, doc.uy6b, sheetColumns, titled));
}

} // namespace clipboardtexts
