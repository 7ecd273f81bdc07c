#include "base/numbers.h"

#include "base/conversionerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace num {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Checks the number syntax and copies the characters into `out` (ASCII, a leading "+" left out).
// Returns the length, or -1 when the text is not a number.
int scanNumber(QStringView text, bool integerOnly, char *out, qsizetype capacity)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    qsizetype end = n;
    while (end > i && text[end - 1] == u' ')
        --end;
    if (i == end || end - i >= capacity)
        return -1;

    int o = 0;
    auto take = [&](QChar c) { out[o++] = char(c.unicode()); };
    if (text[i] == u'-')
        take(text[i++]);
    else if (text[i] == u'+')
        ++i;
    qsizetype digits = 0;
    while (i < end && isDigit(text[i])) {
        take(text[i++]);
        ++digits;
    }
    if (!integerOnly && i < end && text[i] == u'.') {
        take(text[i++]);
        while (i < end && isDigit(text[i])) {
            take(text[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return -1;
    if (!integerOnly && i < end && (text[i] == u'e' || text[i] == u'E')) {
        take(text[i++]);
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            take(text[i++]);
        qsizetype expDigits = 0;
        while (i < end && isDigit(text[i])) {
            take(text[i++]);
            ++expDigits;
        }
        if (expDigits == 0)
            return -1;
    }
    return i == end ? o : -1;
}

constexpr double powersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Plain decimal text of at most 15 digits, as the program writes its cells: the digits and the
// power of ten are both exact in a double, so one division gives the correctly rounded value
// that a full parse would give. No locale, no allocation.
bool quickNumber(QStringView text, double &value)
{
    const qsizetype n = text.size();
    if (n == 0 || n > 17)
        return false;
    const QChar *p = text.data();
    qsizetype i = p[0] == u'-' ? 1 : 0;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fraction = -1;
    for (; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c >= u'0' && c <= u'9') {
            mantissa = mantissa * 10 + (c - u'0');
            ++digits;
            if (fraction >= 0)
                ++fraction;
        } else if (c == u'.' && fraction < 0) {
            fraction = 0;
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > 15)
        return false;
    double v = double(mantissa);
    if (fraction > 0)
        v /= powersOfTen[fraction];
    value = p[0] == u'-' ? -v : v;
    return true;
}

// A value as decimal digits: value = 0.d1d2d3... x 10^exponent, digits without leading zeros.
struct Decimal {
    bool negative = false;
    char digits[24];
    int count = 0; // 0 for zero
    int exponent = 0;

    char digit(int i) const { return i >= 0 && i < count ? digits[i] : '0'; }
};

// The double's value rounded to `significant` digits (correctly, from its exact binary value),
// trailing zeros dropped.
Decimal toDecimal(double value, int significant)
{
    Decimal d;
    if (value == 0)
        return d;
    char buf[48];
    const std::to_chars_result r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    const char *p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits[d.count++] = *p;
    }
    int exp10 = 0;
    std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, r.ptr, exp10);
    d.exponent = exp10 + 1;
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// Rounds the digits half up (away from zero) so that at most `decimals` fraction digits remain.
void roundDecimals(Decimal &d, int decimals)
{
    const int keep = d.exponent + decimals;
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            std::copy_backward(d.digits, d.digits + d.count, d.digits + d.count + 1);
            d.digits[0] = '1';
            ++d.count;
            ++d.exponent;
        } else {
            ++d.digits[i];
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

QString integerPart(const Decimal &d)
{
    QString s;
    for (int i = 0; i < d.exponent; ++i)
        s.append(QLatin1Char(d.digit(i)));
    return s;
}

QString fractionPart(const Decimal &d, int minDigits = 0)
{
    QString s;
    for (int i = d.exponent; i < d.count; ++i)
        s.append(QLatin1Char(d.digit(i)));
    while (s.size() < minDigits)
        s.append(u'0');
    return s;
}

QString groupDigits(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(u',');
        out.append(digits[i]);
    }
    return out;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return u"NAN"_qs;
    return value < 0 ? u"-INF"_qs : u"INF"_qs;
}

// Delphi-style fixed text with `decimals` digits: the value's 18 significant digits, rounded half
// up on the decimal digits.
Decimal fixedDecimal(double value, int decimals)
{
    Decimal d = toDecimal(value, 18);
    roundDecimals(d, decimals);
    if (d.count == 0)
        d.negative = false;
    return d;
}

// Writes the shortest form of a value from its 15 significant digits: plain decimal text, or
// scientific ("1.5E-6", "1E15") from 15 integer digits on and below 0.00001.
int writeShortest(const Decimal &d, char16_t *out)
{
    if (d.count == 0) {
        out[0] = u'0';
        return 1;
    }
    int len = 0;
    if (d.negative)
        out[len++] = u'-';
    const int n = d.count;
    const int exp10 = d.exponent - 1; // value = d.ddd x 10^exp10
    if (exp10 >= 15 || exp10 < -5) {
        out[len++] = char16_t(d.digits[0]);
        if (n > 1) {
            out[len++] = u'.';
            for (int i = 1; i < n; ++i)
                out[len++] = char16_t(d.digits[i]);
        }
        out[len++] = u'E';
        if (exp10 < 0)
            out[len++] = u'-';
        char reversed[8];
        int k = 0;
        for (int e = std::abs(exp10); k == 0 || e != 0; e /= 10)
            reversed[k++] = char('0' + e % 10);
        while (k > 0)
            out[len++] = char16_t(reversed[--k]);
        return len;
    }
    if (d.exponent <= 0)
        out[len++] = u'0';
    for (int i = 0; i < d.exponent; ++i)
        out[len++] = char16_t(d.digit(i));
    if (n > d.exponent) {
        out[len++] = u'.';
        for (int i = d.exponent; i < n; ++i)
            out[len++] = char16_t(d.digit(i));
    }
    return len;
}

} // namespace

double toNumber(QStringView text)
{
    if (double quick; quickNumber(text, quick))
        return quick;
    char buf[128];
    const int length = scanNumber(text, false, buf, sizeof buf);
    double value = 0;
    if (length < 0 || std::from_chars(buf, buf + length, value).ec != std::errc())
        throw ConversionError(text.toString());
    return value;
}

qint64 toInteger(QStringView text)
{
    // Plain digits, as the program writes row numbers and counts, need no scanning.
    if (const qsizetype n = text.size(); n > 0 && n <= 18) {
        qint64 value = 0;
        qsizetype i = 0;
        for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i)
            value = value * 10 + (text[i].unicode() - u'0');
        if (i == n)
            return value;
    }
    char buf[32];
    const int length = scanNumber(text, true, buf, sizeof buf);
    long long value = 0;
    if (length < 0 || std::from_chars(buf, buf + length, value).ec != std::errc())
        throw ConversionError(text.toString(), ConversionError::Kind::Integer);
    return value;
}

double toNumberOr(QStringView text, double fallback)
{
    return isBlank(text) ? fallback : toNumber(text);
}

bool isNumber(QStringView text)
{
    if (double quick; quickNumber(text, quick))
        return true;
    char buf[128];
    const int length = scanNumber(text, false, buf, sizeof buf);
    double value = 0;
    return length >= 0 && std::from_chars(buf, buf + length, value).ec == std::errc();
}

int shortestTo(double value, char16_t *out)
{
    // Whole numbers below 10^15, most of the cells the program writes, as integers.
    if (std::fabs(value) < 1e15 && value == truncate(value)) {
        std::uint64_t u = std::uint64_t(std::fabs(value));
        int digits = 1;
        for (std::uint64_t rest = u / 10; rest != 0; rest /= 10)
            ++digits;
        const bool negative = value < 0;
        if (negative)
            out[0] = u'-';
        const int len = (negative ? 1 : 0) + digits;
        for (int i = len - 1; i >= len - digits; --i, u /= 10)
            out[i] = char16_t(u'0' + u % 10);
        return len;
    }
    if (!std::isfinite(value)) {
        const QString s = nonFinite(value);
        std::copy(s.utf16(), s.utf16() + s.size(), out);
        return int(s.size());
    }
    return writeShortest(toDecimal(value, 15), out);
}

QString shortest(double value)
{
    char16_t buffer[40];
    const int length = shortestTo(value, buffer);
    return QString(reinterpret_cast<const QChar *>(buffer), length);
}

QString grouped(double value)
{
    const QString plain = shortest(value);
    if (plain.contains(u'E') || !std::isfinite(value))
        return plain;
    const bool negative = plain.startsWith(u'-');
    const QString body = negative ? plain.mid(1) : plain;
    const qsizetype dot = body.indexOf(u'.');
    const QString whole = dot < 0 ? body : body.left(dot);
    const QString rest = dot < 0 ? QString() : body.mid(dot);
    return (negative ? u"-"_qs : QString()) + groupDigits(whole) + rest;
}

QString amount(double value)
{
    if (!std::isfinite(value))
        return nonFinite(value).rightJustified(13);
    const Decimal d = fixedDecimal(value, 2);
    const QString sign = d.negative ? u"-"_qs : QString();
    QString whole = integerPart(d);
    if (whole.isEmpty())
        whole = u"0"_qs;
    const QString fraction = fractionPart(d, 2);
    if (fraction == u"00")
        return (sign + groupDigits(whole)).rightJustified(13);
    return (sign + whole + u'.' + fraction).rightJustified(13);
}

QString hashGrouped(double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = fixedDecimal(value, 2);
    if (d.count == 0)
        return QString();
    QString s = d.negative ? u"-"_qs : QString();
    s.append(groupDigits(integerPart(d)));
    const QString fraction = fractionPart(d);
    if (!fraction.isEmpty())
        s.append(u'.' + fraction);
    return s;
}

QString zeroGrouped(double value, int decimals)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = fixedDecimal(value, decimals);
    if (d.count == 0)
        return u"0"_qs;
    QString whole = integerPart(d);
    if (whole.isEmpty())
        whole = u"0"_qs;
    QString s = d.negative ? u"-"_qs : QString();
    s.append(groupDigits(whole));
    const QString fraction = fractionPart(d);
    if (!fraction.isEmpty())
        s.append(u'.' + fraction);
    return s;
}

double unitFor(double size, std::span<const UnitStep> table, Reach reach)
{
    double unit = 0;
    for (const UnitStep &step : table) {
        const bool reached = reach == Reach::AtLeast ? size >= step.threshold : size > step.threshold;
        if (reached)
            unit = step.unit;
    }
    return unit;
}

double unitAdjustment(double x, double unit)
{
    double r = std::fmod(x, unit);
    if (r <= 0)
        r += unit;
    return r < unit / 2 ? -r : unit - r;
}

double roundToUnit(double x, double unit)
{
    return roundEven(x + unitAdjustment(x, unit));
}

} // namespace num
