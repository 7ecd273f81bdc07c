#include "estimate/expenseblock.h"

#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/itemsection.h"
#include "estimate/sheetrows.h"

namespace sheet {


namespace {

const QString autoRounding = u"丸め自動"_qs;
const QString manualCalculation = u"手動計算"_qs;

bool filled(const QString &text)
{
    return !num::isBlank(text);
}

// A site-expense or overhead row: where it stands (0 when hidden) and its two amounts.
struct Expense {
    int row = 0;
    double compressed = 0;
    double amount = 0;
    bool shown() const { return row != 0; }
};

void writeAmounts(TextGrid &t, const Expense &e)
{
    writeNumber(t, sheetcol::Compressed, e.row, e.compressed);
    writeNumber(t, sheetcol::Submitted, e.row, e.amount);
}

// A filled manual amount replaces the computed one and is marked as typed by hand.
void applyManualAmount(TextGrid &t, Expense &e, const QString &manual)
{
    if (!filled(manual))
        return;
    e.amount = num::toNumber(manual);
    t.setCell(sheetcol::Remark, e.row, names::manualAmount);
}

class ExpenseWriter
{
public:
    ExpenseWriter(EstimateDocument &doc, const DirectCost &direct)
        : m_doc(doc), m_t(doc.sheet), m_s(doc.settings), m_direct(direct)
    {
    }

    void write();

private:
    void extraRows();
    void siteExpenses();
    void overhead();
    void roundGrandTotal(double total);

    EstimateDocument &m_doc;
    TextGrid &m_t;
    Settings &m_s;
    const DirectCost m_direct;
    int m_row = 0;
    double m_extraCompressed = 0;
    double m_extraAmount = 0;
    Expense m_site;
    Expense m_overhead;
    int m_taxRow = 0;
    int m_totalRow = 0;
};

void ExpenseWriter::write()
{
    using namespace sheetcol;
    const int directRow = m_doc.tree_count + 1;
    writeLumpSumRow(m_t, directRow, names::directCost);
    writeNumber(m_t, Compressed, directRow, m_direct.netgoukei);
    writeNumber(m_t, Submitted, directRow, m_direct.goukei);
    m_row = directRow + 2;

    extraRows();
    if (!m_s.CheckBox3)
        siteExpenses();
    if (!m_s.CheckBox4)
        overhead();
    if (socialInsuranceReserved(m_s))
        ++m_row;
    if (m_s.CheckBox14) {
        m_taxRow = m_row++;
        writeLumpSumRow(m_t, m_taxRow, names::tax);
    }
    m_totalRow = m_row + 1;
    writeLumpSumRow(m_t, m_totalRow, names::grandTotal);
    writeNumber(m_t, Compressed, m_totalRow,
                m_direct.netgoukei + m_site.compressed + m_overhead.compressed + m_extraCompressed);
    const double total = m_direct.goukei + m_site.amount + m_overhead.amount + m_extraAmount;
    writeNumber(m_t, Submitted, m_totalRow, total);
    m_t.setCell(Work, 1, QString::number(m_totalRow));
    m_doc.sougoukei = total;
    roundGrandTotal(total);
}

// Up to four extra rows: a rate gives the amount from the direct cost, an amount is taken as
// typed; a row with both is listed without amounts.
void ExpenseWriter::extraRows()
{
    using namespace sheetcol;
    for (int i = 0; i < 4; ++i) {
        const QString &rate = m_s.extraRate(i);
        const QString &amountText = m_s.extraAmount(i);
        if (!filled(m_s.extraName(i)) || (!filled(rate) && !filled(amountText)))
            continue;
        writeLumpSumRow(m_t, m_row, m_s.extraName(i));
        if (filled(rate) != filled(amountText)) {
            const double sonota = m_doc.sonota[size_t(i)];
            double amount;
            if (filled(rate)) {
                amount = num::roundEven(percentOf(num::toNumber(rate), m_direct.goukei));
                writeNumber(m_t, Submitted, m_row, amount);
                m_t.setCell(SubmissionRate, m_row, rate);
            } else {
                amount = num::toNumber(amountText);
                m_t.setCell(Submitted, m_row, amountText);
                writeNumber(m_t, SubmissionRate, m_row, sonota);
            }
            const double compressed = num::roundEven(percentOf(sonota, amount));
            writeNumber(m_t, Compressed, m_row, compressed);
            m_extraCompressed += compressed;
            m_extraAmount += amount;
        }
        ++m_row;
    }
}

void ExpenseWriter::siteExpenses()
{
    m_site.row = m_row++;
    writeLumpSumRow(m_t, m_site.row, names::siteExpenses);
    const double rate = m_doc.genbazatupiritu;
    writeNumber(m_t, sheetcol::SubmissionRate, m_site.row, rate);
    m_site.compressed = num::roundEven(percentOf(rate, m_direct.netgoukei));
    m_site.amount = num::roundEven(percentOf(rate, m_direct.goukei));
    applyManualAmount(m_t, m_site, m_s.Edit23);
    writeAmounts(m_t, m_site);
}

void ExpenseWriter::overhead()
{
    m_overhead.row = m_row++;
    writeLumpSumRow(m_t, m_overhead.row, names::overhead);
    const double rate = m_doc.syokeihiritu;
    writeNumber(m_t, sheetcol::SubmissionRate, m_overhead.row, rate);
    // Estimates of calculation version 4 on charge overhead on the site expenses too. A version
    // between 0 and 4 has no overhead formula, and both amounts stay 0.
    if (m_doc.verj == 0) {
        m_overhead.compressed = num::roundEven(percentOf(rate, m_direct.netgoukei));
        m_overhead.amount = num::roundEven(percentOf(rate, m_direct.goukei));
    } else if (m_doc.verj >= 4) {
        m_overhead.compressed = num::roundEven((m_site.compressed + m_direct.netgoukei) * rate / 100);
        m_overhead.amount = num::roundEven((m_site.amount + m_direct.goukei) * rate / 100);
    }
    if (m_s.CheckBox13 && m_s.ComboBox35 != manualCalculation) {
        const double unit = num::unitFor(m_overhead.amount, num::units::overhead, num::Reach::AtLeast);
        if (unit > 0)
            m_overhead.amount = num::roundToUnit(m_overhead.amount, unit);
    }
    applyManualAmount(m_t, m_overhead, m_s.Edit24);
    writeAmounts(m_t, m_overhead);
}

// Rounds the grand total to the unit of the rounding mode; the site-expense row (or, when it is
// hidden, the overhead row) absorbs the difference. Then the tax. Composite mode and "手動計算"
// keep the unrounded total and compute no tax.
void ExpenseWriter::roundGrandTotal(double total)
{
    using namespace sheetcol;
    QString &mode = m_s.ComboBox35;
    if (m_s.CheckBox8 || mode == manualCalculation)
        return;
    if (num::isBlank(mode) || mode == u"0")
        mode = autoRounding;

    double unit;
    if (mode == autoRounding) {
        const double size = m_site.shown() ? m_site.amount : m_overhead.amount;
        unit = num::unitFor(size, num::units::grandTotal, num::Reach::AtLeast);
        if (unit == 0)
            unit = 100;
    } else {
        unit = num::toNumber(mode);
    }
    const Expense *absorber = m_site.shown() ? &m_site : m_overhead.shown() ? &m_overhead : nullptr;
    if (absorber != nullptr && unit > 0 && total > 0) {
        const double adjustment = num::unitAdjustment(total, unit);
        writeNumber(m_t, Submitted, absorber->row, absorber->amount + adjustment);
        total = num::roundEven(total + adjustment);
    }
    writeNumber(m_t, Submitted, m_totalRow, total);
    m_doc.sougoukei = total;

    const double tax = num::truncate(hundredthOf(num::toNumber(m_s.Edit51), total));
    m_doc.syouhizeigaku = tax;
    if (m_taxRow != 0) {
        writeNumber(m_t, Submitted, m_taxRow, tax);
        writeNumber(m_t, Submitted, m_totalRow, num::truncate(total + tax));
        m_doc.sougoukei = total + tax;
    }
}

} // namespace

bool socialInsuranceReserved(const Settings &settings)
{
    return settings.CheckBox20 && !num::isBlank(settings.Edit57) && settings.Edit57 != u"0";
}

int listedExtraRows(const Settings &settings)
{
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        if (filled(settings.extraName(i)) && (filled(settings.extraRate(i)) || filled(settings.extraAmount(i))))
            ++count;
    }
    return count;
}

int summaryBlockSize(const Settings &settings, int itemRows)
{
    return itemRows + listedExtraRows(settings) + (socialInsuranceReserved(settings) ? 1 : 0) + 8
           - (settings.CheckBox3 ? 1 : 0) - (settings.CheckBox4 ? 1 : 0);
}

void writeExpenseBlock(EstimateDocument &doc, const DirectCost &direct)
{
    ExpenseWriter(doc, direct).write();
}

} // namespace sheet
