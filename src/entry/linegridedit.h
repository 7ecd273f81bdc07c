#pragma once

#include <QString>

class EstimateDocument;
class Host;
struct EntryForm;

// What the mouse and the pop-up menu do with lines in the whole view (StringGrid1) and the item
// view (StringGrid5): reopening a line in the data entry window, deleting the chosen line, and the
// state of the pop-up menu PopupMenu1.
namespace linegridedit {

enum class Open {
    Window,       // the form is filled: show the data entry window
    MaterialMenu, // a row without a line: the material menu opens as with "材料選択"
    Nothing,
};

// A double-click on (column, row) of the whole view: the form filled from the line with the
// column to retype and the carry-over of that column. Throws ConversionError when the line's
// item row (column 44) is not a whole number.
Open openFromWholeView(EntryForm &f, const EstimateDocument &doc, int row, int column);
// The same for row `viewRow` of the item view.
Open openFromItemView(EntryForm &f, const EstimateDocument &doc, int viewRow, int column);

// The line-table row of the line shown in item-view row `viewRow`; 0 when it shows none.
int lineOfViewRow(const EstimateDocument &doc, int viewRow);

// "選択行の削除" (N3Click): the line of the item view's row uy5 while the item view is shown
// (which is then rebuilt), otherwise line uy1.
void deleteChosenLine(EstimateDocument &doc, Host &host);

// Which entries of the pop-up menu can be chosen, for a release on a row whose column 0 reads
// `number`.
struct MenuState {
    bool deleteLine = true;   // N3 "選択行の削除"
    bool inputOrder = true;   // N31 "入力順表示"
    bool markForMove = true;  // N37 "次に選択した行に移動(挿入)"
    bool moveUpDown = true;   // N23, N22 "入力順を並び替え(上〉", "(下〉"
};
MenuState menuState(const EstimateDocument &doc, const QString &number);

// After the pop-up menu opens on the whole view in code order, the lines are put in code order
// again; the chosen row follows its line, so the menu acts on the line that was clicked.
void sortAfterMenu(EstimateDocument &doc);

} // namespace linegridedit
