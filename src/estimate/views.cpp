#include "estimate/views.h"

#include "entry/linetable.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/lineorders.h"
#include "estimate/sheetcompiler.h"

#include <algorithm>

namespace views {

namespace {

constexpr unsigned red = 0xFF0000;
constexpr unsigned blue = 0x0000FF;
constexpr unsigned white = 0xFFFFFF;
constexpr unsigned lightGreen = 0xE4FEE2; // RGB 228, 254, 226

void showGrid(MainControls &c, bool lines, bool itemView, bool sheet)
{
    c.showLines = lines;
    c.showItemView = itemView;
    c.showSheet = sheet;
}

} // namespace

void itemView(EstimateDocument &doc, Host &host)
{
    MainControls &c = doc.controls;
    doc.buttonsw = 0;
    // Input order, then code order again at the end: the lines are numbered in input order and
    // the item's lines copied in that order without moving the table twice; code order then
    // breaks ties as it would on the table sorted in input order.
    const std::optional<std::vector<int>> positions = lineorders::inputPositions(doc);
    if (positions)
        lineorders::numberInputOrder(doc, *positions);
    std::vector<std::pair<int, int>> shown; // (input position, row) of the item's lines
    for (int r = 1; r <= doc.st1count; ++r) {
        if (doc.lines.cell(linecol::Item, r) == doc.koumokumei)
            shown.emplace_back(positions ? (*positions)[size_t(r - 1)] : r, r);
    }
    std::sort(shown.begin(), shown.end());

    TextGrid &view = doc.itemView;
    for (int r = 1; r < view.rowCount(); ++r)
        view.clearRow(r);
    int copied = 0;
    for (const auto &[position, r] : shown)
        view.setRow(++copied, doc.lines.row(r));
    view.setRowCount(std::max(35, copied + 1));
    if (doc.nodrow > 0)
        doc.items.setCell(itemcol::Lines, doc.nodrow, copied > 0 ? QString::number(copied) : QString());

    showGrid(c, false, true, false);
    c.viewIndicatorColor = red;
    c.Button13.text = u"材料選択"_qs;
    c.Button15.text = u"前回材料"_qs;
    c.Button89.enabled = true;
    c.Button94.enabled = false;
    c.Button81.text = u"積算根拠出力"_qs;
    c.Label18.text = doc.koumokumei;
    c.Button12.text = u"全体表示"_qs;
    c.Button16.enabled = true;
    c.Button11.enabled = false;
    lineorders::codeOrder(doc, positions ? &*positions : nullptr);
}

void wholeView(EstimateDocument &doc, Host &host, bool keepSheet)
{
    MainControls &c = doc.controls;
    doc.buttonsw = 1;
    showGrid(c, true, false, keepSheet && c.showSheet);
    if (!keepSheet)
        c.viewIndicatorColor = blue;
    c.Button13.text = u"UP"_qs;
    c.Button15.text = u"DN"_qs;
    c.Button89.enabled = false;
    c.Button94.enabled = false;
    lineorders::codeOrder(doc);
    linetable::clearBrokenRows(doc);
    c.Button11.enabled = true;
    c.Button16.enabled = true;
    c.Button81.text = u"積算根拠出力"_qs;
    linecalc::recalculateAll(doc, host);

    if (c.Button12.text == u"入力順") {
        lineorders::inputOrder(doc);
        linetable::clearBrokenRows(doc);
        c.Label18.text = QString::fromUtf16(wholeInputLabel);
        c.itemPanelColor = lightGreen;
        c.Button12.text = u"コード順"_qs;
    } else {
        c.Label18.text = QString::fromUtf16(wholeCodeLabel);
        c.itemPanelColor = white;
        c.Button12.text = u"入力順"_qs;
    }
    linetable::removeLinesWithoutItem(doc);
    linetable::clearBrokenRows(doc);
    c.lineTableTopRow = 1;
}

void inputOrderWholeView(EstimateDocument &doc, Host &host)
{
    doc.controls.Button12.text = u"入力順"_qs;
    wholeView(doc, host);
}

void enterCurrentView(EstimateDocument &doc, Host &host)
{
    switch (doc.buttonsw) {
    case 0:
        itemView(doc, host);
        break;
    case 1:
        wholeView(doc, host);
        break;
    default:
        sheet::compile(doc, host);
        break;
    }
}

} // namespace views
