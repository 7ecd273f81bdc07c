#include "output/printrun.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "estimate/document.h"
#include "output/conditionspage.h"
#include "output/coverpage.h"
#include "output/detailpages.h"
#include "output/paintercanvas.h"
#include "output/printjob.h"
#include "output/summarypages.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace printrun {

bool ready(const EstimateDocument &doc, Host &host)
{
    if (doc.st1count == 0)
        return false;
    if (doc.irow1 <= 0) {
        host.message(Host::MessageKind::Warning, {},
                     u"見積書がまだ作成されていません。「見積書表示」で見積書を作成してから印刷してください。"_qs, Host::Ok);
        return false;
    }
    return true;
}

QString jobTitle(const EstimateDocument &doc)
{
    return doc.settings.Edit22 + doc.settings.Edit60;
}

void drawPages(const PrintJob &job, PageCanvas &canvas)
{
    const PrintOptions &o = job.options;
    bool printed = false;
    if (o.CheckBox1) {
        drawCoverPage(job, canvas);
        printed = true;
    }
    if (o.CheckBox2) {
        summarypages::draw(job, canvas, printed);
        printed = true;
    }
    if (o.CheckBox3) {
        detailpages::draw(job, canvas, printed);
        printed = true;
    }
    if (o.CheckBox4)
        conditionspage::draw(job, canvas, printed);
}

double scaleFor(int dotsPerInch)
{
    if (dotsPerInch >= 600)
        return double(dotsPerInch / 600);
    return std::max(1, dotsPerInch) / 600.0;
}

bool print(EstimateDocument &doc, Host &host, const PrintOptions &options, QPagedPaintDevice &device)
{
    device.setPageOrientation(QPageLayout::Portrait);
    if (device.pageLayout().pageSize().id() != QPageSize::JisB5)
        device.setPageSize(QPageSize(QPageSize::A4));
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    doc.controls.Label1.text = QString::number(dpiX) + u" [DPI]"_qs;
    doc.controls.Label2.text = QString::number(dpiY) + u" [DPI]"_qs;

    bool done = false;
    QPainter painter;
    if (painter.begin(&device)) {
        try {
            PainterCanvas canvas(painter, device, scaleFor(dpiX), scaleFor(dpiY));
            drawPages(PrintJob{doc, options}, canvas);
            done = true;
        } catch (const ConversionError &) {
        } catch (const PrinterError &) {
        }
        // Ending the document prints the pages drawn so far.
        done = painter.end() && done;
    }
    doc.patan = 0;
    if (!done)
        host.message(Host::MessageKind::Warning, {}, u"情報不足で印刷出来ませんでした。"_qs, Host::Yes);
    return done;
}

} // namespace printrun
