#include "entry/entryopenings.h"

#include "base/numbers.h"
#include "entry/entryform.h"
#include "entry/entrykeys.h"
#include "estimate/columns.h"
#include "estimate/document.h"

namespace entryopenings {

namespace {

// The rate fields in item-table order (columns 8 to 15).
constexpr QString EntryForm::*rateFields[] = {&EntryForm::Edit31, &EntryForm::Edit26, &EntryForm::Edit32,
                                              &EntryForm::Edit27, &EntryForm::Edit33, &EntryForm::Edit28,
                                              &EntryForm::Edit29, &EntryForm::Edit35};

void fillRates(EntryForm &f, const EstimateDocument &doc, qint64 itemRow)
{
    const bool isItem = itemRow >= 1 && itemRow < doc.items.rowCount();
    for (int i = 0; i < 8; ++i)
        f.*rateFields[i] = isItem ? doc.items.cell(itemcol::PaintingCompression + i, int(itemRow)) : u"100"_qs;
}

} // namespace

void openNewLine(EntryForm &f, const EstimateDocument &doc)
{
    f.Edit21 = QString::number(doc.st1count + 1);
    f.Edit22 = doc.koumokumei;
    f.Edit34 = QString::number(doc.nodrow);
    f.Edit24 = u"10"_qs;
    f.Edit30 = u"0"_qs;
    f.newLineFlag = 1;
    f.editFlag = 0;
    f.itemRateMode = false;
    f.carryOver = {};
    entrykeys::pricePreview(f);
}

void openLine(EntryForm &f, const EstimateDocument &doc, int row, int column)
{
    using namespace linecol;
    const TextGrid &t = doc.lines;
    const QString &itemText = t.cell(ItemRow, row);
    const qint64 itemRow = num::isBlank(itemText) ? 0 : num::toInteger(itemText);
    f.Edit21 = t.cell(No, row);
    f.Edit22 = t.cell(Item, row);
    f.Edit1 = t.cell(C, row);
    f.Edit2 = t.cell(O, row);
    f.Edit3 = t.cell(D, row);
    f.Edit4 = t.cell(E, row);
    f.Edit5 = t.cell(Sub, row);
    f.ComboBox5 = t.cell(Name, row);
    f.Edit7 = t.cell(Spec1, row);
    f.Edit8 = t.cell(Spec2, row);
    f.Edit9 = t.cell(doc.controls.showSheet ? Corrected : Quantity, row);
    f.ComboBox6 = t.cell(Unit, row);
    f.Edit11 = t.cell(Price, row);
    f.Edit17 = t.cell(Category, row);
    f.Edit23 = t.cell(Kind, row);
    f.Edit12 = t.cell(Factor, row);
    f.Edit18 = t.cell(Allowance, row);
    f.Edit13 = t.cell(Accessory, row);
    f.Edit14 = t.cell(Mounting, row);
    f.Edit15 = t.cell(Painting, row);
    f.Edit16 = t.cell(Ceiling, row);
    f.Edit19 = t.cell(Compression, row);
    f.Edit20 = t.cell(Submission, row);
    f.Edit34 = t.cell(ItemRow, row);
    f.Edit30 = t.cell(InputNo, row);
    fillRates(f, doc, itemRow);
    f.Edit24 = QString::number(column);
    f.editFlag = 1;
    f.newLineFlag = 0;
    f.itemRateMode = false;
    f.carryOver = {};
}

void openItemRates(EntryForm &f, const EstimateDocument &doc, int itemRow, const QString &expenseName,
                   int fieldCode)
{
    fillRates(f, doc, itemRow);
    f.itemRateMode = true;
    f.Edit25 = expenseName;
    f.Edit34 = QString::number(itemRow);
    f.Edit24 = QString::number(fieldCode);
    f.newLineFlag = 0;
    f.carryOver = {};
    // Only the pair of the expense row's kind can be changed: 35/36 painting, 37/38 ceiling
    // openings, 39/40 labour, 41/42 consumables.
    const int pair = (fieldCode - 35) / 2;
    for (int i = 0; i < 8; ++i)
        f.rateEnabled[size_t(i)] = i / 2 == pair;
}

QString itemSubNumber(const EstimateDocument &doc, int itemRow)
{
    const QString &counter = doc.items.cell(itemcol::Unregistered, itemRow);
    return (QString::number(itemRow) + (num::isBlank(counter) ? QString() : counter)).rightJustified(4, u'0');
}

} // namespace entryopenings
