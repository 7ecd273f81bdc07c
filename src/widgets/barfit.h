#pragma once

class QWidget;

// Controls laid out left to right along a bar of a window at their design places, kept whole on
// a bar narrower than the design.
namespace barfit {

// Remembers the control's present geometry as its design place on its bar.
void remember(QWidget *control);

// Places the remembered controls of `bar`: at their design places while they fit. On a narrower
// bar the space is found in this order: the flexible control gives up width down to `least`, the
// gaps close to two pixels, the controls narrow in proportion down to what their captions need,
// and last the flexible control gives up the rest. The right-most buttons so stay whole and on
// screen.
void fit(QWidget *bar, QWidget *flexible, int least);

} // namespace barfit
