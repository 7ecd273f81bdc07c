#include "base/textgrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

// The grid as a plain table of strings, the behaviour the pooled grid must keep.
struct Model {
    int columns;
    int rows = 0;
    std::vector<QStringList> cells; // stored rows

    QString cell(int c, int r) const { return r < int(cells.size()) ? cells[size_t(r)][c] : QString(); }
    void store(int r)
    {
        while (int(cells.size()) <= r)
            cells.push_back(QStringList(columns, QString()));
    }
    void setRowCount(int n)
    {
        if (n < int(cells.size()))
            cells.resize(size_t(n));
        rows = n;
        if (n > 0)
            store(n - 1);
    }
    int distinctTexts() const
    {
        std::set<QString> texts;
        for (const QStringList &row : cells)
            for (const QString &t : row)
                if (!t.isEmpty())
                    texts.insert(t);
        return int(texts.size());
    }
};

void expectSame(const TextGrid &grid, const Model &model, int step)
{
    ASSERT_EQ(grid.rowCount(), model.rows) << step;
    for (int r = 0; r < int(model.cells.size()) + 2; ++r)
        for (int c = 0; c < model.columns; ++c)
            ASSERT_EQ(grid.cell(c, r), model.cell(c, r)) << "step " << step << " cell " << c << "," << r;
}

} // namespace

// Random edits of every kind on a grid of few distinct texts, so that texts are shared, let go and
// taken again: every cell must read as in a plain table, and no text may be lost or kept twice.
TEST(TextGrid, PooledCellsBehaveAsPlainStrings)
{
    std::mt19937 random(7);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QStringList words = {u"0"_qs, u"100"_qs, u"通常品"_qs, u"式"_qs, u"1-1.照明器具設置工事"_qs,
                               u"12345.678"_qs, u"ケーブル VVF 2.0-3C"_qs, u"xxx"_qs};
    TextGrid grid(5, 4);
    Model model{5, 0, {}};
    model.setRowCount(4);
    for (int step = 0; step < 4000; ++step) {
        const int rows = std::max(grid.rowCount(), 1);
        switch (pick(10)) {
        case 0: case 1: case 2: case 3: {
            const int c = pick(5), r = pick(rows + 2);
            // Half the writes are new texts, so the pool keeps taking ids of texts no cell holds;
            // half go through the view form.
            const QString text = pick(2) ? words[pick(int(words.size()))] : QString::number(pick(500));
            if (pick(2))
                grid.setCell(c, r, text);
            else
                grid.setCellText(c, r, QStringView(text));
            model.store(r);
            model.cells[size_t(r)][c] = text;
            break;
        }
        case 4: {
            // A cell's own text written into another cell (or into itself).
            const int c = pick(5), r = pick(rows), fromColumn = pick(5), fromRow = pick(rows);
            const QString expected = model.cell(fromColumn, fromRow);
            grid.setCell(c, r, grid.cell(fromColumn, fromRow));
            model.store(r);
            model.cells[size_t(r)][c] = expected;
            break;
        }
        case 5: {
            const int r = pick(rows);
            grid.removeRow(r);
            if (r < int(model.cells.size())) {
                model.cells.erase(model.cells.begin() + r);
                model.cells.push_back(QStringList(5, QString()));
            }
            if (r < model.rows)
                model.setRowCount(model.rows - 1);
            break;
        }
        case 6: {
            const int a = pick(rows), b = pick(rows);
            grid.swapRows(a, b);
            model.store(std::max(a, b));
            std::swap(model.cells[size_t(a)], model.cells[size_t(b)]);
            break;
        }
        case 7: {
            // Rows kept in order and moved up, the others dropped after (as the merge pass does).
            std::vector<int> kept;
            for (int r = 1; r < rows; ++r)
                if (pick(3))
                    kept.push_back(r);
            grid.permuteRows(1, kept);
            model.store(rows);
            std::vector<QStringList> copies;
            for (int r : kept)
                copies.push_back(model.cells[size_t(r)]);
            for (size_t i = 0; i < copies.size(); ++i)
                model.cells[1 + i] = copies[i];
            for (int r = 1 + int(kept.size()); r < rows; ++r) {
                grid.clearRow(r);
                model.cells[size_t(r)] = QStringList(5, QString());
            }
            break;
        }
        case 8: {
            const int n = pick(12);
            grid.setRowCount(n);
            model.setRowCount(n);
            break;
        }
        default:
            if (pick(8) == 0) {
                grid.clear();
                for (QStringList &row : model.cells)
                    row = QStringList(5, QString());
            } else {
                const int r = pick(rows);
                grid.clearRow(r);
                if (r < int(model.cells.size()))
                    model.cells[size_t(r)] = QStringList(5, QString());
            }
        }
        expectSame(grid, model, step);
        ASSERT_EQ(grid.distinctTexts(), model.distinctTexts()) << step;
    }
}

TEST(TextGrid, ReferencesStayValidWhileOtherCellsChange)
{
    TextGrid grid(3, 2);
    grid.setCell(0, 1, u"通常品"_qs);
    const QString &kind = grid.cell(0, 1);
    for (int i = 0; i < 20000; ++i) // the pool grows far beyond its first block
        grid.setCell(1 + i % 2, 1 + i, QString::number(i));
    grid.removeRow(0);
    EXPECT_EQ(kind, u"通常品"_qs);
    EXPECT_EQ(grid.cell(0, 0), u"通常品"_qs);
}

TEST(TextGrid, ColumnStampsChangeWithTheCells)
{
    TextGrid grid(3, 4);
    grid.setCell(0, 1, u"a"_qs);
    grid.setCell(1, 2, u"b"_qs);
    const std::uint64_t first = grid.columnStamp(0);
    EXPECT_EQ(grid.columnStamp(0), first);
    grid.setCell(1, 1, u"c"_qs);    // another column
    grid.setCell(0, 1, u"a"_qs);    // the same text again
    (void)grid.cell(0, 1);
    grid.setRowCount(10);           // more rows, no cell changed
    EXPECT_EQ(grid.columnStamp(0), first);

    std::uint64_t last = first;
    auto changed = [&](const char *what) {
        const std::uint64_t now = grid.columnStamp(0);
        EXPECT_NE(now, last) << what;
        last = now;
    };
    grid.setCell(0, 3, u"d"_qs);
    changed("setCell");
    grid.swapRows(1, 3);
    changed("swapRows");
    grid.permuteRows(1, {2, 1});
    changed("permuteRows");
    grid.removeRow(0);
    changed("removeRow");
    grid.clearRow(2);
    changed("clearRow");
    grid.setCell(0, 1, u"e"_qs);
    grid.setRowCount(1);
    changed("setRowCount");
    grid.clear();
    changed("clear");

    // Another grid with other cells never shows a stamp this one had.
    TextGrid other(3, 4);
    EXPECT_NE(other.columnStamp(0), last);
    EXPECT_NE(other.columnStamp(0), first);
}

TEST(TextGrid, CopiesAreIndependent)
{
    TextGrid a(2, 2);
    a.setCell(0, 0, u"A"_qs);
    TextGrid b = a;
    b.setCell(0, 0, u"B"_qs);
    b.setCell(1, 1, u"A"_qs);
    EXPECT_EQ(a.cell(0, 0), u"A"_qs);
    EXPECT_EQ(a.cell(1, 1), QString());
    TextGrid c = std::move(b);
    EXPECT_EQ(c.cell(1, 1), u"A"_qs);
    b = a; // a grid moved from takes new contents
    EXPECT_EQ(b.cell(0, 0), u"A"_qs);
}
