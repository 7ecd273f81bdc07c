#pragma once

#include <QString>

// What the desktop program remembers for the user between runs, in "solvara.conf" of the user's
// configuration folder (programfiles::userFolder). Nothing here belongs to an estimate.
namespace usersettings {

// The folder of the estimate file last opened or saved, or empty when there is none (or it has
// gone since).
QString estimateFolder();

// Remembers the folder of `estimateFile`.
void rememberEstimateFile(const QString &estimateFile);

} // namespace usersettings
