#include "entry/inputordermoves.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/lineorders.h"
#include "estimate/views.h"

#include <algorithm>

namespace inputmoves {

namespace {

// Swaps columns first to 44 of two table rows; column 45 (and column 0 when first is 1) stays.
void swapLines(TextGrid &t, int a, int b, int first)
{
    for (int c = first; c < linecol::InputNo; ++c) {
        const QString keep = t.cell(c, a);
        t.setCell(c, a, t.cell(c, b));
        t.setCell(c, b, keep);
    }
}

void moveInWholeView(EstimateDocument &doc, Host &host, int step)
{
    if (step < 0 && doc.ny1 <= 1) {
        host.beep();
        return;
    }
    lineorders::inputOrder(doc);
    const int other = doc.uy1 + step;
    if (other >= 1 && other <= doc.st1count && doc.uy1 >= 1 && doc.uy1 <= doc.st1count) {
        swapLines(doc.lines, doc.uy1, other, linecol::Item);
        doc.kidou = 1;
    }
    doc.uy1 = std::clamp(other, 1, std::max(1, doc.st1count));
}

// One step in the item view, without rebuilding it. Throws ConversionError on an input number
// that is not a number. Returns false when nothing could be done.
bool stepInItemView(EstimateDocument &doc, Host &host, int step)
{
    const QString &number = doc.itemView.cell(linecol::InputNo, doc.uy5);
    if (num::isBlank(number))
        return false;
    if (doc.ny5 == 0) {
        host.beep();
        return false;
    }
    lineorders::inputOrder(doc);
    const QString &neighbour = doc.itemView.cell(linecol::InputNo, doc.uy5 + step);
    const qint64 a = num::toInteger(number);
    if (!num::isBlank(neighbour)) {
        const qint64 b = num::toInteger(neighbour);
        const bool inside = step < 0 ? a > 1 : a < doc.st1count;
        if (inside && b >= 1 && b <= doc.st1count && a <= doc.st1count) {
            swapLines(doc.lines, int(a), int(b), linecol::No);
            doc.kidou = 1;
        }
    }
    doc.uy5 = std::max(1, doc.uy5 + step);
    return true;
}

void rebuild(EstimateDocument &doc, Host &host)
{
    views::wholeView(doc, host);
    views::itemView(doc, host);
}

void move(EstimateDocument &doc, Host &host, int step)
{
    if (!doc.controls.showItemView) {
        moveInWholeView(doc, host, step);
        return;
    }
    try {
        if (stepInItemView(doc, host, step))
            rebuild(doc, host);
    } catch (const ConversionError &e) {
        host.error(e.message());
    }
}

} // namespace

void moveUp(EstimateDocument &doc, Host &host)
{
    move(doc, host, -1);
}

void moveDown(EstimateDocument &doc, Host &host)
{
    move(doc, host, +1);
}

void mark(EstimateDocument &doc)
{
    doc.olduy5 = doc.uy5;
}

void insertMarked(EstimateDocument &doc, Host &host, int target)
{
    const int marked = doc.olduy5;
    doc.olduy5 = 0;
    if (marked <= 0 || target == marked)
        return;
    try {
        doc.uy5 = marked;
        if (target < marked) {
            for (int i = 0; i < marked - target; ++i)
                stepInItemView(doc, host, -1);
        } else {
            for (int i = 0; i < target - marked - 1; ++i)
                stepInItemView(doc, host, +1);
        }
    } catch (const ConversionError &e) {
        host.silentStop(u"次に選択した行に挿入"_qs, e.text());
    }
    doc.uy5 = target;
    rebuild(doc, host);
}

} // namespace inputmoves
