#include "entryfixture.h"

#include "base/conversionerror.h"
#include "entry/carryover.h"
#include "entry/inputordermoves.h"
#include "entry/linegridedit.h"
#include "entry/sheetentries.h"
#include "estimate/linecalculation.h"
#include "estimate/lineorders.h"
#include "estimate/views.h"

#include <gtest/gtest.h>

using namespace linecol;
using Outcome = entryregistration::Outcome;

namespace {

// Lines in the whole view: (item row, name, E code, unit, kind).
struct LineGrid : EntryFixture {
    void line(int itemRow, const QString &name, const QString &e = u"01"_qs, const QString &unit = u"個"_qs,
              const QString &kind = u"通常品"_qs)
    {
        addLine(itemRow, name);
        const int r = doc.st1count;
        TextGrid &t = doc.lines;
        t.setCell(O, r, u"01"_qs);
        t.setCell(D, r, u"02"_qs);
        t.setCell(E, r, e);
        t.setCell(Sub, r, u"0000"_qs);
        t.setCell(Spec1, r, u"VE22"_qs);
        t.setCell(Quantity, r, u"10"_qs);
        t.setCell(Unit, r, unit);
        t.setCell(Price, r, u"300"_qs);
        t.setCell(Category, r, u"配管"_qs);
        t.setCell(Kind, r, kind);
        t.setCell(Factor, r, u"0.05"_qs);
        t.setCell(ItemRow, r, QString::number(itemRow));
        for (int c = Allowance; c <= Submission; ++c)
            t.setCell(c, r, c == Allowance || c >= Compression ? u"100"_qs : u"0"_qs);
    }

    void wholeView()
    {
        views::wholeView(doc, host);
        ASSERT_TRUE(doc.controls.showLines);
    }

    // A double-click on (column, row) of the whole view, the field retyped, "登録" pressed.
    void edit(int row, int column, const QString &field, const QString &text)
    {
        ASSERT_EQ(linegridedit::openFromWholeView(form, doc, row, column), linegridedit::Open::Window);
        entryactivation::activate(form, host, false);
        *form.field(field) = text;
        form.closing = false;
        ASSERT_EQ(entryregistration::registerEntry(form, doc, host), Outcome::Registered);
    }

    int rowOf(const QString &name, const QString &e = u"01"_qs) const
    {
        for (int r = 1; r <= doc.st1count; ++r)
            if (doc.lines.cell(Name, r) == name && doc.lines.cell(E, r) == e)
                return r;
        return 0;
    }
};

} // namespace

TEST(LineCarryOver, ChangedPriceGoesToTheSameMaterialExceptLumpSums)
{
    LineGrid g;
    g.line(1, u"PF管"_qs);
    g.line(2, u"PF管"_qs, u"07"_qs);              // another E code: the price key ignores it
    g.line(2, u"PF管"_qs, u"01"_qs, u"式"_qs);    // a lump sum keeps its price
    g.line(2, u"CD管"_qs);
    g.wholeView();
    g.edit(g.rowOf(u"PF管"_qs), Price, u"Edit11"_qs, u"350"_qs);
    EXPECT_EQ(g.cell(Price, g.rowOf(u"PF管"_qs)), u"350"_qs);
    EXPECT_EQ(g.cell(Price, g.rowOf(u"PF管"_qs, u"07"_qs)), u"350"_qs);
    EXPECT_EQ(g.cell(Material, g.rowOf(u"PF管"_qs, u"07"_qs)), u"3500"_qs);
    int lumpSum = 0;
    for (int r = 1; r <= g.doc.st1count; ++r)
        if (g.cell(Unit, r) == u"式")
            lumpSum = r;
    EXPECT_EQ(g.cell(Price, lumpSum), u"300"_qs);
    EXPECT_EQ(g.cell(Price, g.rowOf(u"CD管"_qs)), u"300"_qs);
    EXPECT_EQ(g.doc.kidou, 1);
}

TEST(LineCarryOver, ChangedFactorAlsoGoesToLinesOfTheSameClassAndKind)
{
    LineGrid g;
    g.line(1, u"PF管"_qs);
    g.line(2, u"PF管"_qs, u"07"_qs);
    g.line(2, u"PF管"_qs, u"01"_qs, u"ｍ"_qs, u"撤去"_qs); // another kind: not the same material
    g.wholeView();
    g.doc.lines.setCell(Painting, g.rowOf(u"PF管"_qs), u"15"_qs);
    g.edit(g.rowOf(u"PF管"_qs), Factor, u"Edit12"_qs, u"0.08"_qs);
    const int other = g.rowOf(u"PF管"_qs, u"07"_qs);
    EXPECT_EQ(g.cell(Factor, other), u"0.08"_qs);
    EXPECT_EQ(g.cell(Painting, other), u"15"_qs);
    for (int r = 1; r <= g.doc.st1count; ++r) {
        if (g.cell(Kind, r) == u"撤去") {
            EXPECT_EQ(g.cell(Factor, r), u"0.05"_qs);
        }
    }

    // Cancelling the window carries nothing over.
    g.doc.lines.setCell(Price, other, u"999"_qs);
    ASSERT_EQ(linegridedit::openFromWholeView(g.form, g.doc, g.rowOf(u"PF管"_qs), Price), linegridedit::Open::Window);
    entryregistration::cancel(g.form);
    EXPECT_EQ(g.cell(Price, other), u"999"_qs);
}

TEST(LineCarryOver, DragFillTakesEveryLineOfTheSameDescription)
{
    for (const auto &[from, to] : {std::pair{3, 6}, std::pair{6, 3}}) {
        LineGrid g;
        for (int i = 1; i <= 8; ++i)
            g.line(1, u"器具%1"_qs.arg(i));
        g.line(2, u"器具4"_qs);                        // the same description as a dragged line
        g.line(2, u"器具5"_qs, u"01"_qs, u"式"_qs);    // but a lump sum
        g.doc.roumutanka = 20000;
        const std::vector<int> rows = carryover::dragRows(g.doc, from, to);
        EXPECT_EQ(rows, (std::vector<int>{3, 4, 5, 6}));
        ASSERT_TRUE(carryover::fill(g.doc, g.host, Compression, rows, u"80"_qs));
        QStringList rates;
        for (int r = 1; r <= g.doc.st1count; ++r)
            rates.append(g.cell(Compression, r));
        EXPECT_EQ(rates, (QStringList{u"100"_qs, u"100"_qs, u"80"_qs, u"80"_qs, u"80"_qs, u"80"_qs, u"100"_qs,
                                      u"100"_qs, u"80"_qs, u"100"_qs}));
        EXPECT_EQ(g.cell(Compressed, 3), u"2400"_qs);
        EXPECT_EQ(g.doc.kidou, 1);
    }
    LineGrid g;
    g.line(1, u"器具"_qs);
    EXPECT_FALSE(carryover::fill(g.doc, g.host, Compression, {1}, QString()));
    EXPECT_FALSE(carryover::fill(g.doc, g.host, Price, {1}, u"80"_qs));
    EXPECT_EQ(g.cell(Compression, 1), u"100"_qs);
}

TEST(LineGridEdit, DoubleClickOpensTheLineOrTheMaterialMenu)
{
    LineGrid g;
    g.line(1, u"PF管"_qs);
    g.wholeView();
    EXPECT_EQ(linegridedit::openFromWholeView(g.form, g.doc, 2, Name), linegridedit::Open::MaterialMenu);
    EXPECT_EQ(linegridedit::openFromWholeView(g.form, g.doc, 1, Labour), linegridedit::Open::Nothing);
    ASSERT_EQ(linegridedit::openFromWholeView(g.form, g.doc, 1, Quantity), linegridedit::Open::Window);
    EXPECT_EQ(g.form.Edit21, u"1"_qs);
    EXPECT_EQ(g.form.Edit9, u"10"_qs);
    EXPECT_EQ(g.form.Edit24, u"10"_qs);
    EXPECT_EQ(g.form.editFlag, 1);
    EXPECT_TRUE(g.form.carryOver.isNone());
    g.doc.lines.setCell(ItemRow, 1, u"x"_qs);
    EXPECT_THROW(linegridedit::openFromWholeView(g.form, g.doc, 1, Quantity), ConversionError);
}

TEST(LineGridEdit, DeleteChosenLineFromEitherView)
{
    LineGrid g;
    for (int i = 1; i <= 10; ++i)
        g.line(1, u"器具%1"_qs.arg(i, 2, 10, QChar(u'0')));
    g.wholeView();
    g.doc.uy1 = 4;
    linegridedit::deleteChosenLine(g.doc, g.host);
    EXPECT_EQ(g.doc.st1count, 9);
    EXPECT_EQ(g.lineColumn(No), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs, u"6"_qs, u"7"_qs,
                                             u"8"_qs, u"9"_qs}));
    EXPECT_EQ(g.cell(Name, 4), u"器具05"_qs);
    EXPECT_TRUE(g.cell(No, 10).isEmpty());

    // In the item view the line is the one the view row shows, wherever the table holds it.
    views::itemView(g.doc, g.host);
    g.doc.lines.swapRows(1, 2);
    g.doc.uy5 = 1;
    const QString shown = g.doc.itemView.cell(Name, 1);
    linegridedit::deleteChosenLine(g.doc, g.host);
    EXPECT_EQ(g.doc.st1count, 8);
    EXPECT_FALSE(g.lineColumn(Name).contains(shown));
    EXPECT_EQ(g.doc.itemView.cell(Name, 1), u"器具02"_qs);
}

TEST(LineGridEdit, MenuEntriesFollowTheView)
{
    LineGrid g;
    struct Case {
        const char16_t *label;
        const char16_t *number;
        linegridedit::MenuState state;
    } cases[] = {
        {u"全体表示中(コード順)", u"3", {true, true, false, false}},
        {u"全体表示中(入力順)", u" ", {false, false, false, true}},
        {u"1.電灯設備工事", u"", {false, true, true, true}},
    };
    for (const Case &c : cases) {
        g.doc.controls.Label18.text = QString::fromUtf16(c.label);
        const auto s = linegridedit::menuState(g.doc, QString::fromUtf16(c.number));
        EXPECT_EQ(s.deleteLine, c.state.deleteLine) << QString::fromUtf16(c.label).toStdString();
        EXPECT_EQ(s.inputOrder, c.state.inputOrder);
        EXPECT_EQ(s.markForMove, c.state.markForMove);
        EXPECT_EQ(s.moveUpDown, c.state.moveUpDown);
    }
}

TEST(LineGridEdit, SortAfterTheMenuKeepsTheChosenLine)
{
    LineGrid g;
    g.line(1, u"器具B"_qs);
    g.line(1, u"器具C"_qs);
    g.wholeView();
    g.line(1, u"器具A"_qs); // registered in the whole view: at the end, out of code order
    g.doc.uy1 = 3;
    linegridedit::sortAfterMenu(g.doc);
    EXPECT_EQ(g.cell(Name, 1), u"器具A"_qs);
    EXPECT_EQ(g.doc.uy1, 1);
}

TEST(InputOrderMoves, UpAndDownInTheWholeView)
{
    LineGrid g;
    for (const char16_t *name : {u"A", u"B", u"C"})
        g.line(1, QString::fromUtf16(name));
    views::inputOrderWholeView(g.doc, g.host);
    g.doc.ny1 = 1;
    g.doc.uy1 = 1;
    inputmoves::moveUp(g.doc, g.host);
    EXPECT_EQ(g.host.beeps, 1);
    g.doc.ny1 = g.doc.uy1 = 3;
    inputmoves::moveUp(g.doc, g.host);
    EXPECT_EQ(g.lineColumn(Name), (QStringList{u"A"_qs, u"C"_qs, u"B"_qs}));
    EXPECT_EQ(g.lineColumn(InputNo), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));
    EXPECT_EQ(g.lineColumn(No), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));
    EXPECT_EQ(g.doc.uy1, 2);
    g.doc.uy1 = 1;
    inputmoves::moveDown(g.doc, g.host);
    EXPECT_EQ(g.lineColumn(Name), (QStringList{u"C"_qs, u"A"_qs, u"B"_qs}));
    g.doc.uy1 = 3;
    inputmoves::moveDown(g.doc, g.host); // nothing below the last line
    EXPECT_EQ(g.lineColumn(Name), (QStringList{u"C"_qs, u"A"_qs, u"B"_qs}));
    EXPECT_EQ(g.host.beeps, 1);
}

TEST(InputOrderMoves, MarkedLineMovesAboveTheClickedOneInTheItemView)
{
    struct Case {
        int marked, clicked;
        const char16_t *order;
    } cases[] = {{8, 3, u"12834567"}, {3, 8, u"12456738"}, {4, 4, u"12345678"}};
    for (const Case &c : cases) {
        LineGrid g;
        for (int i = 1; i <= 8; ++i)
            g.line(1, QString::number(i));
        g.line(2, u"other"_qs);
        views::itemView(g.doc, g.host);
        g.doc.uy5 = c.marked;
        inputmoves::mark(g.doc);
        g.doc.ny5 = c.clicked;
        inputmoves::insertMarked(g.doc, g.host, c.clicked);
        QString order;
        for (int v = 1; v <= 8; ++v)
            order += g.doc.itemView.cell(Name, v);
        EXPECT_EQ(order, QString::fromUtf16(c.order)) << c.marked << " -> " << c.clicked;
        EXPECT_EQ(g.doc.olduy5, 0);
        EXPECT_EQ(g.doc.st1count, 9);
    }

    // A single move; a press on the title row beeps; an input number that is not one stops.
    LineGrid g;
    for (int i = 1; i <= 3; ++i)
        g.line(1, QString::number(i));
    views::itemView(g.doc, g.host);
    g.doc.uy5 = 2;
    g.doc.ny5 = 2;
    inputmoves::moveUp(g.doc, g.host);
    EXPECT_EQ(g.doc.itemView.cell(Name, 1), u"2"_qs);
    EXPECT_EQ(g.doc.uy5, 1);
    g.doc.ny5 = 0;
    g.doc.uy5 = 2;
    inputmoves::moveDown(g.doc, g.host);
    EXPECT_EQ(g.host.beeps, 1);
    g.doc.ny5 = 2;
    g.doc.itemView.setCell(InputNo, 2, u"x"_qs);
    inputmoves::moveDown(g.doc, g.host);
    EXPECT_EQ(g.host.messages.size(), 1);
}

TEST(SheetEntries, ItemQuantityAndUnit)
{
    LineGrid g;
    g.line(1, u"器具"_qs);
    g.doc.items.setCell(itemcol::Quantity, 1, u"2"_qs);
    struct Case {
        std::optional<QString> typed;
        const char16_t *quantity;
    } cases[] = {{u"0"_qs, u"1"}, {u"3"_qs, u"3"}, {std::nullopt, u"3"}, {QString(), u"1"}};
    for (const Case &c : cases) {
        g.host.keypadAnswers = {c.typed};
        sheetentries::itemQuantity(g.doc, g.host, 1);
        EXPECT_EQ(g.doc.items.cell(itemcol::Quantity, 1), QString::fromUtf16(c.quantity));
    }
    EXPECT_EQ(g.doc.koumokumei, g.item(1));
    g.host.unitAnswers = {u"面"_qs};
    sheetentries::itemUnit(g.doc, g.host, 1);
    EXPECT_EQ(g.doc.items.cell(itemcol::Unit, 1), u"面"_qs);
    EXPECT_EQ(g.host.unitShown, 1);
    sheetentries::itemUnit(g.doc, g.host, 1); // closed without a unit window answer
    EXPECT_EQ(g.doc.items.cell(itemcol::Unit, 1), u"面"_qs);
}

TEST(SheetEntries, PriceChangedOnTheSheetGoesToTheSameDescription)
{
    LineGrid g;
    g.line(1, u"PF管"_qs);
    g.line(2, u"PF管"_qs);
    g.line(2, u"PF管"_qs, u"07"_qs); // another description
    g.doc.lines.setCell(Allowance, 1, u"110"_qs);
    linecalc::recalculateAll(g.doc, g.host);
    g.doc.controls.showItemView = false;
    g.doc.controls.showSheet = true;
    ASSERT_TRUE(sheetentries::openLine(g.form, g.doc, 1, Price));
    entryactivation::activate(g.form, g.host, false);
    EXPECT_EQ(g.form.Edit9, g.doc.lines.cell(Corrected, 1));
    g.form.Edit11 = u"320"_qs;
    ASSERT_EQ(g.registerEntry(), Outcome::Registered);
    sheetentries::afterEntry(g.doc, g.host);
    EXPECT_EQ(g.cell(Price, g.rowOf(u"PF管"_qs)), u"320"_qs);
    int same = 0, other = 0;
    for (int r = 1; r <= g.doc.st1count; ++r) {
        if (g.cell(Price, r) == u"320")
            ++same;
        if (g.cell(E, r) == u"07")
            other = r;
    }
    EXPECT_EQ(same, 2);
    EXPECT_EQ(g.cell(Price, other), u"300"_qs);
    EXPECT_FALSE(sheetentries::openLine(g.form, g.doc, 9, Price));
}
