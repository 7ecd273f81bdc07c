#include "output/sheetvalueedits.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linekeys.h"
#include "estimate/settingsrules.h"
#include "estimate/sheetcompiler.h"

#include <algorithm>
#include <cmath>

namespace sheetedit {

namespace {

using Kind = sheetclick::Request::Kind;

const QString zeroDivide = u"浮動小数点数の 0 による除算"_qs;

// A back-calculation divided by zero: shown as the platform shows it, and nothing changes.
struct ZeroDivide {};

double divide(double a, double b)
{
    if (b == 0)
        throw ZeroDivide{};
    return a / b;
}

// The line of a sheet row: the line number in column 1, or 0 when the row shows no line.
int lineOf(const EstimateDocument &doc, int sheetRow)
{
    const QString &input = doc.sheet.cell(sheetcol::Row, sheetRow);
    const QString &no = doc.sheet.cell(sheetcol::No, sheetRow);
    if (input.isEmpty() || !input.front().isDigit() || !num::isNumber(input) || !num::isNumber(no))
        return 0;
    const double line = num::toNumber(no);
    return line >= 1 && line <= doc.st1count && line == std::floor(line) ? int(line) : 0;
}

// Writes the rate into `column` of each line and of every line of the same description.
void writeRate(EstimateDocument &doc, const std::vector<int> &lines, int column, const QString &rate)
{
    const linekeys::Index index(doc, linekeys::description);
    for (int line : lines) {
        doc.lines.setCell(column, line, rate);
        for (int same : index.matches(line))
            doc.lines.setCell(column, same, rate);
    }
    doc.kidou = 1;
}

// Derived rows (painting, ceiling openings, labour, consumables): the item's rate follows the
// amount typed.
void derivedAmount(EstimateDocument &doc, const sheetclick::Request &request, const QString &value)
{
    const int rateColumn = request.column == sheetcol::Compressed ? sheetcol::CompressionRate : sheetcol::SubmissionRate;
    const double amount = num::toNumber(value);
    const double oldAmount = num::toNumber(doc.sheet.cell(request.column, request.row));
    const double oldRate = num::toNumber(doc.sheet.cell(rateColumn, request.row));
    const QString rate = num::shortest(divide(amount, divide(oldAmount, oldRate)));
    doc.sheet.setCell(request.column, request.row, value);
    doc.sheet.setCell(rateColumn, request.row, rate);
    // Field codes 35 to 42 name the item columns 8 to 15 in the same order.
    doc.items.setCell(request.fieldCode - 27, request.item, rate);
    doc.keypadText.clear();
    doc.kidou = 1;
}

void expenseAmount(EstimateDocument &doc, const sheetclick::Request &request, const QString &value)
{
    Settings &s = doc.settings;
    const QString &field = request.field;
    if (field == u"Edit23" || field == u"Edit24") {
        QString &manual = field == u"Edit23" ? s.Edit23 : s.Edit24;
        manual = num::toNumber(value) == 0 ? QString() : value;
        s.ComboBox35 = u"手動計算"_qs;
    } else if (field.startsWith(u"sonota")) {
        const int i = field.mid(6).toInt() - 1;
        doc.sonota[i] = double(num::toNumber(value));
    } else {
        const int i = field.mid(4).toInt() - 40;
        num::toNumber(value);
        s.extraAmount(i) = value;
        settingsrules::extraAmountEdited(doc, i);
    }
    doc.kidou = 1;
}

// Line rows, columns 15 to 20: a rate as typed, or a unit price or amount as a rate of the line's
// list price.
void lineRate(EstimateDocument &doc, const sheetclick::Request &request, const QString &value)
{
    const int line = request.line;
    if (line < 1 || line > doc.st1count)
        return;
    const int c = request.column;
    const bool compression = c <= sheetcol::Compressed;
    QString rate = value;
    if (c != sheetcol::CompressionRate && c != sheetcol::SubmissionRate) {
        const double typed = num::toNumber(value);
        const double listPrice = num::toNumber(doc.lines.cell(linecol::Price, line));
        const bool amount = c == sheetcol::Compressed || c == sheetcol::Submitted;
        const double price = amount ? divide(typed, num::toNumber(doc.lines.cell(linecol::Corrected, line))) : typed;
        rate = num::shortest(divide(price, listPrice) * 100);
    } else {
        num::toNumber(value);
    }
    writeRate(doc, {line}, compression ? linecol::Compression : linecol::Submission, rate);
}

template<typename Edit>
bool guarded(EstimateDocument &doc, Host &host, Edit edit)
{
    try {
        edit();
    } catch (const ConversionError &e) {
        host.silentStop(u"StringGrid6DblClick"_qs, e.text());
        return false;
    } catch (const ZeroDivide &) {
        host.error(zeroDivide);
        return false;
    }
    sheet::compile(doc, host);
    return true;
}

} // namespace

bool asksCalculator(const sheetclick::Request &request)
{
    return request.kind == Kind::DerivedAmount || request.kind == Kind::ExpenseAmount
        || request.kind == Kind::LineRate;
}

bool labourKeyFor(const EstimateDocument &doc, int sheetRow)
{
    const QString &name = doc.sheet.cell(sheetcol::Name, sheetRow);
    return num::isBlank(name) || name != doc.settings.Edit52;
}

bool enterValue(EstimateDocument &doc, Host &host, const sheetclick::Request &request, const QString &value)
{
    if (value.isEmpty() || !asksCalculator(request))
        return false;
    return guarded(doc, host, [&] {
        if (request.kind == Kind::DerivedAmount)
            derivedAmount(doc, request, value);
        else if (request.kind == Kind::ExpenseAmount)
            expenseAmount(doc, request, value);
        else
            lineRate(doc, request, value);
    });
}

bool enterRangeRate(EstimateDocument &doc, Host &host, const QString &value)
{
    if (value.isEmpty())
        return false;
    const int column = doc.ux6 == sheetcol::CompressionRate ? linecol::Compression : linecol::Submission;
    std::vector<int> lines;
    for (int r = std::min(doc.ny6, doc.uy6); r <= std::max(doc.ny6, doc.uy6); ++r)
        if (const int line = lineOf(doc, r))
            lines.push_back(line);
    return guarded(doc, host, [&] {
        num::toNumber(value);
        writeRate(doc, lines, column, value);
    });
}

} // namespace sheetedit
