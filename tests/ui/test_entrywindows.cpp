#include "../core/itemfixture.h"
#include "uitesting.h"

#include "entry/entryopenings.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform6.h"
#include "estimate/columns.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace linecol;

namespace {

// Runs `user` while `open` shows a modal window, as the user working in it.
void whileShown(const std::function<void()> &open, const std::function<void()> &user)
{
    QTimer::singleShot(0, user);
    open();
}

// Types text as the keyboard does, Japanese included.
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), {});
}

struct EntryWindow : ItemFixture {
    TForm2 form2{doc, host};

    EntryWindow()
    {
        setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        for (int item = 1; item <= 2; ++item)
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                doc.items.setCell(c, item, u"100"_qs);
        doc.roumutanka = 20000;
        choose(1);
        doc.koumokumei = doc.controls.Label18.text;
    }

    template<typename W = QWidget>
    W *child(const QString &name) const
    {
        W *w = form2.findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void press(const QString &name) const { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void keys(const QString &captions) const
    {
        for (QChar c : captions)
            press(c == u'.' ? u"Button11"_qs : c == u'0' ? u"Button10"_qs : u"Button"_qs + c);
    }
    QString text(const QString &name) const { return child<QLineEdit>(name)->text(); }
    QColor panel(const QString &name) const { return child(name)->palette().color(QPalette::Window); }

    // A catalog pick: the fields filled, then the window shown.
    void pick(const QString &name, const QString &price, const std::function<void()> &user)
    {
        EntryForm &f = form2.form();
        f.Edit1 = u"107"_qs;
        f.Edit2 = u"01"_qs;
        f.Edit3 = u"02"_qs;
        f.Edit4 = u"03"_qs;
        f.Edit5 = u"0000"_qs;
        f.ComboBox5 = name;
        f.Edit7 = u"LED 40W"_qs;
        f.ComboBox6 = u"台"_qs;
        f.Edit11 = price;
        f.Edit12 = u"0.3"_qs;
        entryopenings::openNewLine(f, doc);
        whileShown([this] { form2.showEntry(); }, user);
    }
};

const QColor red(255, 0, 0), navy(0, 0, 128);

} // namespace

TEST(EntryWindow, ANewLineEnteredWithTheMouseOnly)
{
    EntryWindow w;
    w.pick(u"ダウンライト"_qs, u"8900"_qs, [&] {
        // The quantity is the field to type: cleared, its panel red.
        EXPECT_TRUE(w.text(u"Edit9"_qs).isEmpty());
        EXPECT_EQ(w.panel(u"Panel6"_qs), red);
        EXPECT_EQ(w.panel(u"Panel3"_qs), navy);
        EXPECT_EQ(w.text(u"Edit6"_qs), u"8,900"_qs);
        w.keys(u"05"_qs);
        EXPECT_EQ(w.text(u"Edit9"_qs), u"0.5"_qs);
        w.press(u"Button13"_qs); // C
        w.keys(u"12"_qs);
        EXPECT_EQ(w.text(u"Edit9"_qs), u"12"_qs);
        w.press(u"Button14"_qs);
    });
    EXPECT_FALSE(w.form2.isVisible());
    ASSERT_EQ(w.doc.st1count, 1);
    EXPECT_EQ(w.doc.lines.cell(Name, 1), u"ダウンライト"_qs);
    EXPECT_EQ(w.doc.lines.cell(Quantity, 1), u"12"_qs);
    EXPECT_EQ(w.doc.lines.cell(Material, 1), u"106800"_qs);
    EXPECT_EQ(w.doc.kidou, 1);
}

TEST(EntryWindow, KeyboardEntryWithJapaneseTextAndTheTwoPressPriceCheck)
{
    EntryWindow w;
    w.pick(u"未登録品"_qs, u"0"_qs, [&] {
        auto *name = w.child<QComboBox>(u"ComboBox5"_qs);
        EXPECT_EQ(name->count(), 2); // the placeholder and the catalog's first name
        QTest::mouseDClick(name->lineEdit(), Qt::LeftButton);
        EXPECT_TRUE(name->currentText().isEmpty());
        typeText(name->lineEdit(), u"特注ブラケット"_qs);
        QTest::keyClick(name->lineEdit(), Qt::Key_Return); // on to the specification
        EXPECT_EQ(w.panel(u"Panel4"_qs), red);
        auto *quantity = w.child<QLineEdit>(u"Edit9"_qs);
        QTest::mouseClick(quantity, Qt::LeftButton);
        QTest::keyClicks(quantity, u"3a"_qs);
        EXPECT_EQ(quantity->text(), u"3"_qs); // digits only
        EXPECT_EQ(w.host.beeps, 1);

        w.press(u"Button14"_qs);
        EXPECT_TRUE(w.form2.isVisible());
        EXPECT_EQ(w.child<QLabel>(u"Label28"_qs)->text(), u"※単価を確認してください。"_qs);
        EXPECT_EQ(w.panel(u"Panel8"_qs), red);
        EXPECT_TRUE(w.text(u"Edit11"_qs).isEmpty());
        w.keys(u"0"_qs); // no leading zero under the price rules
        EXPECT_EQ(w.host.beeps, 2);
        w.press(u"Button14"_qs);
    });
    ASSERT_EQ(w.doc.st1count, 1);
    EXPECT_EQ(w.doc.lines.cell(Name, 1), u"特注ブラケット"_qs);
    EXPECT_EQ(w.doc.lines.cell(Quantity, 1), u"3"_qs);
    EXPECT_EQ(w.doc.lines.cell(Price, 1), u"0"_qs);
}

TEST(EntryWindow, TwoRegistrationsOfTheSameMaterialMerge)
{
    EntryWindow w;
    for (const QString &quantity : {u"3"_qs, u"2"_qs}) {
        w.pick(u"コンセント"_qs, u"450"_qs, [&] {
            w.keys(quantity);
            w.press(u"Button14"_qs);
        });
    }
    EXPECT_EQ(w.doc.st1count, 1);
    EXPECT_EQ(w.doc.lines.cell(Quantity, 1), u"5"_qs);
}

TEST(EntryWindow, KindButtonsCommentLineAndCancel)
{
    EntryWindow w;
    w.pick(u"照明器具"_qs, u"5000"_qs, [&] {
        QPushButton *removal = nullptr;
        for (QPushButton *b : w.form2.findChildren<QPushButton *>())
            if (b->text() == u"撤去")
                removal = b;
        ASSERT_NE(removal, nullptr);
        QTest::mouseClick(removal, Qt::LeftButton);
        EXPECT_EQ(w.text(u"Edit23"_qs), u"撤去"_qs);
        EXPECT_EQ(w.child<QLineEdit>(u"Edit23"_qs)->palette().color(QPalette::Text), red);
        w.press(u"Button24"_qs); // 注 釈
        EXPECT_FALSE(w.child(u"Edit7"_qs)->isVisible());
        EXPECT_TRUE(w.child(u"Panel45"_qs)->isVisible());
        EXPECT_EQ(w.child(u"ComboBox5"_qs)->width(), 480);
        w.press(u"Button23"_qs); // キャンセル
    });
    EXPECT_FALSE(w.form2.isVisible());
    EXPECT_EQ(w.doc.st1count, 0);
    EXPECT_EQ(w.form2.form().newLineFlag, 0);
}

TEST(EntryWindow, EarthworkPricesTheLine)
{
    EntryWindow w;
    w.pick(u"根切り"_qs, QString(), [&] {
        w.press(u"Image1"_qs);
        EXPECT_TRUE(w.child(u"Panel36"_qs)->isVisible());
        EXPECT_EQ(w.text(u"Edit11"_qs), u"1800"_qs);
        auto *width = w.child<QComboBox>(u"ComboBox1"_qs);
        width->setCurrentText(u"0.5"_qs);
        emit width->textActivated(u"0.5"_qs);
        auto *depth = w.child<QComboBox>(u"ComboBox2"_qs);
        depth->setCurrentText(u"0.5"_qs);
        emit depth->textActivated(u"0.5"_qs);
        EXPECT_EQ(w.child<QLabel>(u"Label58"_qs)->text(), u"0.25"_qs);
        EXPECT_EQ(w.text(u"Edit6"_qs), u"1,250"_qs);
        w.press(u"Button14"_qs);
    });
    ASSERT_EQ(w.doc.st1count, 1);
    EXPECT_EQ(w.doc.lines.cell(Quantity, 1), u"1"_qs);
    EXPECT_EQ(w.doc.lines.cell(Price, 1), u"1250"_qs);
}

TEST(KeypadWindow, ReturnsWhatWasTypedOrNothing)
{
    EstimateDocument doc;
    TForm3 keypad(doc);
    auto press = [&](const char16_t *name) {
        QTest::mouseClick(keypad.findChild<QPushButton *>(QString::fromUtf16(name)), Qt::LeftButton);
    };
    std::optional<QString> typed;
    whileShown([&] { typed = keypad.ask({}, true); }, [&] {
        press(u"Button10");
        press(u"Button5");
        press(u"Button11");
        press(u"Button14");
    });
    EXPECT_EQ(typed, u"0.5"_qs);
    EXPECT_EQ(doc.keypadText, u"0.5"_qs);

    // The point key disabled by the caller; "キャンセル" gives nothing.
    whileShown([&] { typed = keypad.ask(u"7"_qs, false); }, [&] {
        EXPECT_FALSE(keypad.findChild<QPushButton *>(u"Button11"_qs)->isEnabled());
        EXPECT_EQ(keypad.findChild<QLineEdit *>(u"Edit1"_qs)->text(), u"7"_qs);
        press(u"Button23");
    });
    EXPECT_FALSE(typed.has_value());
    EXPECT_TRUE(doc.keypadText.isEmpty());
    EXPECT_TRUE(keypad.findChild<QPushButton *>(u"Button11"_qs)->isEnabled());
}

TEST(UnitWindow, PicksAUnitAndAdjustsTheCopperBase)
{
    EstimateDocument doc;
    doc.copperManualFlag = 1;
    TForm6 units(doc);
    QString unit;
    whileShown([&] { unit = units.askUnit(); }, [&] {
        EXPECT_TRUE(units.findChild<QCheckBox *>(u"CheckBox1"_qs)->isChecked());
        EXPECT_FALSE(units.findChild<QFrame *>(u"Panel1"_qs)->isVisible());
        auto *list = units.findChild<QComboBox *>(u"ComboBox6"_qs);
        list->setCurrentText(u"面"_qs);
        emit list->activated(list->currentIndex());
    });
    EXPECT_EQ(unit, u"面"_qs);
    EXPECT_FALSE(units.isVisible());

    QString base;
    whileShown([&] { base = units.askCopperBase(u"1200"_qs); }, [&] {
        EXPECT_EQ(units.windowTitle(), u"簡易 : 銅ベースの調整"_qs);
        QTest::mouseClick(units.findChild<QCheckBox *>(u"CheckBox1"_qs), Qt::LeftButton);
        QTest::mouseClick(units.findChild<QPushButton *>(u"Button1"_qs), Qt::LeftButton);
    });
    EXPECT_EQ(base, u"1200"_qs);
    EXPECT_EQ(units.windowTitle(), u"単位"_qs);
    EXPECT_FALSE(doc.settings.TForm6_CheckBox1);
    EXPECT_EQ(doc.copperManualFlag, 0);
}

TEST(EntryWindow, TheKeyboardAloneGoesThroughTheLineToRegistration)
{
    EntryWindow w;
    w.pick(u"露出コンセント"_qs, u"520"_qs, [&] {
        QApplication::setActiveWindow(&w.form2);
        QWidget *quantity = QApplication::focusWidget();
        EXPECT_EQ(quantity, w.child(u"Edit9"_qs));
        if (quantity != w.child(u"Edit9"_qs)) {
            w.form2.reject();
            return;
        }
        QTest::keyClicks(quantity, u"8"_qs);
        QTest::keyClick(quantity, Qt::Key_Return);              // on to the unit
        EXPECT_EQ(w.panel(u"Panel7"_qs), red);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the price
        EXPECT_EQ(QApplication::focusWidget(), w.child(u"Edit11"_qs));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the labour factor
        EXPECT_EQ(QApplication::focusWidget(), w.child(u"Edit12"_qs));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // "登録" takes the focus
        EXPECT_EQ(QApplication::focusWidget(), w.child(u"Button14"_qs));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_FALSE(w.form2.isVisible());
    ASSERT_EQ(w.doc.st1count, 1);
    EXPECT_EQ(w.doc.lines.cell(Quantity, 1), u"8"_qs);
    EXPECT_EQ(w.doc.lines.cell(Price, 1), u"520"_qs);
}
