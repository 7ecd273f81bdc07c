#include "entryfixture.h"

#include "entry/earthwork.h"
#include "entry/entryfields.h"
#include "entry/entrykeys.h"
#include "entry/namesuggestions.h"
#include "entry/numerickeypad.h"
#include "entry/twoline.h"

#include <gtest/gtest.h>

TEST(EntryKeypad, KeysFollowTheFieldRules)
{
    struct Case {
        int t_no;
        const char16_t *start;
        bool priceRules;
        const char16_t *keys;
        const char16_t *result;
        int beeps;
    } cases[] = {
        {9, u"", false, u"05", u"0.5", 0},
        {9, u"", false, u".", u"0.", 0},
        {9, u" ", false, u".5", u"0.5", 0},
        {9, u"", false, u"1.2.", u"1.2", 1},  // a second point is refused
        {12, u"", false, u"00", u"0.0", 0},
        {16, u"", false, u"01", u"0.1", 0},
        {7, u"", false, u"05", u"05", 0},     // the rule is for numbers only
        {11, u"", true, u"0", u"", 1},        // price rules: no leading zero
        {11, u"", true, u"105.", u"105", 1},  // price rules: no point
        {23, u"通常品", false, u"5", u"通常品", 0}, // the kind takes no keys
    };
    for (const Case &c : cases) {
        EntryFixture f;
        f.form.t_no = c.t_no;
        f.form.ten = 0;
        if (c.priceRules)
            f.form.setRed(EntryForm::Panel8);
        if (QString *field = f.form.fieldForCode(c.t_no))
            *field = QString::fromUtf16(c.start);
        else
            f.form.Edit23 = QString::fromUtf16(c.start);
        for (QChar key : QString::fromUtf16(c.keys))
            entrykeys::keypadKey(f.form, f.host, key);
        const QString *field = f.form.fieldForCode(c.t_no);
        EXPECT_EQ(field ? *field : f.form.Edit23, QString::fromUtf16(c.result)) << c.t_no << " "
                                                                              << QString::fromUtf16(c.keys).toStdString();
        EXPECT_EQ(f.host.beeps, c.beeps);
    }
}

TEST(EntryKeypad, PriceKeysShowTheFormattedPriceAndThePreview)
{
    EntryFixture f;
    f.form.t_no = 11;
    f.form.Edit11.clear();
    f.form.Edit20 = u"85"_qs;
    for (QChar key : u"12345"_qs)
        entrykeys::keypadKey(f.form, f.host, key);
    EXPECT_EQ(f.form.Edit6, u"12,345"_qs);
    EXPECT_EQ(f.form.Label28, u"提出単価：10493"_qs);
    EXPECT_EQ(f.form.Label28Colour, entrycolour::lightBlue);
}

TEST(EntryKeypad, SignAndClear)
{
    EntryFixture f;
    f.form.t_no = 11;
    f.form.Edit11 = u"1500"_qs;
    entrykeys::plusMinus(f.form, f.host);
    EXPECT_EQ(f.form.Edit11, u"-1500"_qs);
    EXPECT_EQ(f.form.Edit6, u"-1,500"_qs);
    entrykeys::clearKey(f.form);
    EXPECT_TRUE(f.form.Edit11.isEmpty());
    EXPECT_TRUE(f.form.Edit6.isEmpty());
    // An empty or non-numeric field is refused with the beep; other fields take no sign.
    entrykeys::plusMinus(f.form, f.host);
    f.form.t_no = 9;
    f.form.Edit9 = u"abc"_qs;
    entrykeys::plusMinus(f.form, f.host);
    EXPECT_EQ(f.host.beeps, 2);
    f.form.t_no = 12;
    f.form.Edit12 = u"2"_qs;
    entrykeys::plusMinus(f.form, f.host);
    EXPECT_EQ(f.form.Edit12, u"2"_qs);
}

TEST(EntryKeypad, LabourPriceForLabourUnits)
{
    EntryFixture f;
    f.form.ComboBox6 = u"個"_qs;
    entrykeys::labourPrice(f.form, u"22000"_qs);
    EXPECT_TRUE(f.form.Edit11.isEmpty());
    f.form.ComboBox6 = u"工数"_qs;
    entrykeys::labourPrice(f.form, u"22000"_qs);
    EXPECT_EQ(f.form.Edit11, u"22000"_qs);
    EXPECT_EQ(f.form.Edit6, u"22,000"_qs);
}

TEST(NumericKeypad, DisplayRules)
{
    struct Case {
        const char16_t *keys;
        bool point;
        const char16_t *display;
    } cases[] = {
        {u"05.", true, u"0.5"}, {u".5", true, u"0.5"}, {u"00", true, u"00"},
        {u"12.5", false, u"125"}, {u"3.1.4", true, u"3.14"},
    };
    for (const Case &c : cases) {
        NumericKeypad keypad;
        keypad.setPointEnabled(c.point);
        QString display;
        for (QChar key : QString::fromUtf16(c.keys))
            keypad.key(display, key);
        EXPECT_EQ(display, QString::fromUtf16(c.display)) << QString::fromUtf16(c.keys).toStdString();
    }
    // The point flag outlives the opening until "C", "登録" or "キャンセル" clears it.
    NumericKeypad keypad;
    QString display;
    keypad.key(display, u'.');
    keypad.cancel(display);
    EXPECT_TRUE(display.isEmpty());
    keypad.key(display, u'.');
    EXPECT_EQ(display, u"0."_qs);
}

TEST(EntryActivation, TheFieldToRetypeIsClearedAndTargeted)
{
    struct Case {
        int code;
        const char16_t *field;
        int t_no;
        bool cleared;
        int redPanel; // -1: none
    } cases[] = {
        {2, u"Edit1", 1, true, -1},           {7, u"ComboBox5", 6, false, EntryForm::Panel3},
        {8, u"Edit7", 7, false, EntryForm::Panel4}, {10, u"Edit9", 9, true, EntryForm::Panel6},
        {11, u"ComboBox6", 10, true, EntryForm::Panel7}, {13, u"Edit17", 17, true, -1},
        {15, u"Edit12", 12, true, EntryForm::Panel9}, {16, u"Edit18", 18, true, -1},
        {21, u"Edit19", 19, true, -1},        {22, u"Edit20", 20, true, -1},
    };
    for (const Case &c : cases) {
        EntryFixture f;
        f.addLine(1, u"ダウンライト"_qs);
        f.doc.lines.setCell(linecol::Kind, 1, u"通常品"_qs);
        for (int col = linecol::Spec1; col <= linecol::Submission; ++col)
            if (f.doc.lines.cell(col, 1).isEmpty())
                f.doc.lines.setCell(col, 1, QString::number(col));
        f.doc.lines.setCell(linecol::ItemRow, 1, u"1"_qs);
        entryopenings::openLine(f.form, f.doc, 1, c.code);
        const QString old = *f.form.field(QStringView(c.field));
        entryactivation::activate(f.form, f.host, false);
        const QString name = QString::fromUtf16(c.field);
        EXPECT_EQ(f.form.field(name)->isEmpty(), c.cleared) << name.toStdString();
        EXPECT_EQ(f.form.Edit25, old);
        EXPECT_EQ(f.form.t_no, c.t_no);
        EXPECT_EQ(f.form.focus, name);
        for (int p = 0; p < EntryForm::PanelCount; ++p)
            EXPECT_EQ(f.form.isRed(EntryForm::Panel(p)), p == c.redPanel) << name.toStdString();
        EXPECT_EQ(f.form.Label47Text, u"既DATA→"_qs + old);
        EXPECT_EQ(f.host.beeps, c.code == 11 ? 1 : 0);
    }
}

TEST(EntryActivation, RestoreGivesAnEmptyRetypedFieldItsOldText)
{
    EntryFixture f;
    f.pick(1, u"器具"_qs, u"4"_qs, u"12500"_qs);
    entryfields::mouseDown(f.form, u"Edit6"); // a click on the shown price
    EXPECT_TRUE(f.form.Edit11.isEmpty());
    EXPECT_EQ(f.form.t_no, 11);
    entryfields::click(f.form, u"Edit9"); // moving on without typing a price
    EXPECT_EQ(f.form.Edit11, u"12500"_qs);
    EXPECT_EQ(f.form.Edit6, u"12,500"_qs);
    EXPECT_TRUE(f.form.Edit9.isEmpty());
    EXPECT_EQ(f.form.Edit25, u"4"_qs);
    entryfields::click(f.form, u"Edit12");
    EXPECT_EQ(f.form.Edit9, u"4"_qs);
    EXPECT_TRUE(f.form.Edit12.isEmpty());
    entryfields::click(f.form, u"Edit19");
    EXPECT_EQ(f.form.t_no, 19);
}

TEST(EntryActivation, NameSuggestionsAndCommentLines)
{
    EntryFixture f;
    f.pick(1, u"未登録品"_qs, u"1"_qs);
    f.form.Edit1 = u"102"_qs;
    f.form.firstCatalogName = u"分電盤 主幹50A"_qs;
    entryactivation::activate(f.form, f.host, false);
    EXPECT_EQ(f.form.ComboBox5Items, (QStringList{u"未登録品"_qs, u"分電盤 主幹50A"_qs, u"分　電　盤"_qs,
                                                  u"ホーム分電盤"_qs, u"テナント盤"_qs, u"開閉器盤"_qs}));
    EXPECT_EQ(namesuggestions::nameList(u"107"_qs, u"02"_qs, u"x"_qs), (QStringList{u"未登録品"_qs, u"誘　導　灯"_qs}));
    EXPECT_EQ(namesuggestions::forCode(u"140"_qs, u"04"_qs), QStringList{u"合成樹脂電線管"_qs});
    EXPECT_EQ(namesuggestions::forCode(u"140"_qs, u"09"_qs).size(), 2);
    EXPECT_TRUE(namesuggestions::forCode(u"120"_qs, u"02"_qs).isEmpty());

    // A comment line reopens with its text across the whole width.
    f.form.Edit23 = u"注釈行"_qs;
    f.form.ComboBox5 = u"注記："_qs;
    f.form.Edit7 = u"天井内配線"_qs;
    entryactivation::activate(f.form, f.host, false);
    EXPECT_EQ(f.form.ComboBox5, u"注記：天井内配線"_qs);
    EXPECT_TRUE(f.form.Edit7.isEmpty());
    EXPECT_FALSE(f.form.Edit7Shown);
    EXPECT_TRUE(f.form.Panel45);
    EXPECT_EQ(f.form.focus, u"Button14"_qs);
    entryactivation::kindButton(f.form, u"撤去"_qs);
    EXPECT_EQ(f.form.Edit23, u"撤去"_qs);
    EXPECT_EQ(f.form.nameWidth, 250);
}

TEST(TwoLine, SplitsByCodePage932Length)
{
    const QString fourteen = u"あいうえおかきくけこさしすせ"_qs;
    struct Case {
        QString text;
        bool split;
        QString first, second;
    } cases[] = {
        {fourteen, true, fourteen, {}},                    // 28 bytes: split, nothing left over
        {fourteen + u"そ"_qs, true, fourteen, u"そ"_qs},
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ12"_qs, true, u"ABCDEFGHIJKLMN"_qs, u"OPQRSTUVWXYZ12"_qs},
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ1"_qs, true, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ1"_qs, {}},
        {u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌ"_qs, true, u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ"_qs, u"ｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌ"_qs},
        {fourteen + u"そ"_qs, false, fourteen + u"そ"_qs, {}},
    };
    for (const Case &c : cases) {
        const twoline::Halves h = twoline::halves(c.text, c.split);
        EXPECT_EQ(h.first, c.first) << c.text.toStdString();
        EXPECT_EQ(h.second, c.second);
    }
}

TEST(EntryFields, KeyboardRulesOfPriceAndFactor)
{
    using A = entryfields::KeyAction;
    struct Case {
        bool price;
        const char16_t *text;
        int ten;
        QChar key;
        A action;
        const char16_t *textAfter;
    } cases[] = {
        {true, u"", 0, u'.', A::Drop, u""},
        {true, u"12", 0, u'a', A::Drop, u"12"},
        {true, u"0", 0, u'5', A::Drop, u""},   // a lone zero is taken away
        {true, u"12", 0, u'.', A::Pass, u"12"},
        {true, u"12.", 1, u'.', A::Drop, u"12."},
        {false, u".", 1, u'.', A::Drop, u"."},
        {false, u"", 0, u'.', A::Pass, u""},
        {false, u"0", 0, u'5', A::PassAsPoint, u"0"},
        {false, u"1.5", 1, u'.', A::Drop, u"1.5"},
        {false, u"0", 1, u'.', A::PassAsPoint, u"0"}, // back to no point after "0."
    };
    for (const Case &c : cases) {
        EntryForm form;
        form.ten = c.ten;
        QString &field = c.price ? form.Edit11 : form.Edit12;
        field = QString::fromUtf16(c.text);
        const A action = c.price ? entryfields::priceKey(form, c.key, false) : entryfields::factorKey(form, c.key, false);
        EXPECT_EQ(action, c.action) << QString::fromUtf16(c.text).toStdString() << " " << QString(c.key).toStdString();
        EXPECT_EQ(field, QString::fromUtf16(c.textAfter));
    }
    EntryForm form;
    form.Edit12 = u".5"_qs;
    entryfields::leave(form, u"Edit12", false);
    EXPECT_EQ(form.Edit12, u"0.5"_qs);
}

TEST(Earthwork, VolumeAndUnitPrice)
{
    struct Case {
        const char16_t *width, *depth, *length, *price, *volume, *unitPrice;
    } cases[] = {
        {u"0.6", u"0.6", u"1", u"5000", u"0.36", u"1800"},
        {u"0.5", u"0.5", u"1", u"5000", u"0.25", u"1250"},
        {u"1.5", u"2.5", u"105", u"12000", u"393.75", u"4725000"},
        {u"", u"0.6", u"1", u"5000", u"0", u"0"},
    };
    for (const Case &c : cases) {
        EntryForm form;
        form.ComboBox1 = QString::fromUtf16(c.width);
        form.ComboBox2 = QString::fromUtf16(c.depth);
        form.ComboBox3 = QString::fromUtf16(c.length);
        form.ComboBox4 = QString::fromUtf16(c.price);
        earthwork::calculate(form);
        EXPECT_EQ(form.Label58, QString::fromUtf16(c.volume));
        EXPECT_EQ(form.Edit11, QString::fromUtf16(c.unitPrice));
    }
    EntryForm form;
    earthwork::open(form);
    EXPECT_TRUE(form.Panel36);
    EXPECT_EQ(form.Edit9, u"1"_qs);
    EXPECT_EQ(form.Edit11, u"1800"_qs);
    EXPECT_EQ(form.Edit6, u"1,800"_qs);
    EXPECT_TRUE(form.isRed(EntryForm::Panel8));
    EXPECT_EQ(earthwork::depths().first(), u"0.3"_qs);
    EXPECT_TRUE(earthwork::depths().contains(u"1.0"_qs));
    EXPECT_EQ(earthwork::lengths().size(), 100 + 20 + 2);
}
