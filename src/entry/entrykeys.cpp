#include "entry/entrykeys.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "entry/entryform.h"
#include "estimate/linecalculation.h"

namespace entrykeys {

namespace {

// Fields under the "0." rule: quantity, unit price, labour factor, ceiling factor.
bool takesLeadingZeroRule(int code)
{
    return code == 9 || code == 11 || code == 12 || code == 16;
}

} // namespace

QString formattedPrice(const QString &price)
{
    if (!num::isNumber(price))
        return {};
    return num::hashGrouped(num::toNumber(price));
}

void keypadKey(EntryForm &f, Host &host, QChar key)
{
    const bool priceRules = f.isRed(EntryForm::Panel8);
    if ((priceRules && key == u'.') || (priceRules && key == u'0' && f.Edit11.isEmpty())
        || (f.ten == 1 && key == u'.')) {
        host.beep();
        return;
    }
    if (key == u'.')
        f.ten = 1;
    if (QString *field = f.fieldForCode(f.t_no)) {
        if (takesLeadingZeroRule(f.t_no)) {
            if (*field == u"0" && key != u'.') {
                *field = u"0."_qs;
                f.ten = 1;
            } else if (num::isBlank(*field) && key == u'.') {
                *field = u"0"_qs;
            }
        }
        *field += key;
        if (f.t_no == 11) {
            f.Edit6 = formattedPrice(f.Edit11);
            f.Edit6Shown = true;
        }
    }
    pricePreview(f);
}

void plusMinus(EntryForm &f, Host &host)
{
    if (f.t_no != 9 && f.t_no != 11)
        return;
    QString &field = *f.fieldForCode(f.t_no);
    if (!num::isNumber(field)) {
        host.beep();
        return;
    }
    field = num::shortest(-num::toNumber(field));
    if (f.t_no == 11)
        f.Edit6 = formattedPrice(field);
}

void clearKey(EntryForm &f)
{
    if (QString *field = f.fieldForCode(f.t_no))
        field->clear();
    if (f.t_no == 11)
        f.Edit6.clear();
    f.ten = 0;
}

void pricePreview(EntryForm &f)
{
    try {
        if (const auto text = linecalc::submittedPricePreview(f.Edit11, f.Edit20)) {
            f.Label28 = *text;
            f.Label28Colour = entrycolour::lightBlue;
        }
    } catch (const ConversionError &) {
        // The preview is only a help: a price still being typed ("0.", "-") shows nothing.
    }
}

void labourPrice(EntryForm &f, const QString &labourUnitPrice)
{
    if (f.ComboBox6 != u"工数")
        return;
    f.Edit11 = labourUnitPrice;
    f.Edit6 = formattedPrice(f.Edit11);
}

bool calculatorCopy(EntryForm &f, const QString &value)
{
    if (f.isRed(EntryForm::Panel6)) {
        f.Edit9 = value;
    } else if (f.isRed(EntryForm::Panel8)) {
        f.Edit11 = value;
        f.Edit6 = formattedPrice(value);
    } else if (f.isRed(EntryForm::Panel9)) {
        f.Edit12 = value;
    } else {
        return false;
    }
    return true;
}

} // namespace entrykeys
