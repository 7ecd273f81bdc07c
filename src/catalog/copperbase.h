#pragma once

#include <QString>

class EstimateDocument;
class Host;

// The simple copper-base adjustment "銅ベース調整": the copper base price chosen in the unit
// window becomes the multiplier Curitu that the line calculation applies to the rates of cable
// lines.
namespace copperbase {

// The multiplier of a copper base v: v / 1000 + 0.2 below 1200, + 0.3 from 1200, + 0.4 from 1500.
double multiplier(double v);

// "銅ベース調整": the unit window is shown with its copper-base panel and the "設定銅ベース" value
// (Edit62) in its list; how it closes is not asked (there is no cancel). Then Edit62 takes the
// list's text, a blank text counting as 100; Curitu and Label171 take the multiplier, and, when the
// settings screen is not shown and there is a current item, every line is recalculated and the
// estimate sheet compiled. A base that is not a number is shown as a conversion error after
// Edit62 has taken it, and nothing else changes. Returns false then.
bool adjust(EstimateDocument &doc, Host &host, bool settingsShown);

} // namespace copperbase
