#include "output/conditionspage.h"

#include "output/pagecanvas.h"
#include "output/printjob.h"
#include "storage/conditions.h"

namespace conditionspage {

namespace {

using namespace pageframe;

const QString appliedMark = QStringLiteral(" ■");

bool applied(const PrintJob &job, int row)
{
    return job.doc.conditions.cell(1, row) == appliedMark;
}

// One page: the two headings, the applied conditions of rows `from` to `to`, frame and footer.
void drawPage(const PrintJob &job, PageCanvas &c, const QString &heading, const QString &subheading, int from,
              int to, const QString &pageText)
{
    const PrintFont ten{10};
    c.text(570, 490, heading, ten);
    c.text(1420, 490, subheading, ten);
    int n = 0;
    for (int row = from; row <= to; ++row)
        if (applied(job, row))
            c.text(270, 490 + pitch * ++n, u"■ "_qs + job.doc.conditions.cell(2, row), ten);
    c.rectangle(left, top, right, bottom, 5);
    for (int k = 1; k <= 36; ++k)
        c.line(left, top + pitch * k, right, top + pitch * k, 0);
    c.line(divider, top, divider, top + pitch, 0);
    c.text(1900, footer, job.settings().Edit2, PrintFont{9, true});
    c.text(4000, footer, pageText, PrintFont{9});
}

} // namespace

int appliedCount(const PrintJob &job)
{
    int n = 0;
    for (int row = 1; row <= conditions::count; ++row)
        n += applied(job, row) ? 1 : 0;
    return n;
}

void draw(const PrintJob &job, PageCanvas &canvas, bool breakBeforeFirst)
{
    const int n = appliedCount(job);
    if (n == 0)
        return;
    if (breakBeforeFirst)
        canvas.newPage();
    const QString title = job.settings().Edit22 + job.settings().Edit60;
    if (n <= slotCount) {
        drawPage(job, canvas, u"見積条件項目"_qs, title, 1, conditions::count, u"条件書 - 1 / 1"_qs);
        return;
    }
    drawPage(job, canvas, u"見積条件項目"_qs, title, 1, slotCount, u"条件書 - 1 / 2"_qs);
    canvas.newPage();
    drawPage(job, canvas, u"見積除外項目"_qs, u"※下記項目は別途とし、本見積書に含みません。"_qs, slotCount + 1,
             conditions::count, u"条件書 - 2 / 2"_qs);
}

} // namespace conditionspage
