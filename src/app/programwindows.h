#pragma once

#include "app/tform1.h"
#include "calculator/tdentakukun.h"
#include "catalog/tform4.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform6.h"
#include "output/tform5.h"

#include <QList>

// The seven windows of the desktop program, created once in their fixed order and wired to the
// main window. The main window's start-up runs before the other windows exist; they all share its
// document and its host.
struct ProgramWindows {
    // `programFolder`, `estimateFile` and `host` go to the main window (TForm1).
    ProgramWindows(const QString &programFolder, const QString &estimateFile, Host *host = nullptr);

    // Members are constructed in the order they are declared: that is the order of creation.
    TForm1 form1;
    TForm2 form2;
    TForm3 form3;
    TForm4 form4;
    TForm5 form5;
    Tdentakukun dentakukun;
    TForm6 form6;

    // The windows in the order of creation.
    QList<QWidget *> all();
};
