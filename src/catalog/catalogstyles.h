#pragma once

#include "output/cellstyles.h"

class EstimateDocument;

// How the catalog's grids draw their cells.
namespace catalogstyle {

// StringGrid2, the menu table (no title row): each column pair in the colour of its group.
CellStyle menu(const EstimateDocument &doc, int column, int row);
// StringGrid3, the material list; `row` is a grid row (1 and below are the body). Prices and
// painting costs are shown through "#,###.##".
CellStyle list(const EstimateDocument &doc, int column, int row);

} // namespace catalogstyle
