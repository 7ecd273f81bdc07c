#include "items/itemtable.h"

#include "base/host.h"
#include "entry/linetable.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/views.h"
#include "items/header.h"
#include "items/itemtree.h"
#include "items/operation.h"
#include "items/outline.h"

#include <algorithm>
#include <vector>

namespace items {

namespace {

const QString editCaption = u"↓編集登録"_qs;
const QString registerCaption = u"↓ 登録"_qs;

// After a name was added or changed: numbers, the lines' item names and the tree follow.
void refreshNames(EstimateDocument &doc)
{
    outline::recordPreviousNames(doc);
    outline::renumber(doc);
    outline::rewriteLineItemNames(doc);
}

void rebuildTree(EstimateDocument &doc)
{
    itemtree::build(doc);
    itemtree::refreshCaptions(doc);
}

void fillNewItem(TextGrid &t, int row, const QString &name)
{
    t.clearRow(row);
    t.setCell(itemcol::Level, row, u"1"_qs);
    t.setCell(itemcol::Level1, row, name);
    t.setCell(itemcol::Bare, row, name);
    for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
        t.setCell(c, row, u"100"_qs);
    t.setCell(itemcol::Unregistered, row, u"1"_qs);
    t.setCell(itemcol::Code, row, QString::number(row));
}

// Rows from `row` on take the row below; the table keeps at least 30 rows.
void removeItemRow(EstimateDocument &doc, int row)
{
    TextGrid &t = doc.items;
    for (int r = row; r < t.rowCount() - 1; ++r)
        t.setRow(r, t.row(r + 1));
    t.clearRow(t.rowCount() - 1);
    --doc.tree_count;
    if (doc.tree_count > 28 && t.rowCount() > 30)
        t.setRowCount(t.rowCount() - 1);
}

void deleteLinesOfItem(EstimateDocument &doc, const QString &name)
{
    std::vector<int> rows;
    for (int s = 1; s <= doc.st1count; ++s) {
        if (doc.lines.cell(linecol::Item, s) == name)
            rows.push_back(s);
    }
    linetable::deleteLines(doc, rows);
}

// The current item after a delete: the item before the deleted one.
void chooseAfterDelete(EstimateDocument &doc)
{
    MainControls &c = doc.controls;
    if (!c.GroupBox1.visible)
        return;
    // When the last item was deleted its row is empty now; the item before it is chosen as well,
    // so that the current row never points past the items.
    if (!outline::inUse(doc.items, doc.nodrow) && doc.nodrow <= doc.tree_count)
        return;
    doc.nodrow = std::min(doc.nodrow, doc.tree_count + 1);
    if (--doc.nodrow <= 0) {
        doc.nodrow = 1;
        showRegisterCaption(doc);
        itemtree::followCurrentRow(doc);
        return;
    }
    itemtree::followCurrentRow(doc);
    c.Label18.text = doc.items.cell(itemcol::Name, doc.nodrow);
    if (c.Panel83.visible)
        c.Edit1.text = doc.items.cell(itemcol::Bare, doc.nodrow);
}

} // namespace

const QStringList &standardNames()
{
    static const QStringList names = {
        u"電力引込設備工事"_qs,   u"高圧引込設備工事"_qs,     u"低圧引込設備工事"_qs,
        u"受変電設備工事"_qs,     u"高圧受変電設備工事"_qs,   u"太陽光発電設備工事"_qs,
        u"発電機設備工事"_qs,     u"非常用発電機設備工事"_qs, u"蓄電池設備工事"_qs,
        u"直流電源設備工事"_qs,   u"幹線設備工事"_qs,         u"幹線・動力設備工事"_qs,
        u"動力設備工事"_qs,       u"電灯設備工事"_qs,         u"電灯・コンセント設備工事"_qs,
        u"コンセント設備工事"_qs, u"動力・コンセント設備工事"_qs, u"電話設備工事"_qs,
        u"電話配管設備工事"_qs,   u"電話・情報設備工事"_qs,   u"ＴＶ共聴設備工事"_qs,
        u"ＬＡＮ設備工事"_qs,     u"拡声放送設備工事"_qs,     u"非常放送設備工事"_qs,
        u"自火報設備工事"_qs,     u"自動火災報知設備工事"_qs, u"非常灯設備工事"_qs,
        u"誘導灯設備工事"_qs,     u"非常灯・誘導灯設備工事"_qs, u"防災設備工事"_qs};
    return names;
}

void registerButton(EstimateDocument &doc, Host &host)
{
    if (doc.controls.Button5.text == editCaption)
        storeEditedName(doc, host);
    else
        registerNewItem(doc, host);
}

void registerNewItem(EstimateDocument &doc, Host &host)
{
    MainControls &c = doc.controls;
    if (c.Edit1.text.isEmpty()) {
        host.beep();
        return;
    }
    if (doc.tree_count >= maxItems) {
        host.beep();
        host.warn(u"登録できる項目は300までです。"_qs);
        return;
    }
    runShowingErrors(host, [&] {
        TextGrid &t = doc.items;
        const int row = ++doc.tree_count;
        if (t.rowCount() < row + 1)
            t.setRowCount(row + 1);
        fillNewItem(t, row, c.Edit1.text);
        c.Edit1.text.clear();
        c.focus = u"Edit1"_qs;
        doc.kidou = 1;
        refreshNames(doc);
        rebuildTree(doc);
    });
}

void enterInNameBox(EstimateDocument &doc, Host &host)
{
    registerNewItem(doc, host);
    host.beep();
}

void registerFromList(EstimateDocument &doc, Host &host)
{
    header::hideReferenceList(doc);
    registerNewItem(doc, host);
}

void pickStandardName(EstimateDocument &doc, int index)
{
    header::hideReferenceList(doc);
    if (index < 0 || index >= standardNames().size())
        return;
    doc.controls.Edit1.text = standardNames().at(index);
    showRegisterCaption(doc);
}

void registerStandardName(EstimateDocument &doc, Host &host, int index)
{
    pickStandardName(doc, index);
    registerNewItem(doc, host);
}

void storeEditedName(EstimateDocument &doc, Host &host)
{
    MainControls &c = doc.controls;
    const int row = doc.uy7;
    if (c.Edit1.text.isEmpty() || row < 1 || row > doc.tree_count) {
        host.beep();
        return;
    }
    runShowingErrors(host, [&] {
        TextGrid &t = doc.items;
        int column = c.Panel83.tag;
        if (column < itemcol::Level1 || column > outline::maxLevel)
            column = std::max(1, outline::level(t, row));
        t.setCell(column, row, c.Edit1.text);
        t.setCell(itemcol::Bare, row, c.Edit1.text);
        doc.kidou = 1;
        refreshNames(doc);
        showRegisterCaption(doc);
        rebuildTree(doc);
        itemtree::selectRow(doc, doc.nodrow);
    });
}

void leaveEditMode(EstimateDocument &doc)
{
    MainControls &c = doc.controls;
    showRegisterCaption(doc);
    c.Edit1.text.clear();
    c.focus = u"Edit1"_qs;
}

void showRegisterCaption(EstimateDocument &doc)
{
    doc.controls.Panel83.visible = false;
    doc.controls.Button5.text = registerCaption;
}

void clearNameBox(EstimateDocument &doc)
{
    doc.controls.Edit1.text.clear();
    doc.controls.focus = u"Edit1"_qs;
}

void deleteChosenItem(EstimateDocument &doc, Host &host)
{
    header::hideReferenceList(doc);
    TextGrid &t = doc.items;
    const int row = doc.uy7;
    const bool chosen = row >= 1 && doc.ux7 >= itemcol::Level1 && doc.ux7 <= outline::maxLevel;
    if (!chosen || t.cell(doc.ux7, row).isEmpty()) {
        host.beep();
        return;
    }
    if (outline::hasLines(t, row)
        && !host.askYesNo(Host::MessageKind::Warning, u"データーが有りますが削除しますか？"_qs))
        return;

    runShowingErrors(host, [&] {
        const QString name = t.cell(doc.ux7, row);
        removeItemRow(doc, row);
        doc.kidou = 1;
        views::wholeView(doc, host);
        deleteLinesOfItem(doc, name);
        doc.controls.Label18.text = t.cell(itemcol::Level1, 1);
        outline::structuralCheck(doc);
        outline::writeItemCodes(doc);
        chooseAfterDelete(doc);
    });
}

} // namespace items
