// The standard conditions file "jyouken.DATA": read into the condition list, written back, and
// carried in an estimate file's records 2 and 3.

#include "fuzzsetup.h"
#include "fuzztarget.h"

#include "base/numbers.h"
#include "estimate/document.h"
#include "storage/conditions.h"
#include "storage/estimateheader.h"
#include "storage/records.h"

namespace {

QStringList conditionRecords(const EstimateDocument &doc)
{
    QStringList out;
    for (int r = 1; r <= conditions::count; ++r)
        out.append(records::join(doc.conditions.row(r)));
    return out;
}

// Marks and texts alike, an empty text and a single space counting as the same.
bool sameConditions(const EstimateDocument &a, const EstimateDocument &b)
{
    for (int r = 1; r <= conditions::count; ++r) {
        for (int c = 1; c <= 2; ++c) {
            const QString &x = a.conditions.cell(c, r);
            const QString &y = b.conditions.cell(c, r);
            if (x != y && !(num::isBlank(x) && num::isBlank(y)))
                return false;
        }
    }
    return true;
}

} // namespace

SOLVARA_FUZZ_TARGET(conditions)
{
    // Documents are made once (a document is costly to build); each run starts from the list as
    // a new document holds it.
    static EstimateDocument doc, again, third, carried;
    static const TextGrid fresh = doc.conditions;
    for (EstimateDocument *d : {&doc, &again, &third, &carried})
        d->conditions = fresh;

    conditions::apply(doc, fuzzsetup::lines(data, size));

    // Saved and read back: the same conditions, an empty text coming back as a single space, and
    // from then on the same file at every save.
    FUZZ_REQUIRE(conditions::apply(again, conditionRecords(doc)) == conditions::count);
    FUZZ_REQUIRE(sameConditions(again, doc));
    conditions::apply(third, conditionRecords(again));
    FUZZ_REQUIRE(conditionRecords(third) == conditionRecords(again));

    // Through an estimate file's records 2 and 3.
    auto throughFile = [](const QStringList &record) { return records::toRow(records::join(record), 46); };
    estimateheader::applyConditions(carried, throughFile(estimateheader::record2(doc)),
                                    throughFile(estimateheader::record3(doc)));
    FUZZ_REQUIRE(sameConditions(carried, doc));
    return 0;
}
