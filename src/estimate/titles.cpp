#include "estimate/titles.h"

#include "estimate/columns.h"

namespace titles {

QStringList lineTable()
{
    QStringList t = {
        u"No."_qs, u"工事項目"_qs, u"C"_qs, u"O"_qs, u"D"_qs, u"E"_qs, u"-"_qs, u"品名"_qs,
        u"規格１"_qs, u"規格２"_qs, u"数量"_qs, u"単位"_qs, u"単価"_qs, u"施工区分"_qs,
        u"品種区分"_qs, u"歩掛"_qs, u"補給率"_qs, u"付属率"_qs, u"取付材率"_qs, u"塗装費"_qs,
        u"天井歩掛"_qs, u"圧縮率"_qs, u"提出率"_qs, u"補正数量"_qs, u"労務費"_qs, u"付属品費"_qs,
        u"取付材費"_qs, u"積算塗装費"_qs, u"天井開口費"_qs, u"積算金額"_qs, u"圧縮金額"_qs,
        u"提出単価"_qs, u"提出金額"_qs, u"雑材消耗品費"_qs};
    t.resize(linecol::Count);
    t[40] = u"項目固有番号"_qs;
    t[41] = u"基圧縮"_qs;
    t[42] = u"基提出"_qs;
    t[43] = u"銅ベース掛率"_qs;
    t[44] = u"項目No."_qs;
    t[45] = u"入力No."_qs;
    return t;
}

QStringList lineTableAfterRead()
{
    QStringList t = lineTable();
    t[41] = u"基圧縮率"_qs;
    t[42] = u"基提出率"_qs;
    t[43] = QString();
    return t;
}

QStringList itemView()
{
    QStringList t = lineTable();
    for (int c = 34; c < linecol::Count; ++c)
        t[c].clear();
    t[41] = u"雑材消耗品率"_qs;
    t[44] = u"項目No."_qs;
    t[45] = u"入力No."_qs;
    return t;
}

QStringList sheet()
{
    return {u"Row"_qs, u"No."_qs, u"C"_qs, u"O"_qs, u"D"_qs, u"E"_qs, u"-"_qs, u"品  名"_qs,
            u"規  格"_qs, QString(), u"施工区分"_qs, u"数量"_qs, u"数量"_qs, u"単位"_qs,
            u"単価"_qs, u"圧縮率"_qs, u"圧縮単価"_qs, u"圧縮金額"_qs, u"提出率"_qs,
            u"提出単価"_qs, u"提出金額"_qs, u"備　考"_qs, u"作業用スペース"_qs, QString()};
}

QStringList itemTable()
{
    QStringList t = {u"No."_qs, u"項目(階層1)"_qs, u"項目(階層2)"_qs, u"項目(階層3)"_qs,
                     u"項目(階層4)"_qs, u"項目名"_qs, QString(), QString(),
                     u"塗装費圧縮率"_qs, u"塗装費提出率"_qs, u"天開口圧縮率"_qs, u"天開口提出率"_qs,
                     u"労務費圧縮率"_qs, u"労務費提出率"_qs, u"雑材消耗品圧縮率"_qs,
                     u"雑材消耗品提出率"_qs, u"未登録品No."_qs, u"書換え前の項目名仮置き場"_qs};
    t.resize(itemcol::Count);
    return t;
}

QStringList conditions()
{
    return {u"No."_qs, u"適用"_qs, u"条件項目"_qs};
}

} // namespace titles
