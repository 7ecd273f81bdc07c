#pragma once

// Number text and roundings: the one place where the program reads numbers from cells and fields,
// writes computed values back as text, and rounds amounts.

#include <QString>
#include <QStringView>

#include <cmath>
#include <span>

namespace num {

// Formulas are evaluated in extended precision (x87 80-bit on x86-64) and stored as double.
using Real = long double;

// A blank cell is empty or holds a single space; every rule treats both alike.
inline bool isBlank(QStringView text)
{
    return text.isEmpty() || (text.size() == 1 && text[0] == u' ');
}

// Decimal text with "." as the decimal point; leading and trailing spaces are allowed, nothing
// else. Blank or non-numeric text throws ConversionError carrying the text.
Real toNumber(QStringView text);
// Whole number text (optional sign, digits, surrounding spaces); anything else throws.
qint64 toInteger(QStringView text);
// The number, or `fallback` when the text is blank. Non-numeric text still throws.
Real toNumberOr(QStringView text, Real fallback);
// True when toNumber would succeed.
bool isNumber(QStringView text);

// Shortest general form: up to 15 significant digits, no trailing zeros; scientific ("1.5E-6",
// "1E15") only when the value has more than 15 integer digits or is below 0.00001.
QString shortest(Real value);
// Writes the shortest form into `out` (at least 32 characters) and returns its length. Whole
// numbers take a fast path; used where many cells are written.
int shortestTo(Real value, char16_t *out);
// Plain decimal text (as shortest) with a comma before every group of three integer digits.
QString grouped(Real value);
// The "%13.2f" text, replaced by the "%13.0n" text (grouped, no decimals) when it ends in "00".
QString amount(Real value);
// The "%W.Df" text: `decimals` fraction digits (decimal digits rounded half up), right-aligned
// in `width` characters.
QString fixed(Real value, int decimals, int width = 0);
// The "%W.Dn" text: as fixed, with a comma before every group of three integer digits.
QString groupedFixed(Real value, int decimals, int width = 0);
// Pattern "#,###.##": grouped, at most two decimals, no forced digits; 0 gives "", 0.5 gives ".5".
QString hashGrouped(Real value);

// Nearest whole number, an exact half going to the even neighbour.
inline Real roundEven(Real value);
// Nearest whole number, an exact half going away from zero.
inline Real roundHalfAway(Real value);
// Fraction dropped (toward zero).
inline Real truncate(Real value);

// One step of a unit table: sizes from (or above) `threshold` use `unit`.
struct UnitStep {
    Real threshold;
    Real unit;
};

enum class Reach { AtLeast, Above };

// The unit of the largest threshold that `size` reaches, or 0 when it reaches none.
Real unitFor(Real size, std::span<const UnitStep> table, Reach reach);
// The adjustment that moves x > 0 to the nearest multiple of unit (an exact half going up):
// with r the remainder of x in (0, unit], -r when r < unit/2, else unit - r.
Real unitAdjustment(Real x, Real unit);
// x moved by unitAdjustment, then rounded to even.
Real roundToUnit(Real x, Real unit);

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

// The roundings are inline: the recalculation calls them a few dozen times per line, and a
// long double argument passed through memory costs more than the rounding itself.
namespace detail {

inline constexpr Real two63 = 9223372036854775808.0L;

// Nearest whole number, halves to even, for |value| < 2^63: adding 2^63 leaves no fraction bits
// in the 64-bit mantissa, so the hardware rounds (to nearest even, the mode the program never
// changes) and subtracting gives the result exactly. nearbyintl and truncl would save and restore
// the x87 control word on every call instead.
inline Real rintSmall(Real value)
{
    return value > 0 ? (value + two63) - two63 : -((-value + two63) - two63);
}

inline bool isSmall(Real value)
{
    return std::fabs(value) < two63; // false for NaN and infinities
}

} // namespace detail

inline Real roundEven(Real value)
{
    if (value == 0)
        return value;
    return detail::isSmall(value) ? detail::rintSmall(value) : std::nearbyint(value);
}

inline Real truncate(Real value)
{
    if (value == 0 || !detail::isSmall(value))
        return value == 0 ? value : std::trunc(value);
    Real r = detail::rintSmall(value);
    if (value > 0 && r > value)
        r -= 1;
    else if (value < 0 && r < value)
        r += 1;
    return r;
}

inline Real roundHalfAway(Real value)
{
    return value >= 0 ? truncate(value + 0.5L) : truncate(value - 0.5L);
}

} // namespace num
