#pragma once

#include <QString>

class TForm1;

// "--screenshots FOLDER": walks the main window through its views and overlay screens as a user
// would (pressing their buttons) and saves a PNG picture of each into the folder. Used to check
// the look of the windows; returns the number of pictures that could not be written.
int saveScreenshots(TForm1 &form, const QString &folder);
