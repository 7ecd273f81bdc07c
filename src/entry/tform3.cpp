#include "entry/tform3.h"

TForm3::TForm3(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm3"_qs);
    setWindowTitle(u"数値フォーム"_qs);
}
