#pragma once

class QWidget;

// For timing the start-up from outside (scripts/measure-startup.sh): once `window` has been
// painted for the first time, writes "painted <milliseconds since the epoch>" to standard output
// and ends the program.
void quitWhenFirstPainted(QWidget &window);
