#include "base/gridnumbers.h"

namespace cells {

void setNumber(TextGrid &grid, int column, int row, num::Real value)
{
    char16_t buffer[64];
    const int length = num::shortestTo(value, buffer);
    const QStringView text(buffer, length);
    if (grid.cell(column, row) != text)
        grid.setCell(column, row, text.toString());
}

void defaultIfBlank(TextGrid &grid, int column, int row, const QString &text)
{
    if (isBlank(grid, column, row))
        grid.setCell(column, row, text);
}

} // namespace cells
