// A yardstick for the whole-table recalculation: one plain pass over the same estimate that parses
// the numeric cells each line's calculation reads, computes the same formulas in double and
// formats the results (whole numbers as integers, the others by std::to_chars with 15 significant
// digits), and nothing else:
// no defaults written back, no comparison with the cells, no grid writes. The recalculation should
// stay within a small factor of it.
#include "largeestimate.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr double powersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Inline parse of plain decimal text (optional minus, digits, one point, at most 15 digits): the
// digits and the power of ten are both exact in a double, so one division rounds correctly.
// Anything longer goes to std::from_chars.
double plainNumber(const QString &text, double blank)
{
    const qsizetype n = text.size();
    if (n == 0 || (n == 1 && text[0] == u' '))
        return blank;
    const QChar *p = text.constData();
    qsizetype i = p[0] == u'-' ? 1 : 0;
    quint64 mantissa = 0;
    int digits = 0, fraction = -1;
    for (; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c >= u'0' && c <= u'9') {
            mantissa = mantissa * 10 + (c - u'0');
            ++digits;
            fraction += fraction >= 0;
        } else if (c == u'.' && fraction < 0) {
            fraction = 0;
        } else {
            break;
        }
    }
    if (i == n && digits > 0 && digits <= 15) {
        const double v = fraction > 0 ? double(mantissa) / powersOfTen[fraction] : double(mantissa);
        return p[0] == u'-' ? -v : v;
    }
    char buf[64];
    const qsizetype m = std::min<qsizetype>(n, sizeof buf);
    for (qsizetype k = 0; k < m; ++k)
        buf[k] = char(p[k].unicode());
    double v = 0;
    std::from_chars(buf, buf + m, v);
    return v;
}

double halfAway(double v)
{
    return v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
}

double atLeast(double cost, double minimum)
{
    return cost > 0 && cost < minimum ? minimum : cost;
}

// The formatted results of one line: column and text.
struct Output {
    int column;
    int length;
    char text[32];
};

struct ProbeLine {
    Output out[14];
    int count = 0;

    void put(int column, double value)
    {
        Output &o = out[count++];
        o.column = column;
        char *end = o.text + sizeof o.text;
        // Whole numbers, most of the results, are written as integers.
        if (std::fabs(value) < 1e15 && value == std::trunc(value))
            o.length = int(std::to_chars(o.text, end, qint64(value)).ptr - o.text);
        else
            o.length = int(std::to_chars(o.text, end, value, std::chars_format::general, 15).ptr - o.text);
    }
};

void probeLine(const EstimateDocument &doc, int r, double unit, ProbeLine &line)
{
    using namespace linecol;
    const TextGrid &t = doc.lines;
    line.count = 0;
    const double allowance = plainNumber(t.cell(Allowance, r), 100);
    double q = plainNumber(t.cell(Quantity, r), 0) * allowance / 100;
    if (!doc.settings.CheckBox7)
        q = halfAway(q);
    line.put(Corrected, q);

    const QString &kind = t.cell(Kind, r);
    const bool removal = kind == u"撤去";
    const bool reinstall = kind == u"撤去再取付";
    double price = removal || reinstall ? 0 : plainNumber(t.cell(Price, r), 0);
    const int itemRow = int(plainNumber(t.cell(ItemRow, r), 0));
    double factor = plainNumber(t.cell(Factor, r), 0);
    if (removal)
        factor *= 0.2;
    else if (reinstall)
        factor *= 1.6;
    line.put(Labour, q * doc.roumutanka * factor);

    double compression, submission;
    if (t.cell(C, r) != u"146" || doc.settings.TForm6_CheckBox1) {
        compression = plainNumber(t.cell(Compression, r), 100);
        submission = plainNumber(t.cell(Submission, r), 100);
    } else {
        compression = std::nearbyint(plainNumber(t.cell(BaseCompression, r), 100) * doc.Curitu);
        submission = std::nearbyint(plainNumber(t.cell(BaseSubmission, r), 100) * doc.Curitu);
        line.put(Compression, compression);
        line.put(Submission, submission);
    }

    const double accessory = std::trunc(plainNumber(t.cell(Accessory, r), 0) / 100 * price * submission / 100);
    line.put(AccessoryCost, atLeast(accessory * q, 20));
    const double mounting = std::trunc(plainNumber(t.cell(Mounting, r), 0) / 100 * price * submission / 100);
    line.put(MountingCost, atLeast(mounting * q, 200));
    double unitSum = accessory + mounting;

    const double paintingRate = itemRow > 0 ? plainNumber(doc.items.cell(itemcol::PaintingSubmission, itemRow), 100) : 100;
    line.put(PaintingCost, std::nearbyint(paintingRate / 100 * (q * plainNumber(t.cell(Painting, r), 0))));
    line.put(CeilingCost, atLeast(std::nearbyint(q * doc.roumutanka * plainNumber(t.cell(Ceiling, r), 0)), 200));

    double material = std::nearbyint(q * price);
    unitSum += std::trunc(submission / 100 * price);
    const double codeClass = plainNumber(t.cell(C, r), 0);
    if (codeClass >= 140 && codeClass <= 159)
        line.put(Consumables, std::trunc(doc.zatuzaihi / 100 * unitSum * allowance / 100) * q);
    if (kind != u"通常品") {
        material = 0;
        price = 0;
    }
    line.put(Material, material);
    line.put(Compressed, halfAway(compression / 100 * material));
    double submittedPrice = halfAway(submission / 100 * price);
    double submitted = halfAway(submittedPrice * q);
    if (codeClass < 140 && submittedPrice >= unit) {
        double rest = std::fmod(submittedPrice, unit);
        if (rest <= 0)
            rest += unit;
        submittedPrice = std::nearbyint(submittedPrice + (rest < unit / 2 ? -rest : unit - rest));
        submitted = q * submittedPrice;
        line.put(Submission, submittedPrice / price * 100);
    }
    line.put(SubmittedPrice, submittedPrice);
    line.put(Submitted, submitted);
}

double roundingUnit(const EstimateDocument &doc)
{
    const double unit = plainNumber(doc.settings.ComboBox42, 1);
    return unit > 0 ? unit : 1;
}

// Cells where the probe's text differs from the recalculated estimate, once the estimate is
// steady (its first recalculation rewrites the submission rates of the A materials). The probe
// writes scientific forms as "1e+15" where the program writes "1E15"; the estimate has none.
int differingCells(EstimateDocument &doc)
{
    ScriptedHost host;
    linecalc::recalculateAll(doc, host);
    int differing = 0;
    ProbeLine line;
    const double unit = roundingUnit(doc);
    for (int r = 1; r <= doc.st1count; ++r) {
        probeLine(doc, r, unit, line);
        for (int i = 0; i < line.count; ++i) {
            const Output &o = line.out[i];
            if (doc.lines.cell(o.column, r) != QLatin1StringView(o.text, o.length))
                ++differing;
        }
    }
    return differing;
}

void RecalculateProbe(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc);
    ProbeLine line;
    for (auto _ : state) {
        const double unit = roundingUnit(doc);
        for (int r = 1; r <= doc.st1count; ++r) {
            probeLine(doc, r, unit, line);
            benchmark::DoNotOptimize(line);
        }
    }
    state.counters["differing_cells"] = differingCells(doc);
}
BENCHMARK(RecalculateProbe)->Unit(benchmark::kMillisecond);

} // namespace
