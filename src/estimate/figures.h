#pragma once

#include "base/numbers.h"

#include <QString>

#include <span>

class EstimateDocument;
class Host;
class TextGrid;

// Figures derived from the compiled estimate sheet: the social-insurance equivalent, the NET
// figure, the labour totals and the sum of a dragged range, with the sheet pop-up's toggles.
// The operations that read cells stop silently at the first cell that is not a number (reported to
// host.silentStop), except the range sum, which shows the conversion message.
namespace figures {

// Rounding of the figures to a unit: the unit of the largest threshold the amount exceeds; an
// amount of 100 or less is left as it is, fraction included.
double roundByUnit(double amount, std::span<const num::UnitStep> units);

// The labour base: the compressed amounts of the rows with C code "301" or a labour-like name.
// Throws ConversionError.
double labourBase(const TextGrid &sheet);

// "社会保険料相当額の計算" (Button122Click). Item mode moves the amount out of the overhead (or the
// site expenses) into the reserved row; when that would leave less than 1000 the notice panel
// explains why and note mode takes over. Note mode writes the note only.
void socialInsurance(EstimateDocument &doc, Host &host);

// "←計算できない時は含む表示だけ" (Button134Click): the note beside the row two above the grand total.
void socialInsuranceNote(EstimateDocument &doc, Host &host);

// The NET figure of the grand total at the NET rate, never above the grand total. Throws
// ConversionError.
double netAmount(const EstimateDocument &doc);

// The NET captions of the sheet pop-up (NET1, NET2), as the final pass refreshes them.
bool netFigure(EstimateDocument &doc, Host &host);

// "NET提示をCBへコピー" (Button125Click): "NET \" + grouped NET figure + "-" to the clipboard.
void copyNet(EstimateDocument &doc, Host &host);

// The end of the NET rate entry (Button126Click): the rate field takes what was typed on the
// keypad, or keeps its previous text when nothing was typed.
void enterNetRate(EstimateDocument &doc, const QString &typed);

// The NET rate entry (Button126Click): the keypad, its "." key disabled, asks for the rate with an
// empty display while the field stands empty; enterNetRate then takes what was typed.
void netRateEntry(EstimateDocument &doc, Host &host);

// "電工費の足し算" (Button123Click): message with the compressed and submitted labour sums.
void labourTotals(EstimateDocument &doc, Host &host);

// "計算(足し算)" (N41Click): message with the sum of the dragged cells of column nx6.
void rangeSum(EstimateDocument &doc, Host &host);

// "労務費以外は御支給品で表示する" / "御支給品表示を自動に戻す" (N35Click).
void toggleSuppliedGoods(EstimateDocument &doc, Host &host);

// "社会保険料相当額を表示する" / "社会保険料相当額を表示しない" (N43Click).
void toggleSocialInsurance(EstimateDocument &doc, Host &host);

// "閉じる" of the notice panel (Button129Click).
void closeNotice(EstimateDocument &doc);

} // namespace figures
