#pragma once

#include <QString>

class EstimateDocument;

// What the mouse does on the main window's grids before any window opens: the press and release
// cells kept in the document, choosing the current item on the estimate sheet, and what a release
// asks the window to do next. Rows and columns are grid cells; a row of -1 lies outside the table.
namespace gridmouse {

enum class Button { Left, Right };

// What the window does after a release on the estimate sheet.
struct SheetRelease {
    bool popupMenu = false;  // right button: show PopupMenu3
    bool rangeSum = false;   // "計算(足し算)" enabled
    bool rangeEdit = false;  // left drag in "圧縮率" or "提出率": the calculator asks for a rate
};

// StringGrid6MouseDown: the pressed cell; an item name in column 23 makes that item current.
void sheetPressed(EstimateDocument &doc, int column, int row);
// StringGrid6MouseUp.
SheetRelease sheetReleased(EstimateDocument &doc, int column, int row, Button button);

// Makes the item named `name` the current item: its name, label and item-table row. Returns false
// when no registered item has that name.
bool chooseItemByName(EstimateDocument &doc, const QString &name);

// StringGrid5MouseDown / StringGrid5MouseUp. Returns true when the release opens the line pop-up
// menu (right button on a line row).
void itemViewPressed(EstimateDocument &doc, int column, int row);
bool itemViewReleased(EstimateDocument &doc, int column, int row, Button button);

// StringGrid1: the press is kept unless the row lies beyond the table.
void linesPressed(EstimateDocument &doc, int column, int row);
void linesReleased(EstimateDocument &doc, int column, int row, Button button);

} // namespace gridmouse
