#include "calculator/tdentakukun.h"

Tdentakukun::Tdentakukun(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"Tdentakukun"_qs);
    setWindowTitle(u"SOL-VARA_電卓"_qs);
}
