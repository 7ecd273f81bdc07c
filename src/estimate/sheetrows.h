#pragma once

#include "base/numbers.h"
#include "base/textgrid.h"

#include <QString>

// Pieces shared by the parts of the estimate sheet compiler: the texts of its fixed rows, number
// cells that refuse non-finite values, and the roundings of its amounts.
namespace sheet {

// Names of the sheet's fixed rows. The gaps in the totals are ideographic spaces (U+3000).
namespace names {
inline const QString directCost = u"直接工事費"_qs;
inline const QString siteExpenses = u"現場雑費"_qs;
inline const QString overhead = u"諸経費"_qs;
inline const QString tax = u"消費税"_qs;
inline const QString grandTotal = u"総　合　計"_qs;
inline const QString itemTotal = u"合　　計"_qs;
inline const QString subtotal = u"小　　計"_qs;
inline const QString placeholder = u"xxx"_qs;
inline const QString accessories = u"同上付属品"_qs;
inline const QString painting = u"塗 装 費"_qs;
inline const QString ceiling = u"天井開口費"_qs;
inline const QString consumables = u"雑材消耗品費"_qs;
inline const QString manualAmount = u"※手動入力値"_qs;
inline const QString suppliedGoods = u"御支給品"_qs;
inline const QString scrollMark = u"*1*"_qs;
inline const QString lastTotalMark = u"*2*"_qs;
inline const QString one = u"1"_qs;
inline const QString lumpSum = u"式"_qs;
inline const QString zero = u"0"_qs;
inline const QString class301 = u"301"_qs;
inline const QString class302 = u"302"_qs;
} // namespace names

// C codes 301 and 302: the classes that supplied-goods mode and the same-name price check leave
// alone (compared as QString, whose size is checked before any character).
inline bool isClass301or302(const QString &code)
{
    return code == names::class301 || code == names::class302;
}

// Kinds of line (line column 14) that the compiler treats specially.
namespace kinds {
inline const QString normal = u"通常品"_qs;
inline const QString comment = u"注釈行"_qs;
inline const QString building = u"建築工事"_qs;
inline const QString separate = u"別途"_qs;
} // namespace kinds

// A division by zero, or a result that is not a finite number, while the sheet is built. It ends
// the compilation (or the pass) like a conversion error; `text` is the offending cell text.
struct ArithmeticError {
    QString text;
};

// a / b; throws ArithmeticError carrying `divisorText` when b is 0.
double divide(double a, double b, const QString &divisorText);

// rate ÷ 100 × amount, in the order the sheet's formulas are written: the quotient is rounded to
// double first, so 115 ÷ 100 × 330 gives 379.49999999999994 where decimal arithmetic gives 379.5.
inline double percentOf(double rate, double amount)
{
    return rate / 100 * amount;
}

// a × b × 0.01, the form of the tax, social-insurance and NET figures.
inline double hundredthOf(double a, double b)
{
    return a * b * 0.01;
}

// Rounds to whole yen, an exact half to the even neighbour, as num::roundEven does; a value that
// is already whole (the usual case for amounts) is returned without the library call.
inline double wholeYen(double x)
{
    if (x > -9e18 && x < 9e18 && double(qint64(x)) == x)
        return x;
    return num::roundEven(x);
}

// Writes the value in the shortest form; throws ArithmeticError rather than writing "INF"/"NAN".
void writeNumber(TextGrid &sheet, int column, int row, double value);

// Writes a row of the summary block: the name, quantity "1" and unit "式".
void writeLumpSumRow(TextGrid &sheet, int row, const QString &name);

// The round-to-unit rule for the submitted amount of painting, ceiling-opening and labour rows:
// units 100/500/1000 from those amounts; below 100 only rounded to whole yen; 0 or less unchanged.
double roundCostRow(double amount);

} // namespace sheet
