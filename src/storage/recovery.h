#pragma once

#include "base/result.h"
#include "storage/recoverystore.h"

#include <QStringList>

class EstimateDocument;
class Host;

// Crash recovery of the running estimate: while it has unsaved changes, the program keeps it in a
// recovery file of its own (RecoveryStore, written on RecoverySchedule's times by the window), so
// that a program that was killed or crashed loses at most the last moments of work. A normal save
// or close removes the file; at the next start the program offers what was left.
namespace recovery {

// The estimate as the recovery file holds it: a first line naming the estimate file it came from
// (empty for a new estimate), then the estimate file's records (estimatefile::records) as "保存"
// writes them.
QByteArray content(const QString &estimatePath, const QStringList &records);

struct Parsed {
    QString estimatePath;
    QStringList records;
};
// The estimate's name and records from a recovery file's bytes, or why they cannot be read.
Result<Parsed> parse(QByteArrayView bytes);

// Reads a recovery file into the document as "読込" reads an estimate (the sheet compiled), then
// makes it the modified estimate under its original name. False, with the reason shown, when it
// cannot be read.
bool restore(EstimateDocument &doc, Host &host, const QString &file);

// At start-up: offers each recovery file left by a program that did not end normally, newest
// first, and restores the first one the user accepts. A file older than the estimate it was made
// from (saved since) is removed without asking; "いいえ" removes a file, "キャンセル" keeps it for
// the next start. Returns true when an estimate was restored.
bool offerLeftovers(EstimateDocument &doc, Host &host, const RecoveryStore &store);

} // namespace recovery
