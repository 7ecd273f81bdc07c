#pragma once

class EstimateDocument;
class Host;

// "選択行の削除" on the estimate sheet (N28Click): removes the line behind sheet row uy6, or clears
// the rate that produces a derived row, then compiles the sheet again.
namespace sheetdelete {

// Returns true when something was removed.
bool deleteSelectedRow(EstimateDocument &doc, Host &host);

} // namespace sheetdelete
