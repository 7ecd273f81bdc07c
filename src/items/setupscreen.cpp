#include "items/setupscreen.h"

#include "items/itemtable.h"

#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"
#include "items/header.h"
#include "items/itemtable.h"
#include "items/itemtree.h"
#include "items/outline.h"

namespace setupscreen {

namespace {

const QString setupCaption = u"項目設定"_qs;
const QString closeCaption = u"閉じる"_qs;

void enableMainButtons(MainControls &c, bool enabled)
{
    for (ControlState *button : {&c.Button1, &c.Button11, &c.Button12, &c.Button16, &c.Button46})
        button->enabled = enabled;
}

bool showsLevelTitle(const QString &label)
{
    for (const char16_t *title : {u"項目(階層1)", u"項目(階層2)", u"項目(階層3)", u"項目(階層4)"}) {
        if (label == title)
            return true;
    }
    return false;
}

bool headerEntered(const Settings &s)
{
    return header::entered(s.Edit22) || header::entered(s.Edit60) || header::entered(s.Edit29);
}

// A level-4 item cannot have sub-items; for the others the cell one level deeper on the next row
// is the sub-item's name.
bool chosenHasSubItem(const EstimateDocument &doc)
{
    const TextGrid &t = doc.items;
    return doc.uy7 > 0 && doc.ux7 >= itemcol::Level1 && doc.ux7 < outline::maxLevel
           && !t.cell(doc.ux7, doc.uy7).isEmpty() && !t.cell(doc.ux7 + 1, doc.uy7 + 1).isEmpty();
}

// Checks made by the close buttons; false when the screen must stay.
bool headerComplete(EstimateDocument &doc, Host &host)
{
    if (doc.tree_count < 1)
        return true;
    const Settings &s = doc.settings;
    if (!header::entered(s.Edit29)) {
        host.beep();
        host.warn(u"提出先を入力してください。"_qs);
        return false;
    }
    if (!header::entered(s.Edit22) && !header::entered(s.Edit60)) {
        host.beep();
        host.warn(u"工事名称を入力してください。"_qs);
        return false;
    }
    if (chosenHasSubItem(doc)) {
        host.inform(u"※下位階層があるので、この階層には入力できません。"_qs);
        return false;
    }
    return true;
}

// The estimate sheet is rebuilt and scrolled to the current item; returns its name when found.
QString showCurrentItemOnSheet(EstimateDocument &doc, Host &host)
{
    if (!sheet::compile(doc, host))
        return {};
    const int row = currentItemSheetRow(doc);
    if (row < 0)
        return {};
    const QString name = doc.sheet.cell(sheetcol::Name, row);
    doc.koumokumei = name;
    doc.controls.Label18.text = name;
    doc.controls.sheetTopRow = row;
    return name;
}

bool itemHasNoLines(const TextGrid &items, int row)
{
    const QString &count = items.cell(itemcol::Lines, row);
    return count.isEmpty() || count == u"0";
}

} // namespace

void toggle(EstimateDocument &doc, Host &host)
{
    if (doc.controls.Button14.text == closeCaption)
        close(doc, host);
    else
        open(doc);
}

bool open(EstimateDocument &doc)
{
    MainControls &c = doc.controls;
    if (c.Panel9.visible)
        return false;
    header::refreshDateLabel(doc);
    c.Label18.text = doc.koumokumei;
    c.GroupBox1.visible = true;
    enableMainButtons(c, false);
    c.Button14.text = closeCaption;
    // The highlighted node is also the item that delete and rename act on.
    if (doc.nodrow != 0 && outline::inUse(doc.items, doc.nodrow))
        itemtree::followCurrentRow(doc);
    return true;
}

bool close(EstimateDocument &doc, Host &host)
{
    MainControls &c = doc.controls;
    if (showsLevelTitle(c.Label18.text)) {
        host.beep();
        host.warn(u"項目を認識できません、項目を入力して下さい。"_qs);
        return false;
    }
    if (doc.ux7 == 0 && doc.uy7 == 0)
        doc.ux7 = 1;
    if (doc.uy7 == 0)
        doc.uy7 = 1;
    const bool itemMissing = headerEntered(doc.settings) && doc.items.cell(doc.ux7, doc.uy7).isEmpty();
    if (itemMissing)
        host.inform(u"※項目を選択してから閉じて下さい。"_qs);
    if (doc.nodrow == 0) {
        doc.nodrow = 1;
        c.Label18.tag = 1;
    }
    if (itemMissing)
        return false;

    c.GroupBox1.visible = false;
    enableMainButtons(c, true);
    c.Button14.text = setupCaption;
    doc.koumokumei = c.Label18.text;
    views::itemView(doc, host);
    return true;
}

void closeWithChecks(EstimateDocument &doc, Host &host)
{
    header::hideReferenceList(doc);
    header::hidePrintSize(doc);
    if (!headerComplete(doc, host))
        return;
    MainControls &c = doc.controls;
    // Leaving the screen ends a rename: the name box held the chosen item's name, which a later
    // "↓ 登録" would register a second time.
    if (c.Panel83.visible || c.Button5.text != u"↓ 登録")
        c.Edit1.text.clear();
    items::showRegisterCaption(doc);

    const bool sheetShown = c.showSheet && !doc.settings.CheckBox16;
    const bool closed = close(doc, host);
    outline::refreshLineItemNumbers(doc);
    QString found;
    if (closed && sheetShown)
        found = showCurrentItemOnSheet(doc, host);
    if (!found.isEmpty() && doc.items.cell(itemcol::Name, doc.nodrow) == found
        && itemHasNoLines(doc.items, doc.nodrow))
        views::itemView(doc, host);
    c.Caption = doc.settings.Edit22 + doc.settings.Edit60 + u" / "_qs + doc.FormName + doc.sverj;
}

int currentItemSheetRow(const EstimateDocument &doc)
{
    const TextGrid &sheet = doc.sheet;
    for (int r = doc.tree_count + 2; r < sheet.rowCount(); ++r) {
        if (sheet.cell(sheetcol::Name, r) == doc.koumokumei)
            return r;
    }
    return -1;
}

} // namespace setupscreen
