#pragma once

#include <QString>

struct ProgramWindows;

// "--screenshots FOLDER": walks the main window through its views and overlay screens as a user
// would (pressing their buttons), opens the data entry, keypad, unit, calculator and print options
// windows, and saves a PNG picture of each into the folder. Used to check the look of the windows;
// returns the number of pictures that could not be written.
int saveScreenshots(ProgramWindows &windows, const QString &folder);
