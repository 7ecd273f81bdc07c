#include "estimate/pricecheck.h"

#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetrows.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pricecheck {

namespace {

// The key of a material: these cells joined without separators.
constexpr int keyColumns[] = {linecol::C,     linecol::O,        linecol::D,    linecol::Name, linecol::Spec1,
                              linecol::Spec2, linecol::Category, linecol::Kind, linecol::Factor};

// FNV-1a over the joined key, without building it.
quint64 keyHash(const TextGrid &t, int r)
{
    quint64 h = 14695981039346656037ull;
    for (int c : keyColumns) {
        for (QChar ch : t.cell(c, r)) {
            h ^= ch.unicode();
            h *= 1099511628211ull;
        }
    }
    return h;
}

// Whether the joined keys of two lines are equal; cells may split the same text differently.
bool sameKey(const TextGrid &t, int a, int b)
{
    if (std::all_of(std::begin(keyColumns), std::end(keyColumns),
                    [&](int c) { return t.cell(c, a) == t.cell(c, b); }))
        return true;
    struct Cursor {
        const TextGrid &t;
        int row;
        size_t column = 0;
        qsizetype at = 0;
        int next()
        {
            for (; column < std::size(keyColumns); ++column, at = 0) {
                const QString &text = t.cell(keyColumns[column], row);
                if (at < text.size())
                    return text[at++].unicode();
            }
            return -1;
        }
    };
    Cursor x{t, a};
    Cursor y{t, b};
    for (;;) {
        const int cx = x.next();
        if (cx != y.next())
            return false;
        if (cx < 0)
            return true;
    }
}

// Lines of the same material, in line order.
std::vector<std::vector<int>> materials(const TextGrid &t, int count)
{
    std::vector<std::vector<int>> groups;
    std::unordered_map<quint64, std::vector<size_t>> byHash; // hash -> indexes into groups
    for (int r = 1; r <= count; ++r) {
        if (sheet::isClass301or302(t.cell(linecol::C, r)))
            continue;
        std::vector<size_t> &candidates = byHash[keyHash(t, r)];
        const auto same = std::find_if(candidates.begin(), candidates.end(),
                                       [&](size_t g) { return sameKey(t, groups[g].front(), r); });
        if (same != candidates.end()) {
            groups[*same].push_back(r);
        } else {
            candidates.push_back(groups.size());
            groups.push_back({r});
        }
    }
    return groups;
}

} // namespace

int run(EstimateDocument &doc, Host &host)
{
    const TextGrid &t = doc.lines;
    std::vector<std::pair<int, int>> conflicts;
    for (const std::vector<int> &rows : materials(t, doc.st1count)) {
        const QString &price = t.cell(linecol::Price, rows.front());
        if (std::all_of(rows.begin(), rows.end(), [&](int r) { return t.cell(linecol::Price, r) == price; }))
            continue;
        for (size_t a = 0; a < rows.size(); ++a) {
            for (size_t b = a + 1; b < rows.size(); ++b) {
                const int i = rows[a];
                const int j = rows[b];
                const bool lumpSums = t.cell(linecol::Unit, i) == sheet::names::lumpSum
                                      && t.cell(linecol::Unit, j) == sheet::names::lumpSum;
                if (!lumpSums && t.cell(linecol::Price, i) != t.cell(linecol::Price, j))
                    conflicts.emplace_back(i, j);
            }
        }
    }
    std::sort(conflicts.begin(), conflicts.end());
    for (const auto &[i, j] : conflicts) {
        host.message(Host::MessageKind::Warning, {},
                     u"※同名の材料で単価違いがありました。※修正はしますが確認はお願いします。"_qs
                         + QString::number(i) + u"行目と"_qs + QString::number(j) + u"行目の  "_qs
                         + t.cell(linecol::Name, j) + u' ' + t.cell(linecol::Spec1, j),
                     Host::Yes);
        doc.controls.Button112.tag = i;
    }
    return int(conflicts.size());
}

} // namespace pricecheck
