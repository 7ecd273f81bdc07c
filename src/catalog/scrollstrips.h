#pragma once

class EstimateDocument;

// The scroll buttons of the main window ("▲UP -MAX", "▼DN  +MAX", "▲UP -5" ...): each moves
// ply6 and makes it the top row of the grid that is shown. They return the top row to scroll to.
namespace scrollstrips {

// "▲UP -MAX": back to row 1.
int upMax(EstimateDocument &doc);

// "▼DN  +MAX": the last lines of the line table, the end of the item view (`itemViewRows` rows
// fit on screen) or, on the estimate sheet, the last item's header that compilation marked.
int downMax(EstimateDocument &doc, int itemViewRows);

// "▲UP -5", "▼DN  +1" ...: ply6 moved by `delta`, kept between 1 and the grid's last row.
int step(EstimateDocument &doc, int delta, int lastRow);

} // namespace scrollstrips
