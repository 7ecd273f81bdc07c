#pragma once

#include <optional>
#include <vector>

class EstimateDocument;

// The two orders in which the estimate line table can be held.
namespace lineorders {

// "コード順": sorts lines 1 to st1count by the key C, O, D, E, "-", name, specification 1, item
// name, specification 2, quantity, construction category, kind (locale-aware, case-insensitive),
// renumbers column 0 and removes a leading space from every unit. Lines of equal keys keep their
// order, or, given `tiePositions` (a position per line, index 0 for line 1), the order of those
// positions: the result of sorting the table arranged in that order.
void codeOrder(EstimateDocument &doc, const std::vector<int> *tiePositions = nullptr);

// "入力順": sorts lines by input number (lines without one first) and renumbers column 45.
// An input number that is not a number abandons the sort, leaving the table unchanged; returns
// false then.
bool inputOrder(EstimateDocument &doc);

// The positions (1 to st1count) that "入力順" gives lines 1 to st1count, index 0 for line 1, and
// which it writes into column 45; nullopt when an input number is not a number.
std::optional<std::vector<int>> inputPositions(const EstimateDocument &doc);
// Writes the positions into column 45, as "入力順" numbers the lines it has sorted.
void numberInputOrder(EstimateDocument &doc, const std::vector<int> &positions);

} // namespace lineorders
