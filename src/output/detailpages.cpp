#include "output/detailpages.h"

#include "base/numbers.h"
#include "output/pagecanvas.h"
#include "output/printjob.h"
#include "output/printtexts.h"

namespace detailpages {

namespace {

using namespace pageframe;

const QString itemTotal = QStringLiteral("合　　計");

bool blank(const TextGrid &sheet, int column, int row)
{
    return num::isBlank(sheet.cell(column, row));
}

// Rows with a zero submit rate, or a zero amount without a remark, leave their slot empty; in
// supplied-goods mode every row is printed.
bool leftOut(const PrintJob &job, int row)
{
    if (job.settings().CheckBox18)
        return false;
    const TextGrid &sheet = job.doc.sheet;
    return sheet.cell(18, row) == u"0" || (sheet.cell(20, row) == u"0" && blank(sheet, 21, row));
}

// The last row that prints a name or an amount: what the pages must reach.
int lastContentRow(const PrintJob &job)
{
    const TextGrid &sheet = job.doc.sheet;
    for (int row = sheet.rowCount() - 1; row > job.doc.irow1; --row)
        if ((!blank(sheet, 7, row) || !blank(sheet, 20, row)) && !leftOut(job, row))
            return row;
    return 0;
}

// How far a one-line text in a smaller size is lowered to sit in the middle of its row.
int lowering(int size)
{
    switch (size) {
    case 9:
        return 8;
    case 8:
        return 10;
    case 7:
        return 20;
    default:
        return 0;
    }
}

void oneLine(PageCanvas &c, int x, int y, const QString &text, int size, bool opaque = false)
{
    c.text(x, y + lowering(size), text, PrintFont{size}, opaque);
}

void twoLines(PageCanvas &c, int x, int y, const QString &text)
{
    c.text(x, y - 40, printtexts::firstCharacters(text, 14), PrintFont{9});
    c.text(x, y + 40, printtexts::afterCharacters(text, 14), PrintFont{9});
}

void drawSpecification(const PrintJob &job, PageCanvas &c, const QString &spec, int y)
{
    const int n = printtexts::bytes(spec);
    if (job.settings().CheckBox23)
        oneLine(c, 1405, y, spec, n <= 26 ? 10 : n <= 32 ? 8 : 7);
    else if (n > 28)
        twoLines(c, 1405, y, spec);
    else
        oneLine(c, 1405, y, spec, n == 28 ? 9 : 10);
}

void drawName(const PrintJob &job, PageCanvas &c, int row, int y, int slot)
{
    const TextGrid &sheet = job.doc.sheet;
    const QString &name = sheet.cell(7, row);
    const QString &spec = sheet.cell(8, row);
    const int m = printtexts::bytes(name);
    // Beside a blank specification the name may run over its column and hides the divider.
    const bool opaque = printtexts::isBlankSpecification(spec);
    const bool plainSize = spec.isEmpty() || (slot == 1 && blank(sheet, 20, row));
    const bool neverWrapped = blank(sheet, 11, row) && blank(sheet, 13, row) && blank(sheet, 20, row);
    if (plainSize)
        oneLine(c, 255, y, name, 10, opaque);
    else if (job.settings().CheckBox23)
        oneLine(c, 255, y, name, m <= 23 ? 10 : m <= 26 ? 9 : m <= 32 ? 8 : 7, opaque);
    else if (!printtexts::isBlankSpecification(spec) && !neverWrapped && (m == 27 || m > 28))
        twoLines(c, 255, y, name);
    else
        oneLine(c, 255, y, name, !opaque && !neverWrapped && m == 28 ? 9 : 10, opaque);
}

// A row with a line number but without quantity and unit: name and specification as one text.
void drawComment(PageCanvas &c, const TextGrid &sheet, int row, int y)
{
    const QString text = sheet.cell(7, row) + sheet.cell(8, row);
    const int n = printtexts::bytes(text);
    const int size = n > 71 ? 4 : n > 70 ? 5 : n > 56 ? 6 : 10;
    c.text(255, y, text, PrintFont{size}, true);
}

void drawRow(const PrintJob &job, PageCanvas &c, int row, int slot)
{
    const TextGrid &sheet = job.doc.sheet;
    const int y = slotY(slot);
    auto cell = [&](int column) -> const QString & { return sheet.cell(column, row); };
    auto filled = [&](int column) { return !blank(sheet, column, row); };
    // A zero amount with a remark ("別途") shows the remark in the amount column instead.
    const bool remarkOnly = cell(20) == u"0" && filled(21);
    const bool amounts = !job.noAmounts() && !remarkOnly;

    if (filled(20) && amounts) {
        if (printtexts::bytes(cell(20)) > 9)
            c.text(3580, y + 3, printtexts::amountCell(cell(20)), PrintFont{9});
        else
            c.text(3530, y, printtexts::amountCell(cell(20)), PrintFont{10});
    }
    if (filled(21)) {
        const QString &remark = cell(21);
        if (job.settings().CheckBox8)
            c.text(4140, y, remark, PrintFont{9});
        else
            c.text(3240, y, remark.size() <= 10 ? remark.rightJustified(11, u'\u3000') : remark, PrintFont{9});
    }
    if (filled(19) && cell(11) != u"1" && amounts) {
        if (printtexts::bytes(cell(19)) > 9)
            c.text(3030, y, printtexts::amountCell(cell(19)), PrintFont{9});
        else
            c.text(2980, y, printtexts::amountCell(cell(19)), PrintFont{10});
    }
    c.text(printtexts::bytes(cell(13)) < 4 ? 2850 : 2810, y, cell(13), PrintFont{10});
    if (filled(11)) {
        const bool shortCell = printtexts::bytes(cell(11)) <= 4;
        c.text(shortCell ? 2220 : 2284, y, printtexts::detailQuantity(cell(11)), PrintFont{shortCell ? 10 : 9});
    }
    const bool comment = filled(1) && !filled(11) && !filled(13);
    if (!comment)
        drawSpecification(job, c, cell(8), y);
    c.line(divider, y - 45, divider, y + 126, 0);
    if (comment)
        drawComment(c, sheet, row, y);
    else
        drawName(job, c, row, y, slot);
}

void drawFurniture(const PrintJob &job, PageCanvas &c, int page, int pages)
{
    const PrintFont heading{10};
    c.text(628, 498, u"品　　名"_qs, heading);
    c.text(1793, 498, u"規　　格"_qs, heading);
    c.text(2583, 498, u"数量"_qs, heading);
    c.text(2808, 498, u"単位"_qs, heading);
    c.text(3134, 498, u"単  価"_qs, heading);
    c.text(3698, 498, u"金　額"_qs, heading);
    c.text(4228, 498, u"備　考"_qs, heading);
    c.rectangle(left, top, right, bottom, 5);
    for (int k = 1; k <= 36; ++k)
        c.line(left, top + pitch * k, right, top + pitch * k, 0);
    for (int x : {2548, 2792, 2995, 3550, 4100})
        c.line(x, top, x, bottom, 0);
    c.line(divider, top, divider, top + pitch, 0);
    if (job.settings().CheckBox9)
        c.text(1900, footer, job.settings().Edit2, PrintFont{9, true});
    c.text(4080, footer, u"内訳 - %1 / %2"_qs.arg(page).arg(pages), PrintFont{9});
}

} // namespace

std::vector<Page> paginate(const PrintJob &job)
{
    const TextGrid &sheet = job.doc.sheet;
    const bool pagePerItem = job.settings().CheckBox6;
    const int last = lastContentRow(job);
    std::vector<Page> pages;
    int r = job.doc.irow1;
    // Every page takes at least one row, so the rows run out; the bound only guards the loop.
    while (pages.empty() || (r < last && int(pages.size()) <= sheet.rowCount())) {
        Page page;
        const bool first = pages.empty();
        for (int slot = 1; slot <= slotCount; ++slot) {
            if (slot == 1 && !first) {
                if (blank(sheet, 7, r + 1) && blank(sheet, 7, r + 2)) {
                    r += 2;
                    continue;
                }
                if (blank(sheet, 7, r + 1) && blank(sheet, 20, r + 1)) {
                    r += 1;
                    continue;
                }
            }
            // An item heading never stands alone at the foot of a page.
            if (slot == slotCount && !blank(sheet, 7, r + 1) && blank(sheet, 20, r + 1))
                continue;
            if (pagePerItem && sheet.cell(7, r) == itemTotal) {
                r += 2;
                page.endSlot = slot;
                break;
            }
            ++r;
            if (!leftOut(job, r))
                page.rows[size_t(slot - 1)] = r;
        }
        pages.push_back(page);
    }
    return pages;
}

void draw(const PrintJob &job, PageCanvas &canvas, bool breakBeforeFirst)
{
    const std::vector<Page> pages = paginate(job);
    const int count = int(pages.size());
    for (int p = 0; p < count; ++p) {
        if (p > 0 || breakBeforeFirst)
            canvas.newPage();
        drawFurniture(job, canvas, p + 1, count);
        const Page &page = pages[size_t(p)];
        for (int slot = 1; slot <= slotCount; ++slot)
            if (const int row = page.rows[size_t(slot - 1)]; row > 0)
                drawRow(job, canvas, row, slot);
        if (page.endSlot > 0)
            canvas.line(divider, slotY(page.endSlot) - 60, divider, bottom, 0);
    }
}

} // namespace detailpages
