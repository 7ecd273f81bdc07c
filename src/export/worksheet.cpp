#include "export/worksheet.h"

#include "base/numbers.h"


#include <algorithm>

namespace {

const CellValue emptyValue;
const QString separatorFormat = u"#,##0"_qs;

qint64 key(int row, int column)
{
    return (qint64(row) << 20) | column;
}

} // namespace

CellValue CellValue::fromText(const QString &text, bool *grouped)
{
    if (grouped)
        *grouped = false;
    if (text.isEmpty())
        return {};
    if (text.size() > 1 && text[0] == u'=')
        return {Formula, 0, text};
    if (text[0] == u'\'')
        return text.size() == 1 ? CellValue{} : CellValue{Text, 0, text.mid(1)};
    // Decimal text: sign, digits (grouped by commas in threes, or plain), a fraction, an exponent,
    // with spaces around.
    const QStringView t = QStringView(text).trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    const qsizetype digitsFrom = i;
    bool separators = false;
    int run = 0;
    for (; i < t.size(); ++i) {
        if (t[i].isDigit() && t[i].unicode() < 128) {
            ++run;
        } else if (t[i] == u',' && run >= 1 && run <= 3 && (!separators ? true : run == 3)) {
            separators = true;
            run = 0;
        } else {
            break;
        }
    }
    bool ok = i > digitsFrom && run > 0 && (!separators || run == 3);
    if (separators && t.mid(digitsFrom).startsWith(u','))
        ok = false;
    qsizetype fractionDigits = 0;
    if (i < t.size() && t[i] == u'.') {
        ++i;
        for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i)
            ++fractionDigits;
        ok = ok ? ok : (i - digitsFrom == 1 + fractionDigits && fractionDigits > 0 && !separators);
    }
    if (ok && i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            ++j;
        const qsizetype expFrom = j;
        while (j < t.size() && t[j].isDigit() && t[j].unicode() < 128)
            ++j;
        i = j > expFrom ? j : i;
    }
    if (ok && i == t.size()) {
        bool converted = false;
        const double value = (separators ? t.toString().remove(u',') : t.toString()).toDouble(&converted);
        if (converted) {
            if (grouped)
                *grouped = separators;
            return {Number, value, {}};
        }
    }
    return {Text, 0, text};
}

Range &Range::setValue(const QString &text)
{
    bool grouped = false;
    const CellValue v = CellValue::fromText(text, &grouped);
    for (int r = m_area.row1; r <= m_area.row2; ++r)
        for (int c = m_area.column1; c <= m_area.column2; ++c)
            m_sheet.setValue(r, c, v);
    if (grouped)
        restyle([](CellFormat &s) {
            if (s.numberFormat.isEmpty())
                s.numberFormat = separatorFormat;
        });
    return *this;
}

Range &Range::setNumber(double value)
{
    for (int r = m_area.row1; r <= m_area.row2; ++r)
        for (int c = m_area.column1; c <= m_area.column2; ++c)
            m_sheet.setValue(r, c, {CellValue::Number, value, {}});
    return *this;
}

Range &Range::separatorWrite(const QString &text)
{
    setValue(u"1,000"_qs);
    return setValue(text);
}

Range &Range::separatorWrite(double value)
{
    setValue(u"1,000"_qs);
    return setNumber(value);
}

template<typename F>
Range &Range::restyle(F change)
{
    // Cells of one style change alike: remember each old style's new one.
    QHash<int, int> changed;
    for (int r = m_area.row1; r <= m_area.row2; ++r)
        for (int c = m_area.column1; c <= m_area.column2; ++c) {
            const int old = m_sheet.styleId(r, c);
            auto it = changed.find(old);
            if (it == changed.end()) {
                CellFormat s = m_sheet.styleById(old);
                change(s);
                it = changed.insert(old, m_sheet.internStyle(s));
            }
            m_sheet.setStyleId(r, c, *it);
        }
    return *this;
}

Range &Range::setFontName(const QString &name)
{
    return restyle([&](CellFormat &s) { s.fontName = name; });
}
Range &Range::setFontSize(double points)
{
    return restyle([&](CellFormat &s) { s.fontSize = points; });
}
Range &Range::setBold(bool on)
{
    return restyle([&](CellFormat &s) { s.bold = on; });
}
Range &Range::setUnderline(bool on)
{
    return restyle([&](CellFormat &s) { s.underline = on; });
}
Range &Range::setHAlign(int code)
{
    return restyle([&](CellFormat &s) { s.hAlign = static_cast<unsigned char>(code); });
}
Range &Range::setVAlign(int code)
{
    return restyle([&](CellFormat &s) { s.vAlign = static_cast<unsigned char>(code); });
}
Range &Range::setShrink(bool on)
{
    return restyle([&](CellFormat &s) { s.shrink = on; });
}
Range &Range::setWrap(bool on)
{
    return restyle([&](CellFormat &s) { s.wrap = on; });
}
Range &Range::setNumberFormat(const QString &format)
{
    return restyle([&](CellFormat &s) { s.numberFormat = format; });
}
Range &Range::setWhiteFill(bool on)
{
    return restyle([&](CellFormat &s) { s.whiteFill = on; });
}
Range &Range::setOrientation(int degrees)
{
    return restyle([&](CellFormat &s) { s.rotation = degrees; });
}

Range &Range::setBorder(int edge, int weight)
{
    return restyle([&](CellFormat &s) { s.edges[size_t(edge)] = static_cast<unsigned char>(weight); });
}

Range &Range::setBorderWeight(int edge, int weight)
{
    return setBorder(edge, weight);
}

Range &Range::removeBorder(int edge)
{
    restyle([&](CellFormat &s) { s.edges[size_t(edge)] = CellFormat::NoLine; });
    // The neighbour's opposite side draws the same line: it goes too.
    auto clearNeighbour = [&](int dr, int dc, int opposite) {
        Range(m_sheet, {m_area.row1 + dr, m_area.column1 + dc, m_area.row2 + dr, m_area.column2 + dc})
            .restyle([&](CellFormat &s) { s.edges[size_t(opposite)] = CellFormat::NoLine; });
    };
    if (edge == CellFormat::Left && m_area.column1 > 1)
        clearNeighbour(0, -1, CellFormat::Right);
    else if (edge == CellFormat::Right)
        clearNeighbour(0, 1, CellFormat::Left);
    else if (edge == CellFormat::Top && m_area.row1 > 1)
        clearNeighbour(-1, 0, CellFormat::Bottom);
    else if (edge == CellFormat::Bottom)
        clearNeighbour(1, 0, CellFormat::Top);
    return *this;
}

Range &Range::merge()
{
    for (int r = m_area.row1; r <= m_area.row2; ++r)
        m_sheet.addMerge({r, m_area.column1, r, m_area.column2});
    return *this;
}

Range &Range::mergeCells()
{
    m_sheet.addMerge(m_area);
    return *this;
}

Worksheet::Worksheet(const QString &name) : m_name(name)
{
    internStyle(CellFormat{});
}

Range Worksheet::range(QStringView address)
{
    const auto area = a1::parseRange(address);
    Q_ASSERT_X(area, "Worksheet::range", "invalid address");
    return Range(*this, area.value_or(a1::Range{1, 1, 1, 1}));
}

Worksheet::Cell &Worksheet::at(int row, int column)
{
    if (size_t(row) > m_rows.size())
        m_rows.resize(size_t(row));
    auto &cells = m_rows[size_t(row - 1)];
    if (size_t(column) > cells.size())
        cells.resize(size_t(column));
    return cells[size_t(column - 1)];
}

const Worksheet::Cell *Worksheet::find(int row, int column) const
{
    if (row < 1 || column < 1 || size_t(row) > m_rows.size())
        return nullptr;
    const auto &cells = m_rows[size_t(row - 1)];
    return size_t(column) <= cells.size() ? &cells[size_t(column - 1)] : nullptr;
}

const CellValue &Worksheet::value(int row, int column) const
{
    const Cell *c = find(row, column);
    return c ? c->value : emptyValue;
}

void Worksheet::setValue(int row, int column, CellValue value)
{
    if (!m_results.isEmpty())
        m_results.clear();
    at(row, column).value = std::move(value);
}

const CellFormat &Worksheet::style(int row, int column) const
{
    return m_styles[size_t(styleId(row, column))];
}

int Worksheet::styleId(int row, int column) const
{
    const Cell *c = find(row, column);
    return c ? c->style : 0;
}

void Worksheet::setStyleId(int row, int column, int id)
{
    at(row, column).style = id;
}

int Worksheet::internStyle(const CellFormat &style)
{
    auto it = m_styleIds.constFind(style);
    if (it != m_styleIds.constEnd())
        return *it;
    m_styles.push_back(style);
    const int id = int(m_styles.size() - 1);
    m_styleIds.insert(style, id);
    return id;
}

int Worksheet::columnCount(int row) const
{
    return row >= 1 && size_t(row) <= m_rows.size() ? int(m_rows[size_t(row - 1)].size()) : 0;
}

FormulaValue Worksheet::result(int row, int column) const
{
    const CellValue &v = value(row, column);
    switch (v.kind) {
    case CellValue::Empty:
        return {};
    case CellValue::Number:
        return FormulaValue::ofNumber(v.number);
    case CellValue::Text:
        return FormulaValue::ofText(v.text);
    case CellValue::Formula:
        break;
    }
    const qint64 k = key(row, column);
    if (auto it = m_results.constFind(k); it != m_results.constEnd())
        return *it;
    if (m_evaluating.value(k))
        return FormulaValue::error(u"#REF!"_qs); // a formula that refers to itself
    m_evaluating.insert(k, true);
    const FormulaValue r = evaluateFormula(v.text, const_cast<Worksheet &>(*this));
    m_evaluating.remove(k);
    m_results.insert(k, r);
    return r;
}

void Worksheet::addMerge(const a1::Range &area)
{
    a1::Range joined = area;
    for (bool grown = true; grown;) {
        grown = false;
        for (auto it = m_merges.begin(); it != m_merges.end(); ++it) {
            if (!it->intersects(joined))
                continue;
            joined = {std::min(joined.row1, it->row1), std::min(joined.column1, it->column1),
                      std::max(joined.row2, it->row2), std::max(joined.column2, it->column2)};
            m_merges.erase(it);
            grown = true;
            break;
        }
    }
    m_merges.push_back(joined);
    // Only the top left cell of a merged area keeps its value.
    for (int r = joined.row1; r <= joined.row2; ++r)
        for (int c = joined.column1; c <= joined.column2; ++c)
            if ((r != joined.row1 || c != joined.column1) && value(r, c).kind != CellValue::Empty)
                setValue(r, c, {});
}
