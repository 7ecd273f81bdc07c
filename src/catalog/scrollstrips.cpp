#include "catalog/scrollstrips.h"

#include "estimate/document.h"

#include <algorithm>

namespace scrollstrips {

int upMax(EstimateDocument &doc)
{
    doc.ply6 = 1;
    return 1;
}

int downMax(EstimateDocument &doc, int itemViewRows)
{
    const MainControls &c = doc.controls;
    doc.ply6 += 30;
    if (c.showSheet)
        return std::max(1, c.Button57.tag);
    if (c.showLines) {
        doc.ply6 = std::max(1, doc.st1count - 10);
        return doc.ply6;
    }
    return std::max(1, doc.itemView.rowCount() - itemViewRows + 3);
}

int step(EstimateDocument &doc, int delta, int lastRow)
{
    doc.ply6 = std::clamp(doc.ply6 + delta, 1, std::max(1, lastRow));
    return doc.ply6;
}

} // namespace scrollstrips
