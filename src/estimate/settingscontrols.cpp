#include "estimate/settingscontrols.h"

namespace {

using K = SettingsControl::Kind;

const SettingsControl controls[] = {
    {u"Edit2", K::Edit, &Settings::Edit2},
    {u"Edit3", K::Edit, &Settings::Edit3},
    {u"Edit4", K::Edit, &Settings::Edit4},
    {u"Edit5", K::Edit, &Settings::Edit5},
    {u"Edit6", K::Edit, &Settings::Edit6},
    {u"Edit7", K::Edit, &Settings::Edit7},
    {u"Edit8", K::Edit, &Settings::Edit8},
    {u"Edit9", K::Edit, &Settings::Edit9},
    {u"Edit10", K::Edit, &Settings::Edit10},
    {u"Edit11", K::Edit, &Settings::Edit11},
    {u"Edit12", K::Edit, &Settings::Edit12},
    {u"Edit13", K::Edit, &Settings::Edit13},
    {u"Edit14", K::Edit, &Settings::Edit14},
    {u"Edit15", K::Edit, &Settings::Edit15},
    {u"Edit16", K::Edit, &Settings::Edit16},
    {u"Edit17", K::Edit, &Settings::Edit17},
    {u"Edit18", K::Edit, &Settings::Edit18},
    {u"Edit19", K::Edit, &Settings::Edit19},
    {u"Edit20", K::Edit, &Settings::Edit20},
    {u"Edit21", K::Edit, &Settings::Edit21},
    {u"Edit22", K::Edit, &Settings::Edit22},
    {u"Edit23", K::Edit, &Settings::Edit23},
    {u"Edit24", K::Edit, &Settings::Edit24},
    {u"Edit25", K::Edit, &Settings::Edit25},
    {u"Edit26", K::Edit, &Settings::Edit26},
    {u"Edit27", K::Edit, &Settings::Edit27},
    {u"Edit28", K::Edit, &Settings::Edit28},
    {u"Edit29", K::Edit, &Settings::Edit29},
    {u"Edit30", K::Edit, &Settings::Edit30},
    {u"Edit31", K::Edit, &Settings::Edit31},
    {u"Edit32", K::Edit, &Settings::Edit32},
    {u"Edit33", K::Edit, &Settings::Edit33},
    {u"Edit34", K::Edit, &Settings::Edit34},
    {u"Edit35", K::Edit, &Settings::Edit35},
    {u"Edit36", K::Edit, &Settings::Edit36},
    {u"Edit37", K::Edit, &Settings::Edit37},
    {u"Edit38", K::Edit, &Settings::Edit38},
    {u"Edit39", K::Edit, &Settings::Edit39},
    {u"Edit40", K::Edit, &Settings::Edit40},
    {u"Edit41", K::Edit, &Settings::Edit41},
    {u"Edit42", K::Edit, &Settings::Edit42},
    {u"Edit43", K::Edit, &Settings::Edit43},
    {u"Edit45", K::Edit, &Settings::Edit45},
    {u"Edit46", K::Edit, &Settings::Edit46},
    {u"Edit47", K::Edit, &Settings::Edit47},
    {u"Edit48", K::Edit, &Settings::Edit48},
    {u"Edit49", K::Edit, &Settings::Edit49},
    {u"Edit50", K::Edit, &Settings::Edit50},
    {u"Edit51", K::Edit, &Settings::Edit51},
    {u"Edit52", K::Edit, &Settings::Edit52},
    {u"Edit55", K::Edit, &Settings::Edit55},
    {u"Edit56", K::Edit, &Settings::Edit56},
    {u"Edit57", K::Edit, &Settings::Edit57},
    {u"Edit59", K::Edit, &Settings::Edit59},
    {u"Edit60", K::Edit, &Settings::Edit60},
    {u"Edit61", K::Edit, &Settings::Edit61},
    {u"Edit62", K::Edit, &Settings::Edit62},
    {u"ComboBox1", K::Combo, &Settings::ComboBox1},
    {u"ComboBox2", K::Combo, &Settings::ComboBox2},
    {u"ComboBox3", K::Combo, &Settings::ComboBox3},
    {u"ComboBox4", K::Combo, &Settings::ComboBox4},
    {u"ComboBox5", K::Combo, &Settings::ComboBox5},
    {u"ComboBox6", K::Combo, &Settings::ComboBox6},
    {u"ComboBox7", K::Combo, &Settings::ComboBox7},
    {u"ComboBox8", K::Combo, &Settings::ComboBox8},
    {u"ComboBox9", K::Combo, &Settings::ComboBox9},
    {u"ComboBox10", K::Combo, &Settings::ComboBox10},
    {u"ComboBox11", K::Combo, &Settings::ComboBox11},
    {u"ComboBox12", K::Combo, &Settings::ComboBox12},
    {u"ComboBox13", K::Combo, &Settings::ComboBox13},
    {u"ComboBox14", K::Combo, &Settings::ComboBox14},
    {u"ComboBox15", K::Combo, &Settings::ComboBox15},
    {u"ComboBox16", K::Combo, &Settings::ComboBox16},
    {u"ComboBox17", K::Combo, &Settings::ComboBox17},
    {u"ComboBox18", K::Combo, &Settings::ComboBox18},
    {u"ComboBox19", K::Combo, &Settings::ComboBox19},
    {u"ComboBox20", K::Combo, &Settings::ComboBox20},
    {u"ComboBox21", K::Combo, &Settings::ComboBox21},
    {u"ComboBox22", K::Combo, &Settings::ComboBox22},
    {u"ComboBox23", K::Combo, &Settings::ComboBox23},
    {u"ComboBox24", K::Combo, &Settings::ComboBox24},
    {u"ComboBox25", K::Combo, &Settings::ComboBox25},
    {u"ComboBox26", K::Combo, &Settings::ComboBox26},
    {u"ComboBox27", K::Combo, &Settings::ComboBox27},
    {u"ComboBox28", K::Combo, &Settings::ComboBox28},
    {u"ComboBox29", K::Combo, &Settings::ComboBox29},
    {u"ComboBox30", K::Combo, &Settings::ComboBox30},
    {u"ComboBox31", K::Combo, &Settings::ComboBox31},
    {u"ComboBox32", K::Combo, &Settings::ComboBox32},
    {u"ComboBox33", K::Combo, &Settings::ComboBox33},
    {u"ComboBox34", K::Combo, &Settings::ComboBox34},
    {u"ComboBox35", K::Combo, &Settings::ComboBox35},
    {u"ComboBox36", K::Combo, &Settings::ComboBox36},
    {u"ComboBox37", K::Combo, &Settings::ComboBox37},
    {u"ComboBox38", K::Combo, &Settings::ComboBox38},
    {u"ComboBox39", K::Combo, &Settings::ComboBox39},
    {u"ComboBox41", K::Combo, &Settings::ComboBox41},
    {u"ComboBox42", K::Combo, &Settings::ComboBox42},
    {u"ComboBox47", K::Combo, &Settings::ComboBox47},
    {u"ComboBox48", K::Combo, &Settings::ComboBox48},
    {u"CheckBox1", K::Check, nullptr, &Settings::CheckBox1},
    {u"CheckBox2", K::Check, nullptr, &Settings::CheckBox2},
    {u"CheckBox3", K::Check, nullptr, &Settings::CheckBox3},
    {u"CheckBox4", K::Check, nullptr, &Settings::CheckBox4},
    {u"CheckBox5", K::Check, nullptr, &Settings::CheckBox5},
    {u"CheckBox6", K::Check, nullptr, &Settings::CheckBox6},
    {u"CheckBox7", K::Check, nullptr, &Settings::CheckBox7},
    {u"CheckBox8", K::Check, nullptr, &Settings::CheckBox8},
    {u"CheckBox9", K::Check, nullptr, &Settings::CheckBox9},
    {u"CheckBox10", K::Check, nullptr, &Settings::CheckBox10},
    {u"CheckBox11", K::Check, nullptr, &Settings::CheckBox11},
    {u"CheckBox12", K::Check, nullptr, &Settings::CheckBox12},
    {u"CheckBox13", K::Check, nullptr, &Settings::CheckBox13},
    {u"CheckBox14", K::Check, nullptr, &Settings::CheckBox14},
    {u"CheckBox16", K::Check, nullptr, &Settings::CheckBox16},
    {u"CheckBox17", K::Check, nullptr, &Settings::CheckBox17},
    {u"CheckBox18", K::Check, nullptr, &Settings::CheckBox18},
    {u"CheckBox19", K::Check, nullptr, &Settings::CheckBox19},
    {u"CheckBox20", K::Check, nullptr, &Settings::CheckBox20},
    {u"CheckBox21", K::Check, nullptr, &Settings::CheckBox21},
    {u"CheckBox22", K::Check, nullptr, &Settings::CheckBox22},
    {u"CheckBox23", K::Check, nullptr, &Settings::CheckBox23},
    {u"CheckBox24", K::Check, nullptr, &Settings::CheckBox24},
    {u"CheckBox25", K::Check, nullptr, &Settings::CheckBox25},
    {u"RadioButton3", K::Radio, nullptr, &Settings::RadioButton3},
    {u"RadioButton4", K::Radio, nullptr, &Settings::RadioButton3, true},
    {u"Label56", K::Label, &Settings::Label56},
    {u"Label167", K::Label, &Settings::Label167},
    {u"Label173", K::Label, &Settings::Label173},
    {u"Label174", K::Label, &Settings::Label174},
    {u"TForm6.ComboBox1", K::Combo, &Settings::TForm6_ComboBox1},
    {u"TForm6.CheckBox1", K::Check, nullptr, &Settings::TForm6_CheckBox1},
};

} // namespace

QString SettingsControl::value(const Settings &settings) const
{
    if (isFlag())
        return isSet(settings) ? u"1"_qs : u"0"_qs;
    return settings.*text;
}

void SettingsControl::setValue(Settings &settings, const QString &value) const
{
    if (isFlag())
        setFlag(settings, value == u"1");
    else
        settings.*text = value;
}

bool SettingsControl::isSet(const Settings &settings) const
{
    return (settings.*flag) != inverted;
}

void SettingsControl::setFlag(Settings &settings, bool on) const
{
    settings.*flag = on != inverted;
}

std::span<const SettingsControl> settingsControls()
{
    return controls;
}

const SettingsControl *findSettingsControl(QStringView name)
{
    for (const SettingsControl &c : controls)
        if (c.name == name)
            return &c;
    return nullptr;
}
