#include "entry/namesuggestions.h"

namespace namesuggestions {

namespace {

struct Suggestion {
    QStringView codeClass;
    QStringView code2; // empty: any
    QStringList names;
};

const std::vector<Suggestion> &table()
{
    static const std::vector<Suggestion> t = {
        {u"101", {}, {u"キュービクル"_qs, u"高圧受電盤"_qs, u"高圧電灯配電盤"_qs, u"高圧動力配電盤"_qs}},
        {u"102", {}, {u"分　電　盤"_qs, u"ホーム分電盤"_qs, u"テナント盤"_qs, u"開閉器盤"_qs}},
        {u"103", {}, {u"動　力　盤"_qs, u"動力制御盤"_qs, u"警　報　盤"_qs, u"操　作　盤"_qs}},
        {u"104", {}, {u"高圧気中開閉器"_qs, u"ＰＡＳ"_qs, u"ＬＢＳ"_qs, u"高圧カットアウトスイッチ"_qs}},
        {u"105", {}, {u"油入変圧器"_qs, u"モールド変圧器"_qs}},
        {u"106", {}, {u"発　電　機"_qs, u"非常用発電機"_qs}},
        {u"108", {}, {u"端　子　盤"_qs, u"保安器収納盤"_qs, u"接地端子盤"_qs}},
        {u"109", {}, {u"高圧コンデンサー"_qs, u"進相コンデンサー"_qs, u"直列リアクトル"_qs}},
        {u"110", {}, {u"蓄　電　池"_qs, u"バッテリー"_qs, u"ＣＶＣＦ"_qs, u"直流電源盤"_qs}},
        {u"120", u"01", {u"自火報受信機"_qs, u"複合型受信機"_qs, u"受信機"_qs, u"発信機"_qs}},
        {u"121", {}, {u"親　時　計"_qs, u"子　時　計"_qs, u"太陽電池時計"_qs}},
        {u"122", {}, {u"Ａ　Ｍ　Ｐ"_qs, u"ア　ン　プ"_qs, u"アッテネーター"_qs, u"スピーカー"_qs}},
        {u"123", {}, {u"インターホン親機"_qs, u"インターホン子機"_qs, u"玄関ドアホン"_qs, u"ドアホン"_qs}},
        {u"124", {}, {u"アンテナ"_qs, u"アンテナマスト"_qs, u"混合器"_qs, u"直列ユニット"_qs}},
        {u"125", {}, {u"電話交換機"_qs, u"電　話　機"_qs, u"モジュラジャック"_qs}},
        {u"140", u"01", {u"電線管"_qs}},
        {u"140", u"02", {u"電線管"_qs}},
        {u"140", u"03", {u"電線管"_qs}},
        {u"140", u"04", {u"合成樹脂電線管"_qs}},
        {u"140", u"05", {u"電線管"_qs}},
        {u"140", u"06", {u"電線管"_qs}},
        {u"140", u"07", {u"電線管"_qs}},
        {u"140", u"08", {u"電線管"_qs}},
        {u"140", u"09", {u"プリカチューブ"_qs, u"防水プリカチューブ"_qs}},
        {u"140", u"10", {u"エフレックス"_qs, u"ベルマウス"_qs, u"直線接続材料"_qs}},
    };
    return t;
}

// Lighting fixtures (class 107) name their kind in place of the catalog's first name.
QString lightingKind(const QString &code2)
{
    if (code2 == u"01")
        return u"照明器具"_qs;
    if (code2 == u"02")
        return u"誘　導　灯"_qs;
    if (code2 == u"03")
        return u"非　常　灯"_qs;
    return {};
}

} // namespace

QStringList forCode(const QString &codeClass, const QString &code2)
{
    for (const Suggestion &s : table())
        if (s.codeClass == codeClass && (s.code2.isEmpty() || s.code2 == code2))
            return s.names;
    return {};
}

QStringList nameList(const QString &codeClass, const QString &code2, const QString &firstCatalogName)
{
    QString second = firstCatalogName;
    if (codeClass == u"107") {
        if (const QString kind = lightingKind(code2); !kind.isEmpty())
            second = kind;
    }
    return QStringList{u"未登録品"_qs, second} + forCode(codeClass, code2);
}

} // namespace namesuggestions
