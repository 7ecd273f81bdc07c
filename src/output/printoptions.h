#pragma once

#include <QDate>
#include <QString>

class EstimateDocument;
class Host;

// The values of the print options window TForm5 ("印刷フォーム"), one member per control, named after
// it. The window keeps them from one print run to the next; the window shows them and solvara-cli
// sets them by name.
struct PrintOptions {
    bool CheckBox1 = true;  // "表紙" cover page
    bool CheckBox2 = true;  // "大項目" summary pages
    bool CheckBox3 = true;  // "内訳" detail pages
    bool CheckBox4 = false; // "条件書" conditions page; set from the condition list on showing
    bool CheckBox5 = false; // "金抜き印刷する" no amounts
    bool RadioButton1 = true; // "切り捨て" selected; RadioButton2 "四捨五入" is its opposite

    QString Edit1; // invoice amount before tax, amount format
    QString Edit2; // client, copied for checking
    QString Edit3; // invoice date: year in the era
    QString Edit4; // month
    QString Edit5; // day
    QString Edit6; // consumption tax, "%10.2f" or "%10.0n"
    QString Edit7; // invoice amount before tax as plain number text, for editing
    QString Edit8; // consumption tax as plain number text
    QString Edit9; // invoice total including tax, amount format
    QString Label9 = QStringLiteral("※消費税率 8 %");

    bool GroupBox1 = false;   // the invoice group " 請 求 処 理" is shown
    bool Edit1Shown = true;   // Edit1 shown and Edit7 hidden, or the other way round
    bool buttonPanels = true; // the quotation buttons and page boxes are shown
    int Tag = 0;              // 1 when the window closed with a choice
};

// The operations of the print options window. They change the options and the main window's
// fields `patan`, `seikyu5` and `Edit55`; the window shows the result.
namespace printoptions {

// Showing the window: "条件書" on when the condition list has an applied condition, the rounding
// button from `seikyu5`, the button panels shown, no choice made yet.
void FormShow(const EstimateDocument &doc, PrintOptions &o);

// "見積書印刷": a quotation.
void Button1Click(EstimateDocument &doc, PrintOptions &o);

// "請求書印刷": shows and fills the invoice group (date of `today`, the amount of `Edit55`, the
// recalculation, the client) and turns "表紙" on. Returns false when the amount is not a number
// (the conversion message has been shown; the amounts keep their values).
bool Button2Click(EstimateDocument &doc, Host &host, PrintOptions &o, const QDate &today);

// "再計算", and a click on either rounding button: the amount before tax, the tax and the total
// with the chosen rounding. Returns false on a tax rate or amount that is not a number (the
// conversion message has been shown; the amounts keep their values).
bool Button5Click(EstimateDocument &doc, Host &host, PrintOptions &o);

// "印刷" of the invoice group: the amount before tax goes to `Edit55`, an invoice.
void Button3Click(EstimateDocument &doc, PrintOptions &o);

// "キャンセル": no choice.
void Button4Click(EstimateDocument &doc, PrintOptions &o);

// Sets a control by object name (CheckBox1 to CheckBox5, Edit3 to Edit5, Edit7, RadioButton1,
// RadioButton2), as solvara-cli's --set TForm5.NAME=VALUE does. A box or button takes "1" as set.
// Returns false for another name.
bool setControl(PrintOptions &o, const QString &name, const QString &value);
// Whether `name` is one of those controls.
bool isControl(const QString &name);

// True when a condition of the list carries the applied mark.
bool anyConditionApplied(const EstimateDocument &doc);

} // namespace printoptions
