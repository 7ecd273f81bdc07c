#include "uitesting.h"

#include "base/scriptedhost.h"
#include "calculator/tdentakukun.h"
#include "estimate/document.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The calculator over a program folder whose "zeiritu.ini" has the rate 10.
class CalculatorWindowTest : public ::testing::Test
{
protected:
    CalculatorWindowTest()
    {
        doc.strFilePath = dir.path() + u'/';
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write("\x83\x5C\x83\x8B\x83\x6F SOL-VARA\r\n10\r\n"); // "ソルバ SOL-VARA" in code page 932
    }

    QString iniPath() const { return dir.path() + u"/zeiritu.ini"_qs; }

    template<typename W = QWidget>
    W *find(const char16_t *name)
    {
        W *w = calc.findChild<W *>(QString::fromUtf16(name));
        EXPECT_NE(w, nullptr) << QString::fromUtf16(name).toStdString();
        return w;
    }
    QPushButton *button(const char16_t *name) { return find<QPushButton>(name); }
    QString display() { return find<QLabel>(u"Label197")->text(); }

    // Clicks the keys named by their captions, separated by spaces.
    void keys(const QString &captions)
    {
        for (const QString &caption : captions.split(u' ', Qt::SkipEmptyParts)) {
            QPushButton *target = nullptr;
            for (QPushButton *b : calc.findChildren<QPushButton *>())
                if (b->text() == caption && b->isVisible())
                    target = b;
            ASSERT_NE(target, nullptr) << caption.toStdString();
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }

    QTemporaryDir dir;
    EstimateDocument doc;
    ScriptedHost host;
    Tdentakukun calc{doc, host};
};

TEST_F(CalculatorWindowTest, TaxKeysWithTheRateOfTheFile)
{
    calc.showFree();
    EXPECT_EQ(find<QLineEdit>(u"Edit22")->text(), u"10"_qs);
    keys(u"1 0 0 0 税込"_qs);
    EXPECT_EQ(display(), u"1100"_qs);
    keys(u"税抜"_qs);
    EXPECT_EQ(display(), u"1000"_qs);
    keys(u"✕ 3 ＝"_qs); // the result goes on as the first operand
    EXPECT_EQ(display(), u"3,000"_qs);

    // A rate typed into the field applies at once; a double-click empties it.
    QLineEdit *rate = find<QLineEdit>(u"Edit22");
    rate->setText(u"8"_qs);
    keys(u"Ｃ 5 0 0 税込"_qs);
    EXPECT_EQ(display(), u"540"_qs);
    uitesting::doubleClick(rate);
    EXPECT_EQ(rate->text(), QString());
    keys(u"税込"_qs);
    EXPECT_EQ(host.messageTexts(), QStringList{u"'' は有効な浮動小数点値ではありません"_qs});
    EXPECT_EQ(display(), u"540"_qs);
    calc.close();
}

TEST_F(CalculatorWindowTest, SavingTheRateKeepsTheFirstLine)
{
    calc.showFree();
    keys(u"税率設定"_qs);
    EXPECT_EQ(button(u"Button110")->text(), u"税率保存"_qs);
    EXPECT_FALSE(button(u"Button116")->isVisible());

    find<QLineEdit>(u"Edit22")->setText(u"abc"_qs);
    keys(u"税率保存"_qs);
    EXPECT_EQ(host.messageTexts().size(), 1); // refused: no number
    EXPECT_EQ(fileBytes(iniPath()), QByteArray("\x83\x5C\x83\x8B\x83\x6F SOL-VARA\r\n10\r\n"));

    find<QLineEdit>(u"Edit22")->setText(u"8"_qs);
    keys(u"税率保存"_qs);
    EXPECT_EQ(fileBytes(iniPath()), QByteArray("\x83\x5C\x83\x8B\x83\x6F SOL-VARA\r\n8\r\n"));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(button(u"Button110")->text(), u"コピー"_qs);
    EXPECT_EQ(button(u"Button116")->text(), u"税率設定"_qs);
    EXPECT_TRUE(button(u"Button116")->isVisible());

    // The next showing reads the saved rate and starts cleared.
    keys(u"7"_qs);
    calc.close();
    calc.showFree();
    EXPECT_EQ(find<QLineEdit>(u"Edit22")->text(), u"8"_qs);
    EXPECT_EQ(display(), u"0"_qs);
    calc.close();
}

TEST_F(CalculatorWindowTest, UnreadableRateFileKeepsTheField)
{
    calc.showFree();
    find<QLineEdit>(u"Edit22")->setText(u"5"_qs);
    calc.close();
    QFile::remove(iniPath());
    calc.showFree();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(u"zeiritu.ini"));
    EXPECT_EQ(find<QLineEdit>(u"Edit22")->text(), u"5"_qs);
    calc.close();
}

TEST_F(CalculatorWindowTest, InputModeHandsTheDisplayToTheKeypadField)
{
    doc.keypadText = u"old"_qs;
    bool checkedLayout = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(calc.isModal());
        EXPECT_EQ(button(u"Button116")->text(), u"貼付"_qs);
        EXPECT_TRUE(find(u"Panel1")->isVisible());
        EXPECT_EQ(find(u"Panel34")->height(), 129);
        EXPECT_EQ(find(u"Panel34")->palette().color(QPalette::Window), QColor(0, 255, 255));
        EXPECT_EQ(find(u"Panel35")->y(), 133);
        EXPECT_EQ(find(u"Panel38")->y(), 207);
        EXPECT_EQ(find(u"Panel36")->geometry(), QRect(210, 281, 321, 71));
        EXPECT_EQ(button(u"Button114")->height(), 65);
        EXPECT_EQ(button(u"Button73")->text(), u"％"_qs);
        EXPECT_TRUE(button(u"Button1")->isVisible());
        EXPECT_EQ(doc.keypadText, QString());
        checkedLayout = true;
        keys(u"1 2 3 4 . 5"_qs);
        EXPECT_EQ(display(), u"1,234.5"_qs);
        keys(u"入力"_qs);
    });
    EXPECT_EQ(calc.inputValue(), u"1234.5"_qs);
    EXPECT_TRUE(checkedLayout);
    EXPECT_EQ(doc.keypadText, u"1234.5"_qs);
    EXPECT_FALSE(calc.isVisible());

    // Closing restores the normal layout.
    EXPECT_FALSE(find(u"Panel1")->isVisibleTo(&calc));
    EXPECT_EQ(find(u"Panel34")->height(), 57);
    EXPECT_EQ(find(u"Panel34")->palette().color(QPalette::Window), QColor(0, 128, 64));
    EXPECT_EQ(find(u"Panel35")->y(), 59);
    EXPECT_EQ(find(u"Panel38")->y(), 133);
    EXPECT_EQ(find(u"Panel36")->geometry(), QRect(210, 207, 321, 145));
    EXPECT_EQ(button(u"Button114")->height(), 141);
    EXPECT_EQ(button(u"Button116")->text(), u"税率設定"_qs);
    EXPECT_EQ(calc.calculator().st, 0); // "入力" ended with "Ｃ"
}

TEST_F(CalculatorWindowTest, InputModeLabourKeyAndCancel)
{
    doc.settings.Edit21 = u"20000"_qs;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(button(u"Button73")->text(), u"工数"_qs);
        EXPECT_EQ(button(u"Button73")->width(), 128);
        keys(u"1 . 5 工数"_qs);
        EXPECT_EQ(display(), u"30,000"_qs);
        keys(u"入力"_qs);
    });
    EXPECT_EQ(calc.inputValue(Tdentakukun::PercentKey::Labour), u"30000"_qs);
    EXPECT_EQ(button(u"Button73")->text(), u"％"_qs);
    EXPECT_EQ(button(u"Button73")->width(), 64);

    // Closed without "入力": nothing is handed over.
    QTimer::singleShot(0, [&] {
        keys(u"4 2"_qs);
        calc.reject();
    });
    EXPECT_EQ(calc.inputValue(), std::nullopt);
    EXPECT_EQ(doc.keypadText, QString());

    // "CE" leaves the display empty: "入力" hands over nothing either.
    QTimer::singleShot(0, [&] { keys(u"4 2 CE 入力"_qs); });
    EXPECT_EQ(calc.inputValue(), std::nullopt);
}

// The free calculator open when a modal window asks for it: it comes back modal and usable.
TEST_F(CalculatorWindowTest, FreeCalculatorBecomesModalWhenAskedFor)
{
    calc.showFree();
    keys(u"5"_qs);
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(calc.isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), &calc);
        EXPECT_EQ(display(), u"0"_qs); // a new showing starts cleared
        keys(u"8 入力"_qs);
    });
    EXPECT_EQ(calc.inputValue(), u"8"_qs);

    calc.showFree();
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &calc);
        calc.close();
    });
    calc.exec();
    EXPECT_FALSE(calc.isVisible());
}

TEST_F(CalculatorWindowTest, PasteTakesThePasteField)
{
    QTimer::singleShot(0, [&] {
        find<QLineEdit>(u"Edit1")->setText(u"2,500"_qs);
        keys(u"貼付 ✕ 2 ＝"_qs);
        EXPECT_EQ(display(), u"5,000"_qs);
        keys(u"入力"_qs);
    });
    EXPECT_EQ(calc.inputValue(), u"5000"_qs);
}

TEST_F(CalculatorWindowTest, CopyToClipboardAndTheDataEntryWindow)
{
    QStringList delivered;
    bool entryOpen = false;
    calc.setCopyTarget([&](const QString &value) {
        if (entryOpen)
            delivered.append(value);
        return entryOpen;
    });
    calc.showFree();
    keys(u"1 2 3 4 . 5 コピー"_qs);
    EXPECT_EQ(host.clipboard, u"1234.5"_qs);
    EXPECT_EQ(find<QLineEdit>(u"Edit1")->text(), u"1,234.5"_qs);
    EXPECT_TRUE(calc.isVisible()); // no data-entry window open: the calculator stays
    EXPECT_TRUE(delivered.isEmpty());

    entryOpen = true;
    keys(u"✕ 2 ＝ コピー"_qs);
    EXPECT_EQ(delivered, QStringList{u"2469"_qs});
    EXPECT_EQ(host.clipboard, u"2469"_qs);
    EXPECT_FALSE(calc.isVisible());
}

TEST_F(CalculatorWindowTest, ErrorsAreShownAndTheKeyIsUndone)
{
    calc.showFree();
    keys(u"5 ÷ 0 ＝"_qs);
    EXPECT_EQ(host.messageTexts(), QStringList{u"浮動小数点数の 0 による除算"_qs});
    EXPECT_EQ(display(), u"0"_qs);
    keys(u"CE 4 ＝"_qs);
    EXPECT_EQ(display(), u"1.25"_qs);
    calc.close();
}

// Shown where the pointer left it, it is pulled back onto the screen.
TEST_F(CalculatorWindowTest, StaysOnTheScreen)
{
    const QRect area = calc.screen()->availableGeometry();
    calc.move(area.right() - 100, -40);
    calc.showFree();
    EXPECT_LE(calc.frameGeometry().right(), area.right());
    EXPECT_GE(calc.x(), area.left());
    EXPECT_EQ(calc.y(), 0);
    calc.close();
}

TEST_F(CalculatorWindowTest, KeyboardPressesTheKeys)
{
    calc.showFree();
    QTest::keyClicks(&calc, u"12*3"_qs);
    EXPECT_EQ(find<QLabel>(u"Label199")->text(), QString());
    QTest::keyClick(&calc, Qt::Key_Return);
    EXPECT_EQ(display(), u"36"_qs);
    QTest::keyClicks(&calc, u"+4%"_qs);
    EXPECT_EQ(display(), u"1.44"_qs);
    calc.close();
}

} // namespace
