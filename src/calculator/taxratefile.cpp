#include "calculator/taxratefile.h"

#include "storage/codepage932.h"
#include "storage/programfiles.h"
#include "storage/textfile.h"

#include <QFile>

namespace taxratefile {

namespace {

const QString fileName = u"zeiritu.ini"_qs;

bool isUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// Line 1 as it stands in the file, up to its CR or LF.
QByteArray firstLineBytes(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return bytes.left(end);
}

} // namespace

QString path(const QString &programFolder)
{
    return programfiles::readPath(programFolder, fileName);
}

Result<Contents> read(const QString &programFolder)
{
    const QString file = path(programFolder);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return Result<Contents>::failure(u"%1 を読み込めません。\n%2"_qs.arg(file, f.errorString()));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Result<Contents>::failure(u"%1 を読み込めません。\n%2"_qs.arg(file, f.errorString()));
    const QStringList lines = textfile::splitLines(textfile::decode(bytes));
    if (lines.size() < 2)
        return Result<Contents>::failure(u"%1 に税率の行がありません。"_qs.arg(file));
    Contents contents;
    // The file is written back in code page 932, so the line of a UTF-16 file can only be kept
    // as text.
    contents.pas = isUtf16(bytes) ? cp932::encode(lines[0]).bytes : firstLineBytes(bytes);
    contents.zei = lines[1];
    return contents;
}

Status write(const QString &programFolder, const Contents &contents)
{
    QByteArray bytes = contents.pas;
    bytes.append("\r\n");
    bytes.append(cp932::encode(contents.zei).bytes);
    bytes.append("\r\n");
    return textfile::writeBytes(programfiles::writePath(programFolder, fileName), bytes);
}

} // namespace taxratefile
