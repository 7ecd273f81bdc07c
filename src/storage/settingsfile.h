#pragma once

#include <QStringList>

class EstimateDocument;
class Host;
struct Settings;

// Settings files: the standard values "setutei.kxt" in the program folder and the ".kxt" files a
// user saves anywhere. One value per line, as the controls show them; check boxes as "1" or "0".
namespace settingsfile {

inline constexpr int standardLineCount = 119; // "setutei.kxt": lines 0 to 118
inline constexpr int userLineCount = 105;     // user ".kxt" files: lines 0 to 104

// The first `lineCount` lines of a settings file for these settings.
QStringList lines(const Settings &settings, int lineCount);

// Applies lines 0 to lineCount - 1 in order; a missing line reads as empty text. Lines 16 to 19
// also set zatuzaihi (a number) and genbazatupiritu, syokeihiritu, roumutanka (whole numbers),
// line 85 sets strFilePath2. Throws ConversionError at the first of lines 16 to 19 that is not a
// number, the lines before it applied.
void apply(EstimateDocument &doc, const QStringList &lines, int lineCount);

// "基準値読込": reads "setutei.kxt" of the program folder doc.strFilePath, or the user's copy of it
// (programfiles::readPath). A missing file or a rate that is not a number is shown as an error;
// returns false then.
bool readStandardValues(EstimateDocument &doc, Host &host);

// "基準値保存": asks, writes "setutei.kxt" where programfiles::writePath says, takes the rates and
// recalculates every line. Returns true when the window should show "***保存しました***" for a
// second.
bool saveStandardValues(EstimateDocument &doc, Host &host);

// "ファイル保存": lines 0 to 104 into a ".kxt" file the user chooses; then as the standard-value
// save. Returns true when "***保存しました***" should be shown.
bool saveUserSettings(EstimateDocument &doc, Host &host);

// "ファイル読込": lines 0 to 104 from a ".kxt" file the user chooses. Returns true when read.
bool readUserSettings(EstimateDocument &doc, Host &host);

} // namespace settingsfile
