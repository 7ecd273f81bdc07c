#include "output/sheetdoubleclick.h"

#include "base/host.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/views.h"
#include "output/gridmouse.h"

#include <algorithm>
#include <optional>

namespace sheetclick {

namespace {

using Kind = Request::Kind;

enum class Derived { None, Painting, Ceiling, Labour, Consumables };

Derived derivedKind(const EstimateDocument &doc, const QString &name)
{
    if (name == u"塗 装 費")
        return Derived::Painting;
    if (name == u"天井開口費")
        return Derived::Ceiling;
    if (name == u"雑材消耗品費")
        return Derived::Consumables;
    if (!name.isEmpty() && name == doc.settings.Edit52)
        return Derived::Labour;
    return Derived::None;
}

// The extra expense row (0 to 3) named `name`, or -1.
int extraRow(const EstimateDocument &doc, const QString &name)
{
    if (num::isBlank(name))
        return -1;
    for (int i = 0; i < 4; ++i)
        if (doc.settings.extraName(i) == name)
            return i;
    return -1;
}

bool isLineRow(const EstimateDocument &doc, int row)
{
    const QString &input = doc.sheet.cell(sheetcol::Row, row);
    return !input.isEmpty() && input.front().isDigit() && num::isNumber(input);
}

int itemIndex(const EstimateDocument &doc, int row)
{
    const QString &no = doc.sheet.cell(sheetcol::No, row);
    return num::isBlank(no) || !num::isNumber(no) ? 1 : int(num::toNumber(no));
}

// Sheet column -> line column focused by the data-entry window.
int lineColumnOf(int column)
{
    switch (column) {
    case 11:
        return 10;
    case 13:
        return 11;
    case 14:
        return 12;
    default:
        return column;
    }
}

Request make(Kind kind, int row, int column)
{
    Request r;
    r.kind = kind;
    r.row = row;
    r.column = column;
    return r;
}

// Case 8: rates of the summary block open the settings screen at their field.
std::optional<Request> summaryRate(const EstimateDocument &doc, int r, int c, const QString &name)
{
    const int extra = extraRow(doc, name);
    QString field;
    if (extra >= 0 && (c == sheetcol::Compressed
                       || (c == sheetcol::SubmissionRate && !num::isBlank(doc.settings.extraRate(extra)))))
        field = u"Edit"_qs + QString::number(36 + extra);
    else if (name == u"現場雑費" && c == sheetcol::SubmissionRate)
        field = u"Edit19"_qs;
    else if (name == u"諸経費" && c == sheetcol::SubmissionRate)
        field = u"Edit20"_qs;
    if (field.isEmpty())
        return std::nullopt;
    Request req = make(Kind::Settings, r, c);
    req.field = field;
    return req;
}

// Case 10: amounts of the expense rows are typed on the calculator.
std::optional<Request> expenseAmount(const EstimateDocument &doc, int r, int c, const QString &name)
{
    const int extra = extraRow(doc, name);
    QString field;
    if (c == sheetcol::Submitted && name == u"現場雑費")
        field = u"Edit23"_qs;
    else if (c == sheetcol::Submitted && name == u"諸経費")
        field = u"Edit24"_qs;
    else if (c == sheetcol::Submitted && extra >= 0)
        field = u"Edit"_qs + QString::number(40 + extra);
    else if (c == sheetcol::SubmissionRate && extra >= 0 && num::isBlank(doc.settings.extraRate(extra)))
        field = u"sonota"_qs + QString::number(extra + 1);
    if (field.isEmpty())
        return std::nullopt;
    Request req = make(Kind::ExpenseAmount, r, c);
    req.field = field;
    return req;
}

} // namespace

void chooseSummaryItem(EstimateDocument &doc, int row, int column)
{
    const QString &mark = doc.sheet.cell(sheetcol::Row, row);
    if (mark.isEmpty())
        return;
    for (int h = doc.irow1 + 1; h < doc.sheet.rowCount(); ++h) {
        if (doc.sheet.cell(sheetcol::Row, h) != mark)
            continue;
        gridmouse::chooseItemByName(doc, doc.sheet.cell(sheetcol::ItemName, h));
        if (column == sheetcol::Name) {
            const int limit = doc.sheet.rowCount() - doc.sheetVisibleRows + 3;
            doc.controls.sheetTopRow = std::max(1, std::min(h, limit));
        }
        return;
    }
}

Request doubleClicked(EstimateDocument &doc, Host &host)
{
    const int r = doc.sy6;
    const int c = doc.sx6;
    const int n = doc.tree_count;
    const TextGrid &s = doc.sheet;
    if (r <= 0)
        return {};
    const QString &name = s.cell(sheetcol::Name, r);

    if (r <= n && c == sheetcol::Quantity)
        return make(Kind::ItemQuantity, r, c);
    if (r <= n && c == sheetcol::Unit)
        return make(Kind::ItemUnit, r, c);
    if (r < n + 2) {
        chooseSummaryItem(doc, r, c);
        return {};
    }
    if (r > n + 2 && !s.cell(sheetcol::Row, r).isEmpty() && !num::isBlank(name)
        && num::isBlank(s.cell(sheetcol::Spec, r)))
        views::itemView(doc, host);
    if (s.cell(sheetcol::Merged, r) == u"*") {
        views::itemView(doc, host);
        for (int v = 1; v < doc.itemView.rowCount(); ++v) {
            if (doc.itemView.cell(linecol::Name, v) == name) {
                doc.controls.itemViewTopRow = v;
                break;
            }
        }
        return {};
    }
    if (doc.openFlag == 1) {
        doc.openFlag = 0;
        return {};
    }
    if (c < 7 || c == sheetcol::Merged || c == sheetcol::Entered
        || (c == sheetcol::Remark && num::isBlank(s.cell(sheetcol::Price, r))) || num::isBlank(name))
        return {};
    if (r < doc.irow1) {
        if (auto req = summaryRate(doc, r, c, name))
            return *req;
    }
    const Derived derived = derivedKind(doc, name);
    if (derived != Derived::None && (c == sheetcol::Compressed || c == sheetcol::Submitted)) {
        Request req = make(Kind::DerivedAmount, r, c);
        req.item = itemIndex(doc, r);
        req.fieldCode = 35 + 2 * (int(derived) - int(Derived::Painting)) + (c == sheetcol::Submitted ? 1 : 0);
        return req;
    }
    if (num::isBlank(s.cell(sheetcol::No, r))) {
        if (auto req = expenseAmount(doc, r, c, name))
            return *req;
    }
    if (name == u"同上付属品") {
        host.beep();
        host.inform(u"材料表示へ戻って付属率を変更してください！"_qs);
        return {};
    }
    if (name == u"盤取付材料" || name == u"機器取付材料" || name == u"同上支持材") {
        host.beep();
        host.inform(u"材料表示へ戻って取付材率を変更してください！"_qs);
        return {};
    }
    if (derived != Derived::None && (c == sheetcol::CompressionRate || c == sheetcol::SubmissionRate)) {
        Request req = make(Kind::ItemRates, r, c);
        req.item = itemIndex(doc, r);
        const int base = 35 + 2 * (int(derived) - int(Derived::Painting));
        req.fieldCode = base + (c == sheetcol::SubmissionRate ? 1 : 0);
        return req;
    }
    if (!isLineRow(doc, r))
        return {};
    const QString &no = s.cell(sheetcol::No, r);
    Request req = make(c >= 15 && c <= 20 ? Kind::LineRate : Kind::EditLine, r, c);
    req.line = num::isNumber(no) ? int(num::toNumber(no)) : 0;
    req.lineColumn = lineColumnOf(c);
    return req;
}

} // namespace sheetclick
