#pragma once

#include <QString>

#include <optional>

// The desk calculator without its window: the key state machine `syori`, percent, "工数", sign,
// tax keys and the paste and copy fields. Operands and results are held as text, as the window
// holds them; the display and the operator indicator are the texts the window shows.
class DeskCalculator
{
public:
    // Operator codes of ch1 and ch2.
    enum Operator { NoOperator = 0, Add = 1, Subtract = 2, Multiply = 3, Divide = 4 };

    enum class Key {
        Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
        Point,
        Add, Subtract, Multiply, Divide,
        Equals,
        AllClear,   // "Ｃ"
        ClearEntry, // "CE"
        Percent,    // "％"
        Labour,     // "工数": the percent key of the estimate sheet's input mode
        Sign,       // "+/-"
        TaxIncluded, // "税込"
        TaxExcluded, // "税抜"
        Copy,       // "コピー": the paste field takes value1 in the display pattern
        Paste,      // "貼付": value1 and the display take the paste field
    };

    // The key with this caption ("7", "＋", "✕", "税込" …) or ASCII alias ("+", "-", "*", "/",
    // "=", "C"); nullopt for any other text. "コピー" and "貼付" have no caption here.
    static std::optional<Key> keyOf(QStringView caption);

    // Presses a key. When the key ends with the platform's arithmetic or conversion error (a
    // division by zero, an operand that is empty or no number), the calculator stays exactly as it
    // was before the key and the error's message is returned.
    std::optional<QString> press(Key key);

    // What "入力" hands to the caller: the display text without its thousands separators.
    QString enteredText() const;

    // The key state machine (0 ready, 1 and 2 first operand, 3 operator chosen, 4 and 5 second
    // operand, 6 result shown), operands and operators, named as the window's fields.
    int st = 0;
    QString value1 = u"0"_qs;
    QString value2;
    int ch1 = NoOperator; // operator pending before the latest operator key
    int ch2 = NoOperator; // operator of the latest operator key

    QString display = u"0"_qs; // Label197
    QString indicator;         // Label199: the operator chosen, or "Ｃ" after "CE"
    QString taxRate = u"10"_qs; // Edit22: tax rate in percent
    QString pasteText;         // Edit1: the paste field
    QString labourPrice;       // the main window's "労務単価" for "工数"; blank counts as 0

private:
    // `syori` with a one-character code: a digit, "." , "p" (operator key), "=", "C" ("CE"),
    // "A" ("Ｃ"). Throws ConversionError or an arithmetic fault.
    void syori(QChar code);
    void digit(QChar d);
    void point();
    void operatorKey(Operator op);
    void equals();
    void clearEntry();
    void reset();
    void sign();
    void apply(Key key);

    // Shows an operand in the display pattern "#,##0.###########".
    void showFormatted(const QString &text);
};
