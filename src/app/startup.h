#pragma once

#include <QDate>
#include <QString>

class EstimateDocument;
class Host;

// Start-up of the main window's document, shared by the desktop program and solvara-cli.
namespace startup {

inline constexpr char16_t version[] = u"6.16";

// The program folder: `override` when given, else the folder of the running program. Ends with
// a separator.
QString programFolder(const QString &override = {});

// The era year of a calendar year in the era that began in 2019: "元" for its first year.
QString eraYear(int calendarYear);

// The start-up steps of the main window that need no window: caption and version, era and date,
// paths, the standard values, the initial fields. Returns false when the standard values cannot
// be read (the message has been shown).
bool initialize(EstimateDocument &doc, Host &host, const QString &programFolder, const QDate &today);

// The last start-up step: the item view, or, with an estimate file, the estimate sheet of that file.
// Returns false when the file could not be read.
bool openStartFile(EstimateDocument &doc, Host &host, const QString &estimateFile);

} // namespace startup
