#pragma once

#include <QString>

class EstimateDocument;
class Host;
class PageCanvas;
class QPagedPaintDevice;
struct PrintJob;
struct PrintOptions;

// The print run of "印刷" (Button79Click) once the print options window has made its choice: the
// pages of a quotation or an invoice drawn on a printer or a PDF writer.
namespace printrun {

// Whether there is anything to print. Without estimate lines nothing happens; lines whose sheet has
// not been compiled yet are refused with a message that says how to compile it.
bool ready(const EstimateDocument &doc, Host &host);

// The job title: the job title followed by its second line.
QString jobTitle(const EstimateDocument &doc);

// Draws the chosen kinds of page in order (cover, summary, detail, conditions), starting a new
// page between them. Throws ConversionError and PrinterError.
void drawPages(const PrintJob &job, PageCanvas &canvas);

// Portrait paper, A4 unless the device is set to B5; the resolution shown in Label1 and Label2
// ("600 [DPI]") gives the scale of the print units; the pages are drawn and the document ended.
// On any failure the document is ended with the pages drawn so far and the warning
// "情報不足で印刷出来ませんでした。" is shown. `patan` is 0 afterwards. Returns true when every page
// was drawn.
bool print(EstimateDocument &doc, Host &host, const PrintOptions &options, QPagedPaintDevice &device);

// Device dots per print unit for a resolution in dots per inch: a whole factor from 600 dpi up
// (1200 dpi gives 2); below 600 dpi the exact fraction, so that the pages keep their size.
double scaleFor(int dotsPerInch);

} // namespace printrun
