#pragma once

#include "base/numbers.h"
#include "base/textgrid.h"

// Numbers in grid cells.
namespace cells {

inline bool isBlank(const TextGrid &grid, int column, int row)
{
    return num::isBlank(grid.cell(column, row));
}

// The cell as a number; `blank` when the cell is blank. Other non-numeric text throws.
inline double number(const TextGrid &grid, int column, int row, double blank)
{
    return num::toNumberOr(grid.cell(column, row), blank);
}

// Writes the value in the shortest form; the cell is only touched when its text changes.
void setNumber(TextGrid &grid, int column, int row, double value);

// Writes `text` into a blank cell.
void defaultIfBlank(TextGrid &grid, int column, int row, const QString &text);

} // namespace cells
