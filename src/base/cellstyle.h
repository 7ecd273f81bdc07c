#pragma once

#include <QString>

// How one cell of a grid is drawn: the text it shows, its colours (0xRRGGBB) and its alignment.
// The core decides it for every grid; the windows' delegates only paint it.
struct CellStyle {
    enum class Align { Left, Centre, Right };

    QString text;
    unsigned colour = 0x000000;
    unsigned background = 0xFFFFFF;
    Align align = Align::Left;
};
