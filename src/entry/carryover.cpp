#include "entry/carryover.h"

#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"

#include <algorithm>

namespace carryover {

namespace {

using namespace linecol;

const std::vector<int> &priceKey()
{
    static const std::vector<int> k{C, O, D, Name, Spec1, Spec2};
    return k;
}

const std::vector<int> &description()
{
    static const std::vector<int> k{C, O, D, E, Sub, Name, Spec1, Spec2, Category, Kind, Factor};
    return k;
}

bool isUnitSet(const QString &unit)
{
    return unit == u"式";
}

} // namespace

Rule forWholeView(int column)
{
    if (column == Unit || column == Price)
        return {priceKey()};
    if (column >= Kind && column <= Submission)
        return {{C, O, D, Name, Spec1, Spec2, Category, Kind}, true};
    return {};
}

Rule forItemView(int column)
{
    if (column == Unit || column == Price)
        return {priceKey()};
    if (column >= Factor && column <= Submission)
        return {{C, O, D, E, Sub, Name, Spec1, Spec2, Category, Kind}, true, true};
    return {};
}

Rule forSheet(int lineColumn)
{
    if (lineColumn == Price || lineColumn == Compression || lineColumn == Submission)
        return {description(), true};
    return {};
}

QString key(const EstimateDocument &doc, int row, const std::vector<int> &columns)
{
    QString k;
    for (int c : columns)
        k += doc.lines.cell(c, row);
    return k;
}

int apply(EstimateDocument &doc, int row, const Rule &rule)
{
    if (rule.isNone())
        return 0;
    TextGrid &t = doc.lines;
    const QString wanted = key(doc, row, rule.key);
    // The values are read once: the edited line matches itself and is written with its own cells.
    std::vector<std::pair<int, QString>> values{{Price, t.cell(Price, row)}};
    if (rule.factors) {
        for (int c = Factor; c <= Submission; ++c) {
            const QString &v = t.cell(c, row);
            if (v == u" " || (rule.keepEmpty && v.isEmpty()))
                continue;
            values.emplace_back(c, v);
        }
    }
    int written = 0;
    for (int s = 1; s <= doc.st1count; ++s) {
        if (isUnitSet(t.cell(Unit, s)) || key(doc, s, rule.key) != wanted)
            continue;
        for (const auto &[c, v] : values)
            t.setCell(c, s, v);
        ++written;
    }
    return written;
}

std::vector<int> dragRows(const EstimateDocument &doc, int from, int to)
{
    std::vector<int> rows;
    for (int r = std::min(from, to); r <= std::max(from, to); ++r)
        if (r >= 1 && !doc.lines.cell(No, r).isEmpty())
            rows.push_back(r);
    return rows;
}

bool fill(EstimateDocument &doc, Host &host, int column, const std::vector<int> &rows, const QString &value)
{
    if (value.isEmpty() || column < Factor || column > Submission)
        return false;
    TextGrid &t = doc.lines;
    // Keys of every line, kept current as the factor column (part of the key) is written.
    std::vector<QString> keys(size_t(doc.st1count) + 1);
    for (int s = 1; s <= doc.st1count; ++s)
        keys[size_t(s)] = key(doc, s, description());
    bool changed = false;
    for (int r : rows) {
        if (r < 1 || r > doc.st1count)
            continue;
        const QString wanted = keys[size_t(r)];
        for (int s = 1; s <= doc.st1count; ++s) {
            if (keys[size_t(s)] != wanted || isUnitSet(t.cell(Unit, s)))
                continue;
            t.setCell(column, s, value);
            if (column == Factor)
                keys[size_t(s)] = key(doc, s, description());
            changed = true;
        }
    }
    if (changed) {
        doc.kidou = 1;
        linecalc::recalculateAll(doc, host);
    }
    return changed;
}

} // namespace carryover
