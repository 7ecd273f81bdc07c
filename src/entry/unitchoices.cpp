#include "entry/unitchoices.h"

#include "estimate/document.h"

namespace unitchoices {

QStringList units()
{
    return {u"式"_qs, u"ケ所"_qs, u"箇所"_qs, u"住戸"_qs, u"戸"_qs, u"件"_qs, u"ケ"_qs,
            u"個"_qs, u"台"_qs,   u"面"_qs,   u"基"_qs,   u"組"_qs};
}

QStringList copperBases()
{
    return {u"2000"_qs, u"1500"_qs, u"1400"_qs, u"1300"_qs, u"1200"_qs, u"1100"_qs,
            u"1000"_qs, u"900"_qs,  u"800"_qs,  u"700"_qs,  u"500"_qs};
}

void shown(EstimateDocument &doc)
{
    doc.settings.TForm6_CheckBox1 = doc.copperManualFlag == 1;
}

void setManual(EstimateDocument &doc, bool manual)
{
    doc.settings.TForm6_CheckBox1 = manual;
    doc.copperManualFlag = manual ? 1 : 0;
}

} // namespace unitchoices
