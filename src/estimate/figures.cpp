#include "estimate/figures.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "entry/keypadprompt.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"
#include "estimate/sheetrows.h"

#include <algorithm>

namespace figures {

using namespace sheetcol;

namespace {

// The backslash (0x5C) that Japanese fonts show as a yen sign.
const QString yen = u"\\"_qs;

bool isLabourBaseName(const QString &name)
{
    static const QStringList names{u"取付調整費"_qs, u"機器取付調整費"_qs, u"立会試験費"_qs,
                                   u"立合試験費"_qs, u"配線工事"_qs,     u"配線工事費"_qs};
    return names.contains(name);
}

bool isExcludedName(const QString &name)
{
    static const QStringList names{u"高所作業車費"_qs, u"仮設リース費"_qs, u"リース費"_qs, u"仮設費"_qs};
    return names.contains(name);
}

// A cell that counts nothing when empty or a single space.
double amountOf(const TextGrid &t, int column, int row)
{
    return num::toNumberOr(t.cell(column, row), 0);
}

// Rows the social-insurance calculation looks for: the first of each name.
struct Landmarks {
    int site = 0;
    int overhead = 0;
    int total = 0;
};

Landmarks findLandmarks(const TextGrid &t)
{
    Landmarks found;
    for (int r = 1; r < t.rowCount(); ++r) {
        const QString &name = t.cell(Name, r);
        int *slot = name == sheet::names::siteExpenses ? &found.site
                    : name == sheet::names::overhead   ? &found.overhead
                    : name == sheet::names::grandTotal ? &found.total
                                                       : nullptr;
        if (slot != nullptr && *slot == 0)
            *slot = r;
    }
    return found;
}

// The social-insurance amount at the rate of Edit57 (an empty rate field becomes "0").
double socialInsuranceAmount(EstimateDocument &doc)
{
    QString &rate = doc.settings.Edit57;
    if (num::isBlank(rate))
        rate = u"0"_qs;
    const double percent = num::toNumber(rate);
    return roundByUnit(sheet::hundredthOf(labourBase(doc.sheet), percent), num::units::socialInsurance);
}

void setSocialInsuranceShown(EstimateDocument &doc, bool on)
{
    doc.settings.CheckBox20 = on;
    doc.controls.N43.text = on ? u"社会保険料相当額を表示しない"_qs : u"社会保険料相当額を表示する"_qs;
}

// The amount of the row that gives up the social-insurance amount; false when too little would be
// left, after the notice panel has said so.
bool takeFrom(EstimateDocument &doc, int row, double amount, const QString &notice)
{
    TextGrid &t = doc.sheet;
    if (t.cell(Submitted, row) == u" ")
        t.setCell(Submitted, row, QString());
    const double remaining = amountOf(t, Submitted, row) - amount;
    if (remaining < 1000) {
        MainControls &c = doc.controls;
        c.Panel94.visible = true;
        c.Label149.text = notice;
        c.Label151.text = u"社会保険料相当額は "_qs + yen + num::shortest(amount) + u" です。"_qs;
        return false;
    }
    sheet::writeNumber(t, Submitted, row, remaining);
    return true;
}

void socialInsuranceItem(EstimateDocument &doc, Host &host)
{
    const Settings &s = doc.settings;
    const double amount = socialInsuranceAmount(doc);
    const Landmarks at = findLandmarks(doc.sheet);
    if (amount <= 0)
        return;
    bool taken = true;
    if (!s.CheckBox4 && at.overhead != 0) {
        taken = takeFrom(doc, at.overhead, amount, u"社会保険料相当額が諸経費より大きいので自動計算できません。"_qs);
    } else if (!s.CheckBox3 && s.CheckBox4 && at.site != 0) {
        taken = takeFrom(doc, at.site, amount, u"社会保険料相当額が現場雑費より大きいので自動計算できません。"_qs);
    } else if (s.CheckBox3 && s.CheckBox4) {
        setSocialInsuranceShown(doc, false);
        return;
    }
    if (!taken) {
        doc.settings.RadioButton3 = false; // note mode from now on
        socialInsuranceNote(doc, host);
        return;
    }
    const int row = at.total - (s.CheckBox14 ? 3 : 2);
    if (at.total == 0 || row < 1)
        return;
    TextGrid &t = doc.sheet;
    t.setCell(Name, row, u"社会保険料相当額"_qs);
    t.setCell(Quantity, row, sheet::names::one);
    t.setCell(Unit, row, sheet::names::lumpSum);
    t.setCell(SubmissionRate, row, s.Edit57);
    t.setCell(Submitted, row, num::shortest(amount));
}

} // namespace

double roundByUnit(double amount, std::span<const num::UnitStep> units)
{
    const double unit = num::unitFor(amount, units, num::Reach::Above);
    return unit > 0 ? num::roundToUnit(amount, unit) : amount;
}

double labourBase(const TextGrid &t)
{
    double base = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const QString &name = t.cell(Name, r);
        if ((t.cell(C, r) == sheet::names::class301 || isLabourBaseName(name)) && !isExcludedName(name))
            base += amountOf(t, Compressed, r);
    }
    return base;
}

void socialInsurance(EstimateDocument &doc, Host &host)
{
    if (!doc.settings.RadioButton3) {
        socialInsuranceNote(doc, host);
        return;
    }
    try {
        socialInsuranceItem(doc, host);
    } catch (const ConversionError &e) {
        host.silentStop(u"Button122Click"_qs, e.text());
    }
}

void socialInsuranceNote(EstimateDocument &doc, Host &host)
{
    try {
        const double amount = socialInsuranceAmount(doc);
        const int row = findLandmarks(doc.sheet).total - 2;
        if (amount > 0 && row >= 1) {
            doc.sheet.setCell(Spec, row, u"※社会保険料相当額( "_qs + yen + num::grouped(amount) + u" )含む"_qs);
        }
    } catch (const ConversionError &e) {
        host.silentStop(u"Button134Click"_qs, e.text());
    }
}

double netAmount(const EstimateDocument &doc)
{
    const double total = doc.sougoukei;
    const double net = roundByUnit(sheet::hundredthOf(num::toNumber(doc.settings.Edit56), total), num::units::net);
    return std::min(net, total);
}

bool netFigure(EstimateDocument &doc, Host &host)
{
    try {
        const double net = netAmount(doc);
        doc.netFigure = net;
        doc.controls.NET1.text = u"NET提示金額 "_qs + yen + num::grouped(net) + u"- をクリップボードへコピー"_qs;
        doc.controls.NET2.text = u"NET提示率 "_qs + doc.settings.Edit56 + u"% を変更する"_qs;
        return true;
    } catch (const ConversionError &e) {
        host.silentStop(u"NET提示金額"_qs, e.text());
        return false;
    }
}

void copyNet(EstimateDocument &doc, Host &host)
{
    host.setClipboardText(QString());
    try {
        host.setClipboardText(u"NET "_qs + yen + num::grouped(netAmount(doc)) + u"-"_qs);
    } catch (const ConversionError &e) {
        host.silentStop(u"Button125Click"_qs, e.text());
    }
}

void enterNetRate(EstimateDocument &doc, const QString &typed)
{
    if (!typed.isEmpty())
        doc.settings.Edit56 = typed;
}

void netRateEntry(EstimateDocument &doc, Host &host)
{
    const QString before = doc.settings.Edit56;
    doc.settings.Edit56.clear();
    doc.notifyChanged();
    const std::optional<QString> typed = keypadprompt::ask(doc, host, {}, false);
    doc.settings.Edit56 = before;
    enterNetRate(doc, typed.value_or(QString()));
    doc.keypadText.clear();
    doc.notifyChanged();
}

void labourTotals(EstimateDocument &doc, Host &host)
{
    static const QStringList labourNames{u"電工費"_qs,   u"労務費"_qs,     u"電 工 費"_qs,
                                         u"労 務 費"_qs, u"電　工　費"_qs, u"労　務　費"_qs};
    const TextGrid &t = doc.sheet;
    const QString &labourName = doc.settings.Edit52;
    try {
        double net = 0;
        double submitted = 0;
        for (int r = 1; r < t.rowCount(); ++r) {
            const QString &name = t.cell(Name, r);
            if (!labourNames.contains(name) && name != labourName)
                continue;
            net += amountOf(t, Compressed, r);
            submitted += amountOf(t, Submitted, r);
        }
        net = roundByUnit(net, num::units::labourSums);
        submitted = roundByUnit(submitted, num::units::labourSums);
        host.message(Host::MessageKind::Information, {},
                     labourName + u"：NET "_qs + yen + num::grouped(net) + u"  提出 "_qs + yen
                         + num::grouped(submitted) + u" です。"_qs,
                     Host::Yes);
    } catch (const ConversionError &e) {
        host.silentStop(u"Button123Click"_qs, e.text());
    }
}

void rangeSum(EstimateDocument &doc, Host &host)
{
    const int column = doc.nx6;
    if (column != Quantity && column != Price && column != Compressed && column != Submitted)
        return;
    const TextGrid &t = doc.sheet;
    double sum = 0;
    try {
        for (int r = std::min(doc.ny6, doc.uy6); r <= std::max(doc.ny6, doc.uy6); ++r)
            sum += amountOf(t, column, r);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return;
    }
    QString text = num::hashGrouped(sum);
    if (text.isEmpty())
        text = u"0"_qs;
    host.message(Host::MessageKind::Information, {}, u"足し算結果は "_qs + text + u" になります"_qs, Host::Yes);
}

void toggleSuppliedGoods(EstimateDocument &doc, Host &host)
{
    const bool on = !doc.settings.CheckBox18;
    doc.settings.CheckBox18 = on;
    doc.controls.N35.text = on ? u"御支給品表示を自動に戻す"_qs : u"労務費以外は御支給品で表示する"_qs;
    sheet::compile(doc, host);
}

void toggleSocialInsurance(EstimateDocument &doc, Host &host)
{
    setSocialInsuranceShown(doc, !doc.settings.CheckBox20);
    sheet::compile(doc, host);
}

void closeNotice(EstimateDocument &doc)
{
    doc.controls.Panel94.visible = false;
}

} // namespace figures
