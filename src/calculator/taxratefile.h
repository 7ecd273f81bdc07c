#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

// "zeiritu.ini", the calculator's tax-rate file: line 1 is kept and written back exactly as it
// stands (the calculator does not read it), line 2 is the tax rate in percent. Nothing else is read.
namespace taxratefile {

struct Contents {
    QByteArray pas; // line 1, its bytes without the line end
    QString zei;    // line 2, the tax rate in percent
};

// Where the file is read: the user's copy when there is one, else the program folder's
// (programfiles::readPath). Writes go where programfiles::writePath says.
QString path(const QString &programFolder);

// The file's two lines; a missing file or a file without a second line is an error naming it.
Result<Contents> read(const QString &programFolder);

// Rewrites the file with `pas` and `zei`, each followed by CR LF.
Status write(const QString &programFolder, const Contents &contents);

} // namespace taxratefile
