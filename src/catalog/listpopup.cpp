#include "catalog/listpopup.h"

#include "base/host.h"
#include "catalog/catalogedit.h"
#include "catalog/materiallist.h"
#include "estimate/document.h"
#include "storage/textfile.h"

#include <QStringList>

namespace listpopup {

namespace {

constexpr int firstContent = 4; // columns 0 to 3 are the code and stay with their rows

QString joinRows(const TextGrid &grid, int left, int top, int right, int bottom)
{
    QStringList rows;
    QStringList cells;
    for (int r = top; r <= bottom; ++r) {
        cells.clear();
        for (int c = left; c <= right; ++c)
            cells.append(grid.cell(c, r));
        rows.append(cells.join(u'\t'));
    }
    return rows.join(u"\r\n");
}

// The popup entries that change or copy the list are enabled in the edit mode only; a shortcut
// that reaches them otherwise has nothing to do.
bool allowed(EstimateDocument &doc, Host &host)
{
    if (catalogedit::isEditMode(doc))
        return true;
    host.beep();
    return false;
}

bool releasedRowInList(const CatalogState &k)
{
    return k.uy3 >= 1 && k.uy3 < k.list.rowCount();
}

} // namespace

void firstRow(EstimateDocument &doc)
{
    CatalogState &k = doc.catalog;
    k.row = 1;
    k.topRowRequest = 1;
}

void lastRow(EstimateDocument &doc)
{
    CatalogState &k = doc.catalog;
    k.row = std::max(1, k.list.rowCount() - 1);
    k.topRowRequest = k.row;
}

void copyBlock(EstimateDocument &doc, Host &host, int left, int top, int right, int bottom)
{
    if (!allowed(doc, host))
        return;
    const TextGrid &list = doc.catalog.list;
    left = std::max(0, left);
    top = std::max(0, top);
    right = std::min(right, materiallist::columns - 1);
    bottom = std::min(bottom, list.rowCount() - 1);
    if (left > right || top > bottom)
        return;
    host.setClipboardText(joinRows(list, left, top, right, bottom));
}

void copyAll(EstimateDocument &doc, Host &host)
{
    if (!allowed(doc, host))
        return;
    const TextGrid &list = doc.catalog.list;
    host.setClipboardText(joinRows(list, 0, 0, 17, list.rowCount() - 1));
}

void paste(EstimateDocument &doc, Host &host)
{
    if (!allowed(doc, host))
        return;
    CatalogState &k = doc.catalog;
    const QStringList lines = textfile::splitLines(host.clipboardText());
    const int top = std::max(1, k.row);
    const int left = std::clamp(k.col, 0, materiallist::columns - 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int r = top + int(i);
        if (r >= TextGrid::maxRows)
            break;
        if (r >= k.list.rowCount())
            k.list.setRowCount(r + 1);
        const QStringList fields = lines[i].split(u'\t');
        for (qsizetype f = 0; f < fields.size() && left + f < materiallist::columns; ++f)
            k.list.setCell(left + int(f), r, fields[f]);
    }
}

void insertRow(EstimateDocument &doc, Host &host)
{
    if (!allowed(doc, host))
        return;
    CatalogState &k = doc.catalog;
    if (!releasedRowInList(k)) {
        host.beep();
        return;
    }
    TextGrid &list = k.list;
    const int last = list.rowCount(); // the new last row
    list.setRowCount(last + 1);
    for (int r = last; r > k.uy3; --r)
        for (int c = firstContent; c < materiallist::columns; ++c)
            list.setCell(c, r, list.cell(c, r - 1));
    for (int c = firstContent; c < materiallist::columns; ++c)
        list.setCell(c, k.uy3, QString());
    for (int c = 0; c < firstContent; ++c)
        list.setCell(c, last, list.cell(c, last - 1));
}

void deleteRow(EstimateDocument &doc, Host &host)
{
    if (!allowed(doc, host))
        return;
    CatalogState &k = doc.catalog;
    if (!releasedRowInList(k)) {
        host.beep();
        return;
    }
    TextGrid &list = k.list;
    const int last = list.rowCount() - 1;
    for (int r = k.uy3; r < last; ++r)
        for (int c = firstContent; c < materiallist::columns; ++c)
            list.setCell(c, r, list.cell(c, r + 1));
    list.setRowCount(last);
    k.row = std::min(k.row, std::max(1, last - 1));
}

} // namespace listpopup
