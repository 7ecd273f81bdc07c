#include "output/summarypages.h"

#include "output/pagecanvas.h"
#include "output/printjob.h"
#include "output/printtexts.h"

#include "base/numbers.h"

namespace summarypages {

namespace {

using namespace pageframe;

const QString grandTotal = QStringLiteral("総　合　計");
const QString manualValue = QStringLiteral("※手動入力値");

int nameSize(const QString &name)
{
    const int n = printtexts::bytes(name);
    if (n <= 49)
        return 10;
    if (n <= 54)
        return 9;
    if (n <= 70)
        return 8;
    return n == 71 ? 7 : 6;
}

void drawFurniture(const PrintJob &job, PageCanvas &c, int page, int pages)
{
    const PrintFont heading{10};
    c.text(708, 498, u"工 事 区 分／工 事 名 称"_qs, heading);
    c.text(2583, 498, u"数量"_qs, heading);
    c.text(2808, 498, u"単位"_qs, heading);
    c.text(3134, 498, u"単  価"_qs, heading);
    c.text(3698, 498, u"金　額"_qs, heading);
    c.text(4228, 498, u"備　考"_qs, heading);
    c.rectangle(left, top, right, bottom, 5);
    for (int k = 1; k <= 36; ++k)
        c.line(left, top + pitch * k, right, top + pitch * k, 0);
    for (int x : {2546, 2792, 2995, 3550, 4100})
        c.line(x, top, x, bottom, 0);
    if (job.settings().CheckBox9)
        c.text(1900, footer, job.settings().Edit2, PrintFont{9, true});
    c.text(4080, footer, u"大項目 - %1 / %2"_qs.arg(page).arg(pages), PrintFont{9});
}

// Where the social-insurance note goes: beside the row two above the grand total, or, when that
// row has a name of its own (the tax row), in the blank row directly above the grand total so that
// the two texts do not overlap.
int noteRow(const TextGrid &sheet, int totalRow)
{
    return num::isBlank(sheet.cell(7, totalRow - 2)) ? totalRow - 2 : totalRow - 1;
}

void drawRow(const PrintJob &job, PageCanvas &c, int row, int y, int firstRowOfPage)
{
    const TextGrid &sheet = job.doc.sheet;
    const Settings &s = job.settings();
    auto cell = [&](int column) -> const QString & { return sheet.cell(column, row); };
    auto filled = [&](int column) { return !num::isBlank(cell(column)); };
    const PrintFont ten{10};

    if (filled(21) && cell(21) != manualValue) {
        const QString &remark = cell(21);
        const qsizetype chars = remark.size();
        c.text(4140, y, chars <= 7 ? QString(16 - 2 * chars, u' ') + remark : remark, ten);
    }
    if (filled(20) && !job.noAmounts())
        c.text(3530, y, printtexts::amountCell(cell(20)), ten);
    if (filled(19) && cell(11) != u"1" && !job.noAmounts())
        c.text(2870, y, printtexts::amountCell(cell(19)), ten);
    c.text(printtexts::bytes(cell(13)) < 4 ? 2850 : 2810, y, cell(13), ten);
    if (filled(11)) {
        const bool shortCell = printtexts::bytes(cell(11)) <= 4;
        c.text(shortCell ? 2227 : 2290, y, printtexts::summaryQuantity(cell(11)), PrintFont{shortCell ? 10 : 9});
    }
    const int size = nameSize(cell(7));
    c.text(255, y, cell(7), PrintFont{size});

    if (cell(7) == grandTotal && s.CheckBox20 && !s.RadioButton3) {
        const int target = noteRow(sheet, row);
        if (target >= firstRowOfPage)
            c.text(280, slotY(target - firstRowOfPage + 1), u"　"_qs + sheet.cell(8, row - 2), PrintFont{size});
    }
}

} // namespace

int pageCount(int irow1)
{
    return std::max(1, (irow1 + slotCount - 1) / slotCount);
}

void draw(const PrintJob &job, PageCanvas &canvas, bool breakBeforeFirst)
{
    const int last = job.doc.irow1;
    const int pages = pageCount(last);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 || breakBeforeFirst)
            canvas.newPage();
        drawFurniture(job, canvas, page, pages);
        const int first = (page - 1) * slotCount + 1;
        for (int slot = 1; slot <= slotCount; ++slot) {
            const int row = first + slot - 1;
            if (row > last)
                break;
            drawRow(job, canvas, row, slotY(slot), first);
        }
    }
}

} // namespace summarypages
