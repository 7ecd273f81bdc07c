#pragma once

#include "base/textpool.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A rectangular table of text cells, as the program's grids hold them.
//
// Like the grids of the original design, cells may be written beyond the row count: they are kept
// (and read back) but lie outside the visible rows until the row count grows. Lowering the row
// count discards the cells below it. Reading outside the stored cells gives empty text.
//
// A cell holds the id of its text in the grid's pool of distinct texts (4 bytes a cell instead of
// a string each). The reference cell() gives stays valid while other cells change.
class TextGrid
{
public:
    TextGrid() = default;
    TextGrid(int columns, int rows);
    TextGrid(const TextGrid &other) = default;
    TextGrid &operator=(const TextGrid &other) = default;
    // A grid moved from is empty, and its stamps are new.
    TextGrid(TextGrid &&other) noexcept;
    TextGrid &operator=(TextGrid &&other) noexcept;

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    void setRowCount(int rows);

    // Inline: the recalculation reads tens of cells per line.
    const QString &cell(int column, int row) const
    {
        if (column < 0 || column >= m_columns || row < 0)
            return m_texts.text(0);
        const size_t index = size_t(row) * size_t(m_columns) + size_t(column);
        return m_texts.text(index < m_cells.size() ? m_cells[index] : 0);
    }
    void setCell(int column, int row, const QString &text);
    // setCell for text given as a view: nothing is written when the cell reads it already, and a
    // string is made only when the text is new to the grid.
    void setCellText(int column, int row, QStringView text);

    // The cells of one row (columnCount() of them).
    QStringList row(int row) const;
    void setRow(int row, const QStringList &cells);
    void clearRow(int row);
    // Empties every cell, keeping the row count.
    void clear();

    // Removes `row`; the stored rows below move up one. The row count drops by one.
    void removeRow(int row);
    // Swaps the contents of two rows.
    void swapRows(int a, int b);
    // Rows [first, first + order.size()) take the contents of rows order[i] (copies, for rows
    // outside that range).
    void permuteRows(int first, const std::vector<int> &order);

    // A stamp of the cells of one column: it changes whenever a cell of the column may have
    // changed or rows have moved, and a grid with other contents never has it. An operation that
    // remembers the stamps of the columns it read can tell that they are still as it left them.
    std::uint64_t columnStamp(int column) const;

    // How many distinct non-empty texts the cells hold.
    int distinctTexts();

    // The last stored row that holds a non-empty cell, or -1.
    int lastNonEmptyRow() const;

    // Writes to rows beyond this are dropped, so that a corrupt row number cannot exhaust memory.
    static constexpr int maxRows = 4'000'000;

private:
    // Inline: every write checks that its row is stored.
    void ensureStored(int row)
    {
        const size_t needed = size_t(row + 1) * m_columns;
        if (row >= 0 && m_cells.size() < needed)
            m_cells.resize(needed, 0);
    }
    void releaseFrom(size_t index);
    void touchAll();
    static bool isPermutationOf(const std::vector<int> &order, int first);
    void dropStale();
    void place(size_t index, int column, TextPool::Id taken);

    int m_columns = 0;
    int m_rows = 0;
    std::vector<TextPool::Id> m_cells; // row-major, m_columns per row, at least m_rows rows
    TextPool m_texts;
    // What the cells held before the last clear(), each still holding its text: a rebuild that
    // writes a cell's text again (a compilation writes mostly the same sheet) takes it back without
    // looking it up. Let go at the next change of the rows.
    std::vector<TextPool::Id> m_stale;
    // Per column: its stamp, and whether its cells changed since the stamp was given (a new stamp
    // is drawn only when one is asked for).
    mutable std::vector<std::uint64_t> m_stamps;
    mutable std::vector<char> m_touched;
};
