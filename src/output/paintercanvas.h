#pragma once

#include "output/pagecanvas.h"

#include <QFont>
#include <QHash>
#include <QPointF>

class QPagedPaintDevice;
class QPainter;

// The page canvas on a painter over a printer or a PDF writer. Every position is multiplied by the
// scale of its axis (device dots per print unit); pen widths and font sizes are not scaled (font
// sizes are points of the device).
class PainterCanvas : public PageCanvas
{
public:
    PainterCanvas(QPainter &painter, QPagedPaintDevice &device, double scaleX, double scaleY);

    void text(int x, int y, const QString &text, const PrintFont &font, bool opaque = false) override;
    void line(int x1, int y1, int x2, int y2, int pen, const QColor &color = Qt::black) override;
    void rectangle(int left, int top, int right, int bottom, int pen) override;
    void ellipse(int left, int top, int right, int bottom, int pen, const QColor &color) override;
    void newPage() override;

private:
    struct Face {
        QFont font;
        qreal ascent = 0;
        qreal height = 0;
    };
    const Face &face(const PrintFont &font);
    QPointF at(int x, int y) const { return {x * m_sx, y * m_sy}; }
    void setPen(int width, const QColor &color);

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    double m_sx;
    double m_sy;
    QHash<int, Face> m_faces; // by size, weight and underline
    int m_currentFace = -1;
    QColor m_textColor;
};
