#include "entry/entryform.h"

#include <algorithm>

namespace {

struct Named {
    QStringView name;
    QString EntryForm::*member;
};

constexpr Named fields[] = {
    {u"Edit21", &EntryForm::Edit21}, {u"Edit22", &EntryForm::Edit22}, {u"Edit1", &EntryForm::Edit1},
    {u"Edit2", &EntryForm::Edit2},   {u"Edit3", &EntryForm::Edit3},   {u"Edit4", &EntryForm::Edit4},
    {u"Edit5", &EntryForm::Edit5},   {u"ComboBox5", &EntryForm::ComboBox5},
    {u"Edit7", &EntryForm::Edit7},   {u"Edit8", &EntryForm::Edit8},   {u"Edit9", &EntryForm::Edit9},
    {u"ComboBox6", &EntryForm::ComboBox6}, {u"Edit11", &EntryForm::Edit11}, {u"Edit6", &EntryForm::Edit6},
    {u"Edit17", &EntryForm::Edit17}, {u"Edit23", &EntryForm::Edit23}, {u"Edit12", &EntryForm::Edit12},
    {u"Edit18", &EntryForm::Edit18}, {u"Edit13", &EntryForm::Edit13}, {u"Edit14", &EntryForm::Edit14},
    {u"Edit15", &EntryForm::Edit15}, {u"Edit16", &EntryForm::Edit16}, {u"Edit19", &EntryForm::Edit19},
    {u"Edit20", &EntryForm::Edit20}, {u"Edit34", &EntryForm::Edit34}, {u"Edit30", &EntryForm::Edit30},
    {u"Edit31", &EntryForm::Edit31}, {u"Edit26", &EntryForm::Edit26}, {u"Edit32", &EntryForm::Edit32},
    {u"Edit27", &EntryForm::Edit27}, {u"Edit33", &EntryForm::Edit33}, {u"Edit28", &EntryForm::Edit28},
    {u"Edit29", &EntryForm::Edit29}, {u"Edit35", &EntryForm::Edit35}, {u"Edit24", &EntryForm::Edit24},
    {u"Edit25", &EntryForm::Edit25}, {u"Edit10", &EntryForm::Edit10}, {u"Edit38", &EntryForm::Edit38},
    {u"Edit36", &EntryForm::Edit36}, {u"Edit37", &EntryForm::Edit37},
    {u"ComboBox1", &EntryForm::ComboBox1}, {u"ComboBox2", &EntryForm::ComboBox2},
    {u"ComboBox3", &EntryForm::ComboBox3}, {u"ComboBox4", &EntryForm::ComboBox4},
};

constexpr auto names = [] {
    std::array<QStringView, std::size(fields)> out{};
    for (size_t i = 0; i < std::size(fields); ++i)
        out[i] = fields[i].name;
    return out;
}();

} // namespace

QString *EntryForm::fieldForCode(int code)
{
    switch (code) {
    case 1: return &Edit1;
    case 2: return &Edit2;
    case 3: return &Edit3;
    case 4: return &Edit4;
    case 5: return &Edit5;
    case 6: return &ComboBox5;
    case 7: return &Edit7;
    case 8: return &Edit8;
    case 9: return &Edit9;
    case 10: return &ComboBox6;
    case 11: return &Edit11;
    case 12: return &Edit12;
    case 13: return &Edit13;
    case 14: return &Edit14;
    case 15: return &Edit15;
    case 16: return &Edit16;
    case 17: return &Edit17;
    case 18: return &Edit18;
    case 19: return &Edit19;
    case 20: return &Edit20;
    case 26: return &Edit26;
    case 27: return &Edit27;
    case 28: return &Edit28;
    case 29: return &Edit29;
    case 31: return &Edit31;
    case 32: return &Edit32;
    case 33: return &Edit33;
    case 35: return &Edit35;
    default: return nullptr;
    }
}

QString *EntryForm::field(QStringView name)
{
    for (const Named &f : fields)
        if (f.name == name)
            return &(this->*f.member);
    return nullptr;
}

const QString *EntryForm::field(QStringView name) const
{
    return const_cast<EntryForm *>(this)->field(name);
}

std::span<const QStringView> EntryForm::fieldNames()
{
    return names;
}

void EntryForm::setRed(Panel panel)
{
    allNavy();
    red[size_t(panel)] = true;
}

void EntryForm::allNavy()
{
    red.fill(false);
}
