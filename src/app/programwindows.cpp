#include "app/programwindows.h"

#include "catalog/catalogscreens.h"
#include "output/printhandler.h"

ProgramWindows::ProgramWindows(const QString &programFolder, const QString &estimateFile, Host *host)
    : form1(programFolder, estimateFile, host),
      form2(form1.document(), form1.host()),
      form3(form1.document()),
      form4(form1.document(), form1.host()),
      form5(form1.document(), form1.host()),
      dentakukun(form1.document(), form1.host()),
      form6(form1.document())
{
    form1.setCompanions(&form3, &dentakukun);
    form1.setEntryWindows(&form2, &form3, &form6);
    form1.catalogScreens()->setWindows(&form2, &form4, &dentakukun);
    form1.printing().setOptionsWindow(&form5);
}

QList<QWidget *> ProgramWindows::all()
{
    return {&form1, &form2, &form3, &form4, &form5, &dentakukun, &form6};
}
