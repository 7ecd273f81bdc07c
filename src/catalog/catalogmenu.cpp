#include "catalog/catalogmenu.h"

#include "base/host.h"
#include "base/numbers.h"
#include "catalog/buttonsettings.h"
#include "catalog/catalogedit.h"
#include "catalog/catalogfile.h"
#include "catalog/materiallist.h"
#include "catalog/menuindex.h"
#include "catalog/scrollstrips.h"
#include "estimate/document.h"
#include "storage/hostfiles.h"

namespace catalogmenu {

namespace {

void showHints(CatalogControls &c, bool shown)
{
    c.Panel90.visible = shown;
    c.Panel91.visible = shown;
}

} // namespace

bool loadMenu(EstimateDocument &doc, Host &host)
{
    Result<TextGrid> menu = menuindex::read(doc.strFilePath + menuindex::fileName());
    if (!menu) {
        host.error(menu.error());
        return false;
    }
    doc.catalog.menu = std::move(menu.value());
    return true;
}

bool saveMenu(EstimateDocument &doc, Host &host)
{
    if (!hostfiles::writeLines(host, doc.strFilePath + menuindex::fileName(), menuindex::lines(doc.catalog.menu)))
        return false;
    setRenaming(doc, false);
    return true;
}

void setRenaming(EstimateDocument &doc, bool on)
{
    CatalogControls &c = doc.catalog.controls;
    c.CheckBox15 = on;
    c.Button19.visible = on;
}

Follow materialSelection(EstimateDocument &doc)
{
    if (doc.controls.Button13.text == u"UP")
        return Follow::ScrollUp;
    if (doc.controls.Label18.text.isEmpty())
        return Follow::ItemSetup;
    ControlState &menu = doc.controls.Panel9;
    menu.visible = !menu.visible;
    showHints(doc.catalog.controls, menu.visible);
    return Follow::Nothing;
}

Follow lastMaterials(EstimateDocument &doc)
{
    if (doc.controls.Button15.text == u"DN")
        return Follow::ScrollDown;
    if (doc.controls.Label18.text.isEmpty())
        return Follow::ItemSetup;
    doc.catalog.controls.Panel14.visible = true;
    return Follow::Nothing;
}

void closeMenu(EstimateDocument &doc)
{
    doc.controls.Panel9.visible = false;
    showHints(doc.catalog.controls, false);
}

bool chooseMenu(EstimateDocument &doc, Host &host, int column, int row)
{
    CatalogState &k = doc.catalog;
    // While the names are being changed a press only edits the caption in place.
    if (k.controls.CheckBox15)
        return false;
    const int codeColumn = menuindex::codeColumn(column);
    if (codeColumn < 0 || row < 0 || row >= k.menu.rowCount())
        return false;
    const QString code = k.menu.cell(codeColumn, row);
    if (num::isBlank(code))
        return false;
    if (!placeButtons(doc, host, code))
        return false;
    showHints(k.controls, false);
    k.controls.Panel14.visible = true;
    k.md3 = 1;
    return true;
}

bool placeButtons(EstimateDocument &doc, Host &host, const QString &code)
{
    if (!readButtons(doc, host, code))
        return false;
    loadList(doc, host, 1);
    return true;
}

bool readButtons(EstimateDocument &doc, Host &host, const QString &code)
{
    CatalogState &k = doc.catalog;
    // The menu index holds digits only, so the code cannot lead out of the data folder.
    if (!catalogfile::isCode(code))
        return false;
    const QString buttonsPath = doc.strFilePath2 + buttonsettings::fileName(code);
    Result<TextGrid> buttons = buttonsettings::read(buttonsPath);
    if (!buttons) {
        host.error(buttons.error());
        return false;
    }
    // Every button has its line in the grid, so that "ボタン設定" can give a caption to any of them.
    if (buttons->rowCount() < buttonsettings::buttonCount + 1)
        buttons.value().setRowCount(buttonsettings::buttonCount + 1);
    buttonsettings::applyDefaults(buttons.value(), code);
    k.buttons = std::move(buttons.value());
    k.code = code;
    k.Filename2 = buttonsPath;
    for (int b = 1; b <= buttonsettings::buttonCount; ++b) {
        ControlState &button = k.controls.materialButtons[size_t(b - 1)];
        button.text = k.buttons.cell(0, b);
        button.enabled = buttonsettings::isUsed(k.buttons, b);
    }
    return true;
}

bool loadList(EstimateDocument &doc, Host &host, int b)
{
    CatalogState &k = doc.catalog;
    k.controls.listEditing = false;
    if (b < 1 || b > buttonsettings::buttonCount || k.code.isEmpty())
        return false;
    Result<buttonsettings::ListChoice> choice = buttonsettings::listFor(k.buttons, b, k.code, k.Filename2);
    if (!choice) {
        host.error(choice.error());
        return false;
    }
    const QString path = doc.strFilePath2 + choice->file;
    Result<QByteArray> bytes = catalogfile::readBytes(path);
    if (!bytes) {
        host.error(bytes.error());
        return false;
    }
    k.list = materiallist::parse(bytes.value());
    if (buttonsettings::isUsed(k.buttons, 1))
        k.FileNo = b;
    k.Filename = path;

    const int lastRow = std::max(1, k.list.rowCount() - 1);
    k.row = lastRow;
    k.col = 5;
    doc.ply6 = std::min(choice->topRow, lastRow);
    k.topRowRequest = doc.ply6;
    // The undo store of the bulk rewrite belonged to the list that was shown.
    k.controls.Button110.visible = false;
    k.lastChangeColumn = -1;
    return true;
}

void back(EstimateDocument &doc)
{
    doc.catalog.controls.Panel14.visible = false;
}

void closeAll(EstimateDocument &doc)
{
    closeMenu(doc);
    doc.catalog.controls.Panel14.visible = false;
    catalogedit::endEditMode(doc);
}

void scrollList(EstimateDocument &doc, int delta)
{
    CatalogState &k = doc.catalog;
    k.topRowRequest = scrollstrips::step(doc, delta, k.list.rowCount() - 1);
}

} // namespace catalogmenu
