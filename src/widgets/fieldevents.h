#pragma once

#include <functional>

class Host;
class QKeyEvent;
class QLineEdit;
class QWidget;

// Hooks the events the program's handlers are written for (a control's click, double-click, leave,
// key down and key up) to functions, so that a window can state them per control the way its
// handlers are named (Edit19Exit, Edit19DblClick ...). Mouse events of scroll areas (lists,
// trees) are taken from their viewport.
namespace fieldevents {

// A press of the left button.
void onClick(QWidget *widget, std::function<void()> handler);
void onDoubleClick(QWidget *widget, std::function<void()> handler);
// Focus moves from the control to another control of the same window.
void onLeave(QWidget *widget, std::function<void()> handler);
// The focus comes into the control (from anywhere).
void onEnter(QWidget *widget, std::function<void()> handler);
// The pointer moves onto the control.
void onMouseEnter(QWidget *widget, std::function<void()> handler);
// A key goes down; the handler returns true to drop the key.
void onKeyDown(QWidget *widget, std::function<bool(QKeyEvent *)> handler);
void onKeyUp(QWidget *widget, std::function<void(QKeyEvent *)> handler);
// A release of the right button.
void onRightRelease(QWidget *widget, std::function<void()> handler);

// Right-aligned, digits-only input: typed characters other than the digits 0 to 9 are refused
// with the beep; text set by the program is not filtered.
void digitsOnly(QLineEdit *edit, Host &host);

} // namespace fieldevents
