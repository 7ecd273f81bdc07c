#pragma once

#include "base/scriptedhost.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/lineorders.h"

#include <optional>

// An estimate of `itemCount` items (every tenth a top-level item whose nine sub-items hold the
// lines) and `lineCount` lines drawn from a catalogue of 400 materials, recalculated once. A
// material always has the same price, so the same-name price check finds no conflict. The lines
// are in code order, as the whole view leaves them.
inline void buildEstimate(EstimateDocument &doc, int itemCount, int lineCount)
{
    static const QString codes[] = {u"107"_qs, u"110"_qs, u"140"_qs, u"146"_qs, u"159"_qs, u"301"_qs};
    doc.roumutanka = 20000;
    doc.zatuzaihi = 3;
    doc.genbazatupiritu = 6;
    doc.syokeihiritu = 9;
    doc.settings.CheckBox14 = true;

    TextGrid &items = doc.items;
    items.setRowCount(std::max(30, itemCount + 1));
    std::vector<int> leaves;
    int top = 0, sub = 0;
    for (int p = 1; p <= itemCount; ++p) {
        const bool parent = (p - 1) % 10 == 0;
        if (parent) {
            ++top;
            sub = 0;
        }
        const QString name = parent ? u"%1.設備工事%1"_qs.arg(top) : u"%1-%2.区分%3"_qs.arg(top).arg(++sub).arg(p);
        const int level = parent ? 1 : 2;
        items.setCell(itemcol::Level, p, QString::number(level));
        items.setCell(level, p, name);
        items.setCell(itemcol::Name, p, name);
        items.setCell(itemcol::Bare, p, name);
        for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
            items.setCell(c, p, c % 2 == 0 ? u"85"_qs : u"100"_qs);
        items.setCell(itemcol::Code, p, QString::number(p));
        if (!parent)
            leaves.push_back(p);
    }
    doc.tree_count = itemCount;
    doc.nodrow = 1;
    doc.koumokumei = items.cell(itemcol::Name, 1);
    doc.controls.Label18.text = doc.koumokumei;

    TextGrid &lines = doc.lines;
    lines.setRowCount(lineCount + 2);
    for (int i = 0; i < lineCount; ++i) {
        using namespace linecol;
        const int r = i + 1;
        const int m = (i * 7) % 400;
        const int item = leaves[size_t(i) * leaves.size() / size_t(lineCount)];
        const bool comment = i % 97 == 96;
        lines.setCell(No, r, QString::number(r));
        lines.setCell(Item, r, items.cell(itemcol::Name, item));
        lines.setCell(C, r, codes[m % 6]);
        lines.setCell(O, r, u"%1"_qs.arg(m % 50, 2, 10, QChar(u'0')));
        lines.setCell(D, r, u"01"_qs);
        lines.setCell(E, r, u"%1"_qs.arg(m % 99, 2, 10, QChar(u'0')));
        lines.setCell(Name, r, comment ? u"※注記%1"_qs.arg(i) : u"材料%1"_qs.arg(m));
        lines.setCell(Spec1, r, u"規格%1"_qs.arg(m % 13));
        lines.setCell(Kind, r, comment ? u"注釈行"_qs : m % 50 == 7 ? u"御支給品"_qs : u"通常品"_qs);
        if (!comment) {
            lines.setCell(Quantity, r, QString::number(1 + i % 20));
            lines.setCell(Unit, r, m % 9 == 0 ? u"式"_qs : u"個"_qs);
            lines.setCell(Price, r, QString::number(100 + (m * 37) % 5000));
            lines.setCell(Factor, r, u"0.05"_qs);
            lines.setCell(Accessory, r, u"5"_qs);
            lines.setCell(Mounting, r, u"10"_qs);
            lines.setCell(Painting, r, m % 4 == 0 ? u"30"_qs : u"0"_qs);
            lines.setCell(Ceiling, r, m % 5 == 0 ? u"0.01"_qs : u"0"_qs);
            lines.setCell(Compression, r, u"80"_qs);
            lines.setCell(Submission, r, u"90"_qs);
        }
        lines.setCell(ItemRow, r, QString::number(item));
        lines.setCell(InputNo, r, QString::number(r));
    }
    doc.st1count = lineCount;
    lineorders::codeOrder(doc);
    ScriptedHost host;
    linecalc::recalculateAll(doc, host);
}
