#include "export/costsummary.h"

#include "base/conversionerror.h"
#include "base/numbers.h"
#include "estimate/document.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

namespace costsummary {

namespace {

enum class Block { Left, Middle, Right };

// Where a line's amounts go: a row of one block, the middle-block rows of its accessories and
// its mounting material, and for the labour and expense codes whether the line names its row.
struct Target {
    Block block = Block::Middle;
    int row = 58;
    int accessoryRow = 56;
    int mountingRow = 56;
    bool named = false;    // the line's name replaces the row's label
    bool overflow = false; // one of the rows 22 to 26, taken in turn
};

// Columns of the 積算, 提出時 and 受注時 cells of each block.
const char16_t *const columns[3][3] = {{u"C", u"E", u"G"}, {u"N", u"P", u"R"}, {u"W", u"AA", u"AD"}};

int part(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : -1;
}

Target targetFor(const QString &c1, const QString &c3, const QString &c4, const QString &c5)
{
    const int code = part(c1);
    const int p3 = part(c3);
    Target t;
    auto left = [&](int row, int mounting) {
        t.block = Block::Left;
        t.row = row;
        t.mountingRow = mounting;
    };
    auto middle = [&](int row) {
        t.block = Block::Middle;
        t.row = row;
    };
    static const std::pair<int, int> equipment[] = {{111, 6}, {101, 7}, {102, 8}, {103, 9}, {108, 10}, {104, 11},
                                                    {105, 13}, {109, 14}, {106, 15}, {110, 16}, {112, 17}};
    for (const auto &[c, row] : equipment)
        if (code == c)
            left(row, c == 109 || c == 110 || c == 111 ? 7 : 6);
    if (code == 107)
        left(p3 >= 1 && p3 <= 12 && c3.size() == 2 ? 17 + p3 : 30, 7);
    if (code >= 113 && code <= 119)
        left(30, 6);
    auto leftDevice = [&](int row) { left(row, 56); };
    if (code == 120 && (c3 == u"01" || c3 == u"02"))
        leftDevice(c3 == u"01" ? 32 : 33);
    static const std::pair<int, int> devices[] = {{125, 34}, {127, 35}, {122, 36}, {121, 37}, {123, 38},
                                                  {126, 42}, {129, 44}, {130, 45}, {128, 49}};
    for (const auto &[c, row] : devices)
        if (code == c)
            leftDevice(row);
    if (code == 124 && (c3 == u"01" || c3 == u"02"))
        leftDevice(c3 == u"01" ? 40 : 41);

    if (code == 140) {
        if (QStringList{u"01"_qs, u"02"_qs, u"03"_qs, u"07"_qs, u"08"_qs}.contains(c3))
            t = {Block::Middle, 10, 11, 12};
        else if (c3 == u"04" || c3 == u"05" || c3 == u"06")
            t = {Block::Middle, 13, 14, 15};
        else if (c3 == u"10")
            t = {Block::Middle, c4 == u"02" || c4 == u"03" ? 31 : 30, 31, 32};
    }
    static const std::pair<int, int> materials[] = {{141, 11}, {142, 18}, {143, 21}, {144, 24}, {145, 20},
                                                    {147, 52}, {150, 53}, {159, 57}};
    for (const auto &[c, row] : materials)
        if (code == c)
            middle(row);
    if (code == 146) {
        middle(43);
        if (c3 == u"01")
            t = {Block::Middle, 38, 39, 56};
        else if (c3 == u"02")
            t = {Block::Middle, 40, 41, 42};
        else if (p3 >= 3 && p3 <= 6)
            t = {Block::Middle, 43, 44, 45};
        else if (c3 == u"07")
            t = {Block::Middle, 46, 47, 48};
        else if (p3 >= 8 && p3 <= 15)
            t = {Block::Middle, 49, 50, 51};
    }
    if (code == 148)
        middle(c3 == u"02" ? 8 : 9);
    if (code == 149) {
        static const std::pair<const char16_t *, int> posts[] = {{u"01", 35}, {u"02", 36}, {u"04", 55}, {u"05", 34},
                                                                 {u"06", 33}, {u"07", 34}, {u"08", 37}};
        middle(34);
        for (const auto &[p, row] : posts)
            if (c3 == p)
                middle(row);
    }
    if (code >= 151 && code <= 155)
        middle(10);
    if (code >= 156 && code <= 158)
        middle(55);

    if (code == 301) {
        const int p5 = part(c5);
        static const int fixedRows[] = {13, 16, 17, 10, 11, 14, 21, 18, 19, 20, 33, 6};
        t = {Block::Right, 22, 56, 56};
        if (c4 == u"01" && c5.size() == 2 && p5 >= 1 && p5 <= 12) {
            t.row = fixedRows[p5 - 1];
            t.named = true;
        } else {
            t.overflow = true;
        }
    }
    if (code == 302)
        t = {Block::Right, 12, 56, 56};
    return t;
}

class Filler
{
public:
    Filler(const EstimateDocument &doc, Worksheet &sheet) : m_doc(doc), m_sheet(sheet) {}

    // Adds an amount to a cell: its value read back as text (blank counting 0), plus the amount,
    // rounded to even whole yen. Returns the new value; `write` false leaves the cell as it is.
    num::Real add(const QString &at, const QString &amount, bool write = true)
    {
        const num::Real sum = num::roundEven(num::toNumberOr(cellText(at), 0) + num::toNumberOr(amount, 0));
        if (write)
            put(at, sum);
        return sum;
    }
    void put(const QString &at, num::Real value) { m_sheet.range(at).separatorWrite(double(value)); }
    QString cellText(const QString &at)
    {
        const a1::Range r = m_sheet.range(at).area();
        return m_sheet.text(r.row1, r.column1);
    }

    void line(int i)
    {
        const TextGrid &g = m_doc.lines;
        const Target t = targetFor(g.cell(2, i), g.cell(3, i), g.cell(4, i), g.cell(5, i));
        int row = t.row;
        if (t.overflow) {
            row = std::min(22 + m_overflowCount, 26);
            const QString name = g.cell(7, i);
            const QString label = m_overflowCount >= 5 ? cellText(u"V26"_qs) + u'+' + name : name;
            m_sheet.cells(row, 22).setShrink().setValue(label);
            ++m_overflowCount;
        } else if (t.named) {
            m_sheet.cells(row, 22).setValue(g.cell(7, i));
        }
        const auto &cols = columns[int(t.block)];
        auto at = [&](const char16_t *column, int r) { return QString::fromUtf16(column) + QString::number(r); };
        add(at(cols[0], row), g.cell(29, i));
        add(at(cols[1], row), g.cell(32, i));
        add(at(cols[2], row), g.cell(30, i));

        addTriple(t.accessoryRow, g.cell(25, i));
        if (const num::Real v = add(u"N58"_qs, g.cell(33, i), false); v != 0)
            put(u"N58"_qs, v);
        for (const auto &[cell, column] : {std::pair{u"W11", 27}, std::pair{u"W14", 28}})
            if (const num::Real v = add(QString::fromUtf16(cell), g.cell(column, i), false); v != 0)
                put(QString::fromUtf16(cell), v);
        addTriple(t.mountingRow, g.cell(26, i));
        add(u"W6"_qs, g.cell(24, i));
        m_sheet.range(u"W6").setShrink();
    }

    // An accessory or mounting amount goes to the middle block's estimated, submitted and
    // ordered cells of its row alike.
    void addTriple(int row, const QString &amount)
    {
        const QString n = u"N%1"_qs.arg(row);
        const num::Real v = add(n, amount, false);
        if (v == 0)
            return;
        for (const char16_t *c : {u"N", u"P", u"R"})
            put(QString::fromUtf16(c) + QString::number(row), v);
    }

    void detailSums()
    {
        const TextGrid &s = m_doc.sheet;
        qint64 sums[4][2] = {}; // consumables, labour, painting, ceiling openings: compressed, submitted
        for (int r = m_doc.irow1 + 1; r <= m_doc.irow2; ++r) {
            int kind = -1;
            if (s.cell(2, r) == u"159" && s.cell(3, r) == u"03")
                kind = 0;
            else if (s.cell(2, r) == u"301" && s.cell(4, r) == u"01" && s.cell(6, r).isEmpty()) {
                const QString &e = s.cell(5, r);
                kind = e == u"12" ? 1 : e == u"05" ? 2 : e == u"06" ? 3 : -1;
            }
            if (kind < 0)
                continue;
            sums[kind][0] += wholeAmount(s.cell(17, r));
            sums[kind][1] += wholeAmount(s.cell(20, r));
        }
        put(u"P58"_qs, num::Real(sums[0][1]));
        put(u"R58"_qs, num::Real(sums[0][0]));
        add(u"AA6"_qs, QString::number(sums[1][1]));
        add(u"AD6"_qs, QString::number(sums[1][0]));
        m_sheet.range(u"AA6").setShrink();
        m_sheet.range(u"AD6").setShrink();
        for (const auto &[row, kind] : {std::pair{11, 2}, std::pair{14, 3}}) {
            const QString aa = u"AA%1"_qs.arg(row), ad = u"AD%1"_qs.arg(row);
            if (const num::Real v = add(aa, QString::number(sums[kind][1]), false); v != 0)
                put(aa, v);
            if (const num::Real v = add(ad, QString::number(sums[kind][0]), false); v != 0)
                put(ad, v);
        }
    }

    void labour()
    {
        if (m_doc.roumutanka == 0)
            throw ConversionError(u"0"_qs); // man-days cannot be computed without a unit price
        const num::Real m = wholeAmount(cellText(u"W6"_qs)) / num::Real(m_doc.roumutanka);
        for (QStringView c : {u"AK7", u"AN7"})
            m_sheet.range(c).setValue(u"1.23"_qs).setNumberFormat(u"0.00"_qs).setNumber(double(m));
        m_sheet.range(u"AK8").separatorWrite(double(m_doc.roumutanka));
        const num::Real ordered = m > 0 ? num::toNumberOr(cellText(u"AD6"_qs), 0) / m : 0;
        m_sheet.range(u"AN8").setNumber(double(ordered));
    }

    void totals()
    {
        m_sheet.range(u"W52").setFontSize(11).setShrink().setNumber(double(m_doc.sougoukei / 1000));
        m_sheet.range(u"W53:W54").mergeCells().setFontSize(11).separatorWrite(QString());
        const TextGrid &s = m_doc.sheet;
        const Settings &set = m_doc.settings;
        const QString *extras[] = {&set.Edit32, &set.Edit33, &set.Edit34, &set.Edit35};
        for (int r = 1; r <= m_doc.irow1; ++r) {
            const QString &name = s.cell(7, r);
            int row = name == u"現場雑費" ? 37 : name == u"諸経費" ? 38 : 0;
            if (row) {
                m_sheet.cells(row, 23, row, 30).setFontSize(11).setShrink();
            } else if (name != u" ") {
                for (int k = 0; k < 4; ++k)
                    if (name == *extras[k]) {
                        row = 23 + k;
                        m_sheet.cells(row, 22).setValue(name);
                    }
            }
            if (!row)
                continue;
            m_sheet.range(u"W%1"_qs.arg(row)).separatorWrite(s.cell(20, r));
            m_sheet.range(u"AA%1"_qs.arg(row)).separatorWrite(s.cell(20, r));
            m_sheet.range(u"AD%1"_qs.arg(row)).separatorWrite(s.cell(17, r));
        }
    }

private:
    // An amount that must be whole yen; blank counts 0.
    static qint64 wholeAmount(const QString &text)
    {
        if (num::isBlank(text))
            return 0;
        const num::Real v = num::toNumber(text);
        if (v != num::truncate(v))
            throw ConversionError(text, ConversionError::Kind::Integer);
        return qint64(v);
    }

    const EstimateDocument &m_doc;
    Worksheet &m_sheet;
    int m_overflowCount = 0;
};

} // namespace

void fillValues(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress)
{
    Filler filler(doc, sheet);
    for (int i = 1; i <= doc.st1count; ++i) {
        filler.line(i);
        progress.advance();
    }
    filler.detailSums();
    filler.labour();
    filler.totals();
    progress.advance();
}

} // namespace costsummary
