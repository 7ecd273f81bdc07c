#pragma once

#include <QString>

// The Windows face names the program asks for ("ＭＳ 明朝", "ＭＳ ゴシック" …) and their mapping
// to the IPA fonts installed on the machine: the one place that maps them, for the windows and
// for the printed pages alike.
namespace fontfaces {

// The face of the grids and of every printed page.
inline const QString mincho = QStringLiteral("ＭＳ 明朝");

// Maps the Windows face names to the IPA fonts. Safe to call more than once; the page layout calls
// it before it draws, the programs at start-up before any font is used.
void install();

} // namespace fontfaces
