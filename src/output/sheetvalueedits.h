#pragma once

#include "output/sheetdoubleclick.h"

#include <QString>

class EstimateDocument;
class Host;

// What the estimate sheet does with a value typed on the calculator: the double-clicks that ask
// for an amount or a rate, and the drag over a rate column. Each change goes into the line table,
// the item table or the settings, and the sheet is compiled again from them.
namespace sheetedit {

// Whether the request is answered with a value typed on the calculator.
bool asksCalculator(const sheetclick::Request &request);

// The calculator's percent key reads "工数" on the sheet, except on the labour row, whose amount
// the labour unit price already makes.
bool labourKeyFor(const EstimateDocument &doc, int sheetRow);

// Enters `value` for a request that asks the calculator. Derived rows: the amount gives the item's
// rate (new amount ÷ (old amount ÷ old rate)). Expense rows: the manual site-expense or overhead
// amount (the rounding mode becomes "手動計算"; 0 removes the amount), an extra row's amount (its
// rate is cleared) or its compression rate. Line rows: a rate, or a unit price or amount turned
// into a rate of the list price, for the line and every line of the same description. An empty
// value changes nothing. A cell that is not a number stops silently; a division by zero is shown
// as an error; nothing is changed then. Returns true when the sheet was compiled again.
bool enterValue(EstimateDocument &doc, Host &host, const sheetclick::Request &request, const QString &value);

// The drag from (nx6, ny6) to (ux6, uy6) in "圧縮率" or "提出率": `value` becomes the compression
// (line column 21) or submission (22) rate of every line row in between and of every line of the
// same description; the sheet is compiled again. An empty value changes nothing.
bool enterRangeRate(EstimateDocument &doc, Host &host, const QString &value);

} // namespace sheetedit
