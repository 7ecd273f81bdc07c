#include "app/programwindows.h"
#include "app/screenshots.h"
#include "app/starttiming.h"
#include "app/translations.h"
#include "app/widgetdump.h"
#include "output/fontfaces.h"
#include "widgets/scrollbarstyle.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"solvara"_qs);
    QGuiApplication::setDesktopFileName(u"solvara"_qs);
    installJapaneseQtTexts(app);
    fontfaces::install();
    QApplication::setStyle(new ScrollBarStyle);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/solvara-%1.png"_qs.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // solvara [--dump-widgets] [--screenshots FOLDER] [--time-start] [ESTIMATE.kas]
    bool dump = false;
    bool timeStart = false;
    QString screenshotFolder;
    QString estimateFile;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--dump-widgets")
            dump = true;
        else if (args[i] == u"--time-start")
            timeStart = true;
        else if (args[i] == u"--screenshots" && i + 1 < args.size())
            screenshotFolder = args[++i];
        else if (estimateFile.isEmpty())
            estimateFile = args[i];
    }
    const QString programFolder = qEnvironmentVariable("SOLVARA_PROGRAM_DIR");

    ProgramWindows windows(programFolder, estimateFile);
    TForm1 &form1 = windows.form1;

    // Closing the main window ends the program, whatever other window is still open.
    QObject::connect(&form1, &TForm1::closed, &app, &QCoreApplication::quit);
    if (timeStart)
        quitWhenFirstPainted(form1);
    form1.show();

    if (dump) {
        QCoreApplication::processEvents();
        QTextStream out(stdout);
        dumpWidgets(windows.all(), out);
        return 0;
    }
    if (!screenshotFolder.isEmpty())
        return saveScreenshots(windows, screenshotFolder) == 0 ? 0 : 1;
    // The running estimate is kept in the user's data folder while it has unsaved changes, so
    // that a crash does not lose it.
    form1.startRecovery(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_qs);
    return app.exec();
}
