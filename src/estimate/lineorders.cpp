#include "estimate/lineorders.h"

#include "base/gridnumbers.h"
#include "base/numbers.h"
#include "base/textpool.h"
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

constexpr int keyColumns[] = {linecol::C,    linecol::O,     linecol::D,    linecol::E,
                               linecol::Sub,  linecol::Name,  linecol::Spec1, linecol::Item,
                               linecol::Spec2, linecol::Quantity, linecol::Category, linecol::Kind};

// The code-order key of line r, built in `key` (its room is reused from line to line).
void codeKey(const TextGrid &t, int r, QString &key)
{
    qsizetype size = 0;
    for (int c : keyColumns)
        size += t.cell(c, r).size();
    key.resize(0);
    key.reserve(size);
    for (int c : keyColumns)
        key += t.cell(c, r);
}

// The key columns' stamps and the line count of a table as code order left it.
struct SortedState {
    std::array<std::uint64_t, std::size(keyColumns)> stamps{};
    int lines = -1;

    static SortedState of(const TextGrid &t, int lines)
    {
        SortedState s;
        for (size_t i = 0; i < std::size(keyColumns); ++i)
            s.stamps[i] = t.columnStamp(keyColumns[i]);
        s.lines = lines;
        return s;
    }
    bool operator==(const SortedState &) const = default;
};

struct KeyHash {
    size_t operator()(const QString &text) const { return TextPool::hashOf(text); }
};

// Collation keys of the lines sorted lately. Building a key is the costly part of a sort, and the
// whole view sorts the same lines again and again: most keys can be reused.
class SortKeys
{
public:
    SortKeys() : m_collator(QLocale(QLocale::Japanese, QLocale::Japan))
    {
        m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    }

    // The table code order sorted last, as it left it.
    SortedState sorted;

    QCollatorSortKey key(const QString &text)
    {
        if (const auto found = m_keys.find(text); found != m_keys.end())
            return found->second;
        if (m_keys.size() >= 200'000)
            m_keys.clear();
        return m_keys.emplace(text, m_collator.sortKey(text)).first->second;
    }

private:
    QCollator m_collator;
    std::unordered_map<QString, QCollatorSortKey, KeyHash> m_keys;
};

} // namespace

void codeOrder(EstimateDocument &doc)
{
    TextGrid &t = doc.lines;
    const int n = doc.st1count;
    // Never destroyed: freeing a cache of a hundred thousand keys would only delay the exit.
    static SortKeys &sortKeys = *new SortKeys;
    // Compilation runs the whole view every time: a table whose key cells have not changed since
    // it was sorted is still in order.
    if (!(sortKeys.sorted == SortedState::of(t, n))) {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(n);
        QString key;
        for (int r = 1; r <= n; ++r) {
            codeKey(t, r, key);
            keys.push_back(sortKeys.key(key));
        }
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
        for (int &r : order)
            ++r;
        if (!std::is_sorted(order.begin(), order.end()))
            t.permuteRows(1, order);
        sortKeys.sorted = SortedState::of(t, n);
    }

    for (int r = 1; r <= n; ++r) {
        cells::setNumber(t, linecol::No, r, r);
        const QString &unit = t.cell(linecol::Unit, r);
        if (unit.startsWith(u' '))
            t.setCell(linecol::Unit, r, unit.mid(1));
    }
}

bool inputOrder(EstimateDocument &doc)
{
    TextGrid &t = doc.lines;
    const int n = doc.st1count;
    struct Key {
        bool numbered;
        double value;
        int row;
    };
    std::vector<Key> keys;
    keys.reserve(n);
    for (int r = 1; r <= n; ++r) {
        const QString &text = t.cell(linecol::InputNo, r);
        if (num::isBlank(text)) {
            keys.push_back({false, 0, r}); // lines without an input number come first
            continue;
        }
        if (!num::isNumber(text))
            return false;
        keys.push_back({true, num::toNumber(text), r});
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const Key &a, const Key &b) {
                         return a.numbered != b.numbered ? !a.numbered : a.value < b.value;
                     });
    std::vector<int> order;
    order.reserve(n);
    for (const auto &k : keys)
        order.push_back(k.row);
    if (!std::is_sorted(order.begin(), order.end()))
        t.permuteRows(1, order);
    for (int r = 1; r <= n; ++r)
        t.setCell(linecol::InputNo, r, QString::number(r));
    return true;
}

} // namespace lineorders
