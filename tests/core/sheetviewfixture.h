#pragma once

#include "itemfixture.h"

// A compiled-looking estimate sheet written by hand: two items (the second a sub-item holding two
// lines), the expense rows of the summary block and the detail section of the second item.
//
//   1  A1 1 1  1.電灯設備工事                      (summary, level 1)
//   2  A2 1 2   1-1.照明器具工事       20: 12345   (summary, level 2)
//   3           直接工事費
//   4           運搬費                  extra expense row 1
//   5           現場雑費      18: 6    20: 1800
//   6           諸経費        18: 9
//   8           総　合　計                          irow1 = 10
//  11  A2       1-1.照明器具工事                   item header
//  12  1  1 107 照明器具A  spec                    line 1 (input number 1)
//  13  2  2 107 照明器具B        9: *              line 2 (input number 2), merged
//  14     2 159 同上付属品
//  15     2 301 塗 装 費
//  16     2 301 労 務 費
//  18           合　　計
struct SheetViewFixture : ItemFixture {
    SheetViewFixture()
    {
        setItems({{1, u"電灯設備工事"}, {2, u"照明器具工事"}});
        addLine(2, u"照明器具A"_qs);
        addLine(2, u"照明器具B"_qs);
        for (int r = 1; r <= 2; ++r) {
            doc.lines.setCell(linecol::Accessory, r, u"5"_qs);
            doc.lines.setCell(linecol::Painting, r, u"100"_qs);
        }
        doc.settings.Edit32 = u"運搬費"_qs;
        doc.irow1 = 10;
        doc.sheet.setRowCount(25);
        doc.sheetVisibleRows = 10;

        row(1, {{0, u"A1"}, {1, u"1"}, {2, u"1"}, {7, u"1.電灯設備工事"}, {20, u"12345"}});
        row(2, {{0, u"A2"}, {1, u"1"}, {2, u"2"}, {7, u" 1-1.照明器具工事"}, {20, u"12345"}});
        doc.sheet.setCell(sheetcol::ItemName, 2, item(2));
        row(3, {{7, u"直接工事費"}, {20, u"12345"}});
        row(4, {{7, u"運搬費"}, {20, u"500"}});
        row(5, {{7, u"現場雑費"}, {18, u"6"}, {20, u"1800"}});
        row(6, {{7, u"諸経費"}, {18, u"9"}, {20, u"2000"}});
        row(8, {{7, u"総　合　計"}, {20, u"16645"}});
        row(11, {{0, u"A2"}, {7, u"1-1.照明器具工事"}});
        row(12, {{0, u"1"}, {1, u"1"}, {2, u"107"}, {7, u"照明器具A"}, {8, u"spec"}, {11, u"2"}, {14, u"5000"}});
        row(13, {{0, u"2"}, {1, u"2"}, {2, u"107"}, {7, u"照明器具B"}, {9, u"*"}, {11, u"1"}, {14, u"3000"}});
        row(14, {{1, u"2"}, {2, u"159"}, {3, u"01"}, {7, u"同上付属品"}, {17, u"650"}, {20, u"650"}});
        row(15, {{1, u"2"}, {2, u"301"}, {7, u"塗 装 費"}, {15, u"100"}, {17, u"300"}, {18, u"100"}, {20, u"300"}});
        row(16, {{1, u"2"}, {2, u"301"}, {7, u"労 務 費"}, {15, u"100"}, {17, u"4000"}, {18, u"100"}, {20, u"4000"}});
        row(18, {{7, u"合　　計"}, {20, u"12345"}});
        for (int r = 11; r <= 18; ++r)
            if (!doc.sheet.cell(sheetcol::Name, r).isEmpty())
                doc.sheet.setCell(sheetcol::ItemName, r, item(2));
    }

    void row(int r, std::initializer_list<std::pair<int, const char16_t *>> cells)
    {
        for (const auto &[c, text] : cells)
            doc.sheet.setCell(c, r, QString::fromUtf16(text));
    }
};
