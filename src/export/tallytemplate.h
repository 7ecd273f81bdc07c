#pragma once

#include "base/numbers.h"

class EstimateDocument;
class XlsxSheet;

// The template write of the tally export: the merged tally, the NET amount and the header of the
// estimate written into the cost-summary template's sheet.
namespace tallytemplate {

// The NET amount in thousands of yen: rate % of the grand total, moved to a unit chosen by its
// size and divided by 1000; an amount below 100 is left as computed.
num::Real netAmount(num::Real ratePercent, num::Real grandTotal);

// Fills the sheet "原価集計表" of the template from the tally grid, its counts and capacity flags.
// A NET rate that is not a number throws ConversionError.
void fill(const EstimateDocument &doc, XlsxSheet &sheet);

} // namespace tallytemplate
