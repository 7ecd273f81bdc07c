#include "export/formula.h"

#include "base/numbers.h"
#include "export/a1.h"

#include <cmath>
#include <vector>

QString FormulaValue::displayText() const
{
    switch (kind) {
    case Number:
        return num::shortest(number);
    case Text:
    case Error:
        return text;
    case Empty:
        break;
    }
    return {};
}

double spreadsheetRound(double value, int digits)
{
    if (!std::isfinite(value))
        return value;
    // Work on the value as its 15 significant digits show it, so that 2.675 rounds to 2.68.
    const double exact = QString::number(value, 'g', 15).toDouble();
    const double scale = std::pow(10.0, digits);
    const double scaled = QString::number(exact * scale, 'g', 15).toDouble();
    const double rounded = scaled >= 0 ? std::floor(scaled + 0.5) : -std::floor(-scaled + 0.5);
    return rounded / scale;
}

namespace {

const QString divZero = u"#DIV/0!"_qs;
const QString badValue = u"#VALUE!"_qs;
const QString badName = u"#NAME?"_qs;

// A parsed operand: a single value or a range (which only SUM takes).
struct Operand {
    Operand(FormulaValue v = {}) : value(std::move(v)) {}
    Operand(const a1::Range &r) : isRange(true), range(r) {}

    FormulaValue value;
    bool isRange = false;
    a1::Range range;
};

class Evaluator
{
public:
    Evaluator(QStringView text, FormulaCells &cells) : m_text(text), m_cells(cells) {}

    FormulaValue run()
    {
        skip(u'=');
        Operand result = comparison();
        spaces();
        if (m_failed || m_pos != m_text.size())
            return FormulaValue::error(badName);
        // A formula that takes an empty cell gives 0, and is itself never blank.
        const FormulaValue value = single(result);
        return value.kind == FormulaValue::Empty ? FormulaValue::ofNumber(0) : value;
    }

private:
    void spaces()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == u' ')
            ++m_pos;
    }
    bool skip(char16_t c)
    {
        spaces();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    FormulaValue single(const Operand &o)
    {
        if (!o.isRange)
            return o.value;
        if (o.range.row1 == o.range.row2 && o.range.column1 == o.range.column2)
            return m_cells.cellValue(o.range.row1, o.range.column1);
        return FormulaValue::error(badValue);
    }

    // A value as a number for arithmetic: empty is 0, numeric text converts, other text fails.
    static bool toNumber(const FormulaValue &v, double &out, FormulaValue &error)
    {
        switch (v.kind) {
        case FormulaValue::Empty:
            out = 0;
            return true;
        case FormulaValue::Number:
            out = v.number;
            return true;
        case FormulaValue::Text:
            if (num::isNumber(v.text)) {
                out = double(num::toNumber(v.text));
                return true;
            }
            error = FormulaValue::error(badValue);
            return false;
        case FormulaValue::Error:
            error = v;
            return false;
        }
        return false;
    }

    Operand comparison()
    {
        Operand left = additive();
        spaces();
        QStringView op;
        for (QStringView candidate : {u"<>", u"<=", u">=", u"=", u"<", u">"}) {
            if (m_text.mid(m_pos).startsWith(candidate)) {
                op = candidate;
                break;
            }
        }
        if (op.isEmpty())
            return left;
        m_pos += op.size();
        const FormulaValue a = single(left);
        const FormulaValue b = single(additive());
        return {compare(a, b, op)};
    }

    static FormulaValue compare(const FormulaValue &a, const FormulaValue &b, QStringView op)
    {
        if (a.kind == FormulaValue::Error)
            return a;
        if (b.kind == FormulaValue::Error)
            return b;
        // Empty takes the kind of the other side; numbers sort before text.
        auto rank = [](const FormulaValue &v, const FormulaValue &other) {
            if (v.kind == FormulaValue::Empty)
                return other.kind == FormulaValue::Text ? 1 : 0;
            return v.kind == FormulaValue::Text ? 1 : 0;
        };
        const int ra = rank(a, b), rb = rank(b, a);
        int c = 0;
        if (ra != rb)
            c = ra < rb ? -1 : 1;
        else if (ra == 0) {
            const double x = a.kind == FormulaValue::Number ? a.number : 0;
            const double y = b.kind == FormulaValue::Number ? b.number : 0;
            c = x < y ? -1 : (x > y ? 1 : 0);
        } else {
            c = QString::compare(a.text, b.text, Qt::CaseInsensitive);
            c = c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
        bool r = false;
        if (op == u"=")
            r = c == 0;
        else if (op == u"<>")
            r = c != 0;
        else if (op == u"<")
            r = c < 0;
        else if (op == u">")
            r = c > 0;
        else if (op == u"<=")
            r = c <= 0;
        else
            r = c >= 0;
        return FormulaValue::ofNumber(r ? 1 : 0); // TRUE and FALSE as 1 and 0
    }

    Operand additive()
    {
        Operand left = term();
        for (;;) {
            spaces();
            if (m_pos >= m_text.size() || (m_text[m_pos] != u'+' && m_text[m_pos] != u'-'))
                return left;
            const QChar op = m_text[m_pos++];
            left = {arithmetic(single(left), single(term()), op)};
        }
    }

    Operand term()
    {
        Operand left = power();
        for (;;) {
            spaces();
            if (m_pos >= m_text.size() || (m_text[m_pos] != u'*' && m_text[m_pos] != u'/'))
                return left;
            const QChar op = m_text[m_pos++];
            left = {arithmetic(single(left), single(power()), op)};
        }
    }

    Operand power()
    {
        Operand left = unary();
        while (skip(u'^'))
            left = {arithmetic(single(left), single(unary()), u'^')};
        return left;
    }

    Operand unary()
    {
        if (skip(u'-'))
            return {arithmetic(FormulaValue::ofNumber(0), single(unary()), u'-')};
        if (skip(u'+'))
            return unary();
        return primary();
    }

    static FormulaValue arithmetic(const FormulaValue &a, const FormulaValue &b, QChar op)
    {
        double x = 0, y = 0;
        FormulaValue error;
        if (!toNumber(a, x, error) || !toNumber(b, y, error))
            return error;
        switch (op.unicode()) {
        case u'+':
            return FormulaValue::ofNumber(x + y);
        case u'-':
            return FormulaValue::ofNumber(x - y);
        case u'*':
            return FormulaValue::ofNumber(x * y);
        case u'/':
            return y == 0 ? FormulaValue::error(divZero) : FormulaValue::ofNumber(x / y);
        default:
            return FormulaValue::ofNumber(std::pow(x, y));
        }
    }

    Operand primary()
    {
        spaces();
        if (m_pos >= m_text.size())
            return fail();
        const QChar c = m_text[m_pos];
        if (c == u'(') {
            ++m_pos;
            Operand inner = comparison();
            if (!skip(u')'))
                return fail();
            return {single(inner)};
        }
        if (c == u'"') {
            QString s;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    return fail();
                if (m_text[m_pos] == u'"') {
                    if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                        s += u'"';
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                s += m_text[m_pos++];
            }
            return {FormulaValue::ofText(s)};
        }
        if (c.isDigit() || c == u'.') {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == u'.'))
                ++m_pos;
            return {FormulaValue::ofNumber(m_text.mid(start, m_pos - start).toDouble())};
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'$'))
            ++m_pos;
        const QStringView word = m_text.mid(start, m_pos - start);
        if (word.isEmpty())
            return fail();
        if (skip(u'('))
            return {function(word.toString().toUpper())};
        const auto cell = a1::parseCell(word);
        if (!cell)
            return fail();
        if (skip(u':')) {
            spaces();
            const qsizetype s2 = m_pos;
            while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'$'))
                ++m_pos;
            const auto range = a1::parseRange(word.toString() + u':' + m_text.mid(s2, m_pos - s2).toString());
            if (!range)
                return fail();
            return Operand(*range);
        }
        return Operand(a1::Range{cell->row, cell->column, cell->row, cell->column});
    }

    std::vector<Operand> arguments()
    {
        std::vector<Operand> args;
        if (skip(u')'))
            return args;
        do
            args.push_back(comparison());
        while (skip(u','));
        if (!skip(u')'))
            fail();
        return args;
    }

    FormulaValue function(const QString &name)
    {
        std::vector<Operand> args = arguments();
        if (m_failed)
            return {};
        if (name == u"SUM")
            return sum(args);
        if (name == u"ISBLANK" && args.size() == 1)
            return FormulaValue::ofNumber(single(args[0]).kind == FormulaValue::Empty ? 1 : 0);
        if (name == u"IF" && (args.size() == 2 || args.size() == 3)) {
            const FormulaValue test = single(args[0]);
            double t = 0;
            FormulaValue error;
            if (!toNumber(test, t, error))
                return error;
            if (t != 0)
                return single(args[1]);
            return args.size() == 3 ? single(args[2]) : FormulaValue::ofNumber(0);
        }
        if (name == u"ROUND" && args.size() == 2) {
            double x = 0, d = 0;
            FormulaValue error;
            if (!toNumber(single(args[0]), x, error) || !toNumber(single(args[1]), d, error))
                return error;
            return FormulaValue::ofNumber(spreadsheetRound(x, int(d)));
        }
        return FormulaValue::error(badName);
    }

    FormulaValue sum(const std::vector<Operand> &args)
    {
        double total = 0;
        for (const Operand &a : args) {
            if (a.isRange) {
                // Text and empty cells of a range are left out; errors pass through.
                for (int r = a.range.row1; r <= a.range.row2; ++r)
                    for (int c = a.range.column1; c <= a.range.column2; ++c) {
                        const FormulaValue v = m_cells.cellValue(r, c);
                        if (v.kind == FormulaValue::Error)
                            return v;
                        if (v.kind == FormulaValue::Number)
                            total += v.number;
                    }
                continue;
            }
            double x = 0;
            FormulaValue error;
            if (!toNumber(a.value, x, error))
                return error;
            total += x;
        }
        return FormulaValue::ofNumber(total);
    }

    Operand fail()
    {
        m_failed = true;
        m_pos = m_text.size();
        return {FormulaValue::error(badName)};
    }

    QStringView m_text;
    FormulaCells &m_cells;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

} // namespace

FormulaValue evaluateFormula(QStringView formula, FormulaCells &cells)
{
    return Evaluator(formula, cells).run();
}
