#pragma once

#include "base/result.h"
#include "base/textgrid.h"

#include <QByteArrayView>
#include <QStringList>

// The menu index "ｺｰﾄﾞ.DATA" of the program folder: one line per row of the menu window, nine
// fields each: caption and code of a menu in each of the four column groups (equipment, devices,
// materials, labour and expenses) and a ninth field that is kept as read. No title line.
namespace menuindex {

inline constexpr int columns = 9;

// "ｺｰﾄﾞ.DATA".
QString fileName();

// The menu table held in the file's bytes, one row per line. A code field must be blank (no menu
// in that place) or a number; anything else makes the file damaged and gives a message naming
// `path`, the line and the text.
Result<TextGrid> parse(QByteArrayView bytes, const QString &path);
Result<TextGrid> read(const QString &path);

// The records the menu table is saved as, one per row.
QStringList lines(const TextGrid &menu);

// The code column of the caption/code pair that `column` (0 to 7) belongs to: 1, 3, 5 or 7; -1
// for the hidden ninth column and outside the table.
int codeColumn(int column);

} // namespace menuindex
