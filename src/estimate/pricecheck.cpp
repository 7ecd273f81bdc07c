#include "estimate/pricecheck.h"

#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"

#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

namespace pricecheck {

namespace {

QString materialKey(const TextGrid &t, int r)
{
    using namespace linecol;
    static constexpr int columns[] = {C, O, D, Name, Spec1, Spec2, Category, Kind, Factor};
    QString key;
    for (int c : columns)
        key += t.cell(c, r);
    return key;
}

bool isLabourCode(const QString &code)
{
    return code == u"301" || code == u"302";
}

} // namespace

int run(EstimateDocument &doc, Host &host)
{
    const TextGrid &t = doc.lines;
    // Lines grouped by key, so that only lines of the same material are paired.
    QHash<QString, std::vector<int>> groups;
    for (int r = 1; r <= doc.st1count; ++r) {
        if (!isLabourCode(t.cell(linecol::C, r)))
            groups[materialKey(t, r)].push_back(r);
    }
    std::vector<std::pair<int, int>> conflicts;
    for (const std::vector<int> &rows : std::as_const(groups)) {
        for (size_t a = 0; a < rows.size(); ++a) {
            for (size_t b = a + 1; b < rows.size(); ++b) {
                const int i = rows[a];
                const int j = rows[b];
                const bool lumpSums = t.cell(linecol::Unit, i) == u"式" && t.cell(linecol::Unit, j) == u"式";
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
