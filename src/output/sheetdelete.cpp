#include "output/sheetdelete.h"

#include "base/numbers.h"
#include "entry/linetable.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/lineorders.h"
#include "estimate/sheetcompiler.h"

namespace sheetdelete {

namespace {

bool isInputNumber(const QString &text)
{
    return !text.isEmpty() && text.front().isDigit() && num::isNumber(text);
}

// The line whose input number is `input`, or 0.
int lineWithInputNumber(const EstimateDocument &doc, const QString &input)
{
    for (int r = 1; r <= doc.st1count; ++r)
        if (doc.lines.cell(linecol::InputNo, r) == input)
            return r;
    return 0;
}

// Removes the line shown on sheet row `row`. The line is found by its input number (sheet
// column 0), which stays with the line whatever order the table was in when the sheet was compiled.
bool deleteLineRow(EstimateDocument &doc, Host &host, int row)
{
    lineorders::codeOrder(doc);
    const int line = lineWithInputNumber(doc, doc.sheet.cell(sheetcol::Row, row));
    if (line == 0)
        return false;
    linetable::deleteLine(doc, line);
    lineorders::inputOrder(doc);
    doc.kidou = 1;
    sheet::compile(doc, host);
    return true;
}

// Clears line column `rateColumn` on every line that `feeds` selects.
template<typename Feeds>
void clearRate(EstimateDocument &doc, int rateColumn, Feeds feeds)
{
    for (int s = 1; s <= doc.st1count; ++s)
        if (feeds(s))
            doc.lines.setCell(rateColumn, s, QString());
}

bool deleteDerivedRow(EstimateDocument &doc, Host &host, int row)
{
    const TextGrid &sh = doc.sheet;
    const QString &name = sh.cell(sheetcol::Name, row);
    const QString &item = sh.cell(sheetcol::ItemName, row);
    const QString &no = sh.cell(sheetcol::No, row);
    const int number = num::isNumber(no) ? int(num::toNumber(no)) : 0;

    if (name == u"同上付属品" || name == u"同上支持材" || name == u"盤取付材料" || name == u"機器取付材料") {
        // The accessories and mounting rows close the group of the line above them; its C code is
        // read from the sheet, so the table's current order does not matter.
        int above = row - 1;
        while (above > doc.irow1 && !isInputNumber(sh.cell(sheetcol::Row, above)))
            --above;
        const QString code = sh.cell(sheetcol::C, above);
        const int column = name == u"同上付属品" ? linecol::Accessory : linecol::Mounting;
        clearRate(doc, column, [&](int s) {
            return doc.lines.cell(linecol::Item, s) == item && doc.lines.cell(linecol::C, s) == code;
        });
    } else if (name == u"塗 装 費" || name == u"塗装費" || name == u"天井開口費") {
        const QString itemName = doc.items.cell(itemcol::Name, number);
        const int column = name == u"天井開口費" ? linecol::Ceiling : linecol::Painting;
        clearRate(doc, column, [&](int s) { return doc.lines.cell(linecol::Item, s) == itemName; });
    } else {
        return false; // labour and consumables rows cannot be removed this way
    }
    // A cleared rate is a change to the lines: the estimate must be saved again.
    doc.kidou = 1;
    linecalc::recalculateAll(doc, host);
    sheet::compile(doc, host);
    return true;
}

} // namespace

bool deleteSelectedRow(EstimateDocument &doc, Host &host)
{
    const int row = doc.uy6;
    if (row < doc.irow1 || row >= doc.sheet.rowCount() || num::isBlank(doc.sheet.cell(sheetcol::No, row)))
        return false;
    if (isInputNumber(doc.sheet.cell(sheetcol::Row, row)))
        return deleteLineRow(doc, host, row);
    return deleteDerivedRow(doc, host, row);
}

} // namespace sheetdelete
