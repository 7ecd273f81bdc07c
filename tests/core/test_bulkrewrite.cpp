#include "catalogfixture.h"

#include "catalog/bulkrewrite.h"

namespace {

struct RewriteFixture : CatalogFixture {
    RewriteFixture(QStringList prices = {u"1234"_qs, u"1235"_qs, u"100"_qs, u"2.5"_qs, u"0.35"_qs, u"1200"_qs})
    {
        QStringList rows;
        for (int i = 0; i < prices.size(); ++i)
            rows.append(u"140,01,01,%1,電線管,E19, ,ｍ,%2,露出,0.04,100,0,0,0,0,100,100, "_qs
                            .arg(i + 1, 2, 10, QChar(u'0')).arg(prices[i]));
        setList(rows);
    }
    CatalogControls &c() { return doc.catalog.controls; }
    // A drag from row `first` to row `last` with the scope of the dragged rows.
    void drag(int column, int first, int last)
    {
        doc.catalog.nx3 = column;
        doc.catalog.ny3 = first;
        doc.catalog.uy3 = last;
        c().RadioButton1 = true;
    }
};

} // namespace

TEST(BulkRewrite, SetCodeAndTakeItBack)
{
    RewriteFixture f;
    f.drag(8, 2, 4); // the pressed column does not matter for C
    f.c().ComboBox43 = u"141"_qs;
    bulkrewrite::setC(f.doc);
    EXPECT_EQ(f.column(0), (QStringList{u"140"_qs, u"141"_qs, u"141"_qs, u"141"_qs, u"140"_qs, u"140"_qs}));
    EXPECT_EQ(f.column(18).mid(1, 3), (QStringList{u"140"_qs, u"140"_qs, u"140"_qs}));
    EXPECT_TRUE(f.c().Button110.visible);
    bulkrewrite::undo(f.doc);
    EXPECT_EQ(f.column(0), QStringList(6, u"140"_qs));
    EXPECT_FALSE(f.c().Button110.visible);

    // An empty list text is written too.
    f.c().ComboBox44.clear();
    bulkrewrite::setO(f.doc);
    EXPECT_EQ(f.column(1).mid(1, 3), QStringList(3, QString()));
}

TEST(BulkRewrite, Scopes)
{
    RewriteFixture f;
    f.c().Edit53 = u"新"_qs;
    f.doc.catalog.nx3 = 4;
    // The scope of the dragged rows with no press yet: nothing, and "戻る" stays as it was.
    f.c().RadioButton1 = true;
    bulkrewrite::replaceWithText(f.doc);
    EXPECT_EQ(f.column(4).count(u"新"_qs), 0);
    EXPECT_FALSE(f.c().Button110.visible);

    // A release above the press: no cell, but "戻る" shows; taking it back changes nothing.
    f.drag(4, 5, 2);
    bulkrewrite::replaceWithText(f.doc);
    EXPECT_EQ(f.column(4).count(u"新"_qs), 0);
    EXPECT_TRUE(f.c().Button110.visible);
    bulkrewrite::undo(f.doc);
    EXPECT_EQ(f.column(4).count(u"電線管"_qs), 6);
    EXPECT_FALSE(f.c().Button110.visible);

    // Every row: the recorded rows become the whole list.
    f.c().RadioButton1 = false;
    bulkrewrite::replaceWithText(f.doc);
    EXPECT_EQ(f.column(4), QStringList(6, u"新"_qs));
    EXPECT_EQ(f.doc.catalog.ny3, 1);
    EXPECT_EQ(f.doc.catalog.uy3, 6);
}

// "戻る" takes back the rows of the last change only: after switching to every row, the rows the
// change never touched keep their values.
TEST(BulkRewrite, UndoAfterTheScopeChanged)
{
    RewriteFixture f;
    f.drag(9, 2, 3);
    f.c().Edit53 = u"隠ぺい"_qs;
    bulkrewrite::replaceWithText(f.doc);
    f.c().RadioButton1 = false;
    bulkrewrite::undo(f.doc);
    EXPECT_EQ(f.column(9), QStringList(6, u"露出"_qs));
}

TEST(BulkRewrite, Renumbering)
{
    struct Case { const char16_t *d, *e; int rows; QStringList ds, es; } cases[] = {
        {u"01", u"98", 4, {u"01"_qs, u"01"_qs, u"02"_qs, u"02"_qs}, {u"98"_qs, u"99"_qs, u"00"_qs, u"01"_qs}},
        {u"99", u"99", 2, {u"99"_qs, u"01"_qs}, {u"99"_qs, u"00"_qs}},
        {u"5", u"1", 3, {u"05"_qs, u"05"_qs, u"05"_qs}, {u"01"_qs, u"02"_qs, u"03"_qs}},
    };
    for (const Case &c : cases) {
        RewriteFixture f;
        f.drag(8, 1, c.rows);
        f.c().ComboBox46 = QString::fromUtf16(c.d);
        f.c().ComboBox45 = QString::fromUtf16(c.e);
        bulkrewrite::renumber(f.doc, f.host);
        EXPECT_EQ(f.column(2).mid(0, c.rows), c.ds);
        EXPECT_EQ(f.column(3).mid(0, c.rows), c.es);
        EXPECT_EQ(f.column(18).mid(0, c.rows), QStringList(c.rows, u" "_qs)); // no undo copy
        EXPECT_FALSE(f.c().Button110.visible);
    }
    RewriteFixture f;
    f.drag(8, 1, 2);
    f.c().ComboBox45 = u"0a"_qs;
    bulkrewrite::renumber(f.doc, f.host);
    EXPECT_TRUE(f.shown(u"0a"_qs));
    EXPECT_EQ(f.column(3).value(0), u"01");
}

TEST(BulkRewrite, MultiplyRoundsToTheUnit)
{
    struct Case { const char16_t *price, *factor, *unit, *result; } cases[] = {
        {u"1234", u"1.00", u"10", u"1230"}, {u"1235", u"1.00", u"10", u"1240"},
        {u"100", u"1.00", u"100", u"100"}, {u"2.5", u"1.00", u"1", u"2"}, {u"3.5", u"1", u"1", u"4"},
        {u"0.35", u"1.00", u"1", u"0.35"}, {u"1200", u"1.05", u"100", u"1300"},
        {u"1149", u"1", u"100", u"1100"}, {u"1150", u"1", u"100", u"1200"}, {u"-50", u"1", u"1", u"-50"},
        {u"999", u"", u"1000", u"1000"}, {u"40", u"0.5", u"", u"20"},
    };
    for (const Case &c : cases) {
        RewriteFixture f({QString::fromUtf16(c.price)});
        f.drag(8, 1, 1);
        f.c().Edit54 = QString::fromUtf16(c.factor);
        f.c().ComboBox40 = QString::fromUtf16(c.unit);
        bulkrewrite::multiply(f.doc, f.host);
        EXPECT_EQ(f.column(8).value(0), QString::fromUtf16(c.result)) << QString::fromUtf16(c.price).toStdString();
        EXPECT_EQ(f.column(18).value(0), QString::fromUtf16(c.price));
        EXPECT_TRUE(f.c().Button110.visible);
    }
}

TEST(BulkRewrite, MultiplyOverARange)
{
    // A blank cell takes the scaled value of the cell above it.
    RewriteFixture f({u"100"_qs, u" "_qs, u"300"_qs, u"x"_qs, u"500"_qs});
    f.drag(8, 1, 5);
    f.c().Edit54 = u"2"_qs;
    bulkrewrite::multiply(f.doc, f.host);
    EXPECT_EQ(f.column(8), (QStringList{u"200"_qs, u"200"_qs, u"600"_qs, u"x"_qs, u"500"_qs}));
    EXPECT_TRUE(f.shown(u"x"_qs)); // the rows before it keep their new values
    EXPECT_TRUE(f.c().Button110.visible);
    bulkrewrite::undo(f.doc);
    EXPECT_EQ(f.column(8).mid(0, 3), (QStringList{u"100"_qs, u" "_qs, u"300"_qs}));
}

TEST(BulkRewrite, FactorPanelOpensForPricesAndRates)
{
    for (int column = 0; column < 19; ++column) {
        RewriteFixture f;
        f.doc.catalog.nx3 = column;
        const bool opens = column == 8 || (column >= 10 && column <= 17);
        EXPECT_EQ(bulkrewrite::openFactorPanel(f.doc), opens) << column;
        EXPECT_EQ(f.c().Panel86.visible, opens);
        bulkrewrite::closeFactorPanel(f.doc);
        EXPECT_FALSE(f.c().Panel86.visible);
    }
}
