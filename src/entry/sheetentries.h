#pragma once

class EstimateDocument;
class Host;
struct EntryForm;

// The double-clicks on the estimate sheet that the entry windows answer: the quantity and unit of
// a summary item (keypad, unit window), a line reopened in the data entry window and an item's
// expense rates. The sheet is compiled again after each.
namespace sheetentries {

// The quantity of summary item row `row`: the keypad's "0" or empty entry counts 1; cancelling it
// keeps the old quantity. Then the row's item becomes the current item.
void itemQuantity(EstimateDocument &doc, Host &host, int row);
// The unit of summary item row `row`, chosen in the unit window.
void itemUnit(EstimateDocument &doc, Host &host, int row);

// Line `line` reopened from the sheet with line column `lineColumn` to retype (the quantity shows
// the corrected quantity). A changed price or rate (12, 21, 22) goes over to every line of the
// same description when it is registered. Returns false when `line` is not a line. Throws
// ConversionError when its item row is not a whole number.
bool openLine(EntryForm &f, EstimateDocument &doc, int line, int lineColumn);

// After the data entry window closed on the sheet: compiled again, the cursor on the line's row.
void afterEntry(EstimateDocument &doc, Host &host);

} // namespace sheetentries
