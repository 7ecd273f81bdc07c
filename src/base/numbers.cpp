#include "base/numbers.h"

#include "base/conversionerror.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <algorithm>

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

// The value with `significant` digits, as printf rounds the binary value.
Decimal toDecimal(Real value, int significant)
{
    Decimal d;
    if (value == 0)
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

bool isBlank(QStringView text)
{
    return text.isEmpty() || (text.size() == 1 && text[0] == u' ');
}

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

int shortestTo(Real value, char16_t *out)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15L) {
        qint64 v = qint64(value);
        char16_t digits[20];
        int n = 0;
        const bool negative = v < 0;
        quint64 u = negative ? quint64(-v) : quint64(v);
        do {
            digits[n++] = char16_t(u'0' + u % 10);
            u /= 10;
        } while (u != 0);
        int len = 0;
        if (negative)
            out[len++] = u'-';
        while (n > 0)
            out[len++] = digits[--n];
        return len;
    }
    const QString s = shortest(value);
    std::copy(s.utf16(), s.utf16() + s.size(), out);
    return int(s.size());
}

QString shortest(Real value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = toDecimal(value, 15);
    if (d.digits.isEmpty())
        return u"0"_qs;
    QString s = d.negative ? u"-"_qs : QString();
    const int exp10 = d.exponent - 1; // value = d.ddd x 10^exp10
    if (exp10 >= 15 || exp10 < -5) {
        s.append(QLatin1Char(d.digits[0]));
        if (d.digits.size() > 1) {
            s.append(u'.');
            s.append(QString::fromLatin1(d.digits.mid(1)));
        }
        s.append(u'E');
        s.append(QString::number(exp10));
        return s;
    }
    const QString whole = integerPart(d);
    s.append(whole.isEmpty() ? u"0"_qs : whole);
    const QString fraction = fractionPart(d);
    if (!fraction.isEmpty())
        s.append(u'.' + fraction);
    return s;
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

QString amount(Real value)
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

Real roundEven(Real value)
{
    // nearbyint honours the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    return std::nearbyint(value);
}

Real roundHalfAway(Real value)
{
    return value >= 0 ? std::trunc(value + 0.5L) : std::trunc(value - 0.5L);
}

Real truncate(Real value)
{
    return std::trunc(value);
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
