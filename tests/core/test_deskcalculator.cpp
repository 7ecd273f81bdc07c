#include "calculator/deskcalculator.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using Key = DeskCalculator::Key;

// Presses the keys named by their captions, separated by spaces; returns the error of the last
// key that failed, or an empty text.
QString pressAll(DeskCalculator &calc, const QString &keys)
{
    QString lastError;
    for (const QString &caption : keys.split(u' ', Qt::SkipEmptyParts)) {
        const std::optional<Key> key = DeskCalculator::keyOf(caption);
        if (!key) {
            ADD_FAILURE() << "no key " << caption.toStdString();
            continue;
        }
        if (std::optional<QString> error = calc.press(*key))
            lastError = *error;
    }
    return lastError;
}

// display, st, value1, value2 as one line, as `solvara-cli calc` prints them.
QString state(const DeskCalculator &c)
{
    return QStringList{c.display, QString::number(c.st), c.value1, c.value2}.join(u" | ");
}

struct Case {
    const char16_t *keys;
    const char16_t *expected; // display | st | value1 | value2
};

void check(const Case &c, const QString &taxRate = u"10"_qs)
{
    DeskCalculator calc;
    calc.taxRate = taxRate;
    const QString error = pressAll(calc, QString::fromUtf16(c.keys));
    EXPECT_TRUE(error.isEmpty()) << QString::fromUtf16(c.keys).toStdString() << ": " << error.toStdString();
    EXPECT_EQ(state(calc).toStdString(), QString::fromUtf16(c.expected).toStdString())
        << QString::fromUtf16(c.keys).toStdString();
}

} // namespace

// Every cell of the transition table: digits, point, operator, "＝" and "CE" in each state.
TEST(DeskCalculator, Transitions)
{
    const Case cases[] = {
        // State 0.
        {u"7", u"7 | 1 | 7 | "},
        {u".", u"0 | 2 | 0. | "},
        {u"＋", u"0 | 0 | 0 | "},
        {u"＝", u"0 | 0 | 0 | "},
        {u"CE", u" | 0 | 0 | "},
        // States 1 and 2: digits append and are shown in the display pattern; the point is raw.
        {u"1 2 3 4", u"1,234 | 1 | 1234 | "},
        {u"1 .", u"1. | 2 | 1. | "},
        {u"1 . 0", u"1 | 2 | 1.0 | "},
        {u"1 . 5 .", u"1.5 | 2 | 1.5 | "},
        {u"1 . 2 3 4 5 6 7 8 9 0 1 2 3", u"1.23456789012 | 2 | 1.234567890123 | "},
        {u"1 2 ＋", u"12 | 3 | 12 | "},
        {u"1 2 ＝", u"12 | 1 | 12 | "},
        {u"1 2 CE", u" | 0 | 0 | "},
        // State 3.
        {u"1 2 ＋ 3", u"3 | 4 | 12 | 3"},
        {u"1 2 ＋ .", u"0. | 5 | 12 | 0."},
        {u"1 2 ＋ －", u"12 | 3 | 12 | "},
        {u"1 2 ＋ ＝", u"12 | 3 | 12 | "},
        {u"1 2 ＋ CE", u" | 0 | 0 | "},
        // States 4 and 5.
        {u"1 ＋ 2 3 4 5", u"2,345 | 4 | 1 | 2345"},
        {u"1 ＋ 2 . 5", u"2.5 | 5 | 1 | 2.5"},
        {u"1 ＋ 2 . 5 .", u"2.5 | 5 | 1 | 2.5"},
        {u"1 2 ＋ 3 ＝", u"15 | 6 | 15 | 3"},
        {u"1 2 ＋ 3 ＝ ＋ 4 ＝", u"19 | 6 | 19 | 4"},
        {u"2 ＋ 1 . 5 ✕", u"3.5 | 3 | 3.5 | 1.5"},
        {u"2 ＋ 1 . 5 ✕ 2 ＝", u"7 | 6 | 7 | 2"},
        {u"9 － 5 CE", u" | 3 | 9 | "},
        {u"9 － 5 CE 3 ＝", u"6 | 6 | 6 | 3"},
        // State 6: a digit or point starts a new first operand; an operator takes the result on.
        {u"1 ＋ 2 ＝ 5", u"5 | 1 | 5 | 2"},
        {u"1 ＋ 2 ＝ .", u"0. | 2 | 0. | 2"},
        {u"1 ＋ 2 ＝ ✕ 4 ＝", u"12 | 6 | 12 | 4"},
        {u"1 ＋ 2 ＝ ＝", u"3 | 6 | 3 | 2"},
        {u"1 ＋ 2 ＝ CE", u" | 0 | 0 | "},
        // The operators compute in the order typed; a change of operator in state 3 replaces it.
        {u"8 ÷ 2 － 1 ＝", u"3 | 6 | 3 | 1"},
        {u"8 ＋ ✕ 2 ＝", u"16 | 6 | 16 | 2"},
        {u"1 0 ÷ 4 ＝", u"2.5 | 6 | 2.5 | 4"},
        {u"0 . 1 ＋ 0 . 2 ＝", u"0.3 | 6 | 0.3 | 0.2"},
        {u"1 0 ÷ 3 ＝", u"3.33333333333 | 6 | 3.33333333333333 | 3"},
        {u"9 9 9 9 9 9 ✕ 9 9 9 9 9 9 ＝", u"999,998,000,001 | 6 | 999998000001 | 999999"},
        // "Ｃ" from any state.
        {u"1 ＋ 2 Ｃ", u"0 | 0 | 0 | "},
        {u"1 ＋ 2 ＝ Ｃ 5", u"5 | 1 | 5 | "},
        // ASCII aliases.
        {u"7 * 6 =", u"42 | 6 | 42 | 6"},
        {u"7 - 6 / 2 =", u"0.5 | 6 | 0.5 | 2"},
        {u"7 + 1 C", u"0 | 0 | 0 | "},
    };
    for (const Case &c : cases)
        check(c);
}

TEST(DeskCalculator, PercentSignAndTaxKeys)
{
    const Case cases[] = {
        {u"2 0 0 ＋ 1 0 ％", u"20 | 4 | 200 | 20"},
        {u"2 0 0 ＋ 1 0 ％ ＝", u"220 | 6 | 220 | 20"},
        {u"2 0 0 ✕ 1 0 ％", u"20 | 4 | 200 | 20"},
        // "+/-" changes the operand being typed and shows it raw; elsewhere it does nothing.
        {u"2 . 5 +/-", u"-2.5 | 2 | -2.5 | "},
        {u"2 . 5 +/- +/-", u"2.5 | 2 | 2.5 | "},
        {u"1 . +/- 5", u"-1.5 | 2 | -1.5 | "},
        {u"1 2 3 4 +/-", u"-1234 | 1 | -1234 | "},
        {u"3 ＋ 4 +/- ＝", u"-1 | 6 | -1 | -4"},
        {u"3 ＋ 4 ＝ +/-", u"7 | 6 | 7 | 4"},
        {u"+/-", u"0 | 0 | 0 | "},
        // Tax keys work on value1 and show it raw; the state stays.
        {u"1 0 0 0 税込", u"1100 | 1 | 1100 | "},
        {u"1 1 0 0 税抜", u"1000 | 1 | 1000 | "},
        {u"1 2 3 4 5 6 7 税込", u"1358023.7 | 1 | 1358023.7 | "},
        {u"1 0 0 0 税込 税抜", u"1000 | 1 | 1000 | "},
        {u"5 ＋ 5 ＝ 税込", u"11 | 6 | 11 | 5"},
        {u"税込", u"0 | 0 | 0 | "},
    };
    for (const Case &c : cases)
        check(c);

    // The rate is the tax rate field's number.
    check({u"1 0 0 0 税込", u"1080 | 1 | 1080 | "}, u"8"_qs);
    check({u"2 0 0 税抜", u"200 | 1 | 200 | "}, u"0"_qs);
}

TEST(DeskCalculator, LabourKeyUsesTheLabourPrice)
{
    DeskCalculator calc;
    calc.labourPrice = u"20000"_qs;
    EXPECT_EQ(pressAll(calc, u"1 . 5 工数"_qs), QString());
    EXPECT_EQ(state(calc), u"30,000 | 2 | 1.5 | 30000"_qs);

    DeskCalculator blank; // a blank labour price counts as 0
    blank.labourPrice = u" "_qs;
    EXPECT_EQ(pressAll(blank, u"3 工数"_qs), QString());
    EXPECT_EQ(blank.value2, u"0"_qs);
}

// A key that fails leaves every field as it was, the operators included.
TEST(DeskCalculator, ErrorsLeaveTheCalculatorAsItWas)
{
    struct ErrorCase {
        const char16_t *before;
        const char16_t *key;
        const char16_t *message;
    } cases[] = {
        {u"5 ÷ 0", u"＝", u"浮動小数点数の 0 による除算"},
        {u"5 ÷ 0", u"＋", u"浮動小数点数の 0 による除算"},
        {u"0 ÷ 0", u"＝", u"無効な浮動小数点演算"},
        {u"5", u"％", u"'' は有効な浮動小数点値ではありません"},
        {u"9 － 5 CE", u"％", u"'' は有効な浮動小数点値ではありません"},
    };
    for (const auto &c : cases) {
        DeskCalculator calc;
        ASSERT_EQ(pressAll(calc, QString::fromUtf16(c.before)), QString());
        const DeskCalculator before = calc;
        const std::optional<QString> error = calc.press(*DeskCalculator::keyOf(QStringView(c.key)));
        ASSERT_TRUE(error.has_value()) << QString::fromUtf16(c.before).toStdString();
        EXPECT_EQ(*error, QString::fromUtf16(c.message));
        EXPECT_EQ(state(calc), state(before));
        EXPECT_EQ(calc.ch1, before.ch1);
        EXPECT_EQ(calc.ch2, before.ch2);
        EXPECT_EQ(calc.indicator, before.indicator);
    }

    // After the failed division the divisor can be typed again.
    DeskCalculator calc;
    pressAll(calc, u"5 ÷ 0 ＝"_qs);
    EXPECT_EQ(pressAll(calc, u"CE 2 ＝"_qs), QString());
    EXPECT_EQ(calc.display, u"2.5"_qs);

    // A result too large for a number.
    DeskCalculator big;
    const QString times = u"✕ "_qs + QString(u"9 "_qs).repeated(100) + u"＝ "_qs;
    ASSERT_EQ(pressAll(big, QString(u"9 "_qs).repeated(100) + times + times), QString());
    EXPECT_EQ(big.value1, u"1E300"_qs);
    EXPECT_EQ(pressAll(big, times), u"浮動小数点数のオーバーフロー"_qs);
    EXPECT_EQ(big.value1, u"1E300"_qs);

    // A tax rate that is no number.
    DeskCalculator rate;
    rate.taxRate = QString();
    pressAll(rate, u"1 0"_qs);
    EXPECT_EQ(*rate.press(Key::TaxIncluded), u"'' は有効な浮動小数点値ではありません"_qs);
    EXPECT_EQ(rate.value1, u"10"_qs);
}

TEST(DeskCalculator, IndicatorShowsTheOperatorAndClearEntry)
{
    DeskCalculator calc;
    pressAll(calc, u"6 ✕"_qs);
    EXPECT_EQ(calc.indicator, u"×"_qs);
    pressAll(calc, u"3"_qs);
    EXPECT_EQ(calc.indicator, QString()); // every key of the state machine empties it first
    pressAll(calc, u"÷"_qs);
    EXPECT_EQ(calc.indicator, u"÷"_qs);
    pressAll(calc, u"CE"_qs);
    EXPECT_EQ(calc.indicator, u"Ｃ"_qs);
}

TEST(DeskCalculator, CopyPasteAndEnter)
{
    DeskCalculator calc;
    pressAll(calc, u"1 2 3 4 . 5"_qs);
    ASSERT_FALSE(calc.press(Key::Copy));
    EXPECT_EQ(calc.pasteText, u"1,234.5"_qs);
    EXPECT_EQ(calc.enteredText(), u"1234.5"_qs);

    // Pasting what "コピー" left there gives a first operand that computes.
    DeskCalculator other;
    other.pasteText = calc.pasteText;
    pressAll(other, u"9 ＋"_qs);
    ASSERT_FALSE(other.press(Key::Paste));
    EXPECT_EQ(other.display, u"1,234.5"_qs);
    EXPECT_EQ(other.value1, u"1234.5"_qs);
    EXPECT_EQ(other.st, 4); // the "0" key sent first moved on to the second operand
    pressAll(other, u"1 ＝"_qs);
    EXPECT_EQ(other.value1, u"1235.5"_qs); // 1234.5 + "01"

    DeskCalculator fresh;
    fresh.pasteText = u"1,000"_qs;
    ASSERT_FALSE(fresh.press(Key::Paste));
    pressAll(fresh, u"✕ 2 ＝"_qs);
    EXPECT_EQ(fresh.display, u"2,000"_qs);

    // Text that is no number is refused and changes nothing.
    DeskCalculator bad;
    bad.pasteText = u"abc"_qs;
    EXPECT_TRUE(bad.press(Key::Paste).has_value());
    EXPECT_EQ(state(bad), u"0 | 0 | 0 | "_qs);

    // "CE" empties the display: "入力" then hands over nothing.
    DeskCalculator cleared;
    pressAll(cleared, u"4 2 CE"_qs);
    EXPECT_EQ(cleared.enteredText(), QString());
}

TEST(DeskCalculator, KeysByCaption)
{
    EXPECT_EQ(DeskCalculator::keyOf(u"0"), Key::Digit0);
    EXPECT_EQ(DeskCalculator::keyOf(u"9"), Key::Digit9);
    EXPECT_EQ(DeskCalculator::keyOf(u"✕"), Key::Multiply);
    EXPECT_EQ(DeskCalculator::keyOf(u"Ｃ"), Key::AllClear);
    EXPECT_EQ(DeskCalculator::keyOf(u"CE"), Key::ClearEntry);
    for (const char16_t *bad : {u"", u"10", u"x", u"c", u"×", u"コピー", u"=="})
        EXPECT_FALSE(DeskCalculator::keyOf(QStringView(bad))) << QString::fromUtf16(bad).toStdString();
}
