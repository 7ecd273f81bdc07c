#pragma once

#include "base/result.h"
#include "base/textgrid.h"

#include <QByteArrayView>
#include <QStringList>

// The button settings file "A" + code + ".ini" of a menu, in the material data folder: a title
// line, then one line per material button 1 to 20 with its caption (a single space: the button is
// not used), the file name of its material list relative to the data folder, and the list row to
// show at the top.
namespace buttonsettings {

inline constexpr int columns = 3;
inline constexpr int buttonCount = 20;

// "A" + code + ".ini".
QString fileName(const QString &code);
// The list of a menu whose first button is not used: code + ".DATA", or code + "_1.DATA" for the
// codes whose lists are numbered.
QString dataListName(const QString &code);
// The caption button 1 gets when the file leaves it unused, or empty text when the code has none.
QString defaultFirstCaption(QStringView code);

// The button grid held in the file's bytes: row 0 the title line, row k the line of button k.
// Any text is accepted here; what a button needs is checked when it is pressed (listFor).
TextGrid parse(QByteArrayView bytes);
Result<TextGrid> read(const QString &path);
QStringList lines(const TextGrid &buttons);

// Button k (1 to 20) is used: its caption is not blank.
bool isUsed(const TextGrid &buttons, int k);

// Gives an unused button 1 the caption of its code with the list code + ".txt" and top row "1"
// (in memory only), when the code has such a caption.
void applyDefaults(TextGrid &buttons, const QString &code);

// The list a button shows and the row to show at the top.
struct ListChoice {
    QString file; // relative to the material data folder
    int topRow = 1;
};

// The list that button k shows. When button 1 is used, button k's own line decides; otherwise
// every button shows the menu's ".DATA" list from row 1. A file name that is empty, absolute or
// leads out of the data folder, and a top row that is not a whole number, make the button
// unusable: the message names `path` (the button settings file) and the line. A blank top row
// counts as 1, and a top row below 1 as 1.
Result<ListChoice> listFor(const TextGrid &buttons, int k, const QString &code, const QString &path);

} // namespace buttonsettings
