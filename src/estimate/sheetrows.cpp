#include "estimate/sheetrows.h"

#include "base/gridnumbers.h"
#include "estimate/columns.h"

#include <cmath>

namespace sheet {

double divide(double a, double b, const QString &divisorText)
{
    if (b == 0)
        throw ArithmeticError{divisorText};
    return a / b;
}

void writeNumber(TextGrid &sheet, int column, int row, double value)
{
    if (!std::isfinite(value))
        throw ArithmeticError{num::shortest(value)};
    cells::setNumber(sheet, column, row, value);
}

void writeLumpSumRow(TextGrid &sheet, int row, const QString &name)
{
    sheet.setCell(sheetcol::Name, row, name);
    sheet.setCell(sheetcol::Quantity, row, names::one);
    sheet.setCell(sheetcol::Unit, row, names::lumpSum);
}

double roundCostRow(double amount)
{
    const double unit = num::unitFor(amount, num::units::cost, num::Reach::AtLeast);
    if (unit > 0)
        return num::roundToUnit(amount, unit);
    return amount > 0 ? num::roundEven(amount) : amount;
}

} // namespace sheet
