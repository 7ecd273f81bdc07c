#pragma once

class EstimateDocument;
class TextGrid;

// The outline of the items: levels, numbered names, the structural check that keeps the outline
// consistent, and the links between items and estimate lines (names, codes, row numbers).
namespace outline {

inline constexpr int maxLevel = 4;

// The level of item row `row` (column 0): 0 when blank, clamped to 1..4 otherwise. Text that is not
// a whole number throws ConversionError.
int level(const TextGrid &items, int row);
// True when the item row holds estimate lines (its line count, column 6, is not blank).
bool hasLines(const TextGrid &items, int row);
// True when the item row is in use (it has a bare name).
bool inUse(const TextGrid &items, int row);
// Moves the row's name from its level column to the column of `to` and sets its level to `to`.
void setLevel(TextGrid &items, int row, int to);

// "前の名称を記録": column 17 and koumoku of rows 1 to tree_count take the numbered name.
void recordPreviousNames(EstimateDocument &doc);

// "階層番号": gives every row with a level its outline number (1, 1-1, 1-1-2 ...) and writes
// number + "." + bare name into column 5 and into its level column. koumoku keeps the names as
// they were. Rows without a level are skipped and do not reset the counters.
void renumber(EstimateDocument &doc);

// "階層の最終確認": one pass over the rows that raises a row more than one level deeper than the row
// above it, and a sub-item that holds lines under an item that holds lines, to the level of the row
// above; then the tree, the numbers, the lines' item names and the captions are rebuilt.
void structuralCheck(EstimateDocument &doc);

// "項目固有コードの書きこみ": item codes (column 18) become the row numbers, and every line whose
// item name equals an item's numbered name takes that item's code (line column 40).
void writeItemCodes(EstimateDocument &doc);

// "工事項目の書き換え": every line carrying an item's code takes the item's numbered name, and the
// current-item label follows its item's new name.
void rewriteLineItemNames(EstimateDocument &doc);

// "階層番号の見直し": every line whose item name equals a level column of an item row takes that
// row number in line column 44 (the last matching row counts); other lines keep their number.
void refreshLineItemNumbers(EstimateDocument &doc);

} // namespace outline
