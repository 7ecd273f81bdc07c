#pragma once

class EstimateDocument;
struct Settings;

namespace sheet {

struct DirectCost;

// Whether the summary block keeps a row for the social-insurance entry: the rate is neither blank
// nor "0" and "社会保険料相当額を表示させる" is on.
bool socialInsuranceReserved(const Settings &settings);

// Number of extra expense rows listed: a name and either a rate or an amount.
int listedExtraRows(const Settings &settings);

// The extent of the summary block (irow1) for `itemRows` items with a level.
int summaryBlockSize(const Settings &settings, int itemRows);

// Writes the rows below the item summary rows: direct cost, extra expenses, site expenses,
// overhead, the reserved social-insurance row, tax and the grand total; then rounds the grand
// total and computes the tax. Sets sougoukei and syouhizeigaku. Throws ConversionError.
void writeExpenseBlock(EstimateDocument &doc, const DirectCost &direct);

} // namespace sheet
