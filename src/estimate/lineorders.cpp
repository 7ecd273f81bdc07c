#include "estimate/lineorders.h"

#include "base/gridnumbers.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <unordered_map>

namespace lineorders {

namespace {

constexpr int codeColumns[] = {linecol::C,    linecol::O,     linecol::D,     linecol::E,
                               linecol::Sub,  linecol::Name,  linecol::Spec1, linecol::Item,
                               linecol::Spec2, linecol::Quantity, linecol::Category, linecol::Kind};

// The cells whose joined text is a line's code-order key.
struct CodeCells {
    std::array<QStringView, std::size(codeColumns)> cells;

    CodeCells(const TextGrid &t, int r)
    {
        for (size_t i = 0; i < cells.size(); ++i)
            cells[i] = t.cell(codeColumns[i], r);
    }

    // A hash of the joined text, however it is split into cells.
    size_t hash() const
    {
        size_t h = 14695981039346656037ull;
        for (QStringView cell : cells)
            for (QChar c : cell)
                h = (h ^ c.unicode()) * 1099511628211ull;
        return h;
    }

    bool joinedEquals(QStringView text) const
    {
        qsizetype at = 0;
        for (QStringView cell : cells) {
            if (text.mid(at, cell.size()) != cell)
                return false;
            at += cell.size();
        }
        return at == text.size();
    }

    QString joined() const
    {
        QString key;
        for (QStringView cell : cells)
            key += cell;
        return key;
    }
};

// The key columns' stamps and the line count of a table as code order left it: in order by key.
struct SortedState {
    std::array<std::uint64_t, std::size(codeColumns)> stamps{};
    int lines = -1;

    static SortedState of(const TextGrid &t, int lines)
    {
        SortedState s;
        for (size_t i = 0; i < std::size(codeColumns); ++i)
            s.stamps[i] = t.columnStamp(codeColumns[i]);
        s.lines = lines;
        return s;
    }
    bool operator==(const SortedState &) const = default;
};

// Collation keys of the lines sorted lately. Building a key is the costly part of a sort, and the
// whole view sorts the same lines again and again: most keys can be reused. They are found by the
// cells themselves, without joining them.
class SortKeys
{
public:
    SortKeys() : m_collator(QLocale(QLocale::Japanese, QLocale::Japan))
    {
        m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    }

    // The table code order sorted last, as it left it.
    SortedState sorted;

    // At the start of a sort: keys handed out earlier may no longer be used.
    void startSort()
    {
        if (m_keys.size() >= 200'000)
            m_keys.clear();
    }

    const QCollatorSortKey *key(const CodeCells &cells)
    {
        const size_t h = cells.hash();
        for (auto [it, end] = m_keys.equal_range(h); it != end; ++it)
            if (cells.joinedEquals(it->second.text))
                return &it->second.key;
        const QString text = cells.joined();
        return &m_keys.emplace(h, Entry{text, m_collator.sortKey(text)})->second.key;
    }

private:
    struct Entry {
        QString text;
        QCollatorSortKey key;
    };
    QCollator m_collator;
    std::unordered_multimap<size_t, Entry> m_keys;
};

// Column 0 numbered 1, 2, 3 … and a leading space removed from every unit; cells are written only
// when they change.
void renumber(TextGrid &t, int n)
{
    for (int r = 1; r <= n; ++r) {
        cells::setNumber(t, linecol::No, r, r);
        const QString &unit = t.cell(linecol::Unit, r);
        if (unit.startsWith(u' '))
            t.setCell(linecol::Unit, r, unit.mid(1));
    }
}

} // namespace

void codeOrder(EstimateDocument &doc, const std::vector<int> *tiePositions)
{
    TextGrid &t = doc.lines;
    const int n = doc.st1count;
    // Never destroyed: freeing a cache of a hundred thousand keys would only delay the exit.
    static SortKeys &sortKeys = *new SortKeys;
    // Compilation runs the whole view every time: a table whose key cells have not changed since
    // it was sorted is still in order (lines of equal keys keep theirs unless positions are given).
    if (!tiePositions && sortKeys.sorted == SortedState::of(t, n)) {
        renumber(t, n);
        return;
    }
    sortKeys.startSort();
    std::vector<const QCollatorSortKey *> keys;
    keys.reserve(n);
    for (int r = 1; r <= n; ++r)
        keys.push_back(sortKeys.key(CodeCells(t, r)));
    auto before = [&](int a, int b) {
        const int byKey = keys[a] == keys[b] ? 0 : keys[a]->compare(*keys[b]);
        if (byKey != 0 || !tiePositions)
            return byKey < 0;
        return (*tiePositions)[size_t(a)] < (*tiePositions)[size_t(b)];
    };
    // The views sort the same lines again and again: a table already in order is left as it is.
    bool sorted = true;
    for (int i = 1; i < n && sorted; ++i)
        sorted = !before(i, i - 1);
    if (!sorted) {
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), before);
        // Only the rows between the first and the last that change place are moved.
        int head = 0;
        while (head < n && order[size_t(head)] == head)
            ++head;
        int tail = n;
        while (tail > head && order[size_t(tail - 1)] == tail - 1)
            --tail;
        std::vector<int> moved;
        moved.reserve(size_t(tail - head));
        for (int i = head; i < tail; ++i)
            moved.push_back(order[size_t(i)] + 1);
        t.permuteRows(head + 1, moved);
    }
    sortKeys.sorted = SortedState::of(t, n);
    renumber(t, n);
}

namespace {

struct InputKey {
    bool numbered;
    double value;
    int row;
};

// The lines in input order (lines without a number first), or nullopt on a number that is not one.
std::optional<std::vector<InputKey>> inputSorted(const EstimateDocument &doc)
{
    const TextGrid &t = doc.lines;
    std::vector<InputKey> keys;
    keys.reserve(size_t(std::max(doc.st1count, 0)));
    for (int r = 1; r <= doc.st1count; ++r) {
        const QString &text = t.cell(linecol::InputNo, r);
        if (num::isBlank(text)) {
            keys.push_back({false, 0, r});
            continue;
        }
        if (!num::isNumber(text))
            return std::nullopt;
        keys.push_back({true, num::toNumber(text), r});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const InputKey &a, const InputKey &b) {
        return a.numbered != b.numbered ? !a.numbered : a.value < b.value;
    });
    return keys;
}

} // namespace

std::optional<std::vector<int>> inputPositions(const EstimateDocument &doc)
{
    const auto sorted = inputSorted(doc);
    if (!sorted)
        return std::nullopt;
    std::vector<int> positions(sorted->size());
    for (size_t i = 0; i < sorted->size(); ++i)
        positions[size_t((*sorted)[i].row - 1)] = int(i) + 1;
    return positions;
}

void numberInputOrder(EstimateDocument &doc, const std::vector<int> &positions)
{
    for (size_t i = 0; i < positions.size(); ++i)
        cells::setNumber(doc.lines, linecol::InputNo, int(i) + 1, positions[i]);
}

bool inputOrder(EstimateDocument &doc)
{
    const auto sorted = inputSorted(doc);
    if (!sorted)
        return false;
    std::vector<int> order;
    order.reserve(sorted->size());
    for (const InputKey &k : *sorted)
        order.push_back(k.row);
    TextGrid &t = doc.lines;
    if (!std::is_sorted(order.begin(), order.end()))
        t.permuteRows(1, order);
    for (int r = 1; r <= doc.st1count; ++r)
        cells::setNumber(t, linecol::InputNo, r, r);
    return true;
}

} // namespace lineorders
