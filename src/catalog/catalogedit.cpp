#include "catalog/catalogedit.h"

#include "base/host.h"
#include "catalog/buttonsettings.h"
#include "catalog/catalogmenu.h"
#include "catalog/materiallist.h"
#include "estimate/document.h"
#include "storage/filenames.h"
#include "storage/hostfiles.h"

namespace catalogedit {

namespace {

const QString editCaption = u"材料設定"_qs;
const QString saveCaption = u"設定保存"_qs;
const QString buttonsCaption = u"ボタン設定"_qs;

void setInside(TextGrid &grid, int column, int row, const QString &text)
{
    if (column >= 0 && column < grid.columnCount() && row >= 0 && row < grid.rowCount())
        grid.setCell(column, row, text);
}

} // namespace

bool isEditMode(const EstimateDocument &doc)
{
    return doc.catalog.controls.Button42.text == saveCaption;
}

bool Button42Click(EstimateDocument &doc, Host &host)
{
    CatalogState &k = doc.catalog;
    CatalogControls &c = k.controls;
    if (!isEditMode(doc)) {
        c.Button42.text = saveCaption;
        c.Panel20.visible = true;
        c.Button98.visible = true;
        c.Button101.enabled = false;
        c.Panel69.visible = true;
        return false;
    }
    if (k.Filename.isEmpty()) {
        host.beep();
        return false;
    }
    if (!hostfiles::writeLines(host, k.Filename, materiallist::lines(k.list)))
        return false;
    for (int r = 0; r < k.list.rowCount(); ++r)
        k.list.setCell(materiallist::spare, r, QString());
    host.playSound(filenames::completionSound(doc.strFilePath));
    return true;
}

void endEditMode(EstimateDocument &doc)
{
    CatalogControls &c = doc.catalog.controls;
    c.Button42.text = editCaption;
    c.Panel20.visible = false;
    c.Button98.visible = false;
    c.GroupBox4.visible = false;
    c.Panel69.visible = false;
    c.Button101.enabled = true;
}

bool Button41Click(EstimateDocument &doc, Host &host)
{
    CatalogState &k = doc.catalog;
    CatalogControls &c = k.controls;
    if (c.Button41.text == buttonsCaption) {
        c.StringGrid4.visible = true;
        c.GroupBox4.visible = true;
        c.Button41.text = u"閉じる"_qs;
        c.Button42.enabled = false;
        c.Button98.enabled = false;
        c.Panel69.visible = false;
        return true;
    }
    if (!hostfiles::writeLines(host, k.Filename2, buttonsettings::lines(k.buttons)))
        return false;
    c.StringGrid4.visible = false;
    c.Button41.text = buttonsCaption;
    c.Button42.enabled = true;
    c.Button98.enabled = true;
    c.Panel69.visible = true;
    catalogmenu::placeButtons(doc, host, k.code);
    doc.ply6 = std::clamp(k.uy3 == 0 ? 1 : k.uy3, 1, std::max(1, k.list.rowCount() - 1));
    k.topRowRequest = doc.ply6;
    return true;
}

void setListCell(EstimateDocument &doc, int column, int row, const QString &text)
{
    if (row >= 1 && listCellEditable(column))
        setInside(doc.catalog.list, column, row, text);
}

void setButtonCell(EstimateDocument &doc, int column, int row, const QString &text)
{
    setInside(doc.catalog.buttons, column, row, text);
}

void setMenuCaption(EstimateDocument &doc, int column, int row, const QString &text)
{
    if (column % 2 == 0 && column < 8)
        setInside(doc.catalog.menu, column, row, text);
}

bool listCellEditable(int column)
{
    return column != 1;
}

bool enterPressed(EstimateDocument &doc)
{
    CatalogState &k = doc.catalog;
    TextGrid &list = k.list;
    const int at = k.row;
    const bool moved = at + 1 < list.rowCount();
    if (moved)
        k.row = at + 1;
    if (k.col == 8 && at >= 1 && at < list.rowCount()) {
        const QString price = list.cell(8, at);
        const QString s1 = list.cell(5, at), s2 = list.cell(6, at), unit = list.cell(7, at);
        for (int r = 1; r < list.rowCount(); ++r) {
            if (list.cell(5, r) == s1 && list.cell(6, r) == s2 && list.cell(7, r) == unit
                && list.cell(9, r) != u"撤去")
                list.setCell(8, r, price);
        }
    }
    return moved;
}

void listPressed(EstimateDocument &doc, int column, int row)
{
    CatalogState &k = doc.catalog;
    k.nx3 = column;
    k.ny3 = row;
    k.md3 = 1;
    if (column > 3)
        k.controls.Label116.text = k.list.cell(column, 0);
    k.controls.Button110.visible = false;
}

void listReleased(EstimateDocument &doc, int column, int row)
{
    CatalogState &k = doc.catalog;
    k.ux3 = column;
    k.uy3 = row;
    k.md3 = 0;
    k.controls.Label14.text = u"選択行Ｎｏ．"_qs + QString::number(k.row);
    k.controls.RadioButton1 = true;
}

} // namespace catalogedit
