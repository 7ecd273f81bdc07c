#pragma once

// Number text and roundings: the one place where the program reads numbers from cells and fields,
// writes computed values back as text, and rounds amounts.

#include <QString>
#include <QStringView>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <span>

// Every formula is evaluated in 64-bit double and every value stored is a double: with
// FLT_EVAL_METHOD 0 no intermediate is kept in a wider format between two operations.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not use extended intermediates");

namespace num {

// The program's number type is double. `Real` remains as another name for it so that code written
// against the name keeps compiling; new code writes double.
using Real = double;

// A blank cell is empty or holds a single space; every rule treats both alike.
inline bool isBlank(QStringView text)
{
    return text.isEmpty() || (text.size() == 1 && text[0] == u' ');
}

// Decimal text with "." as the decimal point; leading and trailing spaces are allowed, nothing
// else. Blank or non-numeric text, and numbers beyond the range of a double, throw
// ConversionError carrying the text.
inline double toNumber(QStringView text);
// Whole number text (optional sign, digits, surrounding spaces); anything else throws.
qint64 toInteger(QStringView text);
// The number, or `fallback` when the text is blank. Non-numeric text still throws.
inline double toNumberOr(QStringView text, double fallback);
// True when toNumber would succeed.
bool isNumber(QStringView text);

// Shortest general form: the double's 15 significant digits, no trailing zeros; scientific
// ("1.5E-6", "1E15") only when the value has more than 15 integer digits or is below 0.00001.
QString shortest(double value);
// Writes the shortest form into `out` (at least 32 characters) and returns its length. Whole
// numbers take a fast path; used where many cells are written.
int shortestTo(double value, char16_t *out);
// Plain decimal text (as shortest) with a comma before every group of three integer digits.
QString grouped(double value);
// The "%13.2f" text, replaced by the "%13.0n" text (grouped, no decimals) when it ends in "00".
QString amount(double value);
// The "%W.Df" text: `decimals` fraction digits (decimal digits rounded half up), right-aligned
// in `width` characters.
QString fixed(double value, int decimals, int width = 0);
// The "%W.Dn" text: as fixed, with a comma before every group of three integer digits.
QString groupedFixed(double value, int decimals, int width = 0);
// Pattern "#,###.##": grouped, at most two decimals, no forced digits; 0 gives "", 0.5 gives ".5".
QString hashGrouped(double value);
// Pattern "#,##0." with `decimals` optional digits: grouped, at least one integer digit, at most
// `decimals` decimals (rounded half up), no trailing zeros; 0.5 gives "0.5", -0.0000001 gives "0".
QString zeroGrouped(double value, int decimals);

// Nearest whole number, an exact half going to the even neighbour.
inline double roundEven(double value);
// Nearest whole number, an exact half going away from zero: value + 0.5 truncated (value - 0.5
// for negatives), the sum rounded to double as every other step.
inline double roundHalfAway(double value);
// Fraction dropped (toward zero).
inline double truncate(double value);

// One step of a unit table: sizes from (or above) `threshold` use `unit`.
struct UnitStep {
    double threshold;
    double unit;
};

enum class Reach { AtLeast, Above };

// The unit of the largest threshold that `size` reaches, or 0 when it reaches none.
double unitFor(double size, std::span<const UnitStep> table, Reach reach);
// The adjustment that moves x > 0 to the nearest multiple of unit (an exact half going up):
// with r the remainder of x in (0, unit], -r when r < unit/2, else unit - r.
double unitAdjustment(double x, double unit);
// x moved by unitAdjustment, then rounded to even.
double roundToUnit(double x, double unit);

// Unit tables of the program.
namespace units {
// Painting, ceiling-opening and labour rows, and the consumables absorption of an item total.
inline constexpr UnitStep cost[] = {{100, 100}, {500, 500}, {1000, 1000}};
// Overhead under "諸経費を自動丸めとする".
inline constexpr UnitStep overhead[] = {{100, 10}, {1000, 100}, {10000, 1000}, {100000, 10000}};
// Grand total in "丸め自動"; below the first threshold the unit is 100.
inline constexpr UnitStep grandTotal[] = {{100, 100}, {500, 500}, {1000, 1000}, {10000, 10000}};
// Social-insurance amount (thresholds are "above").
inline constexpr UnitStep socialInsurance[] = {{100, 100}};
// Labour sums (thresholds are "above").
inline constexpr UnitStep labourSums[] = {{100, 100}, {500, 500}, {1000, 1000}};
// NET figure (thresholds are "above").
inline constexpr UnitStep net[] = {{100, 10}, {500, 50}, {1000, 100}, {10000, 1000}, {100000, 10000}};
} // namespace units

// The roundings are inline: the recalculation calls them a few dozen times per line, and a call
// into the maths library for each costs more than the rounding itself.
namespace detail {

inline constexpr double powersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Plain decimal text of at most 15 digits, as the program writes its cells: the digits and the
// power of ten are both exact in a double, so one division gives the correctly rounded value
// that a full parse would give. No locale, no allocation; inline, as the recalculation reads
// tens of cells per line.
inline bool quickNumber(QStringView text, double &value)
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

// Every other form (spaces, "+", exponents, long digit strings); throws ConversionError.
double parseNumber(QStringView text);

// From 2^52 on every double is a whole number.
inline constexpr double two52 = 4503599627370496.0;

inline bool isSmall(double value)
{
    return std::fabs(value) < two52; // false for NaN and infinities
}

} // namespace detail

inline double toNumber(QStringView text)
{
    double value;
    return detail::quickNumber(text, value) ? value : detail::parseNumber(text);
}

inline double toNumberOr(QStringView text, double fallback)
{
    return isBlank(text) ? fallback : toNumber(text);
}

inline double roundEven(double value)
{
    if (!detail::isSmall(value))
        return value;
    // Adding 2^52 leaves no fraction bits, so the addition itself rounds to the nearest whole
    // number, halves to even (the rounding mode the program never changes); subtracting is exact.
    return value > 0 ? (value + detail::two52) - detail::two52 : -((-value + detail::two52) - detail::two52);
}

inline double truncate(double value)
{
    // The conversion to a 64-bit integer truncates and is exact below 2^52.
    return detail::isSmall(value) ? double(std::int64_t(value)) : value;
}

inline double roundHalfAway(double value)
{
    return value >= 0 ? truncate(value + 0.5) : truncate(value - 0.5);
}

} // namespace num
