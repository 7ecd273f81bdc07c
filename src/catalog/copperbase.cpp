#include "catalog/copperbase.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/sheetcompiler.h"

namespace copperbase {

double multiplier(double v)
{
    const num::Real a = v < 1200 ? 0.2L : v < 1500 ? 0.3L : 0.4L;
    return double(num::Real(v) / 1000 + a);
}

void prepare(EstimateDocument &doc)
{
    doc.settings.TForm6_ComboBox1 = doc.settings.Edit62;
}

bool apply(EstimateDocument &doc, Host &host, bool settingsShown)
{
    Settings &s = doc.settings;
    s.Edit62 = s.TForm6_ComboBox1;
    const QString text = num::isBlank(s.Edit62) ? u"100"_qs : s.Edit62;
    double base = 0;
    try {
        base = double(num::toNumber(text));
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    doc.Curitu = multiplier(base);
    doc.controls.Label171.text = num::shortest(doc.Curitu);
    if (!settingsShown && !doc.controls.Label18.text.isEmpty()) {
        linecalc::recalculateAll(doc, host);
        sheet::compile(doc, host);
    }
    return true;
}

} // namespace copperbase
