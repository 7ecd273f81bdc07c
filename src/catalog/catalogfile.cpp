#include "catalog/catalogfile.h"

#include "storage/records.h"
#include "storage/textfile.h"

#include <QFile>

namespace catalogfile {

Result<QByteArray> readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(u"%1 を読み込めません。\n%2"_qs.arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(u"%1 を読み込めません。\n%2"_qs.arg(path, file.errorString()));
    return bytes;
}

TextGrid toGrid(QByteArrayView bytes, int columns, int firstRow)
{
    const QStringList lines = textfile::splitLines(textfile::decode(bytes));
    TextGrid grid(columns, firstRow + int(std::min<qsizetype>(lines.size(), TextGrid::maxRows - firstRow)));
    for (int i = 0; firstRow + i < grid.rowCount(); ++i)
        records::fillRow(grid, firstRow + i, lines[i]);
    return grid;
}

QStringList records(const TextGrid &grid, int firstRow)
{
    QStringList lines;
    lines.reserve(std::max(0, grid.rowCount() - firstRow));
    for (int r = firstRow; r < grid.rowCount(); ++r)
        lines.append(records::joinRow(grid, r));
    return lines;
}

bool isCode(QStringView text)
{
    if (text.isEmpty() || text.size() > 6)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString damaged(const QString &path, int line, const QString &detail)
{
    return u"%1 は正しい形式ではありません。\n%2 行目: %3"_qs.arg(path).arg(line).arg(detail);
}

} // namespace catalogfile
