#include "base/gridnumbers.h"

namespace cells {

void setNumber(TextGrid &grid, int column, int row, double value)
{
    char16_t buffer[64];
    const int length = num::shortestTo(value, buffer);
    const QString &current = grid.cell(column, row);
    if (current.size() == length) {
        const QChar *old = current.constData();
        int i = 0;
        while (i < length && old[i].unicode() == buffer[i])
            ++i;
        if (i == length)
            return;
    }
    grid.setCell(column, row, QString::fromUtf16(buffer, length));
}

void defaultIfBlank(TextGrid &grid, int column, int row, const QString &text)
{
    if (isBlank(grid, column, row))
        grid.setCell(column, row, text);
}

} // namespace cells
