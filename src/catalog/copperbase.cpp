#include "catalog/copperbase.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "entry/unitchoices.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/sheetcompiler.h"

namespace copperbase {

double multiplier(double v)
{
    const num::Real a = v < 1200 ? 0.2L : v < 1500 ? 0.3L : 0.4L;
    return double(num::Real(v) / 1000 + a);
}

bool adjust(EstimateDocument &doc, Host &host, bool settingsShown)
{
    Settings &s = doc.settings;
    // Showing the unit window resets its manual box from the estimate's stored flag.
    unitchoices::shown(doc);
    s.TForm6_ComboBox1 = host.copperBaseChoice(s.Edit62).value_or(s.Edit62);
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
