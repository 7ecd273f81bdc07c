#include "catalog/menuindex.h"

#include "base/numbers.h"
#include "catalog/catalogfile.h"
#include "storage/records.h"

namespace menuindex {

QString fileName()
{
    return u"ｺｰﾄﾞ.DATA"_qs;
}

Result<TextGrid> parse(QByteArrayView bytes, const QString &path)
{
    TextGrid menu = catalogfile::toGrid(bytes, columns, 0);
    for (int r = 0; r < menu.rowCount(); ++r) {
        for (int c = 1; c < 8; c += 2) {
            const QString &code = menu.cell(c, r);
            if (!num::isBlank(code) && !catalogfile::isCode(code))
                return Result<TextGrid>::failure(catalogfile::damaged(
                    path, r + 1, u"メニューのコード「%1」が数字ではありません。"_qs.arg(code)));
        }
    }
    return menu;
}

Result<TextGrid> read(const QString &path)
{
    Result<QByteArray> bytes = catalogfile::readBytes(path);
    if (!bytes)
        return Result<TextGrid>::failure(bytes.error());
    return parse(bytes.value(), path);
}

QStringList lines(const TextGrid &menu)
{
    return catalogfile::records(menu, 0);
}

int codeColumn(int column)
{
    if (column < 0 || column > 7)
        return -1;
    return column | 1;
}

} // namespace menuindex
