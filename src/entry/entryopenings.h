#pragma once

#include <QString>

class EstimateDocument;
struct EntryForm;

// How other windows open the data entry window: they fill the form through one of these, then
// show the window (TForm2::showEntry), which registers or cancels the entry. solvara-cli's
// "register" opens the form the same way.
namespace entryopenings {

// A new line under the current item, as a catalog pick opens it. The caller first fills the
// line fields it knows (Edit1 … Edit5, ComboBox5, Edit7, Edit8, ComboBox6, Edit11 … Edit20, and
// firstCatalogName for an unregistered material); this sets the rest: Edit21 := st1count + 1,
// Edit22 := the current item's name, Edit34 := its row, Edit24 := "10" (the quantity is typed
// next), Edit30 := "0", the new-line flag 1 and the edit flag 0, and shows the submitted unit
// price in the status line.
void openNewLine(EntryForm &f, const EstimateDocument &doc);

// An existing line (row `row` of the line table) with column `column` (2 to 22) to be retyped:
// every line field from its column, the quantity from the corrected quantity when the estimate
// sheet is shown, the item's eight expense rates from the item row in column 44 (their defaults
// when that row is not an item), the edit flag 1 and the new-line flag 0. The opener then sets
// the form's carry-over for the column (carryover::forWholeView …). Throws ConversionError when
// column 44 is not a whole number.
void openLine(EntryForm &f, const EstimateDocument &doc, int row, int column);

// Item rate mode for item row `itemRow`: the rate pair of the expense row `expenseName` ("塗 装 費",
// "天井開口費", the labour name or "雑材消耗品費") enabled, the field `fieldCode` (35 to 42) to be
// retyped.
void openItemRates(EntryForm &f, const EstimateDocument &doc, int itemRow, const QString &expenseName,
                   int fieldCode);

// The item-numbered sub-number of an unregistered material or a comment line: the item row
// followed by its "未登録品No.", left-padded with "0" to four characters.
QString itemSubNumber(const EstimateDocument &doc, int itemRow);

} // namespace entryopenings
