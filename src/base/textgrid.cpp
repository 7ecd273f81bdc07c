#include "base/textgrid.h"

#include <algorithm>
#include <atomic>
#include <utility>

TextGrid::TextGrid(int columns, int rows)
    : m_columns(columns), m_rows(rows), m_stamps(size_t(std::max(columns, 0))),
      m_touched(size_t(std::max(columns, 0)), 1)
{
    m_cells.resize(size_t(columns) * size_t(rows));
}

TextGrid::TextGrid(TextGrid &&other) noexcept
    : m_columns(other.m_columns), m_rows(std::exchange(other.m_rows, 0)), m_cells(std::move(other.m_cells)),
      m_texts(std::move(other.m_texts)), m_stale(std::move(other.m_stale)), m_stamps(other.m_stamps),
      m_touched(other.m_touched)
{
    other.m_cells.clear();
    other.m_stale.clear();
    other.touchAll();
}

TextGrid &TextGrid::operator=(TextGrid &&other) noexcept
{
    if (this != &other) {
        m_columns = other.m_columns;
        m_rows = std::exchange(other.m_rows, 0);
        m_cells = std::move(other.m_cells);
        m_texts = std::move(other.m_texts);
        m_stale = std::move(other.m_stale);
        m_stamps = other.m_stamps;
        m_touched = other.m_touched;
        other.m_cells.clear();
        other.m_stale.clear();
        other.touchAll();
    }
    return *this;
}

std::uint64_t TextGrid::columnStamp(int column) const
{
    static std::atomic<std::uint64_t> lastStamp{0};
    if (column < 0 || column >= m_columns)
        return 0;
    if (m_touched[size_t(column)]) {
        m_stamps[size_t(column)] = ++lastStamp;
        m_touched[size_t(column)] = 0;
    }
    return m_stamps[size_t(column)];
}

void TextGrid::touchAll()
{
    std::fill(m_touched.begin(), m_touched.end(), 1);
}

void TextGrid::setRowCount(int rows)
{
    rows = std::clamp(rows, 0, maxRows);
    if (rows < m_rows || size_t(rows) * m_columns < m_cells.size()) {
        // Cells below the new count are discarded, as the grid drops rows it no longer has.
        dropStale();
        releaseFrom(size_t(rows) * m_columns);
        touchAll();
    }
    m_rows = rows;
    ensureStored(rows - 1);
}

void TextGrid::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= m_columns || row < 0 || row >= maxRows)
        return;
    ensureStored(row);
    const size_t index = size_t(row) * m_columns + column;
    // The new text is taken before the old one is let go: `text` may be that very cell.
    TextPool::Id taken;
    if (index < m_stale.size() && m_stale[index] != 0) {
        const TextPool::Id before = std::exchange(m_stale[index], 0);
        if (m_texts.holds(before, text)) {
            taken = before;
        } else {
            taken = m_texts.acquire(text);
            m_texts.release(before);
        }
    } else {
        taken = m_texts.acquire(text);
    }
    place(index, column, taken);
}

void TextGrid::setCellText(int column, int row, QStringView text)
{
    if (column < 0 || column >= m_columns || row < 0 || row >= maxRows)
        return;
    ensureStored(row);
    const size_t index = size_t(row) * m_columns + column;
    if (m_texts.reads(m_cells[index], text))
        return;
    TextPool::Id taken;
    if (index < m_stale.size() && m_stale[index] != 0) {
        const TextPool::Id before = std::exchange(m_stale[index], 0);
        if (m_texts.reads(before, text)) {
            taken = before;
        } else {
            taken = m_texts.acquire(text);
            m_texts.release(before);
        }
    } else {
        taken = m_texts.acquire(text);
    }
    place(index, column, taken);
}

// Puts the text `taken` (already held for the cell) into the cell, letting the old one go.
void TextGrid::place(size_t index, int column, TextPool::Id taken)
{
    TextPool::Id &id = m_cells[index];
    m_texts.release(id);
    if (taken != id)
        m_touched[size_t(column)] = 1;
    id = taken;
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
    dropStale();
    for (int c = 0; c < m_columns; ++c) {
        TextPool::Id &id = m_cells[size_t(row) * m_columns + c];
        if (id != 0)
            m_touched[size_t(c)] = 1;
        m_texts.release(id);
        id = 0;
    }
}

void TextGrid::clear()
{
    dropStale();
    m_stale.swap(m_cells);
    m_cells.assign(m_stale.size(), 0);
    touchAll();
}

int TextGrid::distinctTexts()
{
    dropStale();
    return m_texts.size();
}

void TextGrid::dropStale()
{
    for (TextPool::Id id : m_stale)
        m_texts.release(id);
    m_stale.clear();
}

void TextGrid::removeRow(int row)
{
    if (row < 0)
        return;
    const size_t begin = size_t(row) * m_columns;
    dropStale();
    if (begin < m_cells.size()) {
        touchAll();
        for (size_t i = begin; i < begin + m_columns; ++i)
            m_texts.release(m_cells[i]);
        auto first = m_cells.begin() + begin;
        std::move(first + m_columns, m_cells.end(), first);
        std::fill(m_cells.end() - m_columns, m_cells.end(), 0);
    }
    if (row < m_rows)
        setRowCount(m_rows - 1);
}

void TextGrid::swapRows(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= maxRows || b >= maxRows)
        return;
    ensureStored(std::max(a, b));
    dropStale();
    touchAll();
    std::swap_ranges(m_cells.begin() + size_t(a) * m_columns, m_cells.begin() + size_t(a + 1) * m_columns,
                     m_cells.begin() + size_t(b) * m_columns);
}

void TextGrid::permuteRows(int first, const std::vector<int> &order)
{
    if (order.empty())
        return;
    ensureStored(first + int(order.size()) - 1);
    for (int r : order)
        ensureStored(r);
    dropStale();
    touchAll();
    const auto target = m_cells.begin() + size_t(first) * m_columns;
    if (isPermutationOf(order, first)) {
        // Every row of the range moves once: the cells keep their texts, no count changes.
        std::vector<TextPool::Id> moved;
        moved.reserve(order.size() * m_columns);
        for (int r : order)
            moved.insert(moved.end(), m_cells.begin() + size_t(r) * m_columns, m_cells.begin() + size_t(r + 1) * m_columns);
        std::copy(moved.begin(), moved.end(), target);
        return;
    }
    std::vector<TextPool::Id> moved;
    moved.reserve(order.size() * m_columns);
    for (int r : order) {
        for (size_t i = size_t(r) * m_columns; i < size_t(r + 1) * m_columns; ++i) {
            m_texts.retain(m_cells[i]);
            moved.push_back(m_cells[i]);
        }
    }
    std::for_each(target, target + moved.size(), [this](TextPool::Id id) { m_texts.release(id); });
    std::copy(moved.begin(), moved.end(), target);
}

// Whether `order` holds each row of [first, first + order.size()) exactly once.
bool TextGrid::isPermutationOf(const std::vector<int> &order, int first)
{
    std::vector<char> seen(order.size(), 0);
    for (int r : order) {
        const size_t i = size_t(r - first);
        if (r < first || i >= order.size() || seen[i])
            return false;
        seen[i] = 1;
    }
    return true;
}

int TextGrid::lastNonEmptyRow() const
{
    const auto last = std::find_if(m_cells.rbegin(), m_cells.rend(), [](TextPool::Id id) { return id != 0; });
    if (last == m_cells.rend() || m_columns == 0)
        return -1;
    return int(size_t(m_cells.rend() - last - 1) / size_t(m_columns));
}


// Drops the stored cells from `index` on.
void TextGrid::releaseFrom(size_t index)
{
    for (size_t i = index; i < m_cells.size(); ++i)
        m_texts.release(m_cells[i]);
    m_cells.resize(std::min(index, m_cells.size()));
}
