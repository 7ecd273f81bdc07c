#pragma once

#include <QProxyStyle>

// The program's widget style: the platform style, with scroll bars drawn as a light track and a
// darker handle. In the plain style the track is darker than the handle, so a handle that fills
// most of the track (a list one page longer than its box) reads as a short dark handle at the
// other end.
class ScrollBarStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
