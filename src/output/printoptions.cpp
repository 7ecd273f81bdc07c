#include "output/printoptions.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/document.h"
#include "items/header.h"

namespace printoptions {

namespace {

const QString appliedMark = QStringLiteral(" ■");

// Truncation ("切り捨て") or rounding with halves to even ("四捨五入").
double rounded(const PrintOptions &o, double value)
{
    return o.RadioButton1 ? num::truncate(value) : num::roundEven(value);
}

// "%10.2f", or "%10.0n" when that text ends in "00".
QString taxText(double tax)
{
    const QString two = num::fixed(tax, 2, 10);
    return two.endsWith(u"00") ? num::groupedFixed(tax, 0, 10) : two;
}

bool flag(const QString &value)
{
    return value == u"1";
}

} // namespace

bool anyConditionApplied(const EstimateDocument &doc)
{
    for (int row = 1; row < doc.conditions.rowCount(); ++row)
        if (doc.conditions.cell(1, row) == appliedMark)
            return true;
    return false;
}

void FormShow(const EstimateDocument &doc, PrintOptions &o)
{
    o.CheckBox4 = anyConditionApplied(doc);
    o.RadioButton1 = doc.seikyu5 != 1;
    o.buttonPanels = true;
    o.Tag = 0;
}

void Button1Click(EstimateDocument &doc, PrintOptions &o)
{
    doc.patan = 1;
    o.Tag = 1;
}

bool Button2Click(EstimateDocument &doc, Host &host, PrintOptions &o, const QDate &today)
{
    o.GroupBox1 = true;
    o.Edit1Shown = true;
    o.buttonPanels = false;
    o.Edit3 = header::eraYear(today.year());
    o.Edit4 = QString::number(today.month());
    o.Edit5 = QString::number(today.day());
    try {
        const double amount = rounded(o, num::toNumber(doc.settings.Edit55));
        o.Edit7 = num::shortest(amount);
        o.Edit1 = num::amount(amount);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    if (!Button5Click(doc, host, o))
        return false;
    o.Edit2 = doc.settings.Edit29;
    o.CheckBox1 = true;
    return true;
}

bool Button5Click(EstimateDocument &doc, Host &host, PrintOptions &o)
{
    o.Edit1Shown = true;
    try {
        const double typed = num::toNumber(o.Edit7);
        const double amount = rounded(o, typed);
        doc.seikyu5 = o.RadioButton1 ? 0 : 1;
        const QString label = u"※消費税率 "_qs + doc.settings.Edit51 + u" ％"_qs;
        // The tax is taken from the amount as typed, before its own rounding.
        const double rate = double(num::toInteger(doc.settings.Edit51));
        const double tax = rounded(o, rate * typed * 0.01);
        o.Edit1 = num::amount(amount);
        o.Label9 = label;
        o.Edit8 = num::shortest(tax);
        o.Edit6 = taxText(tax);
        o.Edit9 = num::amount(rounded(o, amount + tax));
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    return true;
}

void Button3Click(EstimateDocument &doc, PrintOptions &o)
{
    o.GroupBox1 = false;
    doc.settings.Edit55 = o.Edit7;
    doc.patan = 2;
    o.Tag = 1;
}

void Button4Click(EstimateDocument &doc, PrintOptions &o)
{
    doc.patan = 0;
    o.GroupBox1 = false;
}

bool isControl(const QString &name)
{
    PrintOptions scratch;
    return setControl(scratch, name, QString());
}

bool setControl(PrintOptions &o, const QString &name, const QString &value)
{
    bool *boxes[] = {&o.CheckBox1, &o.CheckBox2, &o.CheckBox3, &o.CheckBox4, &o.CheckBox5};
    for (int i = 0; i < 5; ++i)
        if (name == u"CheckBox%1"_qs.arg(i + 1)) {
            *boxes[i] = flag(value);
            return true;
        }
    QString *edits[] = {&o.Edit3, &o.Edit4, &o.Edit5, &o.Edit7};
    const char16_t *editNames[] = {u"Edit3", u"Edit4", u"Edit5", u"Edit7"};
    for (int i = 0; i < 4; ++i)
        if (name == QStringView(editNames[i])) {
            *edits[i] = value;
            return true;
        }
    if (name == u"RadioButton1") {
        o.RadioButton1 = flag(value);
        return true;
    }
    if (name == u"RadioButton2") {
        o.RadioButton1 = !flag(value);
        return true;
    }
    return false;
}

} // namespace printoptions
