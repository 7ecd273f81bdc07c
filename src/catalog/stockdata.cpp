#include "catalog/stockdata.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "catalog/catalogfile.h"
#include "entry/keypadprompt.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/lineorders.h"
#include "estimate/pricecheck.h"
#include "estimate/sheetcompiler.h"
#include "estimate/titles.h"
#include "estimate/views.h"
#include "storage/records.h"
#include "storage/textfile.h"

#include <QSet>

StockData::StockData() : filterItems{QString::fromUtf16(stock::allItems)}, filter(filterItems[0]), Button7(u"ALL適用"_qs)
{
}

namespace stock {

namespace {

const QString markText = QString::fromUtf16(mark);

QStringList titles()
{
    QStringList t = titles::lineTable();
    t.resize(StockData::columns);
    t[0] = t[45] = u"No."_qs;
    t[44] = u"項目No."_qs;
    t[StockData::Mark] = u"  適用"_qs;
    return t;
}

void resetToggles(StockData &stock)
{
    stock.Button7 = u"ALL適用"_qs;
    stock.CheckBox6 = true;
}

void collectNames(StockData &stock)
{
    stock.filterItems = {QString::fromUtf16(allItems)};
    QSet<QString> seen;
    TextGrid &b = stock.buffer;
    for (int r = 1; r < b.rowCount(); ++r)
        b.setCell(StockData::Names, r, QString());
    int next = 1;
    for (int r = 1; r < b.rowCount(); ++r) {
        const QString &name = b.cell(StockData::ItemName, r);
        if (num::isBlank(name) || seen.contains(name))
            continue;
        seen.insert(name);
        b.setCell(StockData::Names, next++, name);
        stock.filterItems.append(name);
    }
}

// Copies a buffer row into the grid; cells holding a single space are shown empty.
void copyRow(const TextGrid &from, int source, TextGrid &to, int target)
{
    for (int c = 0; c < StockData::columns; ++c) {
        const QString &cell = from.cell(c, source);
        to.setCell(c, target, cell == u" " ? QString() : cell);
    }
}

void fill(StockData &stock)
{
    TextGrid &g = stock.grid;
    const TextGrid &b = stock.buffer;
    g.setRowCount(b.rowCount());
    for (int r = 1; r < g.rowCount(); ++r)
        g.clearRow(r);
    const bool all = stock.filter == QString::fromUtf16(allItems);
    int next = 1;
    for (int r = 1; r < b.rowCount(); ++r) {
        if (all)
            copyRow(b, r, g, r);
        else if (b.cell(StockData::ItemName, r) == stock.filter)
            copyRow(b, r, g, next++);
    }
}

void refill(StockData &stock)
{
    stock.filter = QString::fromUtf16(allItems);
    collectNames(stock);
    fill(stock);
    stock.buffer.setRow(0, titles());
    stock.grid.setRow(0, titles());
}

bool isMarked(const StockData &stock, int row)
{
    return stock.grid.cell(StockData::Mark, row) == markText;
}

bool hasNumber(const TextGrid &grid, int row)
{
    return !num::isBlank(grid.cell(linecol::No, row));
}

// Whole-number quantity for the merge; blank counts as 0.
qint64 wholeQuantity(const QString &text)
{
    return num::isBlank(text) ? 0 : num::toInteger(text);
}

QString blankAsEmpty(const QString &text)
{
    return text == u" " ? QString() : text;
}

bool sameColumns(const TextGrid &a, int ra, const TextGrid &b, int rb, std::initializer_list<int> columns)
{
    for (int c : columns)
        if (a.cell(c, ra) != b.cell(c, rb))
            return false;
    return true;
}

// The line of the current item that a stock line merges into: the last one with the same codes,
// price, categories, factor, name and specification. 0 when none.
int mergeTarget(const EstimateDocument &doc, const TextGrid &g, int r)
{
    const TextGrid &t = doc.lines;
    const QString &item = doc.controls.Label18.text;
    int found = 0;
    for (int s = 1; s <= doc.st1count; ++s) {
        if (t.cell(linecol::Item, s) != item)
            continue;
        if (!sameColumns(t, s, g, r, {2, 3, 4, 5, 12, 13, 14, 15}))
            continue;
        if (t.cell(linecol::Name, s) != blankAsEmpty(g.cell(linecol::Name, r))
            || t.cell(linecol::Spec1, s) != blankAsEmpty(g.cell(linecol::Spec1, r)))
            continue;
        found = s;
    }
    return found;
}

bool anyLineAlike(const EstimateDocument &doc, const TextGrid &g, int r)
{
    for (int s = 1; s <= doc.st1count; ++s)
        if (sameColumns(doc.lines, s, g, r, {2, 3, 4, 5, 7, 8, 9, 11, 12, 13, 14, 15}))
            return true;
    return false;
}

// Registers stock grid row r. Throws ConversionError; returns false for a missing quantity.
bool registerRow(EstimateDocument &doc, StockData &stock, Host &host, int r)
{
    TextGrid &g = stock.grid;
    TextGrid &t = doc.lines;
    int target = doc.st1count + 1;
    QString input = QString::number(target);
    if (g.cell(linecol::Kind, r) != u"注釈行") {
        if (num::isBlank(g.cell(linecol::Quantity, r))) {
            host.inform(u"数量を入力して下さい。"_qs);
            return false;
        }
        if (const int s = mergeTarget(doc, g, r); s > 0) {
            const qint64 sum = wholeQuantity(g.cell(linecol::Quantity, r)) + wholeQuantity(t.cell(linecol::Quantity, s));
            target = s;
            input = t.cell(linecol::InputNo, s);
            g.setCell(linecol::Quantity, r, QString::number(sum));
            --doc.st1count;
        }
    }

    t.setCell(linecol::No, target, QString::number(target));
    t.setCell(linecol::InputNo, target, input);
    doc.kidou = 1;
    t.setCell(linecol::Item, target, doc.koumokumei);
    t.setCell(linecol::ItemCode, target, doc.kkb);
    for (int c = linecol::C; c <= linecol::Sub; ++c)
        t.setCell(c, target, g.cell(c, r));

    if (g.cell(linecol::Sub, r) != u"0000") {
        const QString &counter = doc.items.cell(itemcol::Unregistered, doc.nodrow);
        const qint64 m = num::isBlank(counter) ? 0 : num::toInteger(counter);
        t.setCell(linecol::Sub, target, (QString::number(doc.nodrow) + QString::number(m)).rightJustified(4, u'0'));
        doc.items.setCell(itemcol::Unregistered, doc.nodrow, QString::number(m + 1));
        if (anyLineAlike(doc, g, r))
            for (int c = linecol::C; c <= linecol::Sub; ++c)
                t.setCell(c, target, g.cell(c, r));
    }

    // Names and rates, then the amounts the stock line had: the recalculation after the window
    // closes replaces them. A cable line keeps its base rates, so that the copper-base multiplier
    // of this estimate applies to them and not to rates already multiplied in the other one.
    for (int c = linecol::Name; c <= linecol::Consumables; ++c)
        t.setCell(c, target, g.cell(c, r));
    t.setCell(linecol::BaseCompression, target, g.cell(linecol::BaseCompression, r));
    t.setCell(linecol::BaseSubmission, target, g.cell(linecol::BaseSubmission, r));
    t.setCell(linecol::ItemRow, target, QString::number(doc.nodrow));
    t.setRowCount(std::max(t.rowCount(), target + 2));
    ++doc.st1count;
    return true;
}

// The view that is shown is built again from the table.
void refreshView(EstimateDocument &doc, Host &host)
{
    if (!doc.controls.Button11.enabled) {
        views::wholeView(doc, host);
        views::itemView(doc, host);
    }
    if (!doc.controls.Button16.enabled)
        sheet::compile(doc, host);
}

} // namespace

Opening open(EstimateDocument &doc, StockData &stock)
{
    if (doc.controls.Label18.text.isEmpty())
        return Opening::ItemSetup;
    if (doc.controls.Panel9.visible || doc.catalog.controls.Panel14.visible)
        return Opening::Nothing;
    if (doc.controls.Button89.text != u"Stock")
        return Opening::Nothing;
    stock.Label18 = doc.koumokumei;
    return Opening::Show;
}

void activated(EstimateDocument &doc, StockData &stock)
{
    if (num::isBlank(stock.grid.cell(linecol::No, 1)) && num::isBlank(stock.grid.cell(linecol::Name, 1)))
        loadCurrent(doc, stock);
}

Status loadBytes(StockData &stock, QByteArrayView bytes, const QString &path)
{
    const QStringList lines = textfile::splitLines(textfile::decode(bytes));
    auto failure = [&](const QString &detail) {
        return Status::failure(u"%1 はStockファイルとして読み込めません。\n%2"_qs.arg(path, detail));
    };
    if (lines.size() < 6)
        return failure(u"見積ファイルの見出し行がありません。"_qs);
    const QString countText = records::toRow(lines[4], 46).value(8);
    qint64 n = 29;
    if (!num::isBlank(countText)) {
        try {
            n = num::toInteger(countText);
        } catch (const ConversionError &e) {
            return failure(e.message());
        }
    }
    if (n < 0 || n > lines.size() - 6)
        return failure(u"項目数「%1」が見積ファイルの行数と合いません。"_qs.arg(countText));

    const int dropped = int(n) + 5;
    const int rows = int(lines.size()) - dropped;
    TextGrid buffer(StockData::columns, rows);
    for (int r = 1; r < rows; ++r) {
        records::fillRow(buffer, r, lines[r + dropped]);
        buffer.setCell(StockData::ItemName, r, buffer.cell(linecol::Item, r));
        buffer.setCell(linecol::Item, r, QString());
        buffer.setCell(StockData::SetAside, r, buffer.cell(linecol::Quantity, r));
    }
    stock.buffer = std::move(buffer);
    refill(stock);
    return Done{};
}

bool loadFile(StockData &stock, Host &host)
{
    resetToggles(stock);
    const std::optional<QString> path = host.openFileName(u"kas|*.kas"_qs);
    if (!path)
        return false;
    Result<QByteArray> bytes = catalogfile::readBytes(*path);
    if (!bytes) {
        host.error(bytes.error());
        return false;
    }
    const Status loaded = loadBytes(stock, bytes.value(), *path);
    if (!loaded)
        host.error(loaded.error());
    return loaded.ok();
}

void loadCurrent(EstimateDocument &doc, StockData &stock)
{
    resetToggles(stock);
    lineorders::codeOrder(doc);
    TextGrid buffer(StockData::columns, doc.st1count + 2);
    for (int r = 1; r <= doc.st1count; ++r) {
        for (int c = 0; c < linecol::Count; ++c)
            if (c != linecol::Item)
                buffer.setCell(c, r, doc.lines.cell(c, r));
        buffer.setCell(StockData::ItemName, r, doc.lines.cell(linecol::Item, r));
        buffer.setCell(StockData::SetAside, r, doc.lines.cell(linecol::Quantity, r));
    }
    stock.buffer = std::move(buffer);
    refill(stock);
}

void chooseFilter(StockData &stock, const QString &filter)
{
    stock.Button7 = u"ALL適用"_qs;
    stock.filter = filter;
    fill(stock);
}

void markAll(StockData &stock)
{
    const bool marking = stock.Button7 == u"ALL適用";
    TextGrid &g = stock.grid;
    for (int r = 1; r < g.rowCount(); ++r)
        if (hasNumber(g, r))
            g.setCell(StockData::Mark, r, marking ? markText : QString());
    stock.Button7 = marking ? u"適用Clear"_qs : u"ALL適用"_qs;
}

void setQuantitiesTaken(StockData &stock, bool on)
{
    stock.CheckBox6 = on;
    TextGrid &g = stock.grid;
    for (int r = 1; r < g.rowCount(); ++r) {
        if (on) {
            g.setCell(linecol::Quantity, r, g.cell(StockData::SetAside, r));
        } else {
            g.setCell(StockData::SetAside, r, g.cell(linecol::Quantity, r));
            g.setCell(linecol::Quantity, r, QString());
        }
    }
}

Press pressed(StockData &stock, int column, int row)
{
    TextGrid &g = stock.grid;
    if (row < 1 || row >= g.rowCount())
        return Press::Nothing;
    if (column == StockData::Mark) {
        if (isMarked(stock, row)) {
            g.setCell(StockData::Mark, row, QString());
            if (!stock.CheckBox6)
                g.setCell(linecol::Quantity, row, QString());
        } else if (hasNumber(g, row)) {
            g.setCell(StockData::Mark, row, markText);
        }
        return Press::Nothing;
    }
    if (column == linecol::Quantity) {
        if (stock.CheckBox6 || g.cell(linecol::Kind, row) == u"注釈行")
            return Press::Nothing;
        return Press::Keypad;
    }
    return Press::Edit;
}

std::optional<QString> askQuantity(EstimateDocument &doc, Host &host)
{
    return keypadprompt::ask(doc, host, QString(), true, false);
}

void quantityTyped(StockData &stock, int row, const QString &text)
{
    if (row < 1 || row >= stock.grid.rowCount())
        return;
    stock.grid.setCell(linecol::Quantity, row, text);
    stock.grid.setCell(StockData::Mark, row, markText);
}

bool registerMarked(EstimateDocument &doc, StockData &stock, Host &host)
{
    stock.Button7 = u"ALL適用"_qs;
    try {
        for (int r = 1; r < stock.grid.rowCount(); ++r)
            if (isMarked(stock, r) && !registerRow(doc, stock, host, r))
                return false;
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    doc.lines.setRowCount(doc.st1count + 2);
    refreshView(doc, host);
    TextGrid &g = stock.grid;
    for (int r = 1; r < g.rowCount(); ++r) {
        g.setCell(StockData::Mark, r, u" "_qs);
        if (!stock.CheckBox6)
            g.setCell(linecol::Quantity, r, QString());
    }
    return true;
}

void closed(EstimateDocument &doc, Host &host)
{
    doc.controls.Button112.tag = 0;
    pricecheck::run(doc, host);
    linecalc::recalculateAll(doc, host);
    refreshView(doc, host);
}

} // namespace stock
