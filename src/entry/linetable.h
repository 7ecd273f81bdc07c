#pragma once

#include <vector>

class EstimateDocument;

// Maintenance of the estimate line table: deleting a line and the clean-up that the whole view
// runs after it sorts.
namespace linetable {

// Deletes line `row` as "選択行の削除" does in the whole view: columns 1 to 45 of the rows below
// move up one (column 0 keeps the numbering), the count drops, the table gets st1count + 2 rows
// and the save button is disabled when no line is left. Sets the modified flag.
void deleteLine(EstimateDocument &doc, int row);

// Deletes the lines `rows` (ascending, each from 1 to st1count) with the result of deleteLine run
// on each of them from the last upwards, in one pass over the table.
void deleteLines(EstimateDocument &doc, const std::vector<int> &rows);

// "St1をチェックして不要行削除": deletes numbered rows whose item name is empty. The examination
// goes on with the next row number, so a line that moved up into a deleted row is examined on the
// next run only.
void removeLinesWithoutItem(EstimateDocument &doc);

// "バグった時に最終行をクリアする処理": rows whose number or item name is blank or "無し" are
// emptied; the remaining lines are counted into st1count and the bottom strip. Emptied rows do not
// leave gaps: the lines below them move up, so no line is lost beyond the count.
void clearBrokenRows(EstimateDocument &doc);

} // namespace linetable
