#pragma once

#include <QStringList>

struct EntryForm;

// The earthwork panel of the data entry window ("土工費の計算"): an excavation of width × depth ×
// length priced per cubic metre becomes the line's unit price.
namespace earthwork {

// The choices of the four lists: width, depth, length (m) and the price per m3.
QStringList widths();
QStringList depths();
QStringList lengths();
QStringList prices();

// "土工費計算" (Image1Click): the panel is shown, the quantity becomes "1", the price is typed
// next (emptied, keypad target, red panel) and the calculation runs.
void open(EntryForm &f);

// "再計算" (Button26Click), run whenever a list changes: the volume (Label58) and the unit price,
// rounded to even. A list holding no number counts 0.
void calculate(EntryForm &f);

// "閉じる" (Button32Click).
void close(EntryForm &f);

} // namespace earthwork
