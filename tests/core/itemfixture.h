#pragma once

#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "items/itemtree.h"
#include "items/outline.h"

#include <QStringList>

#include <initializer_list>
#include <utility>

// A small estimate with an item outline and lines, built in code.
struct ItemFixture {
    EstimateDocument doc;
    ScriptedHost host;

    // Items as (level, bare name), numbered and coded as the program leaves them.
    void setItems(std::initializer_list<std::pair<int, const char16_t *>> items)
    {
        TextGrid &t = doc.items;
        for (const auto &[level, bare] : items) {
            const int r = ++doc.tree_count;
            if (t.rowCount() < r + 1)
                t.setRowCount(r + 1);
            const QString name = QString::fromUtf16(bare);
            t.setCell(itemcol::Level, r, QString::number(level));
            t.setCell(level, r, name);
            t.setCell(itemcol::Bare, r, name);
            t.setCell(itemcol::Code, r, QString::number(r));
        }
        outline::renumber(doc);
        itemtree::build(doc);
        itemtree::refreshCaptions(doc);
    }

    // Adds a line under item row `itemRow` and counts it in the item's column 6.
    void addLine(int itemRow, const QString &name)
    {
        const int r = ++doc.st1count;
        TextGrid &l = doc.lines;
        if (l.rowCount() < r + 2)
            l.setRowCount(r + 2);
        l.setCell(linecol::No, r, QString::number(r));
        l.setCell(linecol::Item, r, item(itemRow));
        l.setCell(linecol::ItemCode, r, doc.items.cell(itemcol::Code, itemRow));
        l.setCell(linecol::C, r, u"107"_qs);
        l.setCell(linecol::Name, r, name);
        l.setCell(linecol::Kind, r, u"通常品"_qs);
        l.setCell(linecol::InputNo, r, QString::number(r));
        const QString count = doc.items.cell(itemcol::Lines, itemRow);
        doc.items.setCell(itemcol::Lines, itemRow, QString::number(count.toInt() + 1));
    }

    QString item(int row) const { return doc.items.cell(itemcol::Name, row); }

    // Every item's rates of its derived rows (painting to consumables) at 100 %.
    void setFullRates()
    {
        for (int item = 1; item <= doc.tree_count; ++item)
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                doc.items.setCell(c, item, u"100"_qs);
    }

    // Hands the items and lines to a window's document, item row `current` the current item.
    void copyInto(EstimateDocument &target, int current) const
    {
        target.items = doc.items;
        target.lines = doc.lines;
        target.tree_count = doc.tree_count;
        target.st1count = doc.st1count;
        target.koumokumei = item(current);
        target.nodrow = current;
        target.controls.Label18.text = item(current);
    }

    // Column `c` of item rows 1 to tree_count.
    QStringList itemColumn(int c) const
    {
        QStringList out;
        for (int r = 1; r <= doc.tree_count; ++r)
            out.append(doc.items.cell(c, r));
        return out;
    }
    QStringList names() const { return itemColumn(itemcol::Name); }
    QStringList levels() const { return itemColumn(itemcol::Level); }

    // Column `c` of lines 1 to st1count.
    QStringList lineColumn(int c) const
    {
        QStringList out;
        for (int r = 1; r <= doc.st1count; ++r)
            out.append(doc.lines.cell(c, r));
        return out;
    }

    // A click on the node of item row `row`.
    void choose(int row) { itemtree::choose(doc, row - 1); }
};
