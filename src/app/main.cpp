#include "app/fonts.h"
#include "app/tform1.h"
#include "calculator/tdentakukun.h"
#include "catalog/tform4.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform6.h"
#include "output/tform5.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();

    const QStringList args = app.arguments();
    const QString estimateFile = args.size() > 1 ? args[1] : QString();
    const QString programFolder = qEnvironmentVariable("SOLVARA_PROGRAM_DIR");

    // The seven windows are created once, in this order; the main window's start-up runs before
    // the others exist.
    TForm1 form1(programFolder, estimateFile);
    TForm2 form2(form1.document());
    TForm3 form3(form1.document());
    TForm4 form4(form1.document());
    TForm5 form5(form1.document());
    Tdentakukun dentakukun(form1.document());
    TForm6 form6(form1.document());

    form1.show();
    return app.exec();
}
