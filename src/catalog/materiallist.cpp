#include "catalog/materiallist.h"

#include "base/numbers.h"
#include "catalog/catalogfile.h"
#include "storage/records.h"

namespace materiallist {

const QStringList &titles()
{
    static const QStringList t{u"C"_qs, u"O"_qs, u"D"_qs, u"E"_qs, u"品名"_qs, u"規格１"_qs, u"規格２"_qs,
                               u"単位 "_qs, u"単価 "_qs, u"施工区分"_qs, u"歩掛"_qs, u"補給率"_qs, u"付属率"_qs,
                               u"取付材率"_qs, u"塗装費"_qs, u"天井歩掛"_qs, u"圧縮率"_qs, u"提出率"_qs, u"予備"_qs};
    return t;
}

TextGrid parse(QByteArrayView bytes)
{
    TextGrid list = catalogfile::toGrid(bytes, columns, 1);
    list.setRow(0, titles());
    removeHeadingLine(list);
    return list;
}

bool removeHeadingLine(TextGrid &list)
{
    if (list.rowCount() < 2 || num::isBlank(list.cell(0, 1)) || !num::isBlank(list.cell(4, 1)))
        return false;
    list.removeRow(1);
    return true;
}

QStringList lines(const TextGrid &list)
{
    QStringList out;
    out.reserve(std::max(0, list.rowCount() - 1));
    QStringList fields;
    for (int r = 1; r < list.rowCount(); ++r) {
        fields = list.row(r);
        fields[spare].clear();
        out.append(records::join(fields));
    }
    return out;
}

} // namespace materiallist
