#pragma once

#include <QString>

class EstimateDocument;
class TextGrid;

// The material tally (StringGrid9): the compiled estimate sheet condensed into amounts per
// material class, then merged per class and code.
namespace tally {

// Column widths of the tally grid in pixels, set by the tally (0: the grid's default).
inline constexpr int columnWidths[24] = {40, 50, 150, 150, 50, 50, 50, 50, 0, 0, 60, 90,
                                         70, 90, 70, 90, 0, 0, 0, 0, 0, 0, 0, 0};

// "AB材集計表作成" (Button137Click): one tally row per line, derived, expense and total row of
// the estimate sheet, sorted by code, with class marks, running numbers and class names.
// `menu` is the material menu table (StringGrid2) whose captions name the classes. A corrected
// quantity or unit price that is not a whole number throws ConversionError, leaving the grid as
// far as it got.
void Button137Click(EstimateDocument &doc, const TextGrid &menu);

// "コード毎集計処理" (Button142Click): rows that share class name, first and second code become one
// row with summed amounts; row 0 gets the totals.
void Button142Click(EstimateDocument &doc);

// The class name of first code `f` for a tally row named `name` with the four code parts.
QString className(int f, const QString &name, const QString &code1, const QString &code2,
                  const QString &code3, const QString &code4, const TextGrid &menu,
                  const QString &labourName);

} // namespace tally
