#include "output/clipboardtexts.h"

#include "base/scriptedhost.h"
#include "estimate/document.h"

#include <gtest/gtest.h>

namespace {

// Every cell names its column and row: "c.r".
void fill(TextGrid &grid, int rows)
{
    grid.setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.setCell(c, r, u"%1.%2"_qs.arg(c).arg(r));
}

QString cells(std::initializer_list<int> columns, int row)
{
    QStringList parts;
    for (int c : columns)
        parts.append(u"%1.%2"_qs.arg(c).arg(row));
    return parts.join(u'\t');
}

} // namespace

TEST(ClipboardTexts, SheetRangesInTheSheetsColumns)
{
    EstimateDocument doc;
    ScriptedHost host;
    fill(doc.sheet, 40);
    struct Case {
        int nx, ny, ux, uy;
        bool titled;
        QString expected;
    } cases[] = {
        // Dragged up and to the left: rows 25 to 30, columns 7 to 20 of the filter, no tab after 20.
        {20, 30, 7, 25, false, [] {
             QString t;
             for (int r = 25; r <= 30; ++r)
                 t += cells({7, 8, 11, 13, 14, 15, 16, 17, 18, 19, 20}, r) + u"\r\n"_qs;
             return t;
         }()},
        // The last column (22) is left out: every line ends with a tab after 21.
        {20, 5, 22, 5, false, cells({20, 21}, 5) + u"\t\r\n"_qs},
        // A click without a drag: the one cell and CR LF.
        {8, 3, 8, 3, false, u"8.3\r\n"_qs},
        // Titled: the titles of the filtered columns first.
        {7, 1, 8, 3, true, cells({7, 8}, 0) + u"\r\n"_qs + cells({7, 8}, 1) + u"\r\n"_qs + cells({7, 8}, 2) + u"\r\n"_qs
                               + cells({7, 8}, 3) + u"\r\n"_qs},
        // Only filtered-out columns: empty lines.
        {0, 1, 6, 2, false, u"\r\n\r\n"_qs},
    };
    for (const Case &c : cases) {
        doc.nx6 = c.nx;
        doc.ny6 = c.ny;
        doc.ux6b = c.ux;
        doc.uy6b = c.uy;
        clipboardtexts::copySheetRange(doc, host, c.titled);
        EXPECT_EQ(host.clipboard, c.expected) << c.nx << "," << c.ny << " " << c.ux << "," << c.uy;
    }
}

TEST(ClipboardTexts, LineMenuCopiesTheGridOnScreenWithAllColumns)
{
    EstimateDocument doc;
    ScriptedHost host;
    fill(doc.lines, 10);
    fill(doc.itemView, 10);
    doc.itemView.setCell(3, 2, u"item"_qs);
    doc.nx1 = 2, doc.ny1 = 2, doc.ux1b = 4, doc.uy1b = 2;
    doc.nx5 = 4, doc.ny5 = 2, doc.ux5b = 2, doc.uy5b = 3;

    doc.controls.showItemView = true;
    clipboardtexts::copyLineRange(doc, host);
    EXPECT_EQ(host.clipboard, u"2.2\titem\t4.2\r\n"_qs + cells({2, 3, 4}, 3) + u"\r\n"_qs);

    doc.controls.showItemView = false;
    doc.controls.showLines = true;
    clipboardtexts::copyLineRange(doc, host);
    EXPECT_EQ(host.clipboard, cells({2, 3, 4}, 2) + u"\r\n"_qs);
}
