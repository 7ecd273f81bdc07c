#pragma once

#include <QString>

// The keys of the numeric keypad window (TForm3) on its display `Edit1`. The decimal-point flag
// lives across openings, as the window does.
class NumericKeypad
{
public:
    // Keys "0" to "9" and ".": "0" then "5" gives "0.5", a second point is ignored, a point on an
    // empty display gives "0.". A point is ignored while the caller has disabled its key.
    void key(QString &display, QChar key);
    // "C" and a double-click on the display.
    void clear(QString &display);
    // "登録": the display stays for the caller.
    void confirm() { m_ten = 0; }
    // "キャンセル": an empty display tells the caller that nothing was entered.
    void cancel(QString &display);

    bool pointEnabled() const { return m_pointEnabled; }
    void setPointEnabled(bool enabled) { m_pointEnabled = enabled; }
    bool pointTyped() const { return m_ten != 0; }

private:
    int m_ten = 0; // a decimal point is in the display
    bool m_pointEnabled = true;
};
