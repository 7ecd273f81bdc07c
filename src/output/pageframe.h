#pragma once

class PageCanvas;
struct PrintJob;
class QString;

// The table frame shared by the summary, detail and conditions pages: its geometry in print units
// and the parts that the pages draw alike.
namespace pageframe {

inline constexpr int left = 220;
inline constexpr int right = 4620;
inline constexpr int top = 450;
inline constexpr int bottom = 6606;
inline constexpr int pitch = 171;     // row height
inline constexpr int firstSlot = 665; // y of the first row under the heading
inline constexpr int slotCount = 35;
inline constexpr int footer = 6626;
inline constexpr int divider = 1383; // between name and specification

inline int slotY(int slot) // slot 1 to 35
{
    return firstSlot + pitch * (slot - 1);
}

// The outer rectangle and the lines under the heading row and every row.
void drawRows(PageCanvas &c);

// The summary and detail pages' table: the headings of the quantity, unit, unit price, amount and
// remarks columns, the rows and the column lines; `quantityLeft` is the line left of the quantity.
void drawAmountTable(PageCanvas &c, int quantityLeft);

// The job name (when "・工事名称を印刷する" is on) and `pageText` at the foot of the page.
void drawFooter(const PrintJob &job, PageCanvas &c, const QString &pageText);

} // namespace pageframe
