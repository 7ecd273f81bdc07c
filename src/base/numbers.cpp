#include "base/numbers.h"

#include "base/conversionerror.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <algorithm>
#include <cstring>
#include <limits>

namespace num {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Checks the number syntax and copies the characters into `out` (ASCII, NUL-terminated).
// Returns false when the text is not a number.
bool scanNumber(QStringView text, bool integerOnly, char *out, qsizetype capacity)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    qsizetype end = n;
    while (end > i && text[end - 1] == u' ')
        --end;
    if (i == end || end - i >= capacity)
        return false;

    qsizetype o = 0;
    auto take = [&](QChar c) { out[o++] = char(c.unicode()); };
    if (text[i] == u'+' || text[i] == u'-')
        take(text[i++]);
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
        return false;
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
            return false;
    }
    out[o] = '\0';
    return i == end;
}

// A value as decimal digits: value = 0.d1d2d3... x 10^exponent, digits without leading zeros.
struct Decimal {
    bool negative = false;
    QByteArray digits; // empty for zero
    int exponent = 0;
};

// The exact binary value of an x87 extended-precision number as mantissa × 2^exponent; false for
// zero, subnormal, infinite and NaN values and on platforms with another long double.
bool splitExtended(Real value, quint64 &mantissa, int &exponent)
{
    if (std::numeric_limits<Real>::digits != 64 || sizeof(Real) < 10)
        return false;
    unsigned char bytes[sizeof(Real)];
    std::memcpy(bytes, &value, sizeof bytes);
    quint16 signAndExponent;
    std::memcpy(&mantissa, bytes, 8);
    std::memcpy(&signAndExponent, bytes + 8, 2);
    const int biased = signAndExponent & 0x7FFF;
    if (biased == 0 || biased == 0x7FFF || (mantissa >> 63) == 0)
        return false;
    exponent = biased - 16383 - 63;
    return true;
}

constexpr quint64 powersOfTen64[] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull,
                                     100000000ull, 1000000000ull, 10000000000ull, 100000000000ull,
                                     1000000000000ull, 10000000000000ull, 100000000000000ull,
                                     1000000000000000ull, 10000000000000000ull, 100000000000000000ull,
                                     1000000000000000000ull, 10000000000000000000ull};

// The value rounded to `significant` digits computed exactly in integers: mantissa × 10^k fits in
// 128 bits, and the binary point is then shifted out with the remainder deciding the rounding
// (an exact half to the even neighbour, as printf rounds). Covers the values whose digits need a
// scale 10^k with k from 0 to 19; false for the others.
bool exactDecimal(Real value, int significant, Decimal &d)
{
    quint64 mantissa;
    int exponent;
    if (significant < 1 || significant > 19 || !splitExtended(value, mantissa, exponent) || exponent >= 0
        || exponent < -127)
        return false;
    using U128 = unsigned __int128;
    const int shift = -exponent;
    int exp10 = int(std::floor(std::log10(std::fabs(double(value)))));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = significant - 1 - exp10;
        if (k < 0 || k > 19)
            return false;
        const U128 scaled = U128(mantissa) * powersOfTen64[k];
        U128 q = scaled >> shift;
        if (q >= powersOfTen64[significant]) {
            ++exp10;
            continue;
        }
        if (q < powersOfTen64[significant - 1]) {
            --exp10;
            continue;
        }
        const U128 rest = scaled - (q << shift);
        const U128 half = U128(1) << (shift - 1);
        if (rest > half || (rest == half && (q & 1) != 0))
            ++q;
        if (q == powersOfTen64[significant]) {
            q = powersOfTen64[significant - 1];
            ++exp10;
        }
        char digits[20];
        quint64 v = quint64(q);
        for (int i = significant - 1; i >= 0; --i, v /= 10)
            digits[i] = char('0' + v % 10);
        int length = significant;
        while (length > 0 && digits[length - 1] == '0')
            --length;
        d.negative = value < 0;
        d.digits = QByteArray(digits, length);
        d.exponent = exp10 + 1;
        return true;
    }
    return false;
}

// The value with `significant` digits, as printf rounds the binary value.
Decimal toDecimal(Real value, int significant)
{
    Decimal d;
    if (value == 0)
        return d;
    // Shortest forms are written for every computed cell: the exact integer path spares printf.
    if (significant == 15 && exactDecimal(value, significant, d))
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", significant - 1, value);
    const char *p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.append(*p);
    }
    d.exponent = std::atoi(p + 1) + 1;
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    return d;
}

// Rounds the digits half up (away from zero) so that at most `decimals` fraction digits remain.
void roundDecimals(Decimal &d, int decimals)
{
    const qsizetype keep = d.exponent + decimals;
    if (keep >= d.digits.size())
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.truncate(keep);
    if (up) {
        qsizetype i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.prepend('1');
            ++d.exponent;
        } else {
            d.digits[i] = char(d.digits[i] + 1);
        }
    }
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
}

QString integerPart(const Decimal &d)
{
    QString s;
    for (int i = 0; i < d.exponent; ++i)
        s.append(i < d.digits.size() ? QChar(QLatin1Char(d.digits[i])) : QChar(u'0'));
    return s;
}

QString fractionPart(const Decimal &d, int minDigits = 0)
{
    QString s;
    for (int i = d.exponent; i < d.digits.size(); ++i)
        s.append(i >= 0 ? QChar(QLatin1Char(d.digits[i])) : QChar(u'0'));
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

QString nonFinite(Real value)
{
    if (std::isnan(value))
        return u"NAN"_qs;
    return value < 0 ? u"-INF"_qs : u"INF"_qs;
}

// Delphi-style fixed text with `decimals` digits (rounding half up on the decimal digits).
Decimal fixedDecimal(Real value, int decimals)
{
    Decimal d = toDecimal(value, 18);
    roundDecimals(d, decimals);
    if (d.digits.isEmpty())
        d.negative = false;
    return d;
}

} // namespace

namespace {

constexpr long double powersOfTen[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L,
                                       1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L};

// Plain decimal text with at most 18 digits: the value is mantissa / 10^k, both exact in extended
// precision, so one division gives the correctly rounded result that strtold would give.
bool quickNumber(QStringView text, Real &value)
{
    const qsizetype n = text.size();
    if (n == 0 || n > 20)
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == u'-') {
        negative = true;
        ++i;
    }
    quint64 mantissa = 0;
    int digits = 0;
    int fraction = -1;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
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
    if (digits == 0 || digits > 18)
        return false;
    Real v = Real(mantissa);
    if (fraction > 0)
        v /= powersOfTen[fraction];
    value = negative ? -v : v;
    return true;
}

} // namespace

Real toNumber(QStringView text)
{
    if (Real quick; quickNumber(text, quick))
        return quick;
    char buf[128];
    if (!scanNumber(text, false, buf, sizeof buf))
        throw ConversionError(text.toString());
    return std::strtold(buf, nullptr);
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
    if (!scanNumber(text, true, buf, sizeof buf))
        throw ConversionError(text.toString(), ConversionError::Kind::Integer);
    errno = 0;
    const long long v = std::strtoll(buf, nullptr, 10);
    if (errno == ERANGE)
        throw ConversionError(text.toString(), ConversionError::Kind::Integer);
    return v;
}

Real toNumberOr(QStringView text, Real fallback)
{
    return isBlank(text) ? fallback : toNumber(text);
}

bool isNumber(QStringView text)
{
    char buf[128];
    return scanNumber(text, false, buf, sizeof buf);
}

namespace {

static_assert(std::numeric_limits<Real>::digits == 64, "x87 extended precision expected");

// A whole number 0 <= value < 2^63 as an integer. Adding 2^63 puts it, exactly, in the low bits of
// the 64-bit mantissa, which is read directly: a cast would switch the x87 rounding mode twice.
quint64 integralMagnitude(Real value)
{
    const Real biased = value + num::detail::two63;
    quint64 mantissa;
    std::memcpy(&mantissa, &biased, sizeof mantissa);
    return mantissa - (quint64(1) << 63);
}

// Writes the shortest form of a value from its 15 significant digits: plain decimal text, or
// scientific ("1.5E-6", "1E15") from 15 integer digits on and below 0.00001.
int writeShortest(const Decimal &d, char16_t *out)
{
    if (d.digits.isEmpty()) {
        out[0] = u'0';
        return 1;
    }
    int len = 0;
    if (d.negative)
        out[len++] = u'-';
    const int n = int(d.digits.size());
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
        out[len++] = i < n ? char16_t(d.digits[i]) : u'0';
    if (n > d.exponent) {
        out[len++] = u'.';
        for (int i = d.exponent; i < n; ++i)
            out[len++] = i >= 0 ? char16_t(d.digits[i]) : u'0';
    }
    return len;
}

} // namespace

int shortestTo(Real value, char16_t *out)
{
    const Real magnitude = std::fabs(value);
    if (magnitude < 1e15L && value == truncate(value)) {
        quint64 u = integralMagnitude(magnitude);
        int digits = 1;
        for (quint64 rest = u / 10; rest != 0; rest /= 10)
            ++digits;
        const bool negative = value < 0;
        int len = negative ? 1 : 0;
        if (negative)
            out[0] = u'-';
        len += digits;
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

QString shortest(Real value)
{
    char16_t buffer[40];
    const int length = shortestTo(value, buffer);
    return QString(reinterpret_cast<const QChar *>(buffer), length);
}

QString grouped(Real value)
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

QString fixedText(Real value, int decimals, int width, bool groupedDigits)
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

QString fixed(Real value, int decimals, int width)
{
    return fixedText(value, decimals, width, false);
}

QString groupedFixed(Real value, int decimals, int width)
{
    return fixedText(value, decimals, width, true);
}

QString amount(Real value)
{
    const QString two = fixed(value, 2, 13);
    return two.endsWith(u"00") ? groupedFixed(value, 0, 13) : two;
}

QString hashGrouped(Real value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = fixedDecimal(value, 2);
    if (d.digits.isEmpty())
        return QString();
    QString s = d.negative ? u"-"_qs : QString();
    s.append(groupDigits(integerPart(d)));
    const QString fraction = fractionPart(d);
    if (!fraction.isEmpty())
        s.append(u'.' + fraction);
    return s;
}

Real unitFor(Real size, std::span<const UnitStep> table, Reach reach)
{
    Real unit = 0;
    for (const UnitStep &step : table) {
        const bool reached = reach == Reach::AtLeast ? size >= step.threshold : size > step.threshold;
        if (reached)
            unit = step.unit;
    }
    return unit;
}

Real unitAdjustment(Real x, Real unit)
{
    Real r = std::fmod(x, unit);
    if (r <= 0)
        r += unit;
    return r < unit / 2 ? -r : unit - r;
}

Real roundToUnit(Real x, Real unit)
{
    return roundEven(x + unitAdjustment(x, unit));
}

} // namespace num
