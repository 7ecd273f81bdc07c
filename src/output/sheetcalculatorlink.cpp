#include "output/sheetcalculatorlink.h"

#include "estimate/document.h"
#include "output/sheetgrid.h"
#include "output/sheetvalueedits.h"

SheetCalculatorLink::SheetCalculatorLink(EstimateDocument &doc, Host &host, SheetGrid *sheet, Ask ask, QObject *parent)
    : QObject(parent), m_doc(doc), m_host(host), m_ask(std::move(ask))
{
    connect(sheet, &SheetGrid::entryRequested, this, &SheetCalculatorLink::entryRequested);
    connect(sheet, &SheetGrid::rangeEditRequested, this, &SheetCalculatorLink::rangeEditRequested);
}

void SheetCalculatorLink::entryRequested(const sheetclick::Request &request)
{
    if (!sheetedit::asksCalculator(request))
        return;
    const std::optional<QString> value = m_ask(sheetedit::labourKeyFor(m_doc, request.row));
    if (value && sheetedit::enterValue(m_doc, m_host, request, *value))
        emit documentChanged();
}

void SheetCalculatorLink::rangeEditRequested()
{
    const std::optional<QString> value = m_ask(sheetedit::labourKeyFor(m_doc, m_doc.uy6));
    if (value && sheetedit::enterRangeRate(m_doc, m_host, *value))
        emit documentChanged();
}
