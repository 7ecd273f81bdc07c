#include "widgets/scrollbarstyle.h"

#include <QPainter>
#include <QStyleOptionComplex>

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                        QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar)
        return;
    const QColor track = option->palette.base().color().darker(103);
    const QColor edge = option->palette.window().color().darker(125);
    painter->save();
    for (const SubControl page : {SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
        const QRect r = subControlRect(control, option, page, widget);
        if (r.isEmpty())
            continue;
        painter->fillRect(r, track);
        painter->setPen(edge);
        if (option->state & State_Horizontal) {
            painter->drawLine(r.topLeft(), r.topRight());
            painter->drawLine(r.bottomLeft(), r.bottomRight());
        } else {
            painter->drawLine(r.topLeft(), r.bottomLeft());
            painter->drawLine(r.topRight(), r.bottomRight());
        }
    }
    // The handle itself a shade darker than the track, so its length and place read at a glance.
    const QRect handle = subControlRect(control, option, SC_ScrollBarSlider, widget);
    if (!handle.isEmpty() && (option->state & State_Enabled)) {
        const bool pressed = (option->activeSubControls & SC_ScrollBarSlider) && (option->state & State_Sunken);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(option->palette.window().color().darker(160));
        painter->setBrush(option->palette.window().color().darker(pressed ? 135 : 118));
        painter->drawRoundedRect(QRectF(handle).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    }
    painter->restore();
}
