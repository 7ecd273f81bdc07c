#include "export/quotationworkbook.h"

#include "export/exportprogress.h"
#include "export/workbook.h"

void buildQuotationWorkbook(const EstimateDocument &doc, Workbook &book, ExportProgress &progress)
{
    book.ensureSheets(4);
    const char16_t *names[] = {u"鏡", u"総括表", u"内訳書", u"条件書"};
    for (int n = 1; n <= 4; ++n)
        book.sheet(n).setName(QString::fromUtf16(names[n - 1]));
    quotation::coverSheet(doc, book.sheet(1), progress);
    quotation::summarySheet(doc, book.sheet(2), progress);
    quotation::breakdownSheet(doc, book.sheet(3), progress);
    quotation::conditionsSheet(doc, book.sheet(4), progress);
    progress.setPosition(progress.maximum());
}
