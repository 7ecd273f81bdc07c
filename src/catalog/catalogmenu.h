#pragma once

#include <QString>

class EstimateDocument;
class Host;

// The menu window (Panel9) and the catalog window (Panel14): loading and saving the menu index,
// choosing a menu, placing the twenty material buttons, loading a material list, and showing and
// hiding the two windows.
namespace catalogmenu {

// What a button of the main window's left column asks the window to do besides what the core did.
enum class Follow {
    Nothing,
    ScrollUp,   // the whole view renamed the button "UP": "▲UP -5"
    ScrollDown, // "DN": "▼DN  +5"
    ItemSetup,  // no current item: the item setup screen opens instead
};

// "材料メニュー読込" (Button17): reads the menu index from the program folder. A missing or
// damaged file is shown as an error naming it and leaves the menu table as it was.
bool loadMenu(EstimateDocument &doc, Host &host);
// "材料メニュー保存" (Button19): writes every row of the menu table and clears CheckBox15. A
// failed write is shown and leaves the box ticked.
bool saveMenu(EstimateDocument &doc, Host &host);
// CheckBox15 "材料メニューの名称を変更する": the save button shows while it is ticked.
void setRenaming(EstimateDocument &doc, bool on);

// "材料選択" (Button13): shows or hides the menu window with its hints.
Follow materialSelection(EstimateDocument &doc);
// "前回材料" (Button15): shows the catalog window with the list loaded last.
Follow lastMaterials(EstimateDocument &doc);
// "閉じる" of the menu window (Button18).
void closeMenu(EstimateDocument &doc);

// A press on the menu table at (column, row): the menu of the pressed caption/code pair opens in
// the catalog window with the list of its first button. Returns false when nothing opened (the
// names are being edited, no menu in that place, or a file could not be read; the last is shown).
bool chooseMenu(EstimateDocument &doc, Host &host, int column, int row);

// "材料ボタンのCaption配置" (Button45) for menu `code`: reads the menu's button settings, gives an
// unused first button its default, captions and enables the twenty buttons and loads the list of
// button 1. A missing button settings file is shown as an error naming it; the buttons keep what
// they had then.
bool placeButtons(EstimateDocument &doc, Host &host, const QString &code);
// The part of placeButtons before the list: the button settings read, defaulted and placed.
bool readButtons(EstimateDocument &doc, Host &host, const QString &code);

// A material button k (1 to 20, Button21 to Button40): loads its list with the row it names at the
// top. A list that cannot be read, or a button line that is not usable, is shown as an error; the
// list keeps what it showed and stays the one that "設定保存" writes.
bool loadList(EstimateDocument &doc, Host &host, int k);

// "もどる" (Button20): hides the catalog window.
void back(EstimateDocument &doc);
// "閉じる" (Button43): hides both windows and ends the edit mode.
void closeAll(EstimateDocument &doc);

// The list's scroll strips: ply6 moved by `delta` within the list, and the list scrolled there.
void scrollList(EstimateDocument &doc, int delta);

} // namespace catalogmenu
