#pragma once

#include "base/result.h"
#include "storage/codepage932.h"

#include <QStringList>

// Text files as the program reads and writes them: whole, in code page 932 without a byte-order
// mark, CR LF after every line. Reading also accepts UTF-8 and UTF-16 files with a byte-order mark
// and lines ended by CR LF, LF or CR.
namespace textfile {

// Decodes a file's bytes by its byte-order mark, code page 932 without one.
QString decode(QByteArrayView bytes);
// Splits text into lines; a line end after the last line does not add an empty line.
QStringList splitLines(QStringView text);

Result<QStringList> readLines(const QString &path);

struct WriteReport {
    // Characters that code page 932 cannot hold and what was written instead.
    QList<cp932::Substitution> substitutions;
};

// Encodes the lines without writing anything.
cp932::Encoded encodeLines(const QStringList &lines);

// Writes the lines through the safe writer: the file is replaced only once the new content is
// complete on the disk, and a failure leaves the old one as it was.
Result<WriteReport> writeLines(const QString &path, const QStringList &lines);
// Writes bytes that are already encoded, in the same way.
Status writeBytes(const QString &path, const QByteArray &bytes);

// The message that tells the user which characters were replaced in a saved file.
QString substitutionNotice(const QString &path, const QList<cp932::Substitution> &substitutions);

} // namespace textfile
