#include "app/clirun.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Printing to PDF needs the fonts of a QGuiApplication; it never needs a display, so it runs on
    // the offscreen platform unless told otherwise. The other commands start without Gui.
    if (cliPaints(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return runCli(app.arguments().mid(1), stdout, stderr);
    }
    QCoreApplication app(argc, argv);
    return runCli(app.arguments().mid(1), stdout, stderr);
}
