#pragma once

class EstimateDocument;
class ExportProgress;
class Workbook;
class Worksheet;

// The quotation workbook built from the compiled estimate sheet: the cover letter "鏡", the
// summary by item "総括表", the line breakdown "内訳書" and the chosen conditions "条件書",
// on sheets 1 to 4 of `book`.
void buildQuotationWorkbook(const EstimateDocument &doc, Workbook &book, ExportProgress &progress);

namespace quotation {

inline constexpr char16_t mincho[] = u"ＭＳ 明朝";

// The last estimate sheet row (from 1) named "総　合　計", or 0.
int grandTotalRow(const EstimateDocument &doc);

void coverSheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress);
void summarySheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress);
void breakdownSheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress);
void conditionsSheet(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress);

// Margins 0, one page tall and wide, centred both ways.
void onePageSetup(Worksheet &sheet);

} // namespace quotation
