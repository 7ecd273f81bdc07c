#include "output/tform5.h"

TForm5::TForm5(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm5"_qs);
    setWindowTitle(u"印刷フォーム"_qs);
}
