#include "output/pageframe.h"

#include "output/pagecanvas.h"
#include "output/printjob.h"

namespace pageframe {

void drawRows(PageCanvas &c)
{
    c.rectangle(left, top, right, bottom, 5);
    for (int k = 1; k <= 36; ++k)
        c.line(left, top + pitch * k, right, top + pitch * k, 0);
}

void drawAmountTable(PageCanvas &c, int quantityLeft)
{
    const PrintFont heading{10};
    c.text(2583, 498, u"数量"_qs, heading);
    c.text(2808, 498, u"単位"_qs, heading);
    c.text(3134, 498, u"単  価"_qs, heading);
    c.text(3698, 498, u"金　額"_qs, heading);
    c.text(4228, 498, u"備　考"_qs, heading);
    drawRows(c);
    for (int x : {quantityLeft, 2792, 2995, 3550, 4100})
        c.line(x, top, x, bottom, 0);
}

void drawFooter(const PrintJob &job, PageCanvas &c, const QString &pageText)
{
    if (job.settings().CheckBox9)
        c.text(1900, footer, job.settings().Edit2, PrintFont{9, true});
    c.text(4080, footer, pageText, PrintFont{9});
}

} // namespace pageframe
