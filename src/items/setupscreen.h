#pragma once

class EstimateDocument;
class Host;

// Opening and closing the item setup screen "工事登録画面" (GroupBox1) and the checks made before
// it closes.
namespace setupscreen {

// "項目設定" (Button14) and a click on Label18: opens the screen, or closes it when the button
// reads "閉じる".
void toggle(EstimateDocument &doc, Host &host);

// Shows the screen unless the material menu is open; returns whether it was shown.
bool open(EstimateDocument &doc);

// Hides the screen and shows the current item's lines. Returns false when the screen stays open
// (no item recognised, or a header filled in but no item chosen).
bool close(EstimateDocument &doc, Host &host);

// "閉じる" (Button3, Button119) and a double-click on the tree: checks the header and the chosen
// item, closes the screen and, when the estimate sheet was shown, rebuilds it at the current item.
void closeWithChecks(EstimateDocument &doc, Host &host);

// The detail row of the estimate sheet whose name is the current item (koumokumei), searched from
// row tree_count + 2 on; -1 when there is none.
int currentItemSheetRow(const EstimateDocument &doc);

} // namespace setupscreen
