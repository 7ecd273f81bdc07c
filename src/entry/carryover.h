#pragma once

#include <QString>

#include <vector>

class EstimateDocument;
class Host;

// Carrying a changed price or factor over to every line of the same material, as the line-edit
// operation ("提出率変更の再計算") does cell by cell: lines whose unit is "式" are left alone.
namespace carryover {

// What a registration carries over from the line it wrote.
struct Rule {
    std::vector<int> key; // line columns that make two lines the same material; empty: nothing
    bool factors = false; // the columns 15 to 22 go over too, not only the unit price (12)
    bool keepEmpty = false; // with factors: an empty factor is not copied (a lone " " never is)

    bool isNone() const { return key.empty(); }
};

// After a double-click on `column` of the whole view: 11, 12 carry the price to the lines of the
// same C, O, D, name and specifications; 14 to 22 also the factors, to those that also agree in
// construction class and kind.
Rule forWholeView(int column);
// The same from the item view: 11, 12 the price; 15 to 22 price and factors, to the lines of the
// same codes, name, specifications, construction class and kind.
Rule forItemView(int column);
// The same from the estimate sheet (the line column edited): 12, 21, 22 carry the price and the
// factors to every line of the same description.
Rule forSheet(int lineColumn);

// The key of line `row` under `columns`, the cells joined without separators.
QString key(const EstimateDocument &doc, int row, const std::vector<int> &columns);

// Writes the price (and the factors) of line `row` into every matching line. Returns the number of
// lines written; the caller recalculates.
int apply(EstimateDocument &doc, int row, const Rule &rule);

// A left-button drag over lines `firstRow` to `lastRow` (either order) in `column` (15 to 22)
// with `value` entered: every line there, and every line of the same description (columns 2 to 9,
// 13 to 15), takes the value; then every line is recalculated. An empty value changes nothing.
// Returns true when lines changed.
bool fill(EstimateDocument &doc, Host &host, int column, const std::vector<int> &rows, const QString &value);

// The lines of a drag from `from` to `to` in the whole view: the rows between them that hold a line.
std::vector<int> dragRows(const EstimateDocument &doc, int from, int to);

} // namespace carryover
