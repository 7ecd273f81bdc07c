#pragma once

class EstimateDocument;
class ExportProgress;
class Host;
class Workbook;
class Worksheet;

// The cost summary "原価集計表": a one-page landscape form (A1:AQ59) on which the estimate's
// amounts are summed into fixed cost rows by material code, with live formulas for rates,
// subtotals, a summary in thousands of yen and the profit figures.
namespace costsummary {

// The form: labels, merges, formulas, formats and edges, without amounts.
void layout(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress);
// The amounts of the compiled estimate. A line or sheet amount that is not a number, a fractional
// amount where whole yen are summed, or a labour unit price of 0 throws ConversionError.
void fillValues(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress);

// Three sheets, "原価集計表", "Sheet2" and "Sheet3", the first laid out and filled.
void build(const EstimateDocument &doc, Workbook &book, ExportProgress &progress);

} // namespace costsummary
