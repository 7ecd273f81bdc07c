#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace uitesting {

// A double-click as the window system delivers it: press, release, double-click, release.
inline void doubleClick(QWidget *widget, QPoint pos = {})
{
    if (pos.isNull())
        pos = widget->rect().center();
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

} // namespace uitesting
