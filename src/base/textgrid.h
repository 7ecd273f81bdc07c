#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A rectangular table of text cells, as the program's grids hold them.
//
// Like the grids of the original design, cells may be written beyond the row count: they are kept
// (and read back) but lie outside the visible rows until the row count grows. Lowering the row
// count discards the cells below it. Reading outside the stored cells gives empty text.
class TextGrid
{
public:
    TextGrid() = default;
    TextGrid(int columns, int rows);

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    void setRowCount(int rows);

    // Inline: the recalculation reads tens of cells per line.
    const QString &cell(int column, int row) const
    {
        if (column < 0 || column >= m_columns || row < 0)
            return emptyCell();
        const size_t index = size_t(row) * size_t(m_columns) + size_t(column);
        return index < m_cells.size() ? m_cells[index] : emptyCell();
    }
    void setCell(int column, int row, const QString &text);

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
    // Moves row contents so that rows [first, first + order.size()) take the rows order[i].
    void permuteRows(int first, const std::vector<int> &order);

    // The last stored row that holds a non-empty cell, or -1.
    int lastNonEmptyRow() const;

    // Writes to rows beyond this are dropped, so that a corrupt row number cannot exhaust memory.
    static constexpr int maxRows = 4'000'000;

private:
    static const QString &emptyCell();
    QString *at(int column, int row);
    void ensureStored(int row);

    int m_columns = 0;
    int m_rows = 0;
    std::vector<QString> m_cells; // row-major, m_columns per row, at least m_rows rows
};
