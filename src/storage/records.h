#pragma once

#include <QStringList>

class TextGrid;

// Comma-separated records: one line of a file holding the cells of one grid row.
namespace records {

// Joins fields with commas. A field holding a comma, a double quote or any character below U+0021
// is quoted, inner quotes doubled; an empty field is written as nothing.
QString join(const QStringList &fields);

// Splits a record. Blanks before a field are skipped; a quoted field runs to its closing quote; a
// bare field ends at a comma or any character below U+0021. A present but empty field reads as a
// single space " ".
QStringList split(QStringView line);

// The first `columns` fields of a record; missing fields are empty text (not a space).
QStringList toRow(QStringView line, int columns);

// Fills grid row `row` from a record, as toRow gives it.
void fillRow(TextGrid &grid, int row, QStringView line);

} // namespace records
