#include "catalog/tform4.h"

TForm4::TForm4(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm4"_qs);
    setWindowTitle(u"Stockデーター呼出フォーム"_qs);
}
