#pragma once

struct PrintJob;
class PageCanvas;

// The summary pages (大項目): rows 1 to irow1 of the estimate sheet, 35 to a page, with the page
// furniture and the footer "大項目 - page / count".
namespace summarypages {

// Number of pages: irow1 / 35 rounded up, at least 1.
int pageCount(int irow1);

// Draws every summary page, starting a new page before each one after the first (and before the
// first too when `breakBeforeFirst`). Throws ConversionError on an amount, unit price or quantity
// cell that is not a number.
void draw(const PrintJob &job, PageCanvas &canvas, bool breakBeforeFirst);

} // namespace summarypages
