#include "app/screenshots.h"
#include "app/starttiming.h"
#include "app/tform1.h"
#include "app/translations.h"
#include "app/widgetdump.h"
#include "calculator/tdentakukun.h"
#include "catalog/catalogscreens.h"
#include "catalog/tform4.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform6.h"
#include "output/fontfaces.h"
#include "output/printhandler.h"
#include "output/tform5.h"
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

    // The seven windows are created once, in this order; the main window's start-up runs before
    // the others exist.
    TForm1 form1(programFolder, estimateFile);
    TForm2 form2(form1.document(), form1.host());
    TForm3 form3(form1.document());
    TForm4 form4(form1.document(), form1.host());
    TForm5 form5(form1.document(), form1.host());
    Tdentakukun dentakukun(form1.document(), form1.host());
    TForm6 form6(form1.document());
    form1.setCompanions(&form3, &dentakukun);
    form1.setEntryWindows(&form2, &form3, &form6);
    form1.catalogScreens()->setWindows(&form2, &form4, &dentakukun);
    form1.printing().setOptionsWindow(&form5);

    // Closing the main window ends the program, whatever other window is still open.
    QObject::connect(&form1, &TForm1::closed, &app, &QCoreApplication::quit);
    if (timeStart)
        quitWhenFirstPainted(form1);
    form1.show();

    if (dump) {
        QCoreApplication::processEvents();
        QTextStream out(stdout);
        dumpWidgets({&form1, &form2, &form3, &form4, &form5, &dentakukun, &form6}, out);
        return 0;
    }
    if (!screenshotFolder.isEmpty())
        return saveScreenshots(form1, screenshotFolder) == 0 ? 0 : 1;
    // The running estimate is kept in the user's data folder while it has unsaved changes, so
    // that a crash does not lose it.
    form1.startRecovery(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_qs);
    return app.exec();
}
