#include "estimate/maincontrols.h"

namespace {
const MainControlName names[] = {
    {u"Label18", &MainControls::Label18},
    {u"Label72", &MainControls::Label72},
    {u"Label138", &MainControls::Label138},
    {u"Label163", &MainControls::Label163},
    {u"Label164", &MainControls::Label164},
    {u"Label171", &MainControls::Label171},
    {u"Label1", &MainControls::Label1},
    {u"Label2", &MainControls::Label2},
    {u"Button2", &MainControls::Button2},
    {u"Button5", &MainControls::Button5},
    {u"Button11", &MainControls::Button11},
    {u"Button12", &MainControls::Button12},
    {u"Button13", &MainControls::Button13},
    {u"Button14", &MainControls::Button14},
    {u"Button15", &MainControls::Button15},
    {u"Button16", &MainControls::Button16},
    {u"Button57", &MainControls::Button57},
    {u"Button81", &MainControls::Button81},
    {u"Button89", &MainControls::Button89},
    {u"Button94", &MainControls::Button94},
    {u"Button112", &MainControls::Button112},
    {u"Edit1", &MainControls::Edit1},
    {u"Panel83", &MainControls::Panel83},
    {u"Panel94", &MainControls::Panel94},
    {u"Label149", &MainControls::Label149},
    {u"Label151", &MainControls::Label151},
    {u"GroupBox1", &MainControls::GroupBox1},
    {u"Button1", &MainControls::Button1},
    {u"Button46", &MainControls::Button46},
    {u"Panel9", &MainControls::Panel9},
    {u"ListBox2", &MainControls::ListBox2},
    {u"Button96", &MainControls::Button96},
    {u"Button103", &MainControls::Button103},
    {u"Panel97", &MainControls::Panel97},
    {u"Panel105", &MainControls::Panel105},
    {u"Label165", &MainControls::Label165},
    {u"N35", &MainControls::N35},
    {u"N43", &MainControls::N43},
    {u"N45", &MainControls::N45},
    {u"NET1", &MainControls::NET1},
    {u"NET2", &MainControls::NET2},
};
} // namespace

std::span<const MainControlName> mainControlNames()
{
    return names;
}
