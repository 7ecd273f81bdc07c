#include "items/itemmoves.h"

#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "items/itemtree.h"
#include "items/operation.h"
#include "items/outline.h"

#include <algorithm>

namespace items {

namespace {

using outline::hasLines;
using outline::level;

void up(EstimateDocument &doc, Host &host);
void right(EstimateDocument &doc, Host &host);
void left(EstimateDocument &doc, Host &host);

bool isItemRow(const EstimateDocument &doc, int row)
{
    return row >= 1 && row <= doc.tree_count;
}

void check(EstimateDocument &doc)
{
    doc.kidou = 1;
    outline::structuralCheck(doc);
    itemtree::followCurrentRow(doc);
}

void swapWithPrevious(EstimateDocument &doc, int r)
{
    doc.items.swapRows(r - 1, r);
    doc.nodrow = r - 1;
    check(doc);
}

void up(EstimateDocument &doc, Host &host)
{
    const TextGrid &t = doc.items;
    const int r = doc.nodrow;
    if (r <= 1) {
        host.beep();
        return;
    }
    const int v = level(t, r);
    if (v == 0)
        return;
    if (!t.cell(v, r - 1).isEmpty()) {
        swapWithPrevious(doc, r);
        return;
    }
    const int a = level(t, r - 1);
    if (v > a) {
        left(doc, host);
    } else if (v == a) {
        swapWithPrevious(doc, r);
    } else {
        for (int press = 0; press < a + 1; ++press)
            right(doc, host);
    }
}

void down(EstimateDocument &doc, Host &host)
{
    TextGrid &t = doc.items;
    const int r = doc.nodrow;
    if (!isItemRow(doc, r) || !outline::inUse(t, r + 1))
        return;
    if (level(t, r) > level(t, r + 1)) {
        left(doc, host);
        return;
    }
    t.swapRows(r, r + 1);
    doc.nodrow = r + 1;
    if (t.cell(itemcol::Lines, r + 2) == u" ")
        t.setCell(itemcol::Lines, r + 2, QString());
    // Moved in front of a group whose items hold lines: the item joins the group it passed.
    if (!hasLines(t, r) && hasLines(t, r + 2)) {
        const int presses = level(t, r + 2) + 1;
        for (int press = 0; press < presses; ++press)
            right(doc, host);
    }
    check(doc);
}

void right(EstimateDocument &doc, Host &host)
{
    TextGrid &t = doc.items;
    const int r = doc.nodrow;
    if (r <= 1) {
        host.beep();
        return;
    }
    const int v = level(t, r);
    if (v == 0)
        return;
    const int above = level(t, r - 1);
    if (v == above + 1)
        return;
    // An item that holds lines cannot take sub-items.
    if (hasLines(t, r - 1) && v >= above)
        return;
    outline::setLevel(t, r, std::min(v + 1, outline::maxLevel));
    check(doc);
}

void left(EstimateDocument &doc, Host &host)
{
    TextGrid &t = doc.items;
    const int r = doc.nodrow;
    if (!isItemRow(doc, r))
        return;
    const int v = level(t, r);
    if (v == 0)
        return;
    enum { Stay, One, WithNext } mode = One;
    const bool hasSubItem = v < outline::maxLevel && !t.cell(v, r).isEmpty()
                            && !t.cell(v + 1, r + 1).isEmpty();
    if (hasSubItem) {
        mode = Stay;
        host.beep();
    }
    if (hasLines(t, r) && !hasLines(t, r + 1))
        mode = WithNext;
    if (!outline::inUse(t, r + 1))
        mode = One;

    // An item that holds lines and ends up above a deeper item holding lines moves up past it.
    auto relevel = [&](int row, int to) {
        if (level(t, row) == 1)
            return;
        outline::setLevel(t, row, to);
        if (hasLines(t, r) && hasLines(t, r + 1) && level(t, r) < level(t, r + 1))
            up(doc, host);
    };
    const int to = std::max(1, v - 1);
    if (mode == One) {
        relevel(r, to);
    } else if (mode == WithNext) {
        relevel(r, to);
        relevel(r + 1, to);
    }
    check(doc);
}

} // namespace

void moveUp(EstimateDocument &doc, Host &host)
{
    runShowingErrors(host, [&] { up(doc, host); });
}

void moveDown(EstimateDocument &doc, Host &host)
{
    runShowingErrors(host, [&] { down(doc, host); });
}

void indent(EstimateDocument &doc, Host &host)
{
    runShowingErrors(host, [&] { right(doc, host); });
}

void outdent(EstimateDocument &doc, Host &host)
{
    runShowingErrors(host, [&] { left(doc, host); });
}

} // namespace items
