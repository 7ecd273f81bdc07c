#pragma once

#include "base/numbers.h"
#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"

#include <optional>

// An estimate built in code for the compiler tests. Items carry rates of 100 %; lines are given by
// their computed cells, so that a test sets exactly the amounts it needs, and compilation keeps
// them (the whole view, which recalculates, is skipped unless `recalculate` is set). Site expenses
// and overhead are hidden unless a test shows them, so that the grand total is the direct cost.
struct SheetFixture {
    EstimateDocument doc;
    ScriptedHost host;
    bool recalculate = false;

    // A line by its cells; amounts default to quantity × price.
    struct Line {
        QString name;
        double price = 0;
        double quantity = 1;
        QString code = u"107"_qs;
        QString kind = u"通常品"_qs;
        QString spec1 = {};
        QString spec2 = {};
        QString category = {};
        QString unit = u"個"_qs;
        std::optional<double> compressed = {};
        std::optional<double> submitted = {};
        double labour = 0;
        double accessories = 0;
        double mounting = 0;
        double painting = 0;
        double ceiling = 0;
        double consumables = 0;
    };

    SheetFixture()
    {
        doc.roumutanka = 20000;
        doc.zatuzaihi = 3;
        doc.genbazatupiritu = 6;
        doc.syokeihiritu = 9;
        doc.settings.CheckBox3 = true;
        doc.settings.CheckBox4 = true;
    }

    // Registers an item under its numbered name ("1-2.幹線") at `level`; the first becomes current.
    int addItem(const QString &name, int level = 1)
    {
        using namespace itemcol;
        const int p = ++doc.tree_count;
        if (doc.items.rowCount() <= p)
            doc.items.setRowCount(p + 1);
        TextGrid &t = doc.items;
        t.setCell(Level, p, QString::number(level));
        t.setCell(Level1 + level - 1, p, name);
        t.setCell(Name, p, name);
        t.setCell(Bare, p, name.mid(name.indexOf(u'.') + 1));
        for (int c = PaintingCompression; c <= ConsumablesSubmission; ++c)
            t.setCell(c, p, u"100"_qs);
        t.setCell(Unregistered, p, u"1"_qs);
        t.setCell(Code, p, QString::number(p));
        if (p == 1) {
            doc.nodrow = 1;
            doc.koumokumei = name;
            doc.controls.Label18.text = name;
        }
        return p;
    }

    int addLine(int item, const Line &l)
    {
        using namespace linecol;
        const int r = ++doc.st1count;
        if (doc.lines.rowCount() <= r + 1)
            doc.lines.setRowCount(r + 2);
        TextGrid &t = doc.lines;
        auto set = [&](int c, double v) { t.setCell(c, r, num::shortest(v)); };
        t.setCell(No, r, QString::number(r));
        t.setCell(Item, r, doc.items.cell(itemcol::Name, item));
        t.setCell(C, r, l.code);
        t.setCell(O, r, u"01"_qs);
        t.setCell(D, r, u"01"_qs);
        t.setCell(E, r, u"01"_qs);
        t.setCell(Name, r, l.name);
        t.setCell(Spec1, r, l.spec1);
        t.setCell(Spec2, r, l.spec2);
        set(Quantity, l.quantity);
        t.setCell(Unit, r, l.unit);
        set(Price, l.price);
        t.setCell(Category, r, l.category);
        t.setCell(Kind, r, l.kind);
        t.setCell(Compression, r, u"100"_qs);
        t.setCell(Submission, r, u"100"_qs);
        set(Corrected, l.quantity);
        set(Labour, l.labour);
        set(AccessoryCost, l.accessories);
        set(MountingCost, l.mounting);
        set(PaintingCost, l.painting);
        set(CeilingCost, l.ceiling);
        set(Material, l.quantity * l.price);
        set(Compressed, l.compressed.value_or(l.quantity * l.price));
        set(SubmittedPrice, l.price);
        set(Submitted, l.submitted.value_or(l.quantity * l.price));
        set(Consumables, l.consumables);
        t.setCell(ItemRow, r, QString::number(item));
        t.setCell(InputNo, r, QString::number(r));
        return r;
    }

    bool compile(sheet::LineWalk walk = sheet::LineWalk::ByItemIndex)
    {
        if (!recalculate)
            doc.controls.Button12.text = u"入力順"_qs;
        return sheet::compile(doc, host, walk);
    }

    const QString &at(int column, int row) const { return doc.sheet.cell(column, row); }

    // The first row at or after `from` named `name` (column 7), or 0.
    int rowNamed(const QString &name, int from = 1) const
    {
        for (int r = from; r < doc.sheet.rowCount(); ++r) {
            if (doc.sheet.cell(sheetcol::Name, r) == name)
                return r;
        }
        return 0;
    }

    // Column `column` of rows from..to.
    QStringList column(int column, int from, int to) const
    {
        QStringList out;
        for (int r = from; r <= to; ++r)
            out.append(doc.sheet.cell(column, r));
        return out;
    }
};
