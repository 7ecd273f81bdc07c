#pragma once

#include "base/numbers.h"

class EstimateDocument;

namespace sheet {

// How the compiler finds the lines of an item: through an index of the line table by item name,
// built in one pass, or by walking the whole line table once per item. Both give the same sheet
// cell for cell; the whole-table walk is the plain reading of the rule and serves as reference.
enum class LineWalk { ByItemIndex, WholeTable };

// Running totals over the item sections.
struct DirectCost {
    double goukei = 0;    // direct construction cost
    double netgoukei = 0; // compressed direct construction cost
};

// Writes the detail block below row doc.irow1, one section per item in item-table order, and
// completes every item's summary row (rows 1 to tree_count) with its totals. Sets doc.irow2.
// Throws ConversionError or ArithmeticError at the first failure; rows written so far stay.
DirectCost writeItemSections(EstimateDocument &doc, LineWalk walk);

} // namespace sheet
