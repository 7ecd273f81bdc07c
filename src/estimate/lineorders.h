#pragma once

class EstimateDocument;

// The two orders in which the estimate line table can be held.
namespace lineorders {

// "コード順": sorts lines 1 to st1count by the key C, O, D, E, "-", name, specification 1, item
// name, specification 2, quantity, construction category, kind (locale-aware, case-insensitive),
// renumbers column 0 and removes a leading space from every unit.
void codeOrder(EstimateDocument &doc);

// "入力順": sorts lines by input number (lines without one first) and renumbers column 45.
// An input number that is not a number abandons the sort, leaving the table unchanged; returns
// false then.
bool inputOrder(EstimateDocument &doc);

} // namespace lineorders
