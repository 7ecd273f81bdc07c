#include "entry/numerickeypad.h"

void NumericKeypad::key(QString &display, QChar key)
{
    if (key == u'.') {
        if (m_ten == 1 || !m_pointEnabled)
            return;
        display = display.isEmpty() ? u"0."_qs : display + key;
        m_ten = 1;
        return;
    }
    if (!key.isDigit())
        return;
    if (key != u'0' && display == u"0") {
        display = u"0."_qs;
        m_ten = 1;
    }
    display += key;
}

void NumericKeypad::clear(QString &display)
{
    display.clear();
    m_ten = 0;
}

void NumericKeypad::cancel(QString &display)
{
    display.clear();
    m_ten = 0;
}
