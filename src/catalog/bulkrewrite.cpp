#include "catalog/bulkrewrite.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "catalog/materiallist.h"
#include "estimate/document.h"

namespace bulkrewrite {

namespace {

constexpr int spare = materiallist::spare;

// The rows of the scope, or nullopt when there is no range at all. The rows run from ny3 to uy3
// and are none when uy3 lies above ny3.
struct Scope {
    int first;
    int last;
};

std::optional<Scope> scope(EstimateDocument &doc)
{
    CatalogState &k = doc.catalog;
    if (!k.controls.RadioButton1) {
        k.ny3 = 1;
        k.uy3 = k.list.rowCount() - 1;
    }
    if (k.ny3 == 0 || k.uy3 == 0)
        return std::nullopt;
    // Rows beyond the list have no cells to rewrite.
    return Scope{std::max(1, k.ny3), std::min(k.uy3, k.list.rowCount() - 1)};
}

// The change just made is the one "戻る" takes back.
void remember(CatalogState &k, int column, const Scope &rows)
{
    k.lastChangeColumn = column;
    k.lastChangeFirst = rows.first;
    k.lastChangeLast = rows.last;
    k.controls.Button110.visible = true;
}

// Sets `column` to `text` over the scope, keeping the old values in the spare column.
void setColumn(EstimateDocument &doc, int column, const QString &text)
{
    const std::optional<Scope> rows = scope(doc);
    if (!rows)
        return;
    CatalogState &k = doc.catalog;
    for (int r = rows->first; r <= rows->last; ++r) {
        k.list.setCell(spare, r, k.list.cell(column, r));
        k.list.setCell(column, r, text);
    }
    remember(k, column, *rows);
}

bool isFactorColumn(int column)
{
    return column == 8 || (column >= 10 && column <= 17);
}

QString twoDigits(qint64 value)
{
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

void setC(EstimateDocument &doc)
{
    setColumn(doc, 0, doc.catalog.controls.ComboBox43);
}

void setO(EstimateDocument &doc)
{
    setColumn(doc, 1, doc.catalog.controls.ComboBox44);
}

void replaceWithText(EstimateDocument &doc)
{
    const int column = doc.catalog.nx3;
    if (column < 0 || column >= materiallist::columns)
        return;
    setColumn(doc, column, doc.catalog.controls.Edit53);
}

void renumber(EstimateDocument &doc, Host &host)
{
    CatalogState &k = doc.catalog;
    try {
        qint64 e = num::toInteger(k.controls.ComboBox45) - 1;
        qint64 d = num::toInteger(k.controls.ComboBox46);
        const std::optional<Scope> rows = scope(doc);
        if (!rows)
            return;
        for (int r = rows->first; r <= rows->last; ++r) {
            e = e + 1;
            if (e == 100) {
                e = 0;
                d = d + 1;
            }
            k.list.setCell(3, r, twoDigits(e));
            if (d == 100)
                d = 1;
            k.list.setCell(2, r, twoDigits(d));
        }
    } catch (const ConversionError &error) {
        host.error(error.message());
    }
}

bool openFactorPanel(EstimateDocument &doc)
{
    CatalogState &k = doc.catalog;
    if (!isFactorColumn(k.nx3))
        return false;
    k.controls.Panel86.visible = true;
    return true;
}

void closeFactorPanel(EstimateDocument &doc)
{
    doc.catalog.controls.Panel86.visible = false;
}

void multiply(EstimateDocument &doc, Host &host)
{
    CatalogState &k = doc.catalog;
    CatalogControls &c = k.controls;
    const int column = k.nx3;
    const std::optional<Scope> rows = scope(doc);
    if (!rows || column < 0 || column >= materiallist::columns)
        return;
    if (c.Edit54.isEmpty())
        c.Edit54 = u"1"_qs;
    try {
        num::Real x = 0;
        for (int r = rows->first; r <= rows->last; ++r) {
            // A blank cell has no number of its own and scales the value of the cell above it.
            if (!num::isBlank(k.list.cell(column, r)))
                x = num::toNumber(k.list.cell(column, r));
            k.list.setCell(spare, r, k.list.cell(column, r));
            const num::Real factor = num::toNumber(c.Edit54);
            const num::Real p = num::roundEven(x * factor);
            if (p <= 0)
                continue;
            if (c.ComboBox40.isEmpty())
                c.ComboBox40 = u"1"_qs;
            const num::Real unit = num::toNumber(c.ComboBox40);
            if (!(unit > 0))
                throw ConversionError(c.ComboBox40);
            k.list.setCell(column, r, num::shortest(p + num::unitAdjustment(p, unit)));
        }
    } catch (const ConversionError &error) {
        host.error(error.message());
    }
    remember(k, column, *rows);
}

void undo(EstimateDocument &doc)
{
    CatalogState &k = doc.catalog;
    const std::optional<Scope> rows = scope(doc);
    if (!rows)
        return;
    if (k.lastChangeColumn >= 0) {
        const int last = std::min(k.lastChangeLast, k.list.rowCount() - 1);
        for (int r = std::max(1, k.lastChangeFirst); r <= last; ++r)
            k.list.setCell(k.lastChangeColumn, r, k.list.cell(spare, r));
    }
    k.controls.Button110.visible = false;
}

} // namespace bulkrewrite
