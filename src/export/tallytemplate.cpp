#include "export/tallytemplate.h"

#include "estimate/document.h"
#include "export/xlsxbook.h"

namespace tallytemplate {

namespace {

// Tally grid columns read here.
constexpr int takenColumn = 2, nameColumn = 3, code1Column = 4, estimatedColumn = 10, compressedColumn = 12,
              submittedColumn = 14;

// Where one block of the template takes its rows.
struct Block {
    int flag;        // capacity flag index, -1 for none
    int firstRow;
    int step;
    const char16_t *name, *code, *estimated, *submitted;
    std::initializer_list<const char16_t *> compressed;
    const char16_t *ratioColumn; // the formula column, or null
    const char16_t *ratio;       // its formula with %1 for the row
};

} // namespace

num::Real netAmount(num::Real ratePercent, num::Real grandTotal)
{
    num::Real n = ratePercent * grandTotal * 0.01L;
    if (n < 100)
        return n;
    num::Real unit = 10;
    if (n > 100000)
        unit = 10000;
    else if (n > 10000)
        unit = 1000;
    else if (n > 1000)
        unit = 100;
    else if (n > 500)
        unit = 50;
    return num::roundEven(n + num::unitAdjustment(n, unit)) / 1000;
}

void fill(const EstimateDocument &doc, XlsxSheet &sheet)
{
    const Settings &s = doc.settings;
    const num::Real net = netAmount(num::toNumber(s.Edit56), doc.sougoukei);
    auto clear = [&](QStringView address) { sheet.setValue(*a1::parseRange(address), CellValue{}); };
    for (QStringView r : {u"A6:K36", u"A38:K58", u"L6:U58"})
        clear(r);
    sheet.setWhiteFill(*a1::parseRange(u"U6:U58"));
    for (QStringView r : {u"V10:AG26", u"W29:AG30", u"W33:AD39", u"AE37:AF39", u"AG33:AG39"})
        clear(r);
    sheet.setText(u"M1", s.Edit28);
    sheet.setText(u"M2", s.Edit22 + s.Edit60);
    sheet.setText(u"U1", s.Label56 + s.Edit25 + u"年"_qs + s.Edit26 + u"月"_qs + s.Edit27 + u"日"_qs);
    sheet.setText(u"W53", num::shortest(net));

    const int a1Step = doc.a1 <= 16 ? 2 : 1;
    const Block equipment{0, 6, a1Step, u"A", u"B", u"C", u"E", {u"G", u"I"}, u"H", u"=I%1/C%1"};
    const Block devices{1, 38, doc.a2 <= 11 ? 2 : 1, u"A", u"B", u"C", u"E", {u"G", u"I"}, u"H", u"=I%1/C%1"};
    const Block materials{2, 6, doc.b1 <= 27 ? 2 : 1, u"L", u"M", u"N", u"P", {u"R", u"T"}, u"S", u"=T%1/R%1"};
    const Block works{3, 10, doc.c1 <= 9 ? 2 : 1, u"V", nullptr, u"W", u"AA", {u"AD", u"AG"}, u"AE", u"=AG%1/AD%1"};
    const Block others{4, 33, 1, u"V", nullptr, u"W", u"AA", {u"AD", u"AG"}, u"AE", u"=AG%1/AD%1"};
    const Block *blocks[] = {&equipment, &devices, &materials, &works, &others};
    int next[5] = {6, 38, 6, 10, 33};
    qint64 lastEquipmentCode = -1;

    const TextGrid &t = doc.tally;
    auto write = [&](int row, const char16_t *column, const QString &text) {
        sheet.setText(QString::fromUtf16(column) + QString::number(row), text);
    };
    for (int i = 1; i < t.rowCount(); ++i) {
        const QString &code1 = t.cell(code1Column, i);
        if (code1.isEmpty())
            continue;
        const qint64 f = num::toInteger(code1);
        const bool hasEstimate = !t.cell(estimatedColumn, i).isEmpty();
        auto amounts = [&](int row, const char16_t *name, const QString &nameText, std::initializer_list<const char16_t *> compressed) {
            write(row, name, nameText);
            write(row, u"W", t.cell(estimatedColumn, i));
            write(row, u"AA", t.cell(submittedColumn, i));
            for (const char16_t *c : compressed)
                write(row, c, t.cell(compressedColumn, i));
        };

        int index = -1;
        if (f < 120)
            index = 0;
        else if (f <= 139)
            index = 1;
        else if (f <= 159)
            index = 2;
        if (index < 0 && f >= 300 && f <= 399)
            index = 3;
        if (index < 0 && f >= 400 && f <= 499)
            index = 4;
        if (index >= 0) {
            const Block &b = *blocks[index];
            if (!doc.c[size_t(b.flag)])
                continue;
            int row = next[index];
            // Rows of one first code stand together; a blank row separates first codes.
            if (index == 0 && b.step == 2 && f == lastEquipmentCode)
                row -= 1;
            next[index] = row + b.step;
            if (index == 0)
                lastEquipmentCode = f;
            write(row, b.name, t.cell(nameColumn, i));
            if (b.code)
                write(row, b.code, code1);
            write(row, b.estimated, t.cell(estimatedColumn, i));
            write(row, b.submitted, t.cell(submittedColumn, i));
            for (const char16_t *c : b.compressed)
                write(row, c, t.cell(compressedColumn, i));
            if (hasEstimate)
                write(row, b.ratioColumn, QString::fromUtf16(b.ratio).arg(row));
            continue;
        }
        if (f == 200 || f == 201 || f == 210 || f == 211) {
            const int row = f == 200 ? 6 : f == 201 ? 7 : f == 210 ? 8 : 9;
            amounts(row, u"V", t.cell(takenColumn, i), {u"AD"});
            if (hasEstimate)
                write(row, u"AE", u"=AG%1/AD%1"_qs.arg(row));
            static const char16_t *const labour[] = {u"=AQ7*AQ8", u"=AQ10*AQ11", u"=AQ13*AQ14", u"=AQ16*AQ17"};
            write(row, u"AG", QString::fromUtf16(labour[row - 6]));
        } else if (f == 500 && doc.c[8]) {
            amounts(36, u"V", t.cell(nameColumn, i), {u"AD"});
            if (hasEstimate)
                write(36, u"AE", u"=AG36/W36"_qs);
        } else if (f >= 601 && f <= 603 && doc.c[size_t(5 + f - 601)]) {
            amounts(int(37 + f - 601), u"V", t.cell(nameColumn, i), {u"AD"});
        }
    }

    for (QStringView c : {u"AM7", u"AM8", u"AP7"})
        sheet.setText(c, u"100"_qs);
    sheet.setText(u"AQ8", u"18,000"_qs);
    sheet.setText(u"B2", s.Edit29);
    for (QStringView c : {u"Y1", u"D3", u"D4", u"U3", u"U4", u"AH2", u"T60", u"AR27"})
        clear(c);
    for (const char16_t *c : {u"C", u"E", u"G", u"I"})
        sheet.setText(QString::fromUtf16(c) + u"60"_qs, u"=SUM(%1+%2)"_qs.arg(QString::fromUtf16(c) + u"59"_qs,
                                                                          QString::fromUtf16(c) + u"37"_qs));
    sheet.setText(u"W52", sheet.text(51, a1::columnNumber(u"AA")));
}

} // namespace tallytemplate
