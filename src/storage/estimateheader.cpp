#include "storage/estimateheader.h"

#include "base/conversionerror.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/settingscontrols.h"
#include "storage/conditions.h"

#include <limits>

namespace estimateheader {

namespace {

constexpr int fieldCount = 46;
const QString kNone = u"無し"_qs;
const QString kIdeographicSpace = u"　"_qs;

const SettingsControl &control(const QString &name)
{
    const SettingsControl *c = findSettingsControl(name);
    Q_ASSERT(c);
    return *c;
}

QString numbered(QStringView prefix, int n)
{
    return prefix.toString() + QString::number(n);
}

QString get(const Settings &s, QStringView prefix, int n)
{
    return control(numbered(prefix, n)).value(s);
}

void put(Settings &s, QStringView prefix, int n, const QString &value)
{
    control(numbered(prefix, n)).setValue(s, value);
}

// "1" sets, "0" clears; any other text leaves the box as it was.
void checkRule(Settings &s, QStringView prefix, int n, const QString &text)
{
    if (text == u"1" || text == u"0")
        control(numbered(prefix, n)).setFlag(s, text == u"1");
}

// Record 4's rule: "1" sets; "0" or a space clears; other text, empty included, leaves the box.
void record4CheckRule(Settings &s, int n, const QString &text)
{
    if (text == u"1")
        control(numbered(u"CheckBox", n)).setFlag(s, true);
    else if (text == u"0" || text == u" ")
        control(numbered(u"CheckBox", n)).setFlag(s, false);
}

QString flag(bool on)
{
    return on ? u"1"_qs : u"0"_qs;
}

QString noneWhenBlank(const QString &text)
{
    return num::isBlank(text) ? kNone : text;
}

bool blankOrIdeographicSpace(const QString &text)
{
    return num::isBlank(text) || text == kIdeographicSpace;
}

QString orDefault(const QString &text, const QString &fallback)
{
    return num::isBlank(text) ? fallback : text;
}

int toInt(const QString &text)
{
    const qint64 value = num::toInteger(text);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConversionError(text, ConversionError::Kind::Integer);
    return int(value);
}

// A count read from the file: a whole number from 0 to `most`.
int toCount(const QString &text, int most)
{
    const int value = toInt(text);
    if (value < 0 || value > most)
        throw ConversionError(text, ConversionError::Kind::Count);
    return value;
}

// The seal fields of record 4: blank, "0" or a full-width space give the default.
QString sealValue(const QString &text, const QString &fallback)
{
    return blankOrIdeographicSpace(text) || text == u"0" ? fallback : text;
}

QStringList emptyRecord()
{
    QStringList f;
    f.resize(fieldCount);
    return f;
}

} // namespace

QStringList record0(const EstimateDocument &doc)
{
    const Settings &s = doc.settings;
    QStringList f = emptyRecord();
    for (int i = 0; i < 20; ++i)
        f[i] = get(s, u"Edit", 2 + i);
    f[20] = s.Edit22;
    f[21] = QString::number(doc.tree_count);
    f[22] = flag(s.CheckBox1);
    for (int i = 0; i < 18; ++i)
        f[23 + i] = get(s, u"ComboBox", 1 + i);
    for (int i = 0; i < 3; ++i)
        f[41 + i] = get(s, u"CheckBox", 10 + i);
    f[44] = doc.lines.cell(linecol::ItemRow, 0);
    f[45] = doc.lines.cell(linecol::InputNo, 0);
    return f;
}

QStringList record1(const EstimateDocument &doc)
{
    const Settings &s = doc.settings;
    QStringList f = emptyRecord();
    for (int i = 0; i < 16; ++i)
        f[i] = get(s, u"ComboBox", 19 + i);
    for (int i = 0; i < 5; ++i)
        f[16 + i] = get(s, u"Edit", 25 + i);
    f[21] = s.ComboBox35;
    f[22] = s.ComboBox38;
    f[23] = s.Edit23;
    f[24] = s.Edit24;
    for (int row = 0; row < 4; ++row) {
        f[25 + 3 * row] = s.extraName(row);
        f[26 + 3 * row] = s.extraRate(row);
        f[27 + 3 * row] = s.extraAmount(row);
    }
    for (int i = 0; i < 4; ++i)
        f[37 + i] = get(s, u"CheckBox", 3 + i);
    f[41] = s.Edit52;
    for (int i = 0; i < 4; ++i)
        f[42 + i] = num::shortest(doc.sonota[size_t(i)]);
    return f;
}

QStringList record2(const EstimateDocument &doc)
{
    QStringList f = emptyRecord();
    for (int k = 0; k < conditions::count; ++k)
        f[k] = doc.conditions.cell(1, k + 1);
    return f;
}

QStringList record3(const EstimateDocument &doc)
{
    QStringList f = emptyRecord();
    for (int k = 0; k < conditions::count; ++k)
        f[k] = doc.conditions.cell(2, k + 1);
    return f;
}

QStringList record4(const EstimateDocument &doc, int itemRecords)
{
    const Settings &s = doc.settings;
    QStringList f = emptyRecord();
    f[0] = s.Edit51;
    f[1] = s.Edit55;
    f[2] = flag(s.CheckBox13);
    f[3] = flag(s.CheckBox14);
    f[4] = flag(s.CheckBox16);
    f[5] = noneWhenBlank(s.Edit30);
    f[6] = noneWhenBlank(s.Edit31);
    f[7] = flag(s.CheckBox17);
    f[8] = QString::number(itemRecords);
    f[9] = flag(s.CheckBox18);
    f[10] = QString::number(doc.seikyu5);
    f[11] = num::shortest(doc.verj);
    f[12] = flag(s.CheckBox19);
    f[13] = flag(s.CheckBox20);
    f[14] = noneWhenBlank(s.Edit57);
    f[15] = num::isBlank(s.Edit56) ? u"100"_qs : s.Edit56;
    f[16] = flag(s.CheckBox21);
    f[17] = flag(s.CheckBox7);
    f[18] = flag(s.RadioButton3);
    f[19] = s.Label56;
    f[20] = s.Edit60;
    f[21] = s.ComboBox42;
    f[22] = flag(s.CheckBox22);
    f[23] = flag(s.CheckBox23);
    f[24] = flag(s.CheckBox24);
    f[25] = s.Edit61;
    f[26] = s.Label173;
    f[27] = s.Label174;
    f[28] = s.Label167;
    f[29] = s.ComboBox47;
    f[30] = s.ComboBox48;
    f[31] = num::shortest(doc.Curitu);
    f[32] = s.TForm6_ComboBox1;
    f[33] = flag(s.TForm6_CheckBox1);
    return f;
}

void applyRecord0(EstimateDocument &doc, const QStringList &f, int availableRecords)
{
    Settings &s = doc.settings;
    for (int i = 0; i < 20; ++i)
        put(s, u"Edit", 2 + i, f[i]);
    doc.zatuzaihi = double(num::toNumber(s.Edit18));
    doc.genbazatupiritu = double(num::toInteger(s.Edit19));
    doc.syokeihiritu = double(num::toInteger(s.Edit20));
    doc.roumutanka = double(num::toInteger(s.Edit21));
    s.Edit22 = f[20];
    doc.tree_count = toCount(f[21], std::max(availableRecords, 0));
    checkRule(s, u"CheckBox", 1, f[22]);
    for (int i = 0; i < 18; ++i)
        put(s, u"ComboBox", 1 + i, f[23 + i]);
    for (int i = 0; i < 3; ++i)
        checkRule(s, u"CheckBox", 10 + i, f[41 + i]);
}

void applyRecord1(EstimateDocument &doc, const QStringList &f)
{
    Settings &s = doc.settings;
    for (int i = 0; i < 16; ++i)
        put(s, u"ComboBox", 19 + i, f[i]);
    s.Edit25 = f[16];
    s.Edit26 = f[17];
    s.Edit27 = f[18];
    s.Edit28 = blankOrIdeographicSpace(f[19]) ? QString() : f[19];
    s.Edit29 = f[20];
    s.ComboBox35 = f[21];
    s.ComboBox38 = orDefault(f[22], u"0"_qs);
    s.Edit23 = orDefault(f[23], QString());
    s.Edit24 = orDefault(f[24], QString());
    for (int row = 0; row < 4; ++row) {
        s.extraName(row) = orDefault(f[25 + 3 * row], QString());
        s.extraRate(row) = orDefault(f[26 + 3 * row], QString());
        s.extraAmount(row) = orDefault(f[27 + 3 * row], QString());
    }
    for (int i = 0; i < 4; ++i)
        checkRule(s, u"CheckBox", 3 + i, f[37 + i]);
    s.Edit52 = orDefault(f[41], u"労 務 費"_qs);
    for (int i = 0; i < 4; ++i)
        doc.sonota[size_t(i)] = double(num::toNumber(orDefault(f[42 + i], u"100"_qs)));
}

void applyConditions(EstimateDocument &doc, const QStringList &marks, const QStringList &texts)
{
    for (int k = 0; k < conditions::count; ++k) {
        doc.conditions.setCell(1, k + 1, marks[k]);
        doc.conditions.setCell(2, k + 1, texts[k]);
    }
}

int applyRecord4(EstimateDocument &doc, const QStringList &f, int availableRecords)
{
    Settings &s = doc.settings;
    s.Edit51 = orDefault(f[0], u"8"_qs);
    s.Edit55 = f[1];
    record4CheckRule(s, 13, f[2]);
    record4CheckRule(s, 14, f[3]);
    record4CheckRule(s, 16, f[4]);
    s.Edit30 = f[5] == kNone ? QString()
             : num::isBlank(f[5]) ? u"下記の通り御見積申上げますから何卒御注文仰付の程を御願い申上げます。"_qs
                                  : f[5];
    s.Edit31 = f[6] == kNone ? QString() : orDefault(f[6], u" 金"_qs);
    record4CheckRule(s, 17, f[7]);
    const QString countText = orDefault(f[8], u"29"_qs);
    const int count = toInt(countText);
    // The items in use are rows of the item table, so n cannot be smaller than their count.
    if (count < 0 || count < doc.tree_count)
        throw ConversionError(countText, ConversionError::Kind::Count);
    record4CheckRule(s, 18, f[9]);
    if (f[10] == u"1")
        doc.seikyu5 = 1;
    else if (f[10] == u"0" || num::isBlank(f[10]))
        doc.seikyu5 = 0;
    doc.verj = num::isBlank(f[11]) ? 0.0 : double(num::toNumber(f[11]));
    record4CheckRule(s, 19, f[12]);
    record4CheckRule(s, 20, f[13]);
    s.Edit57 = f[14] == kNone || num::isBlank(f[14]) ? u"0"_qs : f[14];
    s.Edit56 = orDefault(f[15], u"100"_qs);
    record4CheckRule(s, 21, f[16]);
    record4CheckRule(s, 7, f[17]);
    if (f[18] == u"1")
        s.RadioButton3 = true;
    else if (f[18] == u"0" || num::isBlank(f[18]))
        s.RadioButton3 = false;
    s.Edit59 = f[19];
    s.Label56 = num::isBlank(f[19]) || f[19] == u"0" ? u"平成"_qs : f[19];
    s.Edit60 = blankOrIdeographicSpace(f[20]) ? QString() : f[20];
    doc.controls.Caption = s.Edit22 + s.Edit60 + u" / "_qs + doc.FormName
                         + (doc.verj == 0 ? QString() : doc.sverj);
    s.ComboBox42 = f[21];
    record4CheckRule(s, 22, f[22]);
    record4CheckRule(s, 23, f[23]);
    record4CheckRule(s, 24, f[24]);
    s.Edit61 = sealValue(f[25], u"積算"_qs);
    s.Label173 = sealValue(f[26], u"15"_qs);
    s.Label174 = sealValue(f[27], u"15"_qs);
    s.Label167 = sealValue(f[28], u"13"_qs);
    s.ComboBox47 = sealValue(f[29], u"9"_qs);
    s.ComboBox48 = orDefault(f[30], u"14"_qs);
    doc.Curitu = double(num::toNumber(orDefault(f[31], u"1"_qs)));
    doc.controls.Label171.text = num::shortest(doc.Curitu);
    s.Edit62 = f[32];
    s.TForm6_ComboBox1 = f[32];
    doc.copperManualFlag = f[33] == u"1" ? 1 : 0;
    s.TForm6_CheckBox1 = doc.copperManualFlag == 1;
    return std::min(count, std::max(availableRecords, 0));
}

} // namespace estimateheader
