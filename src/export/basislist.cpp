#include "export/basislist.h"

#include "base/numbers.h"
#include "estimate/document.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

namespace {

constexpr double widths[] = {12, 8, 0, 0, 0, 0, 16, 16, 6, 5, 5, 8.63, 6.5, 6.5, 4.63, 5, 5, 6.5, 5,
                             6.5, 8, 8.5, 6.3, 6.3, 7.6, 8, 8, 8, 10, 8.5, 9, 9, 9, 9, 9, 12, 10.5};

// Sheet column (1-based) and the line-table column written there; `separator` marks the
// separator writes.
struct Copied {
    int sheetColumn;
    int lineColumn;
    bool separator;
};

// One submitted amount: the amount column, the rate column with its heading and the item
// column the rate comes from, and the formula column with its heading.
struct Submitted {
    int amountColumn;
    int rateColumn;
    const char16_t *rateHeading;
    int itemColumn;
    const char16_t *resultHeading;
};

constexpr int col(const char *letters)
{
    int n = 0;
    for (; *letters; ++letters)
        n = n * 26 + (*letters - 'A' + 1);
    return n;
}

const std::vector<Copied> &copiedColumns()
{
    static const std::vector<Copied> columns = [] {
        std::vector<Copied> c{{col("A"), 1, false}};
        for (int i = 0; i < 5; ++i)
            c.push_back({col("G") + i, 7 + i, false});
        c.push_back({col("L"), 12, true});
        for (int i = 0; i < 5; ++i)
            c.push_back({col("M") + i, 13 + i, false});
        c.push_back({col("R"), 18, true});
        c.push_back({col("S"), 19, true});
        for (int i = 0; i < 4; ++i)
            c.push_back({col("T") + i, 20 + i, false});
        c.push_back({col("X"), 24, true});
        for (int i = 0; i < 3; ++i)
            c.push_back({col("AA") + i, 25 + i, true});
        c.push_back({col("AF"), 28, true});
        for (int i = 0; i < 5; ++i)
            c.push_back({col("AI") + i, 29 + i, true});
        return c;
    }();
    return columns;
}

constexpr Submitted submitted[] = {
    {col("X"), col("Y"), u"労務費提出率", 13, u"提出労務費"},
    {col("AC"), col("AD"), u"塗装費提出率", 9, u"提出塗装費"},
    {col("AF"), col("AG"), u"天井開口費提出率", 11, u"提出天井開口費"},
    {col("AM"), col("AN"), u"雑材消耗品費提出率", 15, u"提出雑材消耗品費"},
};

} // namespace

void buildBasisList(const EstimateDocument &doc, Workbook &book, ExportProgress &progress)
{
    Worksheet &sheet = book.sheet(1);
    sheet.setName(u"積算根拠一覧表"_qs);
    for (int c = 0; c < int(std::size(widths)); ++c)
        sheet.setColumnWidth(c + 1, widths[c]);
    progress.setMaximum(doc.st1count);

    // Every cell written is 10 pt and shrunk to fit; the separator writes add their format. The
    // two looks are made once: the list has hundreds of thousands of cells.
    CellFormat look;
    look.fontSize = 10;
    look.shrink = true;
    const int plain = sheet.internStyle(look);
    look.numberFormat = u"#,##0"_qs;
    const int grouped = sheet.internStyle(look);

    const TextGrid &lines = doc.lines;
    for (int i = 0; i <= doc.st1count; ++i) {
        const int r = i + 1;
        auto cell = [&](int column) -> Range {
            sheet.setStyleId(r, column, plain);
            return sheet.cells(r, column);
        };
        auto separatorCell = [&](int column) -> Range {
            sheet.setStyleId(r, column, grouped);
            return sheet.cells(r, column);
        };
        for (const Copied &c : copiedColumns()) {
            if (c.separator)
                separatorCell(c.sheetColumn).setValue(lines.cell(c.lineColumn, i));
            else
                cell(c.sheetColumn).setValue(lines.cell(c.lineColumn, i));
        }
        QString code = u"'"_qs;
        for (int c = 2; c <= 6; ++c)
            code += lines.cell(c, i);
        cell(col("B")).setValue(code);

        const QString &itemNo = lines.cell(44, i);
        const bool hasItem = i > 0 && !num::isBlank(itemNo);
        const int itemRow = hasItem ? int(num::toInteger(itemNo)) : 0;
        for (const Submitted &s : submitted) {
            if (i == 0)
                cell(s.rateColumn).setValue(QString::fromUtf16(s.rateHeading));
            else if (hasItem)
                cell(s.rateColumn).setNumber(double(num::toNumber(doc.items.cell(s.itemColumn, itemRow))));
            Range result = separatorCell(s.rateColumn + 1);
            result.setValue(u"=%1%3*(%2%3/100)"_qs.arg(a1::columnLetters(s.amountColumn),
                                                              a1::columnLetters(s.rateColumn))
                                      .arg(r));
            if (i == 0)
                result.setValue(QString::fromUtf16(s.resultHeading));
        }
        progress.setPosition(i);
    }
}
