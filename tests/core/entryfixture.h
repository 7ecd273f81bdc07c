#pragma once

#include "entry/entryactivation.h"
#include "entry/entryform.h"
#include "entry/entryopenings.h"
#include "entry/entryregistration.h"
#include "itemfixture.h"

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// An estimate with two items and the data entry form, opened as the windows open it.
struct EntryFixture : ItemFixture {
    EntryForm form;

    EntryFixture()
    {
        setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        for (int item = 1; item <= 2; ++item)
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                doc.items.setCell(c, item, u"100"_qs);
        doc.roumutanka = 20000;
        doc.zatuzaihi = 3;
        current(1);
    }

    // The item of row `row` chosen in the tree and the setup screen closed: the current item.
    void current(int row)
    {
        choose(row);
        doc.koumokumei = doc.controls.Label18.text;
    }

    // A catalog pick of a material under item row `itemRow`, shown, with the quantity typed.
    void pick(int itemRow, const QString &name, const QString &quantity, const QString &price = u"1000"_qs,
              const QString &unit = u"個"_qs)
    {
        current(itemRow);
        form.Edit1 = u"107"_qs;
        form.Edit2 = u"01"_qs;
        form.Edit3 = u"02"_qs;
        form.Edit4 = u"03"_qs;
        form.Edit5 = u"0000"_qs;
        form.ComboBox5 = name;
        form.Edit7 = u"40W"_qs;
        form.ComboBox6 = unit;
        form.Edit11 = price;
        form.Edit12 = u"0.3"_qs;
        form.Edit17 = u"照明"_qs;
        entryopenings::openNewLine(form, doc);
        entryactivation::activate(form, host, false);
        form.Edit9 = quantity;
    }

    entryregistration::Outcome registerEntry()
    {
        form.closing = false;
        return entryregistration::registerEntry(form, doc, host);
    }

    QString cell(int column, int row) const { return doc.lines.cell(column, row); }
};
