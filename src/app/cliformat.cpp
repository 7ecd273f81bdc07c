#include "app/cliformat.h"

#include "base/numbers.h"
#include "base/textgrid.h"
#include "estimate/document.h"
#include "estimate/settingscontrols.h"

namespace cliformat {

namespace {

void line(QString &out, QStringView name, const QString &value)
{
    out += name;
    out += u'\t';
    out += value;
    out += u'\n';
}

QString number(double value)
{
    return num::shortest(value);
}

} // namespace

QString grid(const TextGrid &grid, int firstRow, int lastRow)
{
    QString out;
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (c > 0)
                out += u'\t';
            out += grid.cell(c, r);
        }
        out += u'\n';
    }
    return out;
}

QString totals(const EstimateDocument &doc)
{
    QString out;
    line(out, u"sougoukei", number(doc.sougoukei));
    line(out, u"syouhizeigaku", number(doc.syouhizeigaku));
    line(out, u"irow1", QString::number(doc.irow1));
    line(out, u"irow2", QString::number(doc.irow2));
    line(out, u"pagisu", QString::number(doc.pagisu));
    line(out, u"st1count", QString::number(doc.st1count));
    line(out, u"tree_count", QString::number(doc.tree_count));
    line(out, u"net", number(doc.netFigure));
    line(out, u"kidou", QString::number(doc.kidou));
    return out;
}

QString state(const EstimateDocument &doc)
{
    QString out;
    for (const SettingsControl &control : settingsControls())
        line(out, control.name, control.value(doc.settings));
    const MainControls &c = doc.controls;
    line(out, u"Label18", c.Label18.text);
    line(out, u"koumokumei", doc.koumokumei);
    line(out, u"nodrow", QString::number(doc.nodrow));
    line(out, u"buttonsw", QString::number(doc.buttonsw));
    line(out, u"Caption", c.Caption);
    line(out, u"Label72", c.Label72.text);
    line(out, u"verj", number(doc.verj));
    line(out, u"Curitu", number(doc.Curitu));
    line(out, u"Label171", c.Label171.text);
    for (int i = 0; i < 4; ++i)
        line(out, u"sonota%1"_qs.arg(i + 1), number(doc.sonota[i]));
    line(out, u"seikyu5", QString::number(doc.seikyu5));
    line(out, u"Edit55", doc.settings.Edit55);
    line(out, u"N45", c.N45.text);
    line(out, u"NET1", c.NET1.text);
    line(out, u"NET2", c.NET2.text);
    line(out, u"Panel94", c.Panel94.visible ? u"1"_qs : u"0"_qs);
    line(out, u"Label149", c.Label149.text);
    line(out, u"Label151", c.Label151.text);
    line(out, u"memoFileName", doc.memoFileName);
    line(out, u"kidou", QString::number(doc.kidou));
    return out;
}

} // namespace cliformat
