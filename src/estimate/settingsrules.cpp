#include "estimate/settingsrules.h"

#include <QDir>

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/settingscontrols.h"
#include "output/seal.h"
#include "estimate/sheetcompiler.h"

namespace settingsrules {

namespace {

const QString kZero = u"0"_qs;

void compileIfShown(EstimateDocument &doc, Host &host)
{
    if (sheetShown(doc))
        sheet::compile(doc, host);
}

// Extra row number of a rate (Edit36 to Edit39) or amount (Edit40 to Edit43) field, or -1.
int extraRow(QStringView name, int firstEdit)
{
    for (int i = 0; i < 4; ++i)
        if (name == u"Edit%1"_qs.arg(firstEdit + i))
            return i;
    return -1;
}

// Options whose only behaviour is that the sheet is compiled again when it is shown.
bool recompilingOption(QStringView name)
{
    static const QStringView names[] = {u"CheckBox1", u"CheckBox7", u"CheckBox10", u"CheckBox11",
                                        u"CheckBox12", u"CheckBox14", u"CheckBox16", u"CheckBox22"};
    for (QStringView n : names)
        if (n == name)
            return true;
    return false;
}

// The behaviour of a check box after the user switched it.
void optionSwitched(EstimateDocument &doc, Host &host, QStringView name)
{
    Settings &s = doc.settings;
    if (recompilingOption(name)) {
        compileIfShown(doc, host);
    } else if (name == u"CheckBox17") {
        doc.controls.CheckBox22.enabled = s.CheckBox17;
        compileIfShown(doc, host);
    } else if (name == u"CheckBox8") {
        if (s.CheckBox8 && !s.CheckBox1)
            applySettingsControl(doc, host, u"CheckBox1", u"1"_qs);
    } else if (name == u"CheckBox18" || name == u"CheckBox20" || name == u"CheckBox25") {
        syncDependentControls(doc);
    } else if (name == u"CheckBox2") {
        doc.controls.windowWidthRequested = true;
    }
}

} // namespace

void takeRates(EstimateDocument &doc)
{
    const Settings &s = doc.settings;
    doc.zatuzaihi = num::toNumber(s.Edit18);
    doc.genbazatupiritu = double(num::toInteger(s.Edit19));
    doc.syokeihiritu = double(num::toInteger(s.Edit20));
    doc.roumutanka = double(num::toInteger(s.Edit21));
}

QString dataFolder(const EstimateDocument &doc)
{
    QString folder = doc.settings.Edit50;
    if (num::isBlank(folder))
        return doc.strFilePath + u"材料データ/"_qs;
    // A relative folder lies beside the program, wherever the program is installed.
    if (QDir::isRelativePath(folder))
        folder.prepend(doc.strFilePath);
    // File names are appended to the folder text directly, so it must end with a separator.
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

void takeDataFolder(EstimateDocument &doc)
{
    doc.strFilePath2 = dataFolder(doc);
}

void refreshLabourCaption(EstimateDocument &doc)
{
    doc.controls.N45.text = u"「"_qs + doc.settings.Edit52 + u"」の集計を表示する"_qs;
}

void syncDependentControls(EstimateDocument &doc)
{
    const Settings &s = doc.settings;
    MainControls &c = doc.controls;
    c.N35.text = s.CheckBox18 ? u"御支給品表示を自動に戻す"_qs : u"労務費以外は御支給品で表示する"_qs;
    c.N43.text = s.CheckBox20 ? u"社会保険料相当額を表示しない"_qs : u"社会保険料相当額を表示する"_qs;
    c.CheckBox22.enabled = s.CheckBox17;
    c.RadioButton5 = s.CheckBox25;
}

bool sheetShown(const EstimateDocument &doc)
{
    return doc.controls.showSheet;
}

bool applySettings(EstimateDocument &doc, Host &host)
{
    try {
        takeRates(doc);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    takeDataFolder(doc);
    Settings &s = doc.settings;
    s.TForm6_ComboBox1 = s.Edit62;
    linecalc::recalculateAll(doc, host);
    compileIfShown(doc, host);
    // The rate takes precedence over the amount ("備考:％優先となります").
    for (int i = 0; i < 4; ++i)
        if (!num::isBlank(s.extraRate(i)) && !num::isBlank(s.extraAmount(i)))
            s.extraAmount(i).clear();
    refreshLabourCaption(doc);
    return true;
}

void siteRateLeft(EstimateDocument &doc)
{
    Settings &s = doc.settings;
    if (num::isBlank(s.Edit19))
        s.Edit19 = kZero;
    if (s.Edit19 == kZero)
        s.CheckBox3 = true;
}

void siteRateKey(EstimateDocument &doc)
{
    if (doc.settings.Edit19 != kZero)
        doc.settings.CheckBox3 = false;
}

void overheadRateLeft(EstimateDocument &doc)
{
    Settings &s = doc.settings;
    if (num::isBlank(s.Edit20))
        s.Edit20 = kZero;
    if (s.Edit20 == kZero)
        s.CheckBox4 = true;
}

void overheadRateKey(EstimateDocument &doc)
{
    if (doc.settings.Edit20 != kZero)
        doc.settings.CheckBox4 = false;
}

void extraRateEdited(EstimateDocument &doc, int i)
{
    doc.settings.extraAmount(i).clear();
    doc.sonota[i] = 100;
}

void extraAmountEdited(EstimateDocument &doc, int i)
{
    doc.settings.extraRate(i).clear();
}

bool flipExtraAmountSign(EstimateDocument &doc, Host &host, int i)
{
    QString &amount = doc.settings.extraAmount(i);
    if (num::isBlank(amount) || amount == kZero)
        return true;
    try {
        amount = num::shortest(num::toNumber(amount) * -1);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    return true;
}

void labourNameButton44(EstimateDocument &doc)
{
    doc.settings.Edit52 = u"労 務 費"_qs;
}

void labourNameButton104(EstimateDocument &doc)
{
    doc.settings.Edit52 = u"電 工 費"_qs;
}

bool browseDataFolder(EstimateDocument &doc, Host &host)
{
    const std::optional<QString> folder = host.folderName(u"登録するフォルダの選択"_qs);
    if (!folder)
        return false;
    doc.settings.Edit50 = folder->endsWith(u'/') ? *folder : *folder + u'/';
    return true;
}

void roundingModeChanged(EstimateDocument &doc, Host &host)
{
    Settings &s = doc.settings;
    if (s.ComboBox35 != u"手動計算") {
        s.Edit23.clear();
        s.Edit24.clear();
    }
    compileIfShown(doc, host);
}

bool applySettingsControl(EstimateDocument &doc, Host &host, QStringView name, const QString &value)
{
    const SettingsControl *control = findSettingsControl(name);
    if (!control)
        return false;
    Settings &s = doc.settings;
    if (control->isFlag()) {
        const bool was = control->isSet(s);
        control->setValue(s, value);
        // A click that leaves the box as it was is no click at all.
        if (control->isSet(s) != was)
            optionSwitched(doc, host, name);
        return true;
    }

    // An edit or a list: the user clicks into it, types or chooses, and leaves it.
    control->setValue(s, value);
    if (name == u"Edit19") {
        siteRateKey(doc);
        siteRateLeft(doc);
    } else if (name == u"Edit20") {
        overheadRateKey(doc);
        overheadRateLeft(doc);
    } else if (const int row = extraRow(name, 36); row >= 0) {
        extraRateEdited(doc, row);
    } else if (const int row = extraRow(name, 40); row >= 0) {
        extraAmountEdited(doc, row);
    } else if (name == u"ComboBox35") {
        roundingModeChanged(doc, host);
    } else if (name == u"Edit61") {
        // A key in the seal name: the size list, then the presets for the new name.
        seal::sizeList(s);
        seal::presets(s);
    } else if (name == u"ComboBox47") {
        seal::presets(s);
    }
    return true;
}

} // namespace settingsrules
