#include "entry/tform2.h"

TForm2::TForm2(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm2"_qs);
    setWindowTitle(u"データー入力フォーム"_qs);
}
