#pragma once

#include <QString>

#include <span>

class EstimateDocument;
class Host;
class TextGrid;

// Clipboard export: the rectangle of cells between the cell where the left button last went down
// and the cell where it was last released on a grid, as tab-separated lines ready to be pasted
// into a spreadsheet.
namespace clipboardtexts {

// The columns of the estimate sheet that its copies take: name, specification, quantity, unit,
// unit price, the compressed and submitted rates, unit prices and amounts, and the remark.
inline constexpr int sheetColumns[] = {7, 8, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21};

// The text of the rectangle between two cells (both ends included, in any order): one line per
// row, top to bottom, each followed by CR LF; in a line every cell is followed by a tab except a
// cell in the last column of the rectangle. With `only`, the other columns are left out. With
// `titled`, a line of the titles in row 0 over the same columns comes first.
QString range(const TextGrid &grid, int column1, int row1, int column2, int row2, std::span<const int> only = {},
              bool titled = false);

// "クリップボードへコピー" of the line pop-up menu (N12Click): the range of the item view grid when it
// is shown, otherwise that of the estimate line table, with all its columns.
void copyLineRange(EstimateDocument &doc, Host &host);

// "クリップボードへコピー" (N33Click) and "クリップボードへコピー(表題付)" (N38Click) of the sheet
// pop-up menu: the sheet's range in the sheet's columns, with the title line when `titled`.
void copySheetRange(EstimateDocument &doc, Host &host, bool titled);

} // namespace clipboardtexts
