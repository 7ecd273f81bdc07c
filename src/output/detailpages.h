#pragma once

#include <array>
#include <vector>

struct PrintJob;
class PageCanvas;
class TextGrid;

// The detail pages (内訳): the detail block of the estimate sheet from row irow1 + 1, 35 slots to a
// page, with two-line names and specifications, the rows that are left out, a new page per item
// when "・項目毎に印刷ページを分ける" is on, and the footer "内訳 - page / count".
namespace detailpages {

// Which sheet row each slot of a page holds (0: the slot stays empty), and the slot at which a
// page ends early at an item's total (0: it does not).
struct Page {
    std::array<int, 35> rows{};
    int endSlot = 0;
};

// Lays the rows out on pages, as many as the rows that print a name or an amount need (at least
// one). The page count of the footer is the number of these pages: a count estimated from the
// number of rows could leave rows off the end or add empty pages.
std::vector<Page> paginate(const PrintJob &job);

// Draws the detail pages, starting a new page before each one after the first (and before the
// first too when `breakBeforeFirst`). Throws ConversionError on an amount, unit price or quantity
// cell that is not a number.
void draw(const PrintJob &job, PageCanvas &canvas, bool breakBeforeFirst);

} // namespace detailpages
