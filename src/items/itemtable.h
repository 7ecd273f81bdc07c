#pragma once

#include <QStringList>

class EstimateDocument;
class Host;

// The item table's operations on the item setup screen: registering, renaming and deleting items,
// and the name box with its list of standard names.
namespace items {

// The item table holds at most this many items (rows 1 to 300).
inline constexpr int maxItems = 300;

// The 30 standard item names of ListBox1, in display order.
const QStringList &standardNames();

// Button5: stores the edited name in edit mode ("↓編集登録"), otherwise registers a new item.
void registerButton(EstimateDocument &doc, Host &host);

// Appends the name in Edit1 as the last level-1 item. An empty name box beeps; a 301st item is
// refused with a message and a beep.
void registerNewItem(EstimateDocument &doc, Host &host);

// Enter in Edit1: registers a new item, then beeps.
void enterInNameBox(EstimateDocument &doc, Host &host);

// "☚項目登録" (Button4): hides the header's reference list and registers the name box.
void registerFromList(EstimateDocument &doc, Host &host);

// A click on entry `index` of ListBox1: the name box takes it and Button5 reads "↓ 登録".
void pickStandardName(EstimateDocument &doc, int index);

// A double-click on entry `index` of ListBox1: picks it and registers it.
void registerStandardName(EstimateDocument &doc, Host &host, int index);

// Button5 in edit mode: the chosen item takes the name in Edit1; its lines follow it.
void storeEditedName(EstimateDocument &doc, Host &host);

// "キャンセル" (Button116): leaves edit mode.
void leaveEditMode(EstimateDocument &doc);

// Button5 back to "↓ 登録" together with the strip "項目選択中" hidden: the two always change
// together, so the strip never says an item is being renamed while a press would register a new
// one.
void showRegisterCaption(EstimateDocument &doc);

// "C" (Button49) and a double-click in Edit1: empties the name box.
void clearNameBox(EstimateDocument &doc);

// "削 除" (Button6) and the tree's "削除" (N30): deletes the chosen item (ux7, uy7) and its lines,
// after asking when it holds lines. Lines of its sub-items are kept.
void deleteChosenItem(EstimateDocument &doc, Host &host);

} // namespace items
