#pragma once

#include <QString>
#include <QStringView>

class EstimateDocument;
class Host;

// What the settings screen does with its values: the rates and the data folder taken into the
// document, the apply step of "閉じる", and the behaviour of the individual fields and options
// that the widgets (and solvara-cli's --set) trigger.
namespace settingsrules {

// zatuzaihi from Edit18 as a number; genbazatupiritu, syokeihiritu and roumutanka from Edit19 to
// Edit21 as whole numbers, in that order. Throws ConversionError at the first that is not; the
// ones before it are taken.
void takeRates(EstimateDocument &doc);

// The material data folder that Edit50 names, ending with a separator. A relative folder is taken
// from the program folder; when Edit50 is blank the folder "材料データ/" beside the program is used.
QString dataFolder(const EstimateDocument &doc);
// strFilePath2 := dataFolder().
void takeDataFolder(EstimateDocument &doc);

// The caption of the sheet pop-up item N45: "「" + Edit52 + "」の集計を表示する".
void refreshLabourCaption(EstimateDocument &doc);

// Brings the main-window controls that follow an option into line with it (N35 with CheckBox18,
// N43 with CheckBox20, the enabled state of CheckBox22 with CheckBox17, RadioButton5 with
// CheckBox25), as after reading settings from a file.
void syncDependentControls(EstimateDocument &doc);

// The estimate sheet is on screen, so options that change it compile it again.
bool sheetShown(const EstimateDocument &doc);

// "閉じる" of the settings screen: rates and data folder into the document, the unit window's
// copper base from Edit62, the whole-table recalculation, the sheet compiled again when shown, an
// extra row with both rate and amount loses the amount, N45 refreshed. A rate that is not a
// number is shown as an error and ends the step before the recalculation; returns false then
// (the screen stays open).
bool applySettings(EstimateDocument &doc, Host &host);

// "現場雑費率" (Edit19) and "諸経費率" (Edit20). Leaving the field: empty becomes "0", and "0"
// switches on "・現場雑費を表示しない" / "・諸経費を表示しない". A key while the field is not "0"
// switches the option off.
void siteRateLeft(EstimateDocument &doc);
void siteRateKey(EstimateDocument &doc);
void overheadRateLeft(EstimateDocument &doc);
void overheadRateKey(EstimateDocument &doc);

// Extra expense row i (0 to 3). Editing the rate empties the row's amount and resets its
// compression rate sonota[i] to 100; editing the amount empties the rate.
void extraRateEdited(EstimateDocument &doc, int i);
void extraAmountEdited(EstimateDocument &doc, int i);
// "+/-" of row i: an amount other than blank or "0" changes sign. Text that is not a number is
// shown as an error; returns false then.
bool flipExtraAmountSign(EstimateDocument &doc, Host &host, int i);

// "労 務 費" (Button44) and "電 工 費" (Button104) set the labour name.
void labourNameButton44(EstimateDocument &doc);
void labourNameButton104(EstimateDocument &doc);

// "参照" (Button99): a folder dialog titled "登録するフォルダの選択"; the chosen folder, ending with
// a separator, becomes the data folder field. Returns false when cancelled.
bool browseDataFolder(EstimateDocument &doc, Host &host);

// The rounding mode ComboBox35 changed: any mode but "手動計算" empties the manual site and
// overhead amounts; the sheet is compiled again when shown.
void roundingModeChanged(EstimateDocument &doc, Host &host);

// Sets one settings control as a user would (check boxes and radio buttons take "1" or "0",
// edits and lists take the text) and runs that control's own behaviour. Returns false for a
// name that is not a settings control.
bool applySettingsControl(EstimateDocument &doc, Host &host, QStringView name, const QString &value);

} // namespace settingsrules
