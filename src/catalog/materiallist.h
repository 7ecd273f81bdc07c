#pragma once

#include "base/textgrid.h"

#include <QByteArrayView>
#include <QStringList>

// A material list file of the material data folder: one material per line, 19 fields (code parts
// C, O, D, E, name, two specifications, unit, unit price, construction category, labour factor,
// supply, accessory and mounting rates, painting cost, ceiling labour factor, compression and
// submission rates, and a spare field).
namespace materiallist {

inline constexpr int columns = 19;
inline constexpr int spare = 18; // "予備": the undo store of the bulk rewrite

// The titles of row 0.
const QStringList &titles();

// The list held in the file's bytes: row 0 the titles, row i + 1 line i, then a heading line
// removed. Any text is a list.
TextGrid parse(QByteArrayView bytes);

// A first line with a code but without a product name is a heading: it is removed (every later
// row moves up one and the list loses its last row). Returns true when one was removed.
bool removeHeadingLine(TextGrid &list);

// The records of rows 1 to the last, with the spare field written empty.
QStringList lines(const TextGrid &list);

} // namespace materiallist
