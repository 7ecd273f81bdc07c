#pragma once

#include <QDate>
#include <QSize>
#include <QString>

class EstimateDocument;
class Host;

// Start-up of the main window's document, shared by the desktop program and solvara-cli.
namespace startup {

inline constexpr char16_t version[] = u"6.16";

// The program folder: `override` when given, else the folder of the running program or the
// installed data folder beside it (programfiles::programFolder). Ends with a separator.
QString programFolder(const QString &override = {});

// The main window's size on a screen of `screen` pixels: 1580 wide, or the screen's width when the
// option "・起動時に画面幅で表示" (`fullWidth`) is set, never wider than the screen; the screen's
// height / 1.38, or the whole height on a screen at most 768 high.
QSize windowSize(bool fullWidth, const QSize &screen);

// The start-up steps of the main window that need no window: caption and version, era and date,
// paths, the standard values, the initial fields. Returns false when the standard values cannot
// be read (the message has been shown).
bool initialize(EstimateDocument &doc, Host &host, const QString &programFolder, const QDate &today);

// The last start-up step: the item view, or, with an estimate file, "読込" of that file with the
// estimate sheet as the view to return to. Returns false when the file could not be read.
bool openStartFile(EstimateDocument &doc, Host &host, const QString &estimateFile);

} // namespace startup
