#include "base/scriptedhost.h"
#include "entry/linetable.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/lineorders.h"
#include "estimate/views.h"

#include <gtest/gtest.h>

using namespace linecol;

namespace {

struct Fixture {
    EstimateDocument doc;
    ScriptedHost host;

    void addLine(const QString &item, const QString &name, const QString &spec, int input)
    {
        const int r = ++doc.st1count;
        doc.lines.setCell(No, r, QString::number(r));
        doc.lines.setCell(Item, r, item);
        doc.lines.setCell(C, r, u"107"_qs);
        doc.lines.setCell(Name, r, name);
        doc.lines.setCell(Spec1, r, spec);
        doc.lines.setCell(Kind, r, u"通常品"_qs);
        doc.lines.setCell(InputNo, r, QString::number(input));
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 1; r <= doc.st1count; ++r)
            out.append(doc.lines.cell(c, r));
        return out;
    }
};

} // namespace

TEST(LineOrders, CodeOrderSortsByTheKeyAndRenumbers)
{
    Fixture f;
    f.addLine(u"2.動力"_qs, u"ケーブル"_qs, u"A"_qs, 1);
    f.addLine(u"1.電灯"_qs, u"ケーブル"_qs, u"A"_qs, 2); // differs only in the item name
    f.addLine(u"1.電灯"_qs, u"ボックス"_qs, u"b"_qs, 3);
    f.addLine(u"1.電灯"_qs, u"ボックス"_qs, u"A"_qs, 4);
    f.doc.lines.setCell(Unit, 1, u" ｍ"_qs);
    lineorders::codeOrder(f.doc);
    EXPECT_EQ(f.column(InputNo), (QStringList{u"2"_qs, u"1"_qs, u"4"_qs, u"3"_qs}));
    EXPECT_EQ(f.column(No), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));
    EXPECT_EQ(f.doc.lines.cell(Unit, 2), u"ｍ"_qs);

    // A table sorted before is sorted again after any change of its key cells or of its rows,
    // and a second document is never taken for the first.
    f.doc.lines.setCell(Name, 1, u"配管"_qs);
    lineorders::codeOrder(f.doc);
    EXPECT_EQ(f.column(InputNo), (QStringList{u"1"_qs, u"4"_qs, u"3"_qs, u"2"_qs}));
    f.doc.lines.swapRows(1, 4);
    lineorders::codeOrder(f.doc);
    EXPECT_EQ(f.column(InputNo), (QStringList{u"1"_qs, u"4"_qs, u"3"_qs, u"2"_qs}));
    Fixture g;
    g.addLine(u"1.電灯"_qs, u"ボックス"_qs, u"b"_qs, 1);
    g.addLine(u"1.電灯"_qs, u"ボックス"_qs, u"A"_qs, 2);
    lineorders::codeOrder(g.doc);
    EXPECT_EQ(g.column(InputNo), (QStringList{u"2"_qs, u"1"_qs}));
}

TEST(LineOrders, InputOrderPutsLinesWithoutNumberFirstAndAbandonsOnText)
{
    Fixture f;
    f.addLine(u"1.a"_qs, u"x"_qs, {}, 30);
    f.addLine(u"1.a"_qs, u"y"_qs, {}, 7);
    f.addLine(u"1.a"_qs, u"z"_qs, {}, 0);
    f.doc.lines.setCell(InputNo, 3, QString());
    ASSERT_TRUE(lineorders::inputOrder(f.doc));
    EXPECT_EQ(f.column(Name), (QStringList{u"z"_qs, u"y"_qs, u"x"_qs}));
    EXPECT_EQ(f.column(InputNo), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));

    f.doc.lines.setCell(InputNo, 2, u"abc"_qs);
    EXPECT_FALSE(lineorders::inputOrder(f.doc));
    EXPECT_EQ(f.column(Name), (QStringList{u"z"_qs, u"y"_qs, u"x"_qs}));
}

TEST(Views, WholeViewCaptionCycles)
{
    Fixture f;
    f.addLine(u"1.a"_qs, u"b"_qs, {}, 1);
    f.addLine(u"1.a"_qs, u"a"_qs, {}, 2);
    const char16_t *labels[] = {views::wholeCodeLabel, views::wholeInputLabel, views::wholeCodeLabel};
    const char16_t *captions[] = {u"入力順", u"コード順", u"入力順"};
    const char16_t *firstNames[] = {u"a", u"b", u"a"};
    for (int press = 0; press < 3; ++press) {
        views::wholeView(f.doc, f.host);
        EXPECT_EQ(f.doc.controls.Label18.text, QString::fromUtf16(labels[press]));
        EXPECT_EQ(f.doc.controls.Button12.text, QString::fromUtf16(captions[press]));
        EXPECT_EQ(f.doc.lines.cell(Name, 1), QString::fromUtf16(firstNames[press]));
        EXPECT_EQ(f.doc.buttonsw, 1);
    }
    EXPECT_TRUE(f.doc.controls.showLines);
    EXPECT_FALSE(f.doc.controls.showItemView);
}

TEST(Views, ItemViewCopiesTheCurrentItemsLines)
{
    Fixture f;
    f.addLine(u"1.a"_qs, u"x"_qs, {}, 1);
    f.addLine(u"2.b"_qs, u"y"_qs, {}, 2);
    f.addLine(u"1.a"_qs, u"z"_qs, {}, 3);
    f.doc.tree_count = 2;
    f.doc.items.setCell(itemcol::Name, 1, u"1.a"_qs);
    f.doc.items.setCell(itemcol::Name, 2, u"2.b"_qs);
    f.doc.nodrow = 1;
    f.doc.koumokumei = u"1.a"_qs;
    views::itemView(f.doc, f.host);
    EXPECT_EQ(f.doc.itemView.cell(Name, 1), u"x"_qs);
    EXPECT_EQ(f.doc.itemView.cell(Name, 2), u"z"_qs);
    EXPECT_EQ(f.doc.itemView.cell(Name, 3), QString());
    EXPECT_EQ(f.doc.items.cell(itemcol::Lines, 1), u"2"_qs);
    EXPECT_EQ(f.doc.controls.Label18.text, u"1.a"_qs);
    EXPECT_FALSE(f.doc.controls.Button11.enabled);
    EXPECT_EQ(f.doc.controls.Button12.text, u"全体表示"_qs);

    f.doc.nodrow = 2;
    f.doc.koumokumei = u"3.none"_qs;
    views::itemView(f.doc, f.host);
    EXPECT_EQ(f.doc.itemView.cell(Name, 1), QString());
    EXPECT_EQ(f.doc.items.cell(itemcol::Lines, 2), QString());
}

// The item view numbers the lines in input order and copies the item's lines in that order; the
// table ends in code order with lines of equal keys in input order, as sorting the input-ordered
// table gives them.
TEST(Views, ItemViewOrdersAsInputOrderThenCodeOrder)
{
    Fixture f;
    f.addLine(u"1.a"_qs, u"y"_qs, {}, 40); // equal code keys: the price tells them apart
    f.addLine(u"1.a"_qs, u"y"_qs, {}, 7);
    f.addLine(u"1.a"_qs, u"x"_qs, {}, 12);
    f.addLine(u"2.b"_qs, u"w"_qs, {}, 3);
    f.doc.lines.setCell(Price, 1, u"400"_qs);
    f.doc.lines.setCell(Price, 2, u"70"_qs);
    f.doc.tree_count = 2;
    f.doc.items.setCell(itemcol::Name, 1, u"1.a"_qs);
    f.doc.items.setCell(itemcol::Name, 2, u"2.b"_qs);
    f.doc.nodrow = 1;
    f.doc.koumokumei = u"1.a"_qs;
    views::itemView(f.doc, f.host);
    QStringList view;
    for (int r = 1; r <= 3; ++r)
        view.append(f.doc.itemView.cell(Name, r) + f.doc.itemView.cell(Price, r) + u'/' + f.doc.itemView.cell(InputNo, r));
    EXPECT_EQ(view, (QStringList{u"y70/2"_qs, u"x/3"_qs, u"y400/4"_qs}));
    EXPECT_EQ(f.column(Name), (QStringList{u"w"_qs, u"x"_qs, u"y"_qs, u"y"_qs}));
    EXPECT_EQ(f.column(Price), (QStringList{QString(), QString(), u"70"_qs, u"400"_qs}));
    EXPECT_EQ(f.column(InputNo), (QStringList{u"1"_qs, u"3"_qs, u"2"_qs, u"4"_qs}));
    EXPECT_EQ(f.column(No), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));
}

TEST(LineTable, WholeViewRemovesLinesWithoutItemAndRecounts)
{
    Fixture f;
    for (int i = 1; i <= 13; ++i)
        f.addLine(i == 7 ? QString() : u"1.a"_qs, u"n%1"_qs.arg(i, 2, 10, QChar(u'0')), {}, i);
    views::wholeView(f.doc, f.host);
    EXPECT_EQ(f.doc.st1count, 12);
    EXPECT_EQ(f.doc.lines.rowCount(), 31);
    EXPECT_EQ(f.doc.controls.Label164.text, u"Number of lines:12"_qs);
    EXPECT_FALSE(f.column(Name).contains(u"n07"_qs));
}

TEST(LineTable, DeleteKeepsTheNumberingAndMovesLinesUp)
{
    Fixture f;
    for (int i = 1; i <= 5; ++i)
        f.addLine(u"1.a"_qs, u"n%1"_qs.arg(i), {}, i * 10);
    linetable::deleteLine(f.doc, 3);
    EXPECT_EQ(f.doc.st1count, 4);
    EXPECT_EQ(f.column(No), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));
    EXPECT_EQ(f.column(Name), (QStringList{u"n1"_qs, u"n2"_qs, u"n4"_qs, u"n5"_qs}));
    EXPECT_EQ(f.column(InputNo), (QStringList{u"10"_qs, u"20"_qs, u"40"_qs, u"50"_qs}));
    EXPECT_EQ(f.doc.lines.cell(No, 5), QString());
    EXPECT_EQ(f.doc.lines.rowCount(), 6);
    EXPECT_EQ(f.doc.kidou, 1);
}
