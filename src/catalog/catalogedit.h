#pragma once

#include <QString>

class EstimateDocument;
class Host;

// The catalog window's edit mode ("材料設定" / "設定保存"), the button settings ("ボタン設定"),
// editing cells of the list, Enter in the list and the mouse on the list.
namespace catalogedit {

bool isEditMode(const EstimateDocument &doc);

// "材料設定" (Button42): switches the edit mode on. "設定保存" (the same button in the edit mode):
// writes the list to its file with the spare column empty and plays the completion sound; the
// edit mode stays on. A failed write is shown and leaves the list in memory as it was, its undo
// store included. Returns false when nothing was saved.
bool Button42Click(EstimateDocument &doc, Host &host);
// "閉じる" (Button98): ends the edit mode; also part of "閉じる" of the catalog window.
void endEditMode(EstimateDocument &doc);

// "ボタン設定" (Button41): shows the button settings grid. "閉じる" (the same button): writes the
// grid to the button settings file, places the buttons again (which loads the list of button 1)
// and scrolls the list to the row last released. A failed write is shown and the grid stays open
// with what was typed.
bool Button41Click(EstimateDocument &doc, Host &host);

// A cell of the list typed in place.
void setListCell(EstimateDocument &doc, int column, int row, const QString &text);
// A cell of the button settings grid typed in place.
void setButtonCell(EstimateDocument &doc, int column, int row, const QString &text);
// A caption of the menu table typed in place (caption columns 0, 2, 4, 6 only).
void setMenuCaption(EstimateDocument &doc, int column, int row, const QString &text);
// Whether a cell of the list may be edited in place: never in column 1.
bool listCellEditable(int column);

// Enter in the list at the current cell: the cursor moves down a row when there is one (returns
// true: the key is used). In the price column the price of the row is then copied to every row
// with the same two specifications and unit, except removals ("撤去").
bool enterPressed(EstimateDocument &doc);

// Mouse on the list. A left press records the cell, names a column beyond the codes in the bulk
// rewrite panel and hides its "戻る"; a left release records the cell, shows the row number and
// selects the scope of the rows dragged over.
void listPressed(EstimateDocument &doc, int column, int row);
void listReleased(EstimateDocument &doc, int column, int row);

} // namespace catalogedit
