#pragma once

#include "base/result.h"
#include "base/textgrid.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// What the three catalog files (menu index, button settings, material lists) share: text files
// of comma-separated records, one grid row per line.
namespace catalogfile {

// The file's bytes, or a message naming the file and the system's reason.
Result<QByteArray> readBytes(const QString &path);

// A grid of `columns` columns whose rows from `firstRow` on are the file's lines in order. The
// rows before `firstRow` are left empty; the grid has exactly firstRow + lines rows.
TextGrid toGrid(QByteArrayView bytes, int columns, int firstRow);

// Rows `firstRow` to the last of the grid as records.
QStringList records(const TextGrid &grid, int firstRow);

// A menu code: one to six digits and nothing else.
bool isCode(QStringView text);

// The message for a damaged file: the file, the line (1-based) and what is wrong there.
QString damaged(const QString &path, int line, const QString &detail);

} // namespace catalogfile
