#include "estimate/lineorders.h"

#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace lineorders {

namespace {

QString codeKey(const TextGrid &t, int r)
{
    using namespace linecol;
    static constexpr int columns[] = {C, O, D, E, Sub, Name, Spec1, Item, Spec2, Quantity, Category, Kind};
    QString key;
    for (int c : columns)
        key += t.cell(c, r);
    return key;
}

// Collation keys of the lines sorted lately. Building a key is the costly part of a sort, and the
// whole view sorts the same lines again and again: most keys can be reused.
class SortKeys
{
public:
    SortKeys() : m_collator(QLocale(QLocale::Japanese, QLocale::Japan))
    {
        m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    }

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
    std::unordered_map<QString, QCollatorSortKey> m_keys;
};

} // namespace

void codeOrder(EstimateDocument &doc)
{
    TextGrid &t = doc.lines;
    const int n = doc.st1count;
    static SortKeys sortKeys;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    for (int r = 1; r <= n; ++r)
        keys.push_back(sortKeys.key(codeKey(t, r)));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    for (int &r : order)
        ++r;
    // Compilation runs the whole view every time: a table already in order is left as it is.
    if (!std::is_sorted(order.begin(), order.end()))
        t.permuteRows(1, order);

    for (int r = 1; r <= n; ++r) {
        t.setCell(linecol::No, r, QString::number(r));
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
