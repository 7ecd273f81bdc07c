#include "estimate/linecalculation.h"

#include "base/conversionerror.h"
#include "base/gridnumbers.h"
#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"

namespace linecalc {


namespace {

const QString kRemoval = u"撤去"_qs;
const QString kReinstall = u"撤去再取付"_qs;
const QString kNormal = u"通常品"_qs;
const QString kCable = u"146"_qs;
const QString kHundred = u"100"_qs;
const QString kZero = u"0"_qs;

double applyMinimum(double cost, double minimum)
{
    return cost > 0 && cost < minimum ? minimum : cost;
}

// The A-material rounding unit: empty, a space or "0" is written back as "1"; a negative or
// non-numeric unit is used as 1 without touching the field. The field is read when the first line
// reaches the rounding and holds for the rest of the pass (nothing else writes it meanwhile).
double roundingUnit(Settings &settings, std::optional<double> &cached)
{
    if (cached)
        return *cached;
    QString &text = settings.ComboBox42;
    if (text.isEmpty() || text == u" " || text == u"0")
        text = u"1"_qs;
    const double unit = num::isNumber(text) ? num::toNumber(text) : 1;
    cached = unit > 0 ? unit : 1;
    return *cached;
}

// Steps 5: the compression and submission rates of one line.
void rates(EstimateDocument &doc, int r, double &compression, double &submission)
{
    TextGrid &t = doc.lines;
    using namespace linecol;
    if (t.cell(C, r) != kCable || doc.settings.TForm6_CheckBox1) {
        cells::defaultIfBlank(t, Compression, r, kHundred);
        compression = num::toNumber(t.cell(Compression, r));
        cells::defaultIfBlank(t, Submission, r, kHundred);
        submission = num::toNumber(t.cell(Submission, r));
        return;
    }
    // A cable line follows the copper base from its base rates, so repeated recalculations with
    // different multipliers never compound.
    auto follow = [&](int rate, int base) {
        cells::defaultIfBlank(t, rate, r, kHundred);
        if (cells::isBlank(t, base, r))
            t.setCell(base, r, t.cell(rate, r));
        const double v = num::roundEven(num::toNumber(t.cell(base, r)) * doc.Curitu);
        cells::setNumber(t, rate, r, v);
        return v;
    };
    compression = follow(Compression, BaseCompression);
    submission = follow(Submission, BaseSubmission);
    if (t.cell(CopperFactor, r) != doc.controls.Label171.text)
        t.setCell(CopperFactor, r, doc.controls.Label171.text);
}

void recalculateLine(EstimateDocument &doc, int r, std::optional<double> &unitCache)
{
    TextGrid &t = doc.lines;
    using namespace linecol;
    const Settings &s = doc.settings;
    const double labourPrice = doc.roumutanka;

    // 1. Corrected quantity.
    const double allowance = cells::number(t, Allowance, r, 100);
    double q = cells::number(t, Quantity, r, 0) * allowance / 100;
    if (!s.CheckBox7)
        q = num::roundHalfAway(q);
    cells::setNumber(t, Corrected, r, q);

    // 2. Unit price; 3. item row.
    const QString &kind = t.cell(Kind, r);
    const bool removal = kind == kRemoval;
    const bool reinstall = kind == kReinstall;
    double price = removal || reinstall ? 0 : cells::number(t, Price, r, 0);
    const qint64 itemRow = cells::isBlank(t, ItemRow, r) ? 0 : num::toInteger(t.cell(ItemRow, r));

    // 4. Labour.
    double factor = cells::number(t, Factor, r, 0);
    if (removal)
        factor *= 0.2;
    else if (reinstall)
        factor *= 1.6;
    cells::setNumber(t, Labour, r, q * labourPrice * factor);

    // 5. Rates.
    double compression = 100, submission = 100;
    rates(doc, r, compression, submission);

    // 6. Accessories.
    cells::defaultIfBlank(t, Accessory, r, kZero);
    const double accessory = num::truncate(num::toNumber(t.cell(Accessory, r)) / 100 * price * submission / 100);
    double unitSum = accessory;
    cells::setNumber(t, AccessoryCost, r, applyMinimum(accessory * q, 20));

    // 7. Mounting material.
    cells::defaultIfBlank(t, Mounting, r, kZero);
    const double mounting = num::truncate(num::toNumber(t.cell(Mounting, r)) / 100 * price * submission / 100);
    unitSum += mounting;
    cells::setNumber(t, MountingCost, r, applyMinimum(mounting * q, 200));

    // 8. Painting, at the item's painting submission rate.
    cells::defaultIfBlank(t, Painting, r, kZero);
    const double paintingBase = q * num::toNumber(t.cell(Painting, r));
    double paintingRate = 100;
    if (itemRow != 0) {
        // A row beyond the item table has no rate of its own: the default 100 applies.
        if (itemRow > 0 && itemRow < doc.items.rowCount()) {
            cells::defaultIfBlank(doc.items, itemcol::PaintingSubmission, int(itemRow), kHundred);
            paintingRate = num::toNumber(doc.items.cell(itemcol::PaintingSubmission, int(itemRow)));
        } else if (itemRow < 0) {
            throw ConversionError(t.cell(ItemRow, r), ConversionError::Kind::Integer);
        }
    }
    cells::setNumber(t, PaintingCost, r, num::roundEven(paintingRate / 100 * paintingBase));

    // 9. Ceiling openings.
    cells::defaultIfBlank(t, Ceiling, r, kZero);
    const double ceiling = num::toNumber(t.cell(Ceiling, r));
    cells::setNumber(t, CeilingCost, r, applyMinimum(num::roundEven(q * labourPrice * ceiling), 200));

    // 10. Material amount.
    double material = num::roundEven(q * price);
    unitSum += num::truncate(submission / 100 * price);
    cells::setNumber(t, Material, r, material);

    // 11. Consumables, for the consumables classes only.
    const double codeClass = cells::number(t, C, r, 0);
    if (codeClass >= 140 && codeClass <= 159) {
        const double v = num::truncate(doc.zatuzaihi / 100 * unitSum * allowance / 100);
        cells::setNumber(t, Consumables, r, v * q);
    }

    // 12. Kinds other than "通常品" carry no material amount.
    if (kind != kNormal) {
        material = 0;
        price = 0;
        if (t.cell(Material, r) != kZero)
            t.setCell(Material, r, kZero);
    }

    // 13 to 15. Compressed amount, submitted unit price and amount.
    cells::setNumber(t, Compressed, r, num::roundHalfAway(compression / 100 * material));
    double submittedPrice = num::roundHalfAway(submission / 100 * price);
    cells::setNumber(t, SubmittedPrice, r, submittedPrice);
    cells::setNumber(t, Submitted, r, num::roundHalfAway(submittedPrice * q));

    // 16 and 17. A materials: the submitted unit price rounded to the unit, the submission rate
    // then follows from it.
    const double unit = roundingUnit(doc.settings, unitCache);
    if (codeClass < 140 && submittedPrice >= unit) {
        submittedPrice = num::roundEven(submittedPrice + num::unitAdjustment(submittedPrice, unit));
        cells::setNumber(t, SubmittedPrice, r, submittedPrice);
        const double corrected = num::toNumber(t.cell(Corrected, r));
        cells::setNumber(t, Submitted, r, corrected * submittedPrice);
        cells::setNumber(t, Submission, r, submittedPrice / price * 100);
    }
}

} // namespace

bool recalculateAll(EstimateDocument &doc, Host &host)
{
    std::optional<double> unit;
    for (int r = 1; r <= doc.st1count; ++r) {
        try {
            recalculateLine(doc, r, unit);
        } catch (const ConversionError &e) {
            host.silentStop(u"StringGrid1の再計算 %1行目"_qs.arg(r), e.text());
            return false;
        }
    }
    return true;
}

bool lineEdit(EstimateDocument &doc, Host &host)
{
    doc.lines.setCell(doc.rafu2, doc.rafu1, doc.keypadText);
    return recalculateAll(doc, host);
}

std::optional<EntryResult> calculateEntry(const EntryFields &f, const EntryContext &context)
{
    if (f.kind == u"注釈行")
        return std::nullopt;
    auto number = [](const QString &text, double blank) { return num::toNumberOr(text, blank); };
    EntryResult out;

    const double allowance = number(f.allowance, 100);
    const double typed = number(f.quantity, 0);
    double q;
    if (context.onSheet) {
        double entered = typed / (allowance / 100);
        if (!context.decimals)
            entered = num::roundHalfAway(entered);
        out.quantity = num::shortest(entered);
        q = context.decimals ? typed : num::roundEven(typed);
    } else {
        out.quantity = f.quantity;
        q = typed * allowance / 100;
        if (!context.decimals)
            q = num::roundHalfAway(q);
    }
    out.corrected = num::shortest(q);

    const bool removal = f.kind == kRemoval;
    const bool reinstall = f.kind == kReinstall;
    double price = removal || reinstall ? 0 : number(f.price, 0);
    double factor = number(f.factor, 0);
    if (removal)
        factor *= 0.2;
    else if (reinstall)
        factor *= 1.6;
    out.labour = num::shortest(q * context.roumutanka * factor);

    const double compression = number(f.compression, 100);
    const double submission = number(f.submission, 100);

    const double accessory = num::truncate(number(f.accessory, 0) / 100 * price * submission / 100);
    double unitSum = accessory;
    out.accessoryCost = num::shortest(applyMinimum(accessory * q, 20));
    const double mounting = num::truncate(number(f.mounting, 0) / 100 * price * submission / 100);
    unitSum += mounting;
    out.mountingCost = num::shortest(applyMinimum(mounting * q, 200));

    const double paintingRate = number(f.paintingSubmission, 100);
    out.paintingCost = num::shortest(num::roundEven(paintingRate / 100 * (q * number(f.painting, 0))));
    const double ceiling = number(f.ceiling, 0);
    out.ceilingCost = num::shortest(applyMinimum(num::roundEven(q * context.roumutanka * ceiling), 200));

    double material = num::roundEven(q * price);
    unitSum += num::truncate(submission / 100 * price);
    out.material = num::shortest(material);

    const double codeClass = number(f.codeClass, 0);
    if (codeClass >= 140 && codeClass <= 159) {
        const double v = num::truncate(context.zatuzaihi / 100 * unitSum * allowance / 100);
        out.consumables = num::shortest(v * q);
    }
    if (f.kind != kNormal) {
        material = 0;
        price = 0;
        out.material = kZero;
    }
    out.compressed = num::shortest(num::roundEven(compression / 100 * material));
    const double submittedPrice = num::roundHalfAway(submission / 100 * price);
    out.submittedPrice = num::shortest(submittedPrice);
    out.submitted = num::shortest(num::roundHalfAway(submittedPrice * q));
    return out;
}

std::optional<QString> submittedPricePreview(const QString &price, const QString &submission)
{
    if (price.isEmpty() || submission.isEmpty())
        return std::nullopt;
    const double value = num::roundHalfAway(num::toNumber(price) * num::toNumber(submission) / 100);
    return u"提出単価："_qs + num::shortest(value);
}

} // namespace linecalc
