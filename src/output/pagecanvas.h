#pragma once

#include <QColor>
#include <QString>

// A font of the printed pages: the mincho face in `size` points.
struct PrintFont {
    int size = 11;
    bool bold = false;
    bool underline = false;
    QColor color = Qt::black;

    friend bool operator==(const PrintFont &, const PrintFont &) = default;
};

// Where the pages are drawn. Positions are print units (1/600 inch) from the top left of the
// printable area, and a text's position is the top-left corner of the text. Pen widths are device
// pixels (0 is the thinnest line). Shapes are outlines only. The page layout draws through this
// interface so that the same code writes to a printer, to a PDF and to a recording in the tests.
class PageCanvas
{
public:
    virtual ~PageCanvas() = default;

    // `opaque` paints a white background behind the text (a name that runs over the columns
    // beside it hides their lines).
    virtual void text(int x, int y, const QString &text, const PrintFont &font, bool opaque = false) = 0;
    virtual void line(int x1, int y1, int x2, int y2, int pen, const QColor &color = Qt::black) = 0;
    virtual void rectangle(int left, int top, int right, int bottom, int pen) = 0;
    virtual void ellipse(int left, int top, int right, int bottom, int pen, const QColor &color) = 0;
    // Ends the page and starts the next one.
    virtual void newPage() = 0;
};

// The printer or the file could not take a page: the print run ends with its warning.
struct PrinterError {
    QString reason;
};
