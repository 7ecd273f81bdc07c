#pragma once

#include "estimate/columns.h"

#include <QHash>
#include <QString>

#include <span>
#include <vector>

class EstimateDocument;
class TextGrid;

// Keys that tell which estimate lines are the same material, for the edits that carry a value
// over to every matching line.
namespace linekeys {

// The description of a line: codes C, O, D, E and "-", name, both specifications, construction
// category, kind and labour factor.
inline constexpr int description[] = {linecol::C,    linecol::O,     linecol::D,     linecol::E,
                                      linecol::Sub,  linecol::Name,  linecol::Spec1, linecol::Spec2,
                                      linecol::Category, linecol::Kind, linecol::Factor};

// The cells of `columns` of line `row` joined without separators (lines are the same when these
// texts are equal).
QString key(const TextGrid &lines, int row, std::span<const int> columns);

// A line whose unit is "式" is a lump sum: a value carried over from another line never reaches it.
bool takesCarryOver(const TextGrid &lines, int row);

// Lines 1 to st1count by key, built once for an edit that looks up many lines. It stays valid
// while no cell of the key columns changes.
class Index
{
public:
    Index(const EstimateDocument &doc, std::span<const int> columns);

    // The lines with the key of line `row` that take a carry-over, in ascending order.
    const std::vector<int> &matches(int row) const;

private:
    const TextGrid &m_lines;
    std::span<const int> m_columns;
    QHash<QString, std::vector<int>> m_byKey;
};

} // namespace linekeys
