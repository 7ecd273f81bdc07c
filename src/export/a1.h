#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A1-style cell addresses: rows and columns are 1-based.
namespace a1 {

struct Cell {
    int row = 0;
    int column = 0;
};

struct Range {
    int row1 = 0;
    int column1 = 0;
    int row2 = 0;
    int column2 = 0;

    bool contains(int row, int column) const
    {
        return row >= row1 && row <= row2 && column >= column1 && column <= column2;
    }
    bool intersects(const Range &o) const
    {
        return row1 <= o.row2 && o.row1 <= row2 && column1 <= o.column2 && o.column1 <= column2;
    }
    bool operator==(const Range &) const = default;
};

// "A" → 1, "AQ" → 43; 0 when the text is not column letters.
int columnNumber(QStringView letters);
QString columnLetters(int column);
QString cellName(int row, int column);
QString rangeName(const Range &range);

// "B7" or "$B$7".
std::optional<Cell> parseCell(QStringView text);
// "B7" or "B7:D9" (corners in any order, normalised).
std::optional<Range> parseRange(QStringView text);

} // namespace a1
