#include "calculator/deskcalculator.h"

#include "base/conversionerror.h"
#include "base/numbers.h"

#include <cmath>

namespace {

using Key = DeskCalculator::Key;

// A division by zero or a result too large for a number: the key ends with the platform's
// arithmetic error.
struct ArithmeticFault {
    QString message;
};

const QString zeroDivide = u"浮動小数点数の 0 による除算"_qs;
const QString invalidOperation = u"無効な浮動小数点演算"_qs;
const QString overflow = u"浮動小数点数のオーバーフロー"_qs;

double number(const QString &text)
{
    return double(num::toNumber(text));
}

// A computed value in the shortest form; a result that is no finite number is an error.
QString written(double value)
{
    if (!std::isfinite(value))
        throw ArithmeticFault{std::isnan(value) ? invalidOperation : overflow};
    return num::shortest(value);
}

QString calculate(const QString &a, int op, const QString &b)
{
    const double x = number(a);
    const double y = number(b);
    switch (op) {
    case DeskCalculator::Add:
        return written(x + y);
    case DeskCalculator::Subtract:
        return written(x - y);
    case DeskCalculator::Multiply:
        return written(x * y);
    case DeskCalculator::Divide:
        if (y == 0)
            throw ArithmeticFault{x == 0 ? invalidOperation : zeroDivide};
        return written(x / y);
    default:
        // No operator was chosen before (ch1 is only set by a second operator key): the second
        // operand replaces nothing and the first stays.
        return written(x);
    }
}

QString operatorSymbol(int op)
{
    switch (op) {
    case DeskCalculator::Add:
        return u"＋"_qs;
    case DeskCalculator::Subtract:
        return u"－"_qs;
    case DeskCalculator::Multiply:
        return u"×"_qs;
    case DeskCalculator::Divide:
        return u"÷"_qs;
    default:
        return {};
    }
}

// The sign of typed text changes as text, so that a point typed before "+/-" stays and the digits
// that follow keep going after it.
QString negated(const QString &text)
{
    return text.startsWith(u'-') ? text.mid(1) : u'-' + text;
}

} // namespace

std::optional<DeskCalculator::Key> DeskCalculator::keyOf(QStringView caption)
{
    if (caption.size() == 1 && caption[0] >= u'0' && caption[0] <= u'9')
        return Key(int(Key::Digit0) + (caption[0].unicode() - u'0'));
    static const struct {
        const char16_t *caption;
        Key key;
    } named[] = {
        {u".", Key::Point},         {u"＋", Key::Add},           {u"+", Key::Add},
        {u"－", Key::Subtract},     {u"-", Key::Subtract},       {u"✕", Key::Multiply},
        {u"*", Key::Multiply},      {u"÷", Key::Divide},         {u"/", Key::Divide},
        {u"＝", Key::Equals},       {u"=", Key::Equals},         {u"Ｃ", Key::AllClear},
        {u"C", Key::AllClear},      {u"CE", Key::ClearEntry},    {u"％", Key::Percent},
        {u"工数", Key::Labour},     {u"+/-", Key::Sign},         {u"税込", Key::TaxIncluded},
        {u"税抜", Key::TaxExcluded},
    };
    for (const auto &n : named)
        if (caption == QStringView(n.caption))
            return n.key;
    return std::nullopt;
}

std::optional<QString> DeskCalculator::press(Key key)
{
    const DeskCalculator before = *this;
    try {
        apply(key);
        return std::nullopt;
    } catch (const ConversionError &e) {
        *this = before;
        return e.message();
    } catch (const ArithmeticFault &e) {
        *this = before;
        return e.message;
    }
}

QString DeskCalculator::enteredText() const
{
    QString text = display;
    return text.remove(u',');
}

void DeskCalculator::apply(Key key)
{
    switch (key) {
    case Key::Point:
        syori(u'.');
        return;
    case Key::Add:
    case Key::Subtract:
    case Key::Multiply:
    case Key::Divide:
        operatorKey(Operator(int(key) - int(Key::Add) + Add));
        return;
    case Key::Equals:
        syori(u'=');
        return;
    case Key::AllClear:
        syori(u'A');
        return;
    case Key::ClearEntry:
        syori(u'C');
        display.clear();
        indicator = u"Ｃ"_qs;
        return;
    case Key::Percent:
        value2 = written(number(value2) * number(value1) * 0.01);
        showFormatted(value2);
        return;
    case Key::Labour: {
        const double price = num::isBlank(labourPrice) ? 0.0 : number(labourPrice);
        value2 = written(number(value1) * price);
        showFormatted(value2);
        return;
    }
    case Key::Sign:
        sign();
        return;
    case Key::TaxIncluded: {
        const double v = number(value1);
        value1 = written(v + v * number(taxRate) * 0.01);
        display = value1;
        return;
    }
    case Key::TaxExcluded:
        value1 = written(number(value1) / (number(taxRate) / 100 + 1));
        display = value1;
        return;
    case Key::Copy:
        pasteText = num::zeroGrouped(number(value1), 11);
        return;
    case Key::Paste: {
        // The paste field usually holds what "コピー" put there, in the display pattern: the
        // separators go, so that value1 stays a number the next key can read.
        QString text = pasteText.trimmed();
        text.remove(u',');
        number(text);
        syori(u'0');
        value1 = text;
        display = pasteText;
        return;
    }
    default:
        syori(QChar(u'0' + (int(key) - int(Key::Digit0))));
        return;
    }
}

void DeskCalculator::syori(QChar code)
{
    indicator.clear();
    if (code.isDigit())
        digit(code);
    else if (code == u'.')
        point();
    else if (code == u'p') {
        if (st == 1 || st == 2 || st == 6)
            st = 3;
        else if (st == 4 || st == 5) {
            value1 = calculate(value1, ch1, value2);
            showFormatted(value1);
            st = 3;
        }
    } else if (code == u'=')
        equals();
    else if (code == u'C')
        clearEntry();
    else if (code == u'A')
        reset();
}

void DeskCalculator::digit(QChar d)
{
    switch (st) {
    case 0:
        value1 = d;
        display = value1;
        st = 1;
        break;
    case 1:
    case 2:
        showFormatted(value1 + d);
        value1 += d;
        break;
    case 3:
        showFormatted(d);
        value2 = d;
        st = 4;
        break;
    case 4:
    case 5:
        showFormatted(value2 + d);
        value2 += d;
        break;
    case 6:
        showFormatted(d);
        value1 = d;
        st = 1;
        break;
    }
}

void DeskCalculator::point()
{
    switch (st) {
    case 0:
        value1 = u"0."_qs;
        display = u"0"_qs;
        st = 2;
        break;
    case 1:
        value1 += u'.';
        display = value1;
        st = 2;
        break;
    case 3:
        value2 = u"0."_qs;
        display = value2;
        st = 5;
        break;
    case 4:
        value2 += u'.';
        display = value2;
        st = 5;
        break;
    case 6:
        value1 = u"0."_qs;
        display = value1;
        st = 2;
        break;
    default:
        break; // a second point is ignored
    }
}

void DeskCalculator::operatorKey(Operator op)
{
    if (st == 4 || st == 5)
        ch1 = ch2;
    ch2 = op;
    syori(u'p');
    indicator = operatorSymbol(op);
}

void DeskCalculator::equals()
{
    if (st != 4 && st != 5)
        return;
    value1 = calculate(value1, ch2, value2);
    showFormatted(value1);
    st = 6;
}

void DeskCalculator::clearEntry()
{
    if (st == 4 || st == 5) {
        // The first operand and the operator stay; only the second operand is typed again.
        value2.clear();
        display = u"0"_qs;
        st = 3;
    } else if (st != 0) {
        reset();
    }
}

// Back to the ready state. The operands are cleared with the display, so that a tax or percent
// key pressed on the "0" shown works on 0 and not on a number the user has already cleared.
void DeskCalculator::reset()
{
    st = 0;
    value1 = u"0"_qs;
    value2.clear();
    display = u"0"_qs;
}

void DeskCalculator::sign()
{
    if (st == 1 || st == 2) {
        value1 = negated(value1);
        display = value1;
    } else if (st == 4 || st == 5) {
        value2 = negated(value2);
        display = value2;
    }
}

void DeskCalculator::showFormatted(const QString &text)
{
    display = num::zeroGrouped(number(text), 11);
}
