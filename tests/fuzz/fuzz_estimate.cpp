// The estimate file: read, compiled into the estimate sheet, saved to memory. A file the program
// has read it must be able to save and read again; when nothing stopped along the way (a number
// that is not one stops a recalculation or a compilation part-way, keeping what was done), the
// saved file reads and compiles cleanly and saves the same again.

#include "fuzzsetup.h"
#include "fuzztarget.h"

#include "base/numbers.h"
#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "storage/estimatefile.h"
#include "storage/records.h"
#include "storage/textfile.h"

namespace {

// The file part of "読込" on a started document.
bool readRecords(EstimateDocument &doc, Host &host, const QStringList &file)
{
    fuzzsetup::start(doc);
    doc.buttonsw = 2;
    doc.Filename = QStringLiteral("fuzz.kas");
    return estimatefile::applyRecords(doc, host, file);
}

// The same records, field by field; an empty field and a single space are both a blank cell (a
// missing field reads as empty text, a present empty one as a space, and both save as blanks).
bool sameRecords(const QStringList &a, const QStringList &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QStringList x = records::toRow(a[i], estimatefile::fieldCount);
        const QStringList y = records::toRow(b[i], estimatefile::fieldCount);
        for (int f = 0; f < estimatefile::fieldCount; ++f)
            if (x[f] != y[f] && !(num::isBlank(x[f]) && num::isBlank(y[f])))
                return false;
    }
    return true;
}

bool clean(const ScriptedHost &host)
{
    return host.messages.isEmpty() && host.silentStops.isEmpty();
}

} // namespace

SOLVARA_FUZZ_TARGET(estimate)
{
    EstimateDocument doc;
    ScriptedHost host;
    if (!readRecords(doc, host, fuzzsetup::lines(data, size)))
        return 0;
    estimatefile::afterRead(doc, host);
    const QStringList saved = estimatefile::records(doc);
    const cp932::Encoded bytes = textfile::encodeLines(saved);

    // The saved bytes read back, as the next "開く" would read them.
    EstimateDocument again;
    ScriptedHost againHost;
    FUZZ_REQUIRE(readRecords(again, againHost, textfile::splitLines(textfile::decode(bytes.bytes))));
    if (clean(host) && bytes.substitutions.isEmpty()) {
        estimatefile::afterRead(again, againHost);
        FUZZ_REQUIRE(clean(againHost));
        FUZZ_REQUIRE(sameRecords(estimatefile::records(again), saved));
    }
    return 0;
}
