#include "base/textgrid.h"

#include <algorithm>

namespace {
const QString emptyText;
}

TextGrid::TextGrid(int columns, int rows) : m_columns(columns), m_rows(rows)
{
    m_cells.resize(size_t(columns) * size_t(rows));
}

void TextGrid::setRowCount(int rows)
{
    rows = std::clamp(rows, 0, maxRows);
    if (rows < m_rows || size_t(rows) * m_columns < m_cells.size()) {
        // Cells below the new count are discarded, as the grid drops rows it no longer has.
        m_cells.resize(size_t(rows) * m_columns);
    }
    m_rows = rows;
    ensureStored(rows - 1);
}

const QString &TextGrid::emptyCell()
{
    return emptyText;
}

void TextGrid::setCell(int column, int row, const QString &text)
{
    if (QString *c = at(column, row))
        *c = text;
}

QStringList TextGrid::row(int row) const
{
    QStringList cells;
    cells.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c)
        cells.append(cell(c, row));
    return cells;
}

void TextGrid::setRow(int row, const QStringList &cells)
{
    for (int c = 0; c < m_columns; ++c)
        setCell(c, row, c < cells.size() ? cells[c] : QString());
}

void TextGrid::clearRow(int row)
{
    if (row < 0 || size_t(row) * m_columns >= m_cells.size())
        return;
    for (int c = 0; c < m_columns; ++c)
        m_cells[size_t(row) * m_columns + c].clear();
}

void TextGrid::clear()
{
    for (QString &c : m_cells)
        c.clear();
}

void TextGrid::removeRow(int row)
{
    if (row < 0)
        return;
    const size_t begin = size_t(row) * m_columns;
    if (begin < m_cells.size()) {
        auto first = m_cells.begin() + begin;
        std::move(first + m_columns, m_cells.end(), first);
        for (int c = 0; c < m_columns; ++c)
            m_cells[m_cells.size() - m_columns + c].clear();
    }
    if (row < m_rows)
        setRowCount(m_rows - 1);
}

void TextGrid::swapRows(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= maxRows || b >= maxRows)
        return;
    ensureStored(std::max(a, b));
    for (int c = 0; c < m_columns; ++c)
        std::swap(m_cells[size_t(a) * m_columns + c], m_cells[size_t(b) * m_columns + c]);
}

void TextGrid::permuteRows(int first, const std::vector<int> &order)
{
    if (order.empty())
        return;
    ensureStored(first + int(order.size()) - 1);
    for (int r : order)
        ensureStored(r);
    std::vector<QString> moved;
    moved.reserve(order.size() * m_columns);
    for (int r : order)
        for (int c = 0; c < m_columns; ++c)
            moved.push_back(std::move(m_cells[size_t(r) * m_columns + c]));
    std::move(moved.begin(), moved.end(), m_cells.begin() + size_t(first) * m_columns);
}

int TextGrid::lastNonEmptyRow() const
{
    for (int r = int(m_cells.size() / std::max(m_columns, 1)) - 1; r >= 0; --r)
        for (int c = 0; c < m_columns; ++c)
            if (!m_cells[size_t(r) * m_columns + c].isEmpty())
                return r;
    return -1;
}

QString *TextGrid::at(int column, int row)
{
    if (column < 0 || column >= m_columns || row < 0 || row >= maxRows)
        return nullptr;
    ensureStored(row);
    return &m_cells[size_t(row) * m_columns + column];
}

void TextGrid::ensureStored(int row)
{
    const size_t needed = size_t(row + 1) * m_columns;
    if (row >= 0 && m_cells.size() < needed)
        m_cells.resize(needed);
}
