#pragma once

#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"

#include <array>

// A large estimate built in code: 300 items (20 works of 14 sub-items each) and 10,000 lines
// spread over the sub-items, with the mix of materials, cables, removals and comment lines of a
// real job, every derived column filled by one recalculation.
inline void buildLargeEstimate(EstimateDocument &doc, int lineCount = 10'000)
{
    constexpr int works = 20;
    constexpr int subItems = 14;
    const std::array<const char16_t *, works> workNames = {
        u"電灯設備工事", u"動力設備工事", u"弱電設備工事", u"火災報知設備工事", u"受変電設備工事",
        u"幹線設備工事", u"構内線路工事", u"外灯設備工事", u"非常照明設備工事", u"誘導灯設備工事",
        u"放送設備工事", u"インターホン設備工事", u"テレビ共聴設備工事", u"電話配管工事", u"LAN配管工事",
        u"監視カメラ設備工事", u"避雷設備工事", u"接地工事", u"撤去工事", u"仮設電気工事"};
    struct Material {
        const char16_t *c, *name, *spec, *unit, *price, *category, *factor;
    };
    static const Material materials[] = {
        {u"107", u"LED照明器具 埋込型", u"FHF32形×2 相当", u"台", u"28500", u"照明器具", u"0.35"},
        {u"107", u"LEDダウンライト", u"φ100 昼白色", u"台", u"8900", u"照明器具", u"0.2"},
        {u"146", u"VVFケーブル", u"2.0mm-3C", u"ｍ", u"185", u"電線", u"0.018"},
        {u"146", u"CVケーブル", u"38sq-3C", u"ｍ", u"3850", u"電線", u"0.06"},
        {u"140", u"PF管", u"22mm", u"ｍ", u"120", u"配管", u"0.03"},
        {u"145", u"アウトレットボックス", u"中浅型 4方", u"ケ", u"210", u"配管付属品", u"0.05"},
        {u"102", u"分電盤", u"主幹3P100A 分岐20回路", u"面", u"186000", u"盤類", u"2.5"},
        {u"108", u"端子盤", u"20P 屋内用", u"面", u"42000", u"盤類", u"0.8"},
        {u"120", u"自動火災報知設備 感知器", u"光電式2種", u"ケ", u"5600", u"防災", u"0.12"},
        {u"125", u"モジュラージャック", u"6極2芯", u"ケ", u"650", u"弱電", u"0.08"},
    };
    static const char16_t *kinds[] = {u"通常品", u"通常品", u"通常品", u"通常品", u"通常品",
                                      u"通常品", u"撤去", u"御支給品", u"撤去再取付", u"移設"};

    doc.roumutanka = 20000;
    doc.zatuzaihi = 3;
    TextGrid &items = doc.items;
    items.setRowCount(works * (subItems + 1) + 1);
    int row = 0;
    std::vector<int> lineItems; // item rows that take lines
    for (int w = 0; w < works; ++w) {
        const QString work = QString::fromUtf16(workNames[size_t(w)]);
        auto setItem = [&](int level, const QString &numbered, const QString &bare) {
            ++row;
            items.setCell(itemcol::Level, row, QString::number(level));
            items.setCell(level, row, numbered);
            items.setCell(itemcol::Name, row, numbered);
            items.setCell(itemcol::Bare, row, bare);
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                items.setCell(c, row, u"100"_qs);
            items.setCell(itemcol::PreviousName, row, numbered);
            items.setCell(itemcol::Code, row, u"K%1"_qs.arg(row, 3, 10, QChar(u'0')));
            items.setCell(itemcol::Quantity, row, u"1"_qs);
            items.setCell(itemcol::Unit, row, u"式"_qs);
        };
        setItem(1, u"%1.%2"_qs.arg(w + 1).arg(work), work);
        for (int s = 0; s < subItems; ++s) {
            const QString bare = work + u" %1工区"_qs.arg(s + 1);
            setItem(2, u"%1-%2.%3"_qs.arg(w + 1).arg(s + 1).arg(bare), bare);
            lineItems.push_back(row);
        }
    }
    doc.tree_count = row;

    TextGrid &t = doc.lines;
    t.setRowCount(lineCount + 2);
    using namespace linecol;
    for (int r = 1; r <= lineCount; ++r) {
        const int itemRow = lineItems[size_t((r - 1) * lineItems.size() / size_t(lineCount))];
        const Material &m = materials[r % std::size(materials)];
        const QString kind = r % 97 == 0 ? u"注釈行"_qs : QString::fromUtf16(kinds[r % std::size(kinds)]);
        t.setCell(No, r, QString::number(r));
        t.setCell(Item, r, items.cell(itemcol::Name, itemRow));
        t.setCell(C, r, QString::fromUtf16(m.c));
        t.setCell(O, r, u"%1"_qs.arg(r % 50, 2, 10, QChar(u'0')));
        t.setCell(D, r, u"%1"_qs.arg(r % 30, 2, 10, QChar(u'0')));
        t.setCell(E, r, u"01"_qs);
        t.setCell(Sub, r, u"0000"_qs);
        t.setCell(Name, r, QString::fromUtf16(m.name));
        t.setCell(Spec1, r, QString::fromUtf16(m.spec));
        t.setCell(Quantity, r, QString::number(1 + r % 40));
        t.setCell(Unit, r, QString::fromUtf16(m.unit));
        t.setCell(Price, r, QString::fromUtf16(m.price));
        t.setCell(Category, r, QString::fromUtf16(m.category));
        t.setCell(Kind, r, kind);
        t.setCell(Factor, r, QString::fromUtf16(m.factor));
        t.setCell(Allowance, r, r % 3 == 0 ? u"110"_qs : u"100"_qs);
        t.setCell(Accessory, r, r % 5 == 0 ? u"3"_qs : u"0"_qs);
        t.setCell(Mounting, r, r % 7 == 0 ? u"5"_qs : u"0"_qs);
        t.setCell(Painting, r, u"0"_qs);
        t.setCell(Ceiling, r, r % 11 == 0 ? u"0.05"_qs : u"0"_qs);
        t.setCell(Compression, r, u"85"_qs);
        t.setCell(Submission, r, u"78"_qs);
        t.setCell(ItemCode, r, items.cell(itemcol::Code, itemRow));
        t.setCell(ItemRow, r, QString::number(itemRow));
        t.setCell(InputNo, r, QString::number(r));
    }
    doc.st1count = lineCount;
    std::vector<int> counts(size_t(row + 1));
    for (int r = 1; r <= lineCount; ++r)
        ++counts[size_t(t.cell(ItemRow, r).toInt())];
    for (int i = 1; i <= row; ++i)
        if (counts[size_t(i)] > 0)
            items.setCell(itemcol::Lines, i, QString::number(counts[size_t(i)]));
    ScriptedHost host;
    linecalc::recalculateAll(doc, host);
}
