#pragma once

#include <QAbstractButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace uitesting {

// The program folder that ships beside the programs, and its sample estimate.
inline QString programData()
{
    return QString::fromUtf8(SOLVARA_PROGRAM_DATA);
}
inline QString sampleEstimate()
{
    return programData() + u"/sample.kas"_qs;
}

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

// The control of `window` named `name`; a test failure when there is none.
template<typename W = QWidget>
W *child(const QObject &window, QStringView name)
{
    W *w = window.findChild<W *>(name.toString());
    EXPECT_NE(w, nullptr) << name.toString().toStdString();
    return w;
}

// A left click on the button of `window` named `name`.
inline void click(const QObject &window, QStringView name)
{
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

} // namespace uitesting
