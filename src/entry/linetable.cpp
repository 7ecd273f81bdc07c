#include "entry/linetable.h"

#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"

namespace linetable {

void deleteLine(EstimateDocument &doc, int row)
{
    TextGrid &t = doc.lines;
    if (row < 1 || row > doc.st1count)
        return;
    for (int r = row; r < t.rowCount(); ++r)
        for (int c = 1; c < linecol::Count; ++c)
            t.setCell(c, r, t.cell(c, r + 1));
    doc.kidou = 1;
    t.setCell(linecol::No, doc.st1count, QString());
    --doc.st1count;
    t.setRowCount(doc.st1count + 2);
    if (doc.st1count == 0)
        doc.controls.Button2.enabled = false;
}

void deleteLines(EstimateDocument &doc, const std::vector<int> &rows)
{
    if (rows.empty())
        return;
    TextGrid &t = doc.lines;
    const int oldCount = doc.st1count;
    // Columns 1 to 45 of the kept rows close up; column 0 keeps the numbering.
    int write = rows.front();
    std::size_t next = 0;
    for (int r = rows.front(); r < t.rowCount(); ++r) {
        if (next < rows.size() && rows[next] == r) {
            ++next;
            continue;
        }
        if (write != r) {
            for (int c = 1; c < linecol::Count; ++c)
                t.setCell(c, write, t.cell(c, r));
        }
        ++write;
    }
    for (int r = write; r < t.rowCount(); ++r)
        for (int c = 1; c < linecol::Count; ++c)
            t.setCell(c, r, QString());
    doc.kidou = 1;
    doc.st1count = oldCount - int(rows.size());
    for (int r = doc.st1count + 1; r <= oldCount; ++r)
        t.setCell(linecol::No, r, QString());
    t.setRowCount(doc.st1count + 2);
    if (doc.st1count == 0)
        doc.controls.Button2.enabled = false;
}

void removeLinesWithoutItem(EstimateDocument &doc)
{
    TextGrid &t = doc.lines;
    for (int r = 1; r < t.rowCount(); ++r) {
        if (!t.cell(linecol::No, r).isEmpty() && t.cell(linecol::Item, r).isEmpty())
            deleteLine(doc, r);
    }
}

void clearBrokenRows(EstimateDocument &doc)
{
    TextGrid &t = doc.lines;
    auto broken = [](const QString &text) { return num::isBlank(text) || text == u"無し"; };
    int count = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        if (broken(t.cell(linecol::No, r)) || broken(t.cell(linecol::Item, r)))
            continue;
        ++count;
        if (count != r)
            t.setRow(count, t.row(r));
    }
    for (int r = count + 1; r < t.rowCount(); ++r)
        t.clearRow(r);
    doc.controls.Label164.text = u"Number of lines:"_qs + QString::number(count);
    doc.st1count = count;
    t.setRowCount(count < 20 ? 31 : count + 2);
    t.setCell(linecol::No, 0, u"No."_qs);
}

} // namespace linetable
