#include "base/numbers.h"

#include "base/conversionerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

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

// A value as decimal digits: value = 0.d1d2d3... x 10^exponent, digits without leading zeros.
struct Decimal {
    bool negative = false;
    char digits[24];
    int count = 0; // 0 for zero
    int exponent = 0;

    char digit(int i) const { return i >= 0 && i < count ? digits[i] : '0'; }
};

// Writes the decimal digits of u backwards, ending just before `end`, two at a time.
template <typename Char>
void writeDigits(std::uint64_t u, Char *end)
{
    static constexpr char pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
    while (u >= 100) {
        const unsigned pair = unsigned(u % 100) * 2;
        u /= 100;
        *--end = Char(pairs[pair + 1]);
        *--end = Char(pairs[pair]);
    }
    if (u >= 10) {
        *--end = Char(pairs[u * 2 + 1]);
        *--end = Char(pairs[u * 2]);
    } else {
        *--end = Char('0' + u);
    }
}

constexpr std::uint64_t powersOfTen64[] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull,
                                           10000000ull, 100000000ull, 1000000000ull, 10000000000ull,
                                           100000000000ull, 1000000000000ull, 10000000000000ull,
                                           100000000000000ull, 1000000000000000ull, 10000000000000000ull,
                                           100000000000000000ull, 1000000000000000000ull,
                                           10000000000000000000ull};

// The 15 significant digits of a double with a fraction, computed exactly in integers: the value
// is m x 2^e (e < 0), m x 10^k fits in 128 bits, and shifting the binary point out leaves the
// digits, the remainder deciding the rounding (an exact half to the even neighbour, as printf
// rounds). Covers the values whose digits need a scale 10^k with k from 0 to 19; false for others.
bool fractionDigits(double value, Decimal &d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = int((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF)
        return false; // zero, subnormal, infinite, NaN
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int exponent = biased - 1075; // |value| = mantissa x 2^exponent
    if (exponent >= 0 || exponent < -120)
        return false;
    using U128 = unsigned __int128;
    const int shift = -exponent;
    // floor(log10 |value|), estimated from the binary exponent and corrected below.
    int exp10 = ((biased - 1023) * 78913) >> 18; // 78913 / 2^18 is log10(2)
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - exp10;
        if (k < 0 || k > 19)
            return false;
        const U128 scaled = U128(mantissa) * powersOfTen64[k];
        U128 q = scaled >> shift;
        if (q >= powersOfTen64[15]) {
            ++exp10;
            continue;
        }
        if (q < powersOfTen64[14]) {
            --exp10;
            continue;
        }
        const U128 rest = scaled - (q << shift);
        const U128 half = U128(1) << (shift - 1);
        if (rest > half || (rest == half && (q & 1) != 0))
            ++q;
        if (q == powersOfTen64[15]) {
            q = powersOfTen64[14];
            ++exp10;
        }
        writeDigits(std::uint64_t(q), d.digits + 15);
        d.count = 15;
        while (d.count > 0 && d.digits[d.count - 1] == '0')
            --d.count;
        d.negative = value < 0;
        d.exponent = exp10 + 1;
        return true;
    }
    return false;
}

// The double's value rounded to `significant` digits (correctly, from its exact binary value),
// trailing zeros dropped.
Decimal toDecimal(double value, int significant)
{
    Decimal d;
    if (value == 0)
        return d;
    // Shortest forms are written for every computed cell: the integer path spares to_chars.
    if (significant == 15 && fractionDigits(value, d))
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

double detail::parseNumber(QStringView text)
{
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

bool isNumber(QStringView text)
{
    if (double quick; detail::quickNumber(text, quick))
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
        while (digits < 15 && u >= powersOfTen64[digits])
            ++digits;
        const int len = (value < 0 ? 1 : 0) + digits;
        out[0] = u'-';
        writeDigits(u, out + len);
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

namespace {

QString fixedText(double value, int decimals, int width, bool groupedDigits)
{
    if (!std::isfinite(value))
        return nonFinite(value).rightJustified(width);
    const Decimal d = fixedDecimal(value, decimals);
    QString whole = integerPart(d);
    if (whole.isEmpty())
        whole = u"0"_qs;
    QString s = d.negative ? u"-"_qs : QString();
    s.append(groupedDigits ? groupDigits(whole) : whole);
    if (decimals > 0)
        s.append(u'.' + fractionPart(d, decimals));
    return s.rightJustified(width);
}

} // namespace

QString fixed(double value, int decimals, int width)
{
    return fixedText(value, decimals, width, false);
}

QString groupedFixed(double value, int decimals, int width)
{
    return fixedText(value, decimals, width, true);
}

QString amount(double value)
{
    const QString two = fixed(value, 2, 13);
    return two.endsWith(u"00") ? groupedFixed(value, 0, 13) : two;
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
