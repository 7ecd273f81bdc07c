// Settings files (the standard values and a user's ".kxt"): applied over a small estimate, which
// is then recalculated and compiled with them. A settings file the program writes must read back
// to the same file.

#include "fuzzsetup.h"
#include "fuzztarget.h"

#include "base/conversionerror.h"
#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/settingsrules.h"
#include "storage/estimatefile.h"
#include "storage/settingsfile.h"

SOLVARA_FUZZ_TARGET(settings)
{
    const QStringList lines = fuzzsetup::lines(data, size);
    // The first byte chooses the file: the standard values or a user settings file.
    const int lineCount = size > 0 && (data[0] & 1) ? settingsfile::userLineCount : settingsfile::standardLineCount;

    EstimateDocument doc;
    ScriptedHost host;
    fuzzsetup::loadSmallEstimate(doc, host);
    try {
        settingsfile::apply(doc, lines, lineCount);
        settingsrules::takeRates(doc);
    } catch (const ConversionError &) {
        return 0; // the read stops there, as the program shows
    }
    settingsrules::takeDataFolder(doc);
    settingsrules::refreshLabourCaption(doc);
    settingsrules::syncDependentControls(doc);
    linecalc::recalculateAll(doc, host);
    estimatefile::afterRead(doc, host); // the views, the item links and the compiled sheet

    const QStringList saved = settingsfile::lines(doc.settings, lineCount);
    EstimateDocument again;
    fuzzsetup::start(again);
    settingsfile::apply(again, saved, lineCount);
    FUZZ_REQUIRE(settingsfile::lines(again.settings, lineCount) == saved);
    return 0;
}
