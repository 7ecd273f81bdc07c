#pragma once

#include <QStringList>

class EstimateDocument;

// The unit window (TForm6, "単位"): the units an item can be given, the simple copper-base list
// and its manual option "銅ベースの値を繁栄させずに手動で調整する".
namespace unitchoices {

QStringList units();       // default "式"
QStringList copperBases(); // default "800"

// The window is shown: its manual option takes the estimate's stored copper-base flag.
void shown(EstimateDocument &doc);
// The user sets or clears the manual option: the line calculation follows it, and so does the
// stored flag, so that the choice holds when the window is shown again.
void setManual(EstimateDocument &doc, bool manual);

} // namespace unitchoices
