#include "entryfixture.h"

#include "estimate/columns.h"

#include <gtest/gtest.h>

using namespace linecol;
using Outcome = entryregistration::Outcome;

TEST(EntryRegistration, NewLineIsWrittenComputedAndCounted)
{
    EntryFixture f;
    f.doc.controls.Button2.enabled = false;
    f.pick(1, u"ダウンライト"_qs, u"3"_qs);
    f.form.Edit18 = u"110"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);

    EXPECT_EQ(f.doc.st1count, 1);
    EXPECT_EQ(f.doc.kidou, 1);
    EXPECT_TRUE(f.doc.controls.Button2.enabled);
    const QStringList expected{u"1"_qs, f.item(1), u"107"_qs, u"01"_qs, u"02"_qs, u"03"_qs, u"0000"_qs,
                               u"ダウンライト"_qs, u"40W"_qs, QString(), u"3"_qs, u"個"_qs, u"1000"_qs,
                               u"照明"_qs, u"通常品"_qs, u"0.3"_qs, u"110"_qs};
    for (int c = 0; c < expected.size(); ++c)
        EXPECT_EQ(f.cell(c, 1), expected[c]) << "column " << c;
    EXPECT_EQ(f.cell(Compression, 1), u"100"_qs);
    EXPECT_EQ(f.cell(ItemCode, 1), f.doc.items.cell(itemcol::Code, 1));
    EXPECT_EQ(f.cell(ItemRow, 1), u"1"_qs);
    EXPECT_EQ(f.cell(InputNo, 1), u"1"_qs);
    EXPECT_EQ(f.cell(Corrected, 1), u"3"_qs); // 3.3 rounded
    EXPECT_EQ(f.cell(Material, 1), u"3000"_qs);
    EXPECT_EQ(f.cell(Labour, 1), u"18000"_qs);

    // The form is reset for the next entry and closes.
    EXPECT_TRUE(f.form.closing);
    EXPECT_EQ(f.form.newLineFlag, 0);
    EXPECT_TRUE(f.form.ComboBox5.isEmpty());
    EXPECT_EQ(f.form.Edit23, u"通常品"_qs);
    EXPECT_EQ(f.form.Edit29, u"3"_qs);
    EXPECT_EQ(f.form.t_no, 9);
    EXPECT_TRUE(f.form.isRed(EntryForm::Panel6));
}

TEST(EntryRegistration, ChecksStopWithTheFieldHighlighted)
{
    EntryFixture f;
    struct Case {
        const char16_t *quantity, *price, *factor, *name;
        EntryForm::Panel panel;
        const char16_t *status;
        int beeps;
    } cases[] = {
        {u"0", u"1000", u"0.3", u"器具", EntryForm::Panel6, u"", 0},
        {u"", u"1000", u"0.3", u"器具", EntryForm::Panel6, u"", 0},
        {u"2", u"0", u"0.3", u"器具", EntryForm::Panel8, u"※単価を確認してください。", 0},
        {u"2", u" ", u"0.3", u"器具", EntryForm::Panel8, u"※単価を確認してください。", 0},
        {u"2", u"1000", u"0", u"器具", EntryForm::Panel9, u"※歩掛を確認してください。", 0},
        {u"2", u"1000", u"0.3", u"未登録品", EntryForm::Panel3, u"※品名を確認してください。", 1},
    };
    for (const Case &c : cases) {
        EntryFixture f;
        f.pick(1, QString::fromUtf16(c.name), QString::fromUtf16(c.quantity), QString::fromUtf16(c.price));
        f.form.Edit12 = QString::fromUtf16(c.factor);
        f.form.Label28.clear();
        EXPECT_EQ(f.registerEntry(), Outcome::Refused) << QString::fromUtf16(c.name).toStdString();
        EXPECT_TRUE(f.form.isRed(c.panel));
        EXPECT_EQ(f.form.Label28, QString::fromUtf16(c.status));
        EXPECT_EQ(f.host.beeps, c.beeps);
        EXPECT_EQ(f.doc.st1count, 0);
        EXPECT_EQ(f.doc.kidou, 0);
        EXPECT_FALSE(f.form.closing);
    }
}

TEST(EntryRegistration, ZeroPriceOrFactorNeedsASecondPress)
{
    EntryFixture f;
    f.pick(1, u"器具"_qs, u"2"_qs, u"0"_qs);
    ASSERT_EQ(f.registerEntry(), Outcome::Refused);
    EXPECT_TRUE(f.form.Edit11.isEmpty());
    EXPECT_TRUE(f.form.priceTextRed);
    EXPECT_EQ(f.form.Label28Colour, entrycolour::aqua);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.cell(Price, 1), u"0"_qs);

    // An empty price passes at once; a factor of "0" is asked about once and registered empty.
    f.pick(1, u"器具2"_qs, u"2"_qs, QString());
    f.form.Edit12 = u"0"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Refused);
    EXPECT_TRUE(f.form.isRed(EntryForm::Panel9));
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    const int second = f.cell(Name, 1) == u"器具2" ? 1 : 2;
    EXPECT_EQ(f.cell(Price, second), u"0"_qs);
    EXPECT_EQ(f.cell(Factor, second), QString());

    // With the earthwork panel shown the factor is not asked about.
    f.pick(1, u"掘削"_qs, u"2"_qs);
    f.form.Edit12 = u"0"_qs;
    f.form.Panel36 = true;
    EXPECT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_FALSE(f.form.Panel36);
}

TEST(EntryRegistration, SameMaterialTwiceInOneItemMerges)
{
    EntryFixture f;
    f.pick(1, u"ダウンライト"_qs, u"3"_qs);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    f.pick(1, u"ダウンライト"_qs, u"2"_qs);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.doc.st1count, 1);
    EXPECT_EQ(f.cell(Quantity, 1), u"5"_qs);
    EXPECT_EQ(f.cell(Material, 1), u"5000"_qs);
    EXPECT_TRUE(f.cell(No, 2).isEmpty());

    // Code class 302 never merges; a comment line never merges.
    f.pick(1, u"ダウンライト"_qs, u"2"_qs);
    f.form.Edit1 = u"302"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    f.pick(1, u"ダウンライト"_qs, u"2"_qs);
    f.form.Edit1 = u"302"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.doc.st1count, 3);
}

TEST(EntryRegistration, MergeWithADecimalQuantityFailsWithoutWritingAnything)
{
    EntryFixture f;
    f.pick(1, u"ケーブル"_qs, u"3"_qs);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    const QStringList before = f.doc.lines.row(1);
    f.doc.kidou = 0;
    f.pick(1, u"ケーブル"_qs, u"2.5"_qs, u"1200"_qs);
    EXPECT_EQ(f.registerEntry(), Outcome::Failed);
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].text, u"整数に変換できません"_qs);
    EXPECT_EQ(f.host.messages[0].caption, u"情報"_qs);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
    EXPECT_EQ(f.doc.st1count, 1); // the count raised for the new line is rolled back
    EXPECT_EQ(f.doc.lines.row(1), before);
    EXPECT_TRUE(f.cell(No, 2).isEmpty());
    EXPECT_EQ(f.doc.kidou, 0);
    EXPECT_TRUE(f.form.closing);
    EXPECT_EQ(f.form.Edit9, u"2.5"_qs); // the typed entry is kept
}

TEST(EntryRegistration, BadNumbersFailWithoutAHalfWrittenLine)
{
    struct Case {
        const char16_t *field, *text, *message;
        bool closes;
    } cases[] = {
        {u"Edit13", u"abc", u"整数に変換できません", true},
        {u"Edit9", u"1x", u"整数に変換できません", true},
        {u"Edit21", u"x", u"整数に変換できません", true},
        {u"Edit21", u"7", u"登録する行がありません（No. 7）", true},
    };
    for (const Case &c : cases) {
        EntryFixture f;
        f.pick(1, u"器具"_qs, u"2"_qs);
        *f.form.field(QStringView(c.field)) = QString::fromUtf16(c.text);
        EXPECT_EQ(f.registerEntry(), Outcome::Failed) << QString::fromUtf16(c.field).toStdString();
        EXPECT_EQ(f.host.messageTexts(), QStringList{QString::fromUtf16(c.message)});
        EXPECT_EQ(f.doc.st1count, 0);
        EXPECT_TRUE(f.doc.lines.row(1).join(QString()).isEmpty());
        EXPECT_EQ(f.form.closing, c.closes);
    }

    // On the estimate sheet the typed quantity is divided by the allowance.
    EntryFixture f;
    f.doc.controls.showItemView = false;
    f.doc.controls.showSheet = true;
    f.pick(1, u"器具"_qs, u"2"_qs);
    f.form.Edit18 = u"0"_qs;
    EXPECT_EQ(f.registerEntry(), Outcome::Failed);
    EXPECT_EQ(f.host.messageTexts(), QStringList{u"0 では割れません"_qs});
    EXPECT_FALSE(f.form.closing);
    EXPECT_EQ(f.doc.st1count, 0);
}

TEST(EntryRegistration, NewPriceRewritesTheSameMaterialInOtherItems)
{
    struct Case {
        const char16_t *unit;
        const char16_t *otherClass;
        bool rewritten;
    } cases[] = {{u"個", u"107", true}, {u"式", u"107", false}, {u"個", u"301", false}};
    for (const Case &c : cases) {
        EntryFixture f;
        f.pick(1, u"分電盤"_qs, u"1"_qs, u"50000"_qs, QString::fromUtf16(c.unit));
        f.form.Edit1 = QString::fromUtf16(c.otherClass);
        ASSERT_EQ(f.registerEntry(), Outcome::Registered);
        f.pick(2, u"分電盤"_qs, u"1"_qs, u"62000"_qs, QString::fromUtf16(c.unit));
        f.form.Edit1 = QString::fromUtf16(c.otherClass);
        f.form.Edit13 = u"5"_qs;
        ASSERT_EQ(f.registerEntry(), Outcome::Registered);
        ASSERT_EQ(f.doc.st1count, 2);
        const int other = f.cell(Item, 1) == f.item(1) ? 1 : 2;
        EXPECT_EQ(f.cell(Price, other), c.rewritten ? u"62000"_qs : u"50000"_qs) << QString::fromUtf16(c.unit).toStdString();
        EXPECT_EQ(f.cell(Accessory, other), c.rewritten ? u"5"_qs : u"0"_qs);
    }
}

TEST(EntryRegistration, CommentLineKeepsItsTextAndGetsNoCalculation)
{
    EntryFixture f;
    f.doc.items.setCell(itemcol::Unregistered, 1, u"4"_qs);
    f.pick(1, u"ここから二期工事"_qs, QString());
    entryactivation::commentButton(f.form, f.doc);
    EXPECT_EQ(f.form.Edit5, u"0014"_qs);
    EXPECT_EQ(f.form.nameWidth, 480);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.cell(Name, 1), u"ここから二期工事"_qs);
    EXPECT_EQ(f.cell(Kind, 1), u"注釈行"_qs);
    EXPECT_EQ(f.cell(Sub, 1), u"0014"_qs);
    EXPECT_TRUE(f.cell(Quantity, 1).isEmpty());
    EXPECT_EQ(f.doc.items.cell(itemcol::Unregistered, 1), u"5"_qs);
}

TEST(EntryRegistration, QuantityIsWrittenInItsShortestForm)
{
    struct Case {
        const char16_t *typed, *written;
        bool decimals;
    } cases[] = {{u"05", u"5", false}, {u"2.50", u"2.5", false}, {u"2.50", u"2.50", true}};
    for (const Case &c : cases) {
        EntryFixture f;
        f.doc.settings.CheckBox7 = c.decimals;
        f.pick(1, u"器具"_qs, QString::fromUtf16(c.typed));
        ASSERT_EQ(f.registerEntry(), Outcome::Registered);
        EXPECT_EQ(f.cell(Quantity, 1), QString::fromUtf16(c.written));
    }
}

TEST(EntryRegistration, EditingALineWritesItInPlace)
{
    EntryFixture f;
    f.pick(1, u"器具A"_qs, u"1"_qs);
    f.registerEntry();
    f.pick(1, u"器具B"_qs, u"2"_qs);
    f.registerEntry();
    // A pick cancelled, then an existing line edited: the count stays.
    f.pick(1, u"器具C"_qs, u"3"_qs);
    entryregistration::cancel(f.form);
    EXPECT_EQ(f.form.newLineFlag, 0);
    const int row = f.cell(Name, 1) == u"器具B" ? 1 : 2;
    entryopenings::openLine(f.form, f.doc, row, Price);
    entryactivation::activate(f.form, f.host, false);
    EXPECT_TRUE(f.form.Edit11.isEmpty());
    EXPECT_EQ(f.form.Edit25, u"1,000"_qs);
    f.form.Edit11 = u"1500"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.doc.st1count, 2);
    EXPECT_EQ(f.cell(Price, row), u"1500"_qs);
    EXPECT_EQ(f.cell(InputNo, row), u"2"_qs);

    // A price cleared for retyping and left empty keeps its old value.
    entryopenings::openLine(f.form, f.doc, row, Price);
    entryactivation::activate(f.form, f.host, false);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.cell(Price, row), u"1500"_qs);
}

TEST(EntryRegistration, UnregisteredMaterialCountsOnTheItem)
{
    EntryFixture f;
    f.pick(2, u"特注器具"_qs, u"1"_qs);
    f.form.Edit5 = entryopenings::itemSubNumber(f.doc, 2);
    EXPECT_EQ(f.form.Edit5, u"0002"_qs);
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.doc.items.cell(itemcol::Unregistered, 2), u"1"_qs);
    f.doc.items.setCell(itemcol::Unregistered, 2, u" "_qs);
    entryopenings::openLine(f.form, f.doc, 1, Quantity);
    entryactivation::activate(f.form, f.host, false);
    f.form.Edit9 = u"4"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.doc.items.cell(itemcol::Unregistered, 2), u"0"_qs); // an edit does not count
}

TEST(EntryRegistration, ItemRateModeWritesTheItemTable)
{
    EntryFixture f;
    entryopenings::openItemRates(f.form, f.doc, 2, u"天井開口費"_qs, 38);
    entryactivation::activate(f.form, f.host, false);
    EXPECT_TRUE(f.form.Edit27.isEmpty());
    EXPECT_EQ(f.form.t_no, 27);
    EXPECT_EQ(f.form.rateEnabled, (std::array<bool, 8>{false, false, true, true, false, false, false, false}));
    f.form.Edit27 = u"80"_qs;
    f.form.Edit32.clear();
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.doc.items.cell(itemcol::CeilingCompression, 2), u"0"_qs);
    EXPECT_EQ(f.doc.items.cell(itemcol::CeilingSubmission, 2), u"80"_qs);
    EXPECT_EQ(f.doc.items.cell(itemcol::CeilingSubmission, 1), u"100"_qs);
    EXPECT_EQ(f.doc.st1count, 0);

    // "項目毎にでなく全ての項目を変更させる": every item takes the rates.
    entryopenings::openItemRates(f.form, f.doc, 1, f.doc.settings.Edit52, 39);
    entryactivation::activate(f.form, f.host, false);
    f.form.CheckBox1 = true;
    f.form.Edit33 = u"90"_qs;
    ASSERT_EQ(f.registerEntry(), Outcome::Registered);
    EXPECT_EQ(f.itemColumn(itemcol::LabourCompression), (QStringList{u"90"_qs, u"90"_qs}));
    EXPECT_EQ(f.itemColumn(itemcol::LabourSubmission), (QStringList{u"100"_qs, u"100"_qs}));
}

TEST(EntryRegistration, CancelWritesNothingAndResets)
{
    EntryFixture f;
    f.pick(1, u"器具"_qs, u"2"_qs);
    f.form.Panel36 = true;
    entryregistration::cancel(f.form);
    EXPECT_EQ(f.doc.st1count, 0);
    EXPECT_TRUE(f.form.closing);
    EXPECT_FALSE(f.form.Panel36);
    EXPECT_TRUE(f.form.ComboBox5.isEmpty());
    EXPECT_EQ(f.form.Edit29, u"100"_qs);
    EXPECT_EQ(f.form.Edit30, u"0"_qs);
}
