#pragma once

class EstimateDocument;
class ExportProgress;
class Host;
class TextGrid;

// The export commands of the main window: each checks the estimate, builds its workbook while
// the progress panel shows, and offers it for saving; a saved workbook is opened in the user's
// spreadsheet application. Every failure is told to the user; no partial file is left behind.
// Each returns true when a workbook was saved.
namespace exporting {

// "見積書変換" / "見積書出力" / "積算根拠出力" (Button81Click): the basis list in the item and whole
// views, the quotation workbook after compilation.
bool Button81Click(EstimateDocument &doc, Host &host, ExportProgress &progress);

// "原価検討" (Button94Click): the cost summary of the compiled estimate.
bool Button94Click(EstimateDocument &doc, Host &host, ExportProgress &progress);

// The tally export: the tally, the per-code merge and the write into the cost-summary template,
// in that order. `menu` is the material menu table whose captions name the classes.
bool tallyExport(EstimateDocument &doc, Host &host, ExportProgress &progress, const TextGrid &menu);

} // namespace exporting
