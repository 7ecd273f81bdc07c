#include "estimate/sheetcompiler.h"

#include "base/conversionerror.h"
#include "base/gridnumbers.h"
#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/expenseblock.h"
#include "estimate/figures.h"
#include "estimate/pricecheck.h"
#include "estimate/sheetpasses.h"
#include "estimate/sheetrows.h"
#include "estimate/views.h"

#include <algorithm>

namespace sheet {

namespace {

const QString wholeViewCaption = u"全体表示"_qs;
constexpr unsigned sheetViewColor = 0x800000; // RGB 128, 0, 0

bool checkPreconditions(EstimateDocument &doc, Host &host)
{
    const QString refusal = doc.controls.Label18.text.isEmpty() ? u"項目を入力してください！"_qs
                            : doc.lines.cell(linecol::Name, 1).isEmpty() ? u"データーを入力してください！"_qs
                                                                         : QString();
    if (refusal.isEmpty())
        return true;
    host.refuse(refusal);
    return false;
}

void clearSheet(TextGrid &t)
{
    const QStringList titles = t.row(0);
    t.clear();
    t.setRow(0, titles);
}

// One summary row per item with a level, in item-table order; only items without sub-items keep
// their name in column 23. Returns the number of such items. Throws ConversionError.
int writeItemSummaryRows(EstimateDocument &doc)
{
    using namespace sheetcol;
    TextGrid &items = doc.items;
    TextGrid &t = doc.sheet;
    int count = 0;
    for (int p = 1; p <= doc.tree_count; ++p) {
        const QString levelText = items.cell(itemcol::Level, p);
        if (levelText.isEmpty())
            continue;
        ++count;
        const qint64 level = num::toInteger(levelText);
        const QString name = items.cell(itemcol::Name, p);
        t.setCell(No, p, name.left(1));
        t.setCell(C, p, levelText);
        t.setCell(Name, p, QString(qsizetype(std::clamp<qint64>(level - 1, 0, 8)), u' ') + name);
        t.setCell(ItemName, p, name);
        const QString &previous = items.cell(itemcol::Level, p - 1);
        if (p > 1 && !previous.isEmpty() && level > num::toInteger(previous))
            t.setCell(ItemName, p - 1, QString());
        cells::defaultIfBlank(items, itemcol::Quantity, p, names::one);
        cells::defaultIfBlank(items, itemcol::Unit, p, names::lumpSum);
        t.setCell(Quantity, p, items.cell(itemcol::Quantity, p));
        t.setCell(Unit, p, items.cell(itemcol::Unit, p));
    }
    return count;
}

// Steps that build the sheet's rows; a conversion or arithmetic failure ends them.
void buildRows(EstimateDocument &doc, LineWalk walk)
{
    const int itemRows = writeItemSummaryRows(doc);
    doc.irow1 = summaryBlockSize(doc.settings, itemRows);
    ControlState &label = doc.controls.Label18;
    if (label.text == QString::fromUtf16(views::wholeCodeLabel)
        || label.text == QString::fromUtf16(views::wholeInputLabel))
        label.text = doc.koumokumei;

    const DirectCost direct = writeItemSections(doc, walk);
    writeExpenseBlock(doc, direct);

    // Never fewer rows than were written: a small window must not cut the sheet off.
    TextGrid &t = doc.sheet;
    t.setRowCount(std::max(doc.irow2 + doc.sheetVisibleRows - 10, t.lastNonEmptyRow() + 1));
}

// A unit-price conflict: the whole view, scrolled so that the conflicting line is the top row.
// The line is followed through the whole view's sorting by its input number.
void showConflict(EstimateDocument &doc, Host &host, int line)
{
    const QString inputNo = doc.lines.cell(linecol::InputNo, line);
    views::wholeView(doc, host);
    int top = std::clamp(line, 1, std::max(doc.st1count, 1));
    if (!num::isBlank(inputNo)) {
        for (int r = 1; r <= doc.st1count; ++r) {
            if (doc.lines.cell(linecol::InputNo, r) == inputNo) {
                top = r;
                break;
            }
        }
    }
    doc.controls.lineTableTopRow = top;
}

void enterSheetView(EstimateDocument &doc)
{
    MainControls &c = doc.controls;
    TextGrid &t = doc.sheet;
    int lastNamed = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        if (t.cell(sheetcol::Sub, r) == names::scrollMark)
            c.Button57.tag = r;
        if (!num::isBlank(t.cell(sheetcol::Name, r)))
            lastNamed = r;
    }
    t.setRowCount(lastNamed + 5);
    c.Button13.text = u"材料選択"_qs;
    c.Button15.text = u"前回材料"_qs;
    c.Button89.enabled = true;
    c.Button89.text = u"Stock"_qs;
    c.Button94.enabled = true;
    c.showLines = false;
    c.showItemView = false;
    c.showSheet = true;
    c.viewIndicatorColor = sheetViewColor;
}

} // namespace

bool compile(EstimateDocument &doc, Host &host, LineWalk walk)
{
    if (!checkPreconditions(doc, host))
        return false;
    MainControls &c = doc.controls;
    if (c.Button12.text == wholeViewCaption)
        views::wholeView(doc, host, true);
    doc.buttonsw = 2;
    c.Button81.text = u"見積書出力"_qs;
    clearSheet(doc.sheet);

    try {
        buildRows(doc, walk);
    } catch (const ConversionError &e) {
        host.silentStop(u"Button16Click"_qs, e.text());
        return false;
    } catch (const ArithmeticError &e) {
        host.silentStop(u"Button16Click"_qs, e.text);
        return false;
    }

    mergePass(doc, host);
    c.Button11.enabled = true;
    c.Button16.enabled = false;
    c.Button12.text = wholeViewCaption;
    c.Button12.enabled = true;
    hierarchySums(doc, host);

    c.Button112.tag = 0;
    pricecheck::run(doc, host);
    if (c.Button112.tag >= 1) {
        showConflict(doc, host, c.Button112.tag);
        return false;
    }

    finalPass(doc, host);
    if (doc.settings.CheckBox20)
        figures::socialInsurance(doc, host);
    enterSheetView(doc);
    if (doc.settings.CheckBox22)
        subtotalPass(doc, host);
    c.Label164.text = u"Number of lines:"_qs + QString::number(doc.st1count);
    return true;
}

} // namespace sheet
