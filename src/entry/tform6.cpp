#include "entry/tform6.h"

TForm6::TForm6(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm6"_qs);
    setWindowTitle(u"単位"_qs);
}
