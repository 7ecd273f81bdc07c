#pragma once

#include <QString>
#include <QStringList>

#include <span>

// The state of one main-window control that core operations change: its caption or text, and
// whether it is enabled and shown.
struct ControlState {
    QString text;
    bool enabled = true;
    bool visible = true;
    int tag = 0;
};

// The main-window controls whose captions, texts and states the program's operations decide (the
// views, compilation, the figures, the item setup screen). Core operations write them; the
// windows show them. Each is named after its control.
struct MainControls {
    QString Caption;           // the window caption
    ControlState Label18;      // current-item label; tag = current item row
    ControlState Label72;      // date label of the top strip
    ControlState Label138;     // hidden: tree_count as text
    ControlState Label163;     // "Ver " + version
    ControlState Label164;     // bottom strip: "Number of lines:" + count
    ControlState Label171{u"1"_qs}; // hidden: the copper-base multiplier as text
    ControlState Label1;       // the printer's horizontal resolution of the last print, "600 [DPI]"
    ControlState Label2;       // its vertical resolution

    ControlState Button2{u"保存"_qs, false}; // "保存"
    ControlState Button5{u"↓ 登録"_qs};        // register / store edited item name
    ControlState Button11{u"項目別表示"_qs};
    ControlState Button12{u"全体表示"_qs};    // whole view; caption cycles
    ControlState Button13{u"材料選択"_qs};
    ControlState Button14{u"項目設定"_qs};
    ControlState Button15{u"前回材料"_qs};
    ControlState Button16{u"見積書表示"_qs};
    ControlState Button57;                     // "▼DN  +MAX"; tag = sheet scroll target row
    ControlState Button81{u"見積書変換"_qs};  // workbook export
    ControlState Button89{u"Stock"_qs};
    ControlState Button94{u"原価検討"_qs};
    ControlState Button112; // hidden same-name price check; tag = line of the last conflict found
    ControlState Edit1;                        // item name box of the item setup screen
    ControlState Panel83{QString(), true, false}; // "項目選択中" strip; tag = level column
    ControlState Panel94{QString(), true, false}; // notice panel
    ControlState Label149;                     // notice text
    ControlState Label151;                     // notice amount

    // Item setup screen "工事登録画面" and the controls its operations switch.
    ControlState GroupBox1{QString(), true, false}; // the setup screen itself
    ControlState Button1{u"開く"_qs};
    ControlState Button46{u"設定"_qs};
    ControlState Panel9{QString(), true, false};    // material menu; blocks the setup screen
    ControlState ListBox2{QString(), true, false};  // header reference list; tag 0 clients, 1 job titles
    QStringList ListBox2Items;                      // its entries
    ControlState Button96{u"参照"_qs};              // client list button
    ControlState Button103{u"参照"_qs};             // job title list button
    ControlState Panel97{QString(), true, false};   // "元号の変更" era change panel
    ControlState Panel105;                          // covers the client print size choice
    ControlState Label165{u"※提出先の印字サイズを変更できます。"_qs, true, false};

    // Pop-up menu entries of the estimate sheet.
    ControlState N35{u"労務費以外は御支給品で表示する"_qs};
    ControlState N43{u"社会保険料相当額を表示する"_qs};
    ControlState N45{u"労務費集計を表示する"_qs};
    ControlState NET1{u"NET提示金額をクリップボードへコピー"_qs};
    ControlState NET2{u"NET提示率を変更する"_qs};

    // "・材料の小計を表示させる" and its label: enabled only while CheckBox17 is set.
    ControlState CheckBox22{QString(), false};
    // The toolbar's "圧縮金額" 表示 button is selected (RadioButton6, 非表示, is its opposite).
    bool RadioButton5 = false;

    // Which grid the main window shows, and the view indicator and item panel colours (0xRRGGBB).
    bool showLines = false;     // StringGrid1
    bool showItemView = true;   // StringGrid5
    bool showSheet = false;     // StringGrid6
    unsigned viewIndicatorColor = 0xFF0000;
    unsigned itemPanelColor = 0xFFFFFF;
    // Scroll requests for the windows: the top row of the line table, -1 when none is pending.
    int lineTableTopRow = -1;
    int sheetTopRow = -1; // the same for the estimate sheet
    int itemViewTopRow = -1; // the same for the item view grid
    // Object name of the control that should take the keyboard focus next; empty when none.
    QString focus;
    // "・起動時に画面幅で表示" was switched: the main window is to take the width it gives and be
    // centred again.
    bool windowWidthRequested = false;
};

struct MainControlName {
    QStringView name;
    ControlState MainControls::*state;
};

// The named controls above, for the windows and for listings.
std::span<const MainControlName> mainControlNames();
