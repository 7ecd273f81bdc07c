#include "entry/sheetentries.h"

#include "base/host.h"
#include "entry/carryover.h"
#include "entry/entryform.h"
#include "entry/entryopenings.h"
#include "entry/keypadprompt.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"
#include "output/sheetdoubleclick.h"

namespace sheetentries {

namespace {

bool isItemRow(const EstimateDocument &doc, int row)
{
    return row >= 1 && row <= doc.tree_count && row < doc.items.rowCount();
}

} // namespace

void itemQuantity(EstimateDocument &doc, Host &host, int row)
{
    if (!isItemRow(doc, row))
        return;
    if (const std::optional<QString> typed = keypadprompt::ask(doc, host)) {
        const QString quantity = typed->isEmpty() || *typed == u"0" ? u"1"_qs : *typed;
        doc.items.setCell(itemcol::Quantity, row, quantity);
        doc.sheet.setCell(sheetcol::Quantity, row, quantity);
        sheet::compile(doc, host);
    }
    sheetclick::chooseSummaryItem(doc, row, sheetcol::Quantity);
}

void itemUnit(EstimateDocument &doc, Host &host, int row)
{
    if (!isItemRow(doc, row))
        return;
    if (const std::optional<QString> unit = host.unitChoice()) {
        doc.items.setCell(itemcol::Unit, row, *unit);
        doc.sheet.setCell(sheetcol::Unit, row, *unit);
        sheet::compile(doc, host);
    }
    sheetclick::chooseSummaryItem(doc, row, sheetcol::Unit);
}

bool openLine(EntryForm &f, EstimateDocument &doc, int line, int lineColumn)
{
    if (line < 1 || line > doc.st1count)
        return false;
    doc.ux6 = lineColumn;
    entryopenings::openLine(f, doc, line, lineColumn);
    f.carryOver = carryover::forSheet(lineColumn);
    return true;
}

void afterEntry(EstimateDocument &doc, Host &host)
{
    sheet::compile(doc, host);
}

} // namespace sheetentries
