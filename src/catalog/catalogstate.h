#pragma once

#include "base/textgrid.h"
#include "estimate/maincontrols.h"

#include <array>

// The controls of the menu window (Panel9) and the catalog window (Panel14) whose captions and
// states the catalog operations decide. Each is named after its control.
struct CatalogControls {
    // Menu window. Its own visibility is the main window's Panel9.
    ControlState Panel90{QString(), true, false}; // hint "※適用する材料項目をクリックしてください"
    ControlState Panel91{QString(), true, false}; // the same hint's second panel
    bool CheckBox15 = false;                     // "材料メニューの名称を変更する"
    ControlState Button19{u"材料メニュー保存"_qs, true, false};

    // Catalog window.
    ControlState Panel14{QString(), true, false};
    std::array<ControlState, 20> materialButtons; // Button21 to Button40
    ControlState Button101{u"未登録品"_qs};
    ControlState Button20{u"もどる"_qs};
    ControlState Button43{u"閉じる"_qs};
    ControlState Button42{u"材料設定"_qs};
    ControlState Label14{u"選択行数"_qs};
    ControlState Panel20{QString(), true, false}; // edit-mode banner "編 集 可 能 中"
    ControlState Button41{u"ボタン設定"_qs};
    ControlState Button98{u"閉じる"_qs, true, false};
    ControlState GroupBox4{QString(), true, false}; // help box of the button settings
    ControlState StringGrid4{QString(), true, false}; // button settings grid
    ControlState Panel82{QString(), true, false};    // unregistered-mode strip

    // Bulk rewrite panel.
    ControlState Panel69{QString(), true, false};
    ControlState Panel86{QString(), true, false}; // factor panel
    ControlState Button110{u"戻る"_qs, true, false};
    ControlState Label116;                        // title of the pressed column
    QString ComboBox43;                           // new C
    QString ComboBox44;                           // new O
    QString ComboBox45 = u"01"_qs;                // start of E
    QString ComboBox46 = u"01"_qs;                // start of D
    QString Edit53;                               // replacement text
    QString Edit54 = u"1.00"_qs;                  // factor
    QString ComboBox40 = u"1"_qs;                 // rounding unit
    bool RadioButton1 = false; // scope: the rows dragged over; otherwise RadioButton2, all rows

    // In-place editing of the list is switched on.
    bool listEditing = false;
};

// The material catalog of the running program: the menu index, the button settings and the
// material list in memory, with the cursors and fields the catalog operations share.
struct CatalogState {
    TextGrid menu{9, 0};    // StringGrid2: the menu index, no title row
    TextGrid buttons{3, 0}; // StringGrid4: the button settings file, row 0 its title line
    TextGrid list{19, 1};   // StringGrid3: the material list, row 0 the titles

    CatalogControls controls;

    QString code;      // the menu code chosen last
    int FileNo = 0;    // the material button pressed last (1 to 20)
    QString Filename;  // the material list file shown
    QString Filename2; // the button settings file of the menu

    // Cursor of the list (row and column of the current cell).
    int row = 1;
    int col = 5;
    int topRowRequest = -1; // top row the window should scroll the list to, -1 when none

    int ux2 = 0, uy2 = 0;               // menu cell under the mouse
    int nx3 = 0, ny3 = 0;               // list cell of the last left press
    int ux3 = 0, uy3 = 0;               // list cell of the last left release
    int md3 = 0;                        // 1 after a click or double-click in the list
    int lastChangeColumn = -1;          // column of the last bulk change, for "戻る"
    int lastChangeFirst = 0;            // and its rows
    int lastChangeLast = -1;
};
