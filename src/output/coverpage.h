#pragma once

struct PrintJob;
class PageCanvas;

// The cover page (表紙) of a quotation or an invoice: title, number, date, client, company block,
// total, terms or bank details, the person-in-charge box with the seal, and the table with the
// amount. Throws ConversionError on a size or adjustment field that is not a whole number.
void drawCoverPage(const PrintJob &job, PageCanvas &canvas);
