#include "catalog/catalogfile.h"

#include "storage/records.h"
#include "storage/textfile.h"

#include <QFile>

#include <vector>

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
    const QString text = textfile::decode(bytes);
    const QStringView all(text);
    // The lines as views into the text, ended by CR LF, LF or CR; no empty line after the last.
    std::vector<QStringView> lines;
    lines.reserve(size_t(all.count(u'\n') + 1));
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QChar c = all[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.push_back(all.sliced(start, i - start));
        if (c == u'\r' && i + 1 < all.size() && all[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        lines.push_back(all.sliced(start));

    const int rows = firstRow + int(std::min<size_t>(lines.size(), size_t(TextGrid::maxRows - firstRow)));
    TextGrid grid(columns, rows);
    static const QString space = u" "_qs;
    for (int r = firstRow; r < rows; ++r) {
        records::FieldReader reader(lines[size_t(r - firstRow)]);
        int c = 0;
        for (QStringView field; c < columns && reader.next(field); ++c)
            grid.setCell(c, r, field == u" " ? space : field.toString());
    }
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
