#include "base/gridnumbers.h"

namespace cells {

void setNumber(TextGrid &grid, int column, int row, double value)
{
    char16_t buffer[64];
    const int length = num::shortestTo(value, buffer);
    grid.setCellText(column, row, QStringView(buffer, length));
}

void defaultIfBlank(TextGrid &grid, int column, int row, const QString &text)
{
    if (isBlank(grid, column, row))
        grid.setCell(column, row, text);
}

} // namespace cells
