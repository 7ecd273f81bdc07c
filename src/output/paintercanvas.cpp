#include "output/paintercanvas.h"

#include "output/fontfaces.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

PainterCanvas::PainterCanvas(QPainter &painter, QPagedPaintDevice &device, double scaleX, double scaleY)
    : m_painter(painter), m_device(device), m_sx(scaleX), m_sy(scaleY)
{
    fontfaces::install();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

const PainterCanvas::Face &PainterCanvas::face(const PrintFont &font)
{
    const int key = font.size * 4 + (font.bold ? 2 : 0) + (font.underline ? 1 : 0);
    auto it = m_faces.find(key);
    if (it == m_faces.end()) {
        QFont f(fontfaces::mincho);
        f.setPointSize(std::max(1, font.size));
        f.setBold(font.bold);
        f.setUnderline(font.underline);
        // The amounts line up on the right through the fixed-width half-width digits: no kerning.
        f.setKerning(false);
        f.setStyleStrategy(QFont::PreferOutline);
        const QFont onDevice(f, &m_device);
        const QFontMetricsF metrics(onDevice, &m_device);
        it = m_faces.insert(key, Face{onDevice, metrics.ascent(), metrics.height()});
    }
    if (m_currentFace != key) {
        m_painter.setFont(it->font);
        m_currentFace = key;
    }
    return *it;
}

void PainterCanvas::text(int x, int y, const QString &text, const PrintFont &font, bool opaque)
{
    if (text.isEmpty())
        return;
    const Face &f = face(font);
    const QPointF topLeft = at(x, y);
    if (opaque) {
        const qreal width = QFontMetricsF(f.font, &m_device).horizontalAdvance(text);
        m_painter.fillRect(QRectF(topLeft, QSizeF(width, f.height)), Qt::white);
    }
    if (m_textColor != font.color || m_painter.pen().style() == Qt::NoPen) {
        m_painter.setPen(font.color);
        m_textColor = font.color;
    }
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + f.ascent), text);
}

void PainterCanvas::setPen(int width, const QColor &color)
{
    QPen pen(color);
    pen.setWidth(std::max(0, width)); // 0: the device's thinnest line
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_textColor = QColor(); // the next text sets its colour again
}

void PainterCanvas::line(int x1, int y1, int x2, int y2, int pen, const QColor &color)
{
    setPen(pen, color);
    m_painter.drawLine(at(x1, y1), at(x2, y2));
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom, int pen)
{
    setPen(pen, Qt::black);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(at(left, top), at(right, bottom)));
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom, int pen, const QColor &color)
{
    setPen(pen, color);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(QRectF(at(left, top), at(right, bottom)));
}

void PainterCanvas::newPage()
{
    if (!m_device.newPage())
        throw PrinterError{QStringLiteral("new page refused")};
}
