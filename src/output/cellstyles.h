#pragma once

#include "base/cellstyle.h"

#include <QString>

class EstimateDocument;

// How the cells of the main window's grids are drawn.
namespace cellstyle {

inline constexpr unsigned black = 0x000000;
inline constexpr unsigned white = 0xFFFFFF;
inline constexpr unsigned red = 0xFF0000;
inline constexpr unsigned blue = 0x0000FF;
inline constexpr unsigned sheetBlue = 0x0F54E3;   // RGB 15, 84, 227
inline constexpr unsigned silver = 0xC0C0C0;
inline constexpr unsigned navy = 0x000080;
inline constexpr unsigned cream = 0xFEF3DE;       // RGB 254, 243, 222
inline constexpr unsigned inputOrderGreen = 0x269720;

// Pattern "#,###.##" of a cell: digit grouping, at most two decimals, nothing for 0 and for text
// that is not a number.
QString numberFormat(const QString &text);

// StringGrid6, the estimate sheet; `row` is a grid row (1 and below are the body).
CellStyle sheet(const EstimateDocument &doc, int column, int row);
// StringGrid5, the item view grid.
CellStyle itemView(const EstimateDocument &doc, int column, int row);
// StringGrid1, the line table in the whole view.
CellStyle lines(const EstimateDocument &doc, int column, int row);

} // namespace cellstyle
