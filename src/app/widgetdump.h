#pragma once

#include <QList>

class QTextStream;
class QWidget;

// "--dump-widgets": one line per named object of the given windows (the window itself, its
// controls, menus and menu entries): window class, object name, Qt class, shown (1/0), enabled
// (1/0) and text (caption, text, current text or title; 1/0 for a check box or radio button),
// separated by tabs.
void dumpWidgets(const QList<QWidget *> &windows, QTextStream &out);
