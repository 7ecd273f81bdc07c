#include "items/header.h"

#include "base/host.h"
#include "estimate/document.h"

namespace header {

namespace {

ControlState &buttonOf(MainControls &c, int list)
{
    return list == Clients ? c.Button96 : c.Button103;
}

void closeList(MainControls &c, int list)
{
    c.ListBox2.visible = false;
    buttonOf(c, list).text = u"参照"_qs;
}

QStringList clientEntries(const Settings &s)
{
    return {s.Edit45, s.Edit46, s.Edit47, s.Edit48, s.Edit49};
}

} // namespace

QString eraYear(int calendarYear)
{
    const int year = calendarYear - 2018;
    return year == 1 ? u"元"_qs : QString::number(year);
}

void today(EstimateDocument &doc, const QDate &date)
{
    Settings &s = doc.settings;
    s.Label56 = doc.gengou;
    s.Edit25 = eraYear(date.year());
    s.Edit26 = QString::number(date.month());
    s.Edit27 = QString::number(date.day());
}

void refreshDateLabel(EstimateDocument &doc, bool withNumber)
{
    const Settings &s = doc.settings;
    QString label = s.Label56 + s.Edit25 + u"年"_qs + s.Edit26 + u"月"_qs + s.Edit27 + u"日"_qs;
    if (withNumber && !s.Edit25.isEmpty() && !s.Edit28.isEmpty() && !s.Edit26.isEmpty()
        && !s.Edit27.isEmpty())
        label += u" /  No."_qs + s.Edit28;
    doc.controls.Label72.text = label;
}

void showEraPanel(EstimateDocument &doc)
{
    doc.controls.Panel97.visible = true;
}

void registerEra(EstimateDocument &doc)
{
    doc.settings.Label56 = doc.settings.Edit59;
    doc.gengou = doc.settings.Edit59;
    doc.controls.Panel97.visible = false;
}

void quickFill(EstimateDocument &doc)
{
    doc.settings.Edit29 = doc.settings.Edit45;
    doc.settings.Edit22 = u"電源工事"_qs;
}

void copyTitle(EstimateDocument &doc, Host &host)
{
    host.setClipboardText(doc.settings.Edit22 + doc.settings.Edit60);
}

const QStringList &jobTitles()
{
    static const QStringList titles = {u"新築工事"_qs,     u"新築電気設備工事"_qs, u"邸新築工事"_qs,
                                       u"改修工事"_qs,     u"増築工事"_qs,         u"電源工事"_qs,
                                       u"電源更新工事"_qs, u"電源増設工事"_qs};
    return titles;
}

ListPlacement referenceListPlacement(int tag)
{
    return tag == Clients ? ListPlacement{30, 91} : ListPlacement{83, 180};
}

void toggleReferenceList(EstimateDocument &doc, ReferenceList list)
{
    MainControls &c = doc.controls;
    const ReferenceList other = list == Clients ? JobTitles : Clients;
    if (buttonOf(c, other).text == u"閉じる")
        closeList(c, other);
    ControlState &button = buttonOf(c, list);
    if (button.text == u"閉じる") {
        closeList(c, list);
        return;
    }
    c.ListBox2.tag = list;
    c.ListBox2Items = list == Clients ? clientEntries(doc.settings) : jobTitles();
    c.ListBox2.visible = true;
    button.text = u"閉じる"_qs;
}

void pickReference(EstimateDocument &doc, int index)
{
    MainControls &c = doc.controls;
    if (index < 0 || index >= c.ListBox2Items.size())
        return;
    const QString &entry = c.ListBox2Items.at(index);
    if (c.ListBox2.tag == Clients)
        doc.settings.Edit29 = entry;
    else
        doc.settings.Edit22 += entry;
    closeList(c, c.ListBox2.tag);
}

void leaveReferenceList(EstimateDocument &doc)
{
    doc.controls.ListBox2.visible = false;
}

void hideReferenceList(EstimateDocument &doc)
{
    MainControls &c = doc.controls;
    c.ListBox2.visible = false;
    for (int list : {Clients, JobTitles}) {
        if (buttonOf(c, list).text == u"閉じる")
            buttonOf(c, list).text = u"参照"_qs;
    }
}

void showPrintSize(EstimateDocument &doc)
{
    doc.controls.Panel105.visible = false;
    doc.controls.Label165.visible = true;
}

void choosePrintSize(EstimateDocument &doc, const QString &size)
{
    doc.settings.ComboBox48 = size;
    hidePrintSize(doc);
}

void hidePrintSize(EstimateDocument &doc)
{
    doc.controls.Panel105.visible = true;
    doc.controls.Label165.visible = false;
}

bool entered(const QString &text)
{
    return !text.trimmed().isEmpty();
}

} // namespace header
