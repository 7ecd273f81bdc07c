#include "items/outline.h"

#include "base/gridnumbers.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "items/itemtree.h"

#include <QHash>

#include <algorithm>

namespace outline {

namespace {

// koumoku holds one name per item row 1 to 300.
bool hasPreviousName(const EstimateDocument &doc, int row)
{
    return row >= 1 && row < int(doc.koumoku.size());
}

// The check compares each row with the row above; empty levels count as 1.
int levelOrOne(const TextGrid &items, int row)
{
    const int v = level(items, row);
    return v == 0 ? 1 : v;
}

QString outlineNumber(const int (&counters)[maxLevel], int depth)
{
    QString number = QString::number(counters[0]);
    for (int i = 1; i < depth; ++i)
        number += u'-' + QString::number(counters[i]);
    return number;
}

// The first item has no item above it to hang under (a deeper first row would be numbered "0-1"),
// as after deleting the top item that held it: the rows up to the first top-level item move up
// together, keeping their shape.
void outdentLeadingGroup(EstimateDocument &doc)
{
    TextGrid &t = doc.items;
    const int shift = level(t, 1) - 1;
    if (shift <= 0)
        return;
    for (int r = 1; r <= doc.tree_count; ++r) {
        const int v = level(t, r);
        if (v <= 1)
            break;
        setLevel(t, r, std::max(1, v - shift));
    }
}

} // namespace

int level(const TextGrid &items, int row)
{
    const QString &text = items.cell(itemcol::Level, row);
    if (num::isBlank(text))
        return 0;
    return int(std::clamp<qint64>(num::toInteger(text), 1, maxLevel));
}

bool hasLines(const TextGrid &items, int row)
{
    return !num::isBlank(items.cell(itemcol::Lines, row));
}

bool inUse(const TextGrid &items, int row)
{
    return !items.cell(itemcol::Bare, row).isEmpty();
}

void setLevel(TextGrid &items, int row, int to)
{
    const int from = level(items, row);
    if (from >= 1 && from != to) {
        items.setCell(to, row, items.cell(from, row));
        items.setCell(from, row, QString());
    }
    items.setCell(itemcol::Level, row, QString::number(to));
}

void recordPreviousNames(EstimateDocument &doc)
{
    for (int r = 1; r <= doc.tree_count; ++r) {
        const QString &name = doc.items.cell(itemcol::Name, r);
        doc.items.setCell(itemcol::PreviousName, r, name);
        if (hasPreviousName(doc, r))
            doc.koumoku[r] = name;
    }
}

void renumber(EstimateDocument &doc)
{
    TextGrid &t = doc.items;
    for (int r = 1; r < t.rowCount() && hasPreviousName(doc, r); ++r)
        doc.koumoku[r] = t.cell(itemcol::Name, r);

    // counters[0] is the level-1 number; a deeper level restarts the levels below it.
    int counters[maxLevel] = {0, 0, 0, 0};
    for (int r = 1; r < t.rowCount(); ++r) {
        const int v = level(t, r);
        if (v == 0)
            continue;
        ++counters[v - 1];
        std::fill(counters + v, counters + maxLevel, 0);
        const QString name = outlineNumber(counters, v) + u'.' + t.cell(itemcol::Bare, r);
        t.setCell(itemcol::Name, r, name);
        t.setCell(v, r, name);
    }
}

void structuralCheck(EstimateDocument &doc)
{
    TextGrid &t = doc.items;
    recordPreviousNames(doc);
    outdentLeadingGroup(doc);
    for (int r = 1; r < t.rowCount(); ++r) {
        const int a = levelOrOne(t, r);
        const int b = levelOrOne(t, r + 1);
        if (b - a == 1) {
            for (int row : {r, r + 1}) {
                if (t.cell(itemcol::Lines, row) == u" ")
                    t.setCell(itemcol::Lines, row, QString());
            }
            // An item that holds lines cannot have a sub-item that holds lines.
            if (hasLines(t, r) && hasLines(t, r + 1))
                setLevel(t, r + 1, a);
        } else if (b - a > 1) {
            setLevel(t, r + 1, a);
        }
    }
    itemtree::build(doc);
    renumber(doc);
    rewriteLineItemNames(doc);
    itemtree::refreshCaptions(doc);
}

void writeItemCodes(EstimateDocument &doc)
{
    TextGrid &t = doc.items;
    QHash<QString, int> codeOf;
    for (int p = 1; p <= doc.tree_count; ++p) {
        t.setCell(itemcol::Code, p, QString::number(p));
        const QString &name = t.cell(itemcol::Name, p);
        if (!name.isEmpty())
            codeOf.insert(name, p); // a later row of the same name wins
    }
    TextGrid &lines = doc.lines;
    for (int s = 1; s < lines.rowCount(); ++s) {
        const auto it = codeOf.constFind(lines.cell(linecol::Item, s));
        if (it != codeOf.cend())
            cells::setNumber(lines, linecol::ItemCode, s, *it);
    }
}

void rewriteLineItemNames(EstimateDocument &doc)
{
    const TextGrid &t = doc.items;
    // An empty code matches nothing: lines registered before any item code was known keep their
    // item name instead of losing it.
    QHash<QString, int> rowOfCode;
    for (int p = 1; p <= doc.tree_count; ++p) {
        const QString &code = t.cell(itemcol::Code, p);
        if (!code.isEmpty())
            rowOfCode.insert(code, p);
    }
    for (int s = 1; s <= doc.st1count; ++s) {
        const auto it = rowOfCode.constFind(doc.lines.cell(linecol::ItemCode, s));
        if (it != rowOfCode.cend())
            doc.lines.setCell(linecol::Item, s, t.cell(itemcol::Name, *it));
    }
    QString &label = doc.controls.Label18.text;
    for (int p = 1; p <= doc.tree_count && hasPreviousName(doc, p); ++p) {
        if (label == doc.koumoku[p])
            label = t.cell(itemcol::Name, p);
    }
}

void refreshLineItemNumbers(EstimateDocument &doc)
{
    const TextGrid &t = doc.items;
    QHash<QString, int> rowOfName;
    for (int p = 1; p < t.rowCount(); ++p) {
        for (int c = itemcol::Level1; c < itemcol::Level1 + maxLevel; ++c) {
            const QString &name = t.cell(c, p);
            if (!name.isEmpty())
                rowOfName.insert(name, p);
        }
    }
    for (int s = 1; s <= doc.st1count; ++s) {
        const auto it = rowOfName.constFind(doc.lines.cell(linecol::Item, s));
        if (it != rowOfName.cend())
            cells::setNumber(doc.lines, linecol::ItemRow, s, *it); // written only when it changes
    }
}

} // namespace outline
