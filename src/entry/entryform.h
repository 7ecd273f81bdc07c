#pragma once

#include "entry/carryover.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>

// The data entry window (TForm2, "データー入力フォーム") as the program's rules see it: the text of
// every field, named after its control, the keypad target and flags, and the look the rules
// decide (highlight panels, text colours, the panels shown, the status line). The window shows
// this state and hands every action of the user to the operations of entry/; solvara-cli's
// "register" drives the same state without a window. One form lives for the whole run, like the
// window, so fields an opening does not fill keep their last values.
struct EntryForm {
    // Line fields; the comment names the line-table column that registration writes.
    QString Edit21;    // 0: row to register into (hidden)
    QString Edit22;    // 1: "工事項目" item name
    QString Edit1;     // 2: code class "コード", three digits
    QString Edit2;     // 3
    QString Edit3;     // 4
    QString Edit4;     // 5
    QString Edit5;     // 6: four-digit sub-number, "0000" for catalog materials
    QString ComboBox5; // 7: "品　　名" name
    QString Edit7;     // 8: "規　　格" specification
    QString Edit8;     // 9: second specification (hidden)
    QString Edit9;     // 10: "数量" quantity
    QString ComboBox6; // 11: "単位" unit
    QString Edit11;    // 12: "単　価" unit price
    QString Edit17;    // 13: "施工区分" construction class
    QString Edit23 = u"通常品"_qs; // 14: "品種区分" kind
    QString Edit12;    // 15: "歩掛" labour factor
    QString Edit18;    // 16: "補給率" allowance, %
    QString Edit13;    // 17: "付属率" accessory rate, %
    QString Edit14;    // 18: "取付材率" mounting-material rate, %
    QString Edit15;    // 19: "塗装費" painting cost per unit
    QString Edit16;    // 20: "天井歩掛" ceiling labour factor
    QString Edit19 = u"100"_qs; // 21: "圧縮率" compression rate, %
    QString Edit20 = u"100"_qs; // 22: "提出率" submission rate, %
    QString Edit34;    // 44: item row in the item table (hidden)
    QString Edit30 = u"0"_qs; // 45: input number, "0" for a new line (hidden)

    QString Edit6; // the unit price formatted "#,###.##", laid over Edit11

    // The item's expense rates, written into the item table in item rate mode; Edit26 is also the
    // painting submission rate of the registration calculation.
    QString Edit31 = u"100"_qs; // "塗装費圧縮率"
    QString Edit26 = u"100"_qs; // "塗装費提出率"
    QString Edit32 = u"100"_qs; // "天井開口費圧縮率"
    QString Edit27 = u"100"_qs; // "天井開口費提出率"
    QString Edit33 = u"100"_qs; // "労務費圧縮率"
    QString Edit28 = u"100"_qs; // "労務費提出率"
    QString Edit29;             // "雑材消耗品圧縮率"
    QString Edit35 = u"100"_qs; // "雑材消耗品提出率"

    QString Edit24; // code of the field opened for retyping (hidden)
    QString Edit25; // old text of that field; in item rate mode the expense row's name (hidden)

    // How name and specification are printed on two lines.
    QString Edit10, Edit38; // name halves
    QString Edit36, Edit37; // specification halves

    bool CheckBox1 = false; // "項目毎にでなく全ての項目を変更させる"
    QStringList ComboBox5Items; // the name list: suggestions
    QString firstCatalogName;   // name of the catalog list's first line, offered for "未登録品"

    // Earthwork panel Panel36 "土工費の計算".
    QString ComboBox1 = u"0.6"_qs; // "掘削幅", m
    QString ComboBox2 = u"0.6"_qs; // "掘削深さ", m
    QString ComboBox3 = u"1"_qs;   // "掘削長さ", m
    QString ComboBox4 = u"5000"_qs; // "土工単価", yen per m3
    QString Label58 = u"0"_qs;     // volume
    bool Panel36 = false;          // shown

    int t_no = 0;         // keypad target: the field code (fieldForCode)
    int ten = 0;          // a decimal point has been typed into the target
    int editFlag = 0;     // tag of Edit21: an existing line is being edited
    int newLineFlag = 0;  // tag of the catalog's StringGrid3: a new line is being entered
    // What the registration of an edited line carries over to the lines of the same material; set
    // by the grid that opened the line, used once.
    carryover::Rule carryOver;

    // Highlight panels of name, specification, quantity, unit, unit price and labour factor:
    // navy, or red for the field being entered. A red price panel puts the keypad under the
    // price rules.
    enum Panel { Panel3, Panel4, Panel6, Panel7, Panel8, Panel9, PanelCount };
    std::array<bool, PanelCount> red{};
    bool priceTextRed = false;  // Edit11 text red: the price check has been shown once
    bool factorTextRed = false; // Edit12 text red: the labour-factor check has been shown once

    QString Label28;            // status line
    unsigned Label28Colour = 0; // 0xRRGGBB
    bool Label47 = false;       // old-value label shown
    QString Label47Text;

    bool Edit6Shown = true;
    int nameWidth = 250;        // ComboBox5: 480 on a comment line
    bool Edit7Shown = true;
    bool Panel42 = false;       // specification halves shown
    bool Panel43 = false;       // name halves shown
    bool Panel45 = false;       // comment-line banner
    bool itemRateMode = false;  // Panel31, Panel32 and Panel33 shown
    // In item rate mode the rate fields of the other expense kinds are disabled; in the order
    // Edit31, Edit26, Edit32, Edit27, Edit33, Edit28, Edit29, Edit35.
    std::array<bool, 8> rateEnabled{true, true, true, true, true, true, true, true};

    QString focus;        // object name of the control to take the focus next; empty when none
    bool closing = false; // registration or cancel closed the window (and the calculator)

    // The field the keypad types into for a t_no code; nullptr for codes without one (22, 23).
    QString *fieldForCode(int code);
    // A text field by object name (Edit1 … Edit38, ComboBox1 … ComboBox6); nullptr when unknown.
    QString *field(QStringView name);
    const QString *field(QStringView name) const;
    // The names field() knows, in window order.
    static std::span<const QStringView> fieldNames();

    // One panel red, the others navy; allNavy() turns every panel navy.
    void setRed(Panel panel);
    void allNavy();
    bool isRed(Panel panel) const { return red[size_t(panel)]; }
    bool isCommentLine() const { return Edit23 == u"注釈行"; }
};

namespace entrycolour {
inline constexpr unsigned aqua = 0x00FFFF;      // the checks' warnings
inline constexpr unsigned lightBlue = 0xB1D7F8; // the price preview and the name check
} // namespace entrycolour
