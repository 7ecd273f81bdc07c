#include "sheetfixture.h"

#include "catalog/stockdata.h"
#include "estimate/columns.h"
#include "storage/estimatefile.h"
#include "storage/records.h"
#include "storage/textfile.h"

#include <gtest/gtest.h>

namespace {

const QString markText = QString::fromUtf16(stock::mark);

// Another estimate whose lines are taken over: two items, four lines.
struct StockSource : SheetFixture {
    StockSource()
    {
        addItem(u"1.電灯設備工事"_qs);
        addItem(u"2.動力設備工事"_qs);
        addLine(1, {.name = u"LEDベースライト"_qs, .price = 28500, .quantity = 24, .spec1 = u"40形"_qs, .unit = u"台"_qs});
        addLine(2, {.name = u"動力制御盤"_qs, .price = 420000, .code = u"103"_qs, .unit = u"面"_qs});
        addLine(1, {.name = u"未登録の器具"_qs, .price = 5000, .quantity = 2, .unit = u"台"_qs});
        addLine(1, {.name = u"※取付位置は現地打合せ"_qs, .quantity = 0, .kind = u"注釈行"_qs});
        for (int r : {1, 2})
            doc.lines.setCell(linecol::Sub, r, u"0000"_qs);
        doc.lines.setCell(linecol::Sub, 3, u"0001"_qs);
        doc.lines.setCell(linecol::Sub, 4, u"0002"_qs);
        doc.lines.setCell(linecol::Quantity, 4, QString());
    }
    QByteArray bytes() const { return textfile::encodeLines(estimatefile::records(doc)).bytes; }
};

// The running estimate the lines go to: three items, the current one is row 3 (counter 5), with
// one line that matches the first stock line.
struct StockTarget : SheetFixture {
    StockData stock;
    StockTarget()
    {
        addItem(u"1.電灯設備工事"_qs);
        addItem(u"2.動力設備工事"_qs);
        addItem(u"3.弱電設備工事"_qs);
        addLine(3, {.name = u"LEDベースライト"_qs, .price = 28500, .quantity = 3, .spec1 = u"40形"_qs, .unit = u"台"_qs});
        addLine(1, {.name = u"LEDベースライト"_qs, .price = 28500, .quantity = 7, .spec1 = u"40形"_qs, .unit = u"台"_qs});
        for (int r : {1, 2})
            doc.lines.setCell(linecol::Sub, r, u"0000"_qs);
        doc.items.setCell(itemcol::Unregistered, 3, u"5"_qs);
        doc.nodrow = 3;
        doc.koumokumei = doc.items.cell(itemcol::Name, 3);
        doc.controls.Label18.text = doc.koumokumei;
        doc.kkb = u"3"_qs;
        EXPECT_TRUE(stock::loadBytes(stock, StockSource().bytes(), u"stock.kas"_qs).ok());
    }
    // The grid row of the stock line named `name`.
    int stockRow(const QString &name) const
    {
        for (int r = 1; r < stock.grid.rowCount(); ++r)
            if (stock.grid.cell(linecol::Name, r) == name)
                return r;
        return 0;
    }
    int lineNamed(const QString &name, const QString &item) const
    {
        for (int r = 1; r <= doc.st1count; ++r)
            if (doc.lines.cell(linecol::Name, r) == name && doc.lines.cell(linecol::Item, r) == item)
                return r;
        return 0;
    }
};

QStringList column(const TextGrid &grid, int c)
{
    QStringList out;
    for (int r = 1; r < grid.rowCount(); ++r)
        out.append(grid.cell(c, r));
    return out;
}

} // namespace

TEST(StockData, LinesOfAnEstimateFile)
{
    StockTarget t;
    const StockData &s = t.stock;
    ASSERT_EQ(s.buffer.rowCount(), 5);
    EXPECT_EQ(column(s.buffer, linecol::Name),
              (QStringList{u"LEDベースライト"_qs, u"動力制御盤"_qs, u"未登録の器具"_qs, u"※取付位置は現地打合せ"_qs}));
    EXPECT_EQ(column(s.buffer, StockData::ItemName),
              (QStringList{u"1.電灯設備工事"_qs, u"2.動力設備工事"_qs, u"1.電灯設備工事"_qs, u"1.電灯設備工事"_qs}));
    EXPECT_EQ(column(s.buffer, StockData::Mark), QStringList(4, QString()));
    EXPECT_EQ(column(s.buffer, StockData::SetAside).value(0), u"24");
    EXPECT_EQ(s.filterItems, (QStringList{u"全項目表示"_qs, u"1.電灯設備工事"_qs, u"2.動力設備工事"_qs}));
    EXPECT_EQ(s.filter, u"全項目表示");
    EXPECT_EQ(column(s.grid, linecol::Name), column(s.buffer, linecol::Name));
    EXPECT_EQ(s.grid.cell(StockData::Mark, 0), u"  適用");
    EXPECT_EQ(s.grid.cell(linecol::InputNo, 0), u"No.");
}

TEST(StockData, TheItemCountOfTheFile)
{
    // An empty count is 29 items: 34 header rows are dropped.
    StockSource source;
    source.doc.items.setRowCount(30);
    QStringList records = estimatefile::records(source.doc);
    QStringList r4 = records::toRow(records[4], 46);
    r4[8] = QString();
    records[4] = records::join(r4);
    StockData s;
    ASSERT_TRUE(stock::loadBytes(s, textfile::encodeLines(records).bytes, u"x.kas"_qs).ok());
    EXPECT_EQ(s.buffer.rowCount(), 5);
    EXPECT_EQ(s.buffer.cell(linecol::Name, 1), u"LEDベースライト");

    // Counts the file cannot back stop the reading, naming the file and the text; nothing changes.
    for (const QString &bad : {u"-1"_qs, u"1.5"_qs, u"2147483647"_qs, u"40"_qs, u"x"_qs}) {
        r4[8] = bad;
        records[4] = records::join(r4);
        const Status loaded = stock::loadBytes(s, textfile::encodeLines(records).bytes, u"/d/x.kas"_qs);
        ASSERT_FALSE(loaded.ok()) << bad.toStdString();
        EXPECT_TRUE(loaded.error().contains(u"/d/x.kas"));
        EXPECT_TRUE(loaded.error().contains(bad)) << loaded.error().toStdString();
        EXPECT_EQ(s.buffer.rowCount(), 5);
    }
    EXPECT_FALSE(stock::loadBytes(s, "a\r\nb\r\n", u"short.kas"_qs).ok());
}

TEST(StockData, FilterMarksAndQuantities)
{
    StockTarget t;
    StockData &s = t.stock;
    stock::markAll(s);
    EXPECT_EQ(column(s.grid, StockData::Mark), QStringList(4, markText));
    EXPECT_EQ(s.Button7, u"適用Clear");

    stock::chooseFilter(s, u"2.動力設備工事"_qs);
    EXPECT_EQ(column(s.grid, linecol::Name), (QStringList{u"動力制御盤"_qs, QString(), QString(), QString()}));
    EXPECT_EQ(s.Button7, u"ALL適用");
    stock::chooseFilter(s, u"全項目表示"_qs);
    EXPECT_EQ(column(s.grid, linecol::Name).count(QString()), 0);
    EXPECT_EQ(column(s.grid, StockData::Mark), QStringList(4, QString()));

    // Quantities taken over: a press on the quantity does nothing; set aside: it asks the keypad.
    const int lamp = t.stockRow(u"LEDベースライト"_qs);
    EXPECT_EQ(stock::pressed(s, linecol::Quantity, lamp), stock::Press::Nothing);
    stock::setQuantitiesTaken(s, false);
    EXPECT_EQ(s.grid.cell(linecol::Quantity, lamp), u"");
    EXPECT_EQ(stock::pressed(s, linecol::Quantity, lamp), stock::Press::Keypad);
    EXPECT_EQ(stock::pressed(s, linecol::Quantity, t.stockRow(u"※取付位置は現地打合せ"_qs)), stock::Press::Nothing);
    stock::quantityTyped(s, lamp, u"6"_qs);
    EXPECT_EQ(s.grid.cell(StockData::Mark, lamp), markText);
    EXPECT_EQ(stock::pressed(s, StockData::Mark, lamp), stock::Press::Nothing);
    EXPECT_EQ(s.grid.cell(StockData::Mark, lamp), u"");
    EXPECT_EQ(s.grid.cell(linecol::Quantity, lamp), u""); // unmarking empties a typed quantity
    stock::setQuantitiesTaken(s, true);
    EXPECT_EQ(s.grid.cell(linecol::Quantity, lamp), u"24");
    EXPECT_EQ(stock::pressed(s, linecol::Name, lamp), stock::Press::Edit);
    EXPECT_EQ(stock::pressed(s, StockData::Mark, 0), stock::Press::Nothing);
}

// The marked lines go under the current item: a matching line of that item takes the quantity,
// a sub-numbered line gets the item's next number, a comment line needs no quantity.
TEST(StockData, RegisteringMarkedLines)
{
    StockTarget t;
    StockData &s = t.stock;
    for (const QString &name : {u"LEDベースライト"_qs, u"未登録の器具"_qs, u"※取付位置は現地打合せ"_qs})
        stock::pressed(s, StockData::Mark, t.stockRow(name));
    ASSERT_TRUE(stock::registerMarked(t.doc, s, t.host));
    EXPECT_TRUE(t.host.messages.isEmpty());
    EXPECT_EQ(t.doc.st1count, 4);
    EXPECT_EQ(t.doc.kidou, 1);

    const QString item = t.doc.koumokumei;
    const int merged = t.lineNamed(u"LEDベースライト"_qs, item);
    ASSERT_GT(merged, 0);
    const TextGrid &l = t.doc.lines;
    EXPECT_EQ(l.cell(linecol::Quantity, merged), u"27");
    EXPECT_EQ(l.cell(linecol::InputNo, merged), u"1");
    EXPECT_EQ(l.cell(linecol::Quantity, t.lineNamed(u"LEDベースライト"_qs, u"1.電灯設備工事"_qs)), u"7");

    const int added = t.lineNamed(u"未登録の器具"_qs, item);
    ASSERT_GT(added, 0);
    EXPECT_EQ(l.cell(linecol::Sub, added), u"0035");
    EXPECT_EQ(l.cell(linecol::ItemCode, added), u"3");
    EXPECT_EQ(l.cell(linecol::ItemRow, added), u"3");
    const int note = t.lineNamed(u"※取付位置は現地打合せ"_qs, item);
    ASSERT_GT(note, 0);
    EXPECT_EQ(l.cell(linecol::Sub, note), u"0036");
    EXPECT_EQ(t.doc.items.cell(itemcol::Unregistered, 3), u"7");
    EXPECT_EQ(column(s.grid, StockData::Mark), QStringList(4, u" "_qs));

    stock::closed(t.doc, t.host);
    EXPECT_EQ(l.cell(linecol::Material, t.lineNamed(u"LEDベースライト"_qs, item)), u"769500");
}

TEST(StockData, AMissingQuantityStopsTheRegistration)
{
    StockTarget t;
    StockData &s = t.stock;
    stock::setQuantitiesTaken(s, false);
    stock::quantityTyped(s, t.stockRow(u"LEDベースライト"_qs), u"1"_qs);
    stock::pressed(s, StockData::Mark, t.stockRow(u"動力制御盤"_qs));
    EXPECT_FALSE(stock::registerMarked(t.doc, s, t.host));
    EXPECT_EQ(t.host.messageTexts(), QStringList{u"数量を入力して下さい。"_qs});
    // The line before it is registered (merged into the current item's line).
    EXPECT_EQ(t.doc.lines.cell(linecol::Quantity, t.lineNamed(u"LEDベースライト"_qs, t.doc.koumokumei)), u"4");
    EXPECT_EQ(t.doc.st1count, 2);
}

TEST(StockData, CurrentLinesAndOpening)
{
    StockTarget t;
    StockData s;
    EXPECT_EQ(stock::open(t.doc, s), stock::Opening::Show);
    EXPECT_EQ(s.Label18, t.doc.koumokumei);
    stock::activated(t.doc, s);
    ASSERT_EQ(s.buffer.rowCount(), t.doc.st1count + 2);
    EXPECT_EQ(column(s.buffer, StockData::ItemName).mid(0, 2),
              (QStringList{u"1.電灯設備工事"_qs, u"3.弱電設備工事"_qs}));
    EXPECT_EQ(s.grid.cell(linecol::Item, 1), u"");

    t.doc.catalog.controls.Panel14.visible = true;
    EXPECT_EQ(stock::open(t.doc, s), stock::Opening::Nothing);
    t.doc.controls.Label18.text.clear();
    EXPECT_EQ(stock::open(t.doc, s), stock::Opening::ItemSetup);
}
