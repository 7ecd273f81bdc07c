#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/settingsrules.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    EstimateDocument doc;
    ScriptedHost host;

    bool set(const char16_t *name, const QString &value)
    {
        return settingsrules::applySettingsControl(doc, host, QStringView(name), value);
    }
    // One labour line: quantity 1, labour factor 1.
    void addLabourLine()
    {
        doc.st1count = 1;
        doc.lines.setCell(linecol::No, 1, u"1"_qs);
        doc.lines.setCell(linecol::Item, 1, u"1.電灯"_qs);
        doc.lines.setCell(linecol::Quantity, 1, u"1"_qs);
        doc.lines.setCell(linecol::Kind, 1, u"通常品"_qs);
        doc.lines.setCell(linecol::Factor, 1, u"1"_qs);
        doc.lines.setCell(linecol::Name, 1, u"電工"_qs);
        doc.tree_count = 1;
        doc.items.setCell(itemcol::Level, 1, u"1"_qs);
        doc.items.setCell(itemcol::Level1, 1, u"1.電灯"_qs);
        doc.items.setCell(itemcol::Name, 1, u"1.電灯"_qs);
        doc.items.setCell(itemcol::Bare, 1, u"電灯"_qs);
        doc.koumokumei = u"1.電灯"_qs;
        doc.controls.Label18.text = doc.koumokumei;
    }
};

} // namespace

TEST(SettingsRules, ApplyTakesRatesRecalculatesAndLetsTheRateWin)
{
    Fixture f;
    f.addLabourLine();
    Settings &s = f.doc.settings;
    s.Edit21 = u"22000"_qs;
    s.Edit62 = u"910"_qs;
    s.Edit52 = u"電 工 費"_qs;
    s.extraRate(1) = u"5"_qs;
    s.extraAmount(1) = u"30000"_qs;
    s.extraAmount(2) = u"12000"_qs;
    ASSERT_TRUE(settingsrules::applySettings(f.doc, f.host));
    EXPECT_EQ(f.doc.roumutanka, 22000);
    EXPECT_EQ(f.doc.zatuzaihi, 3);
    EXPECT_EQ(f.doc.lines.cell(linecol::Labour, 1), u"22000"_qs);
    EXPECT_EQ(s.TForm6_ComboBox1, u"910"_qs);
    EXPECT_EQ(s.extraRate(1), u"5"_qs);
    EXPECT_EQ(s.extraAmount(1), QString());
    EXPECT_EQ(s.extraAmount(2), u"12000"_qs);
    EXPECT_EQ(f.doc.controls.N45.text, u"「電 工 費」の集計を表示する"_qs);
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(SettingsRules, ApplyStopsBeforeTheRecalculationOnARateThatIsNotANumber)
{
    Fixture f;
    f.addLabourLine();
    f.doc.roumutanka = 20000;
    f.doc.settings.Edit18.clear(); // emptied by a click
    f.doc.settings.Edit21 = u"25000"_qs;
    f.doc.settings.extraRate(0) = u"5"_qs;
    f.doc.settings.extraAmount(0) = u"100"_qs;
    EXPECT_FALSE(settingsrules::applySettings(f.doc, f.host));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
    EXPECT_EQ(f.doc.roumutanka, 20000);
    EXPECT_EQ(f.doc.lines.cell(linecol::Labour, 1), QString());
    EXPECT_EQ(f.doc.settings.extraAmount(0), u"100"_qs);
}

TEST(SettingsRules, SiteAndOverheadRatesSwitchTheirHideOptions)
{
    struct Case { const char16_t *control, *value, *stored; bool before, after; } cases[] = {
        {u"Edit19", u"0", u"0", false, true}, {u"Edit19", u"", u"0", false, true},
        {u"Edit19", u"6", u"6", true, false}, {u"Edit20", u"0", u"0", false, true},
        {u"Edit20", u"12", u"12", true, false},
    };
    for (const Case &c : cases) {
        Fixture f;
        const bool site = QStringView(c.control) == u"Edit19";
        bool &option = site ? f.doc.settings.CheckBox3 : f.doc.settings.CheckBox4;
        option = c.before;
        ASSERT_TRUE(f.set(c.control, QString::fromUtf16(c.value)));
        EXPECT_EQ(site ? f.doc.settings.Edit19 : f.doc.settings.Edit20, QString::fromUtf16(c.stored));
        EXPECT_EQ(option, c.after) << QString::fromUtf16(c.control).toStdString() << "=" << QString::fromUtf16(c.value).toStdString();
    }
}

TEST(SettingsRules, ExtraRowRateAndAmountExcludeEachOther)
{
    Fixture f;
    Settings &s = f.doc.settings;
    f.doc.sonota[2] = 85;
    s.extraAmount(2) = u"5000"_qs;
    f.set(u"Edit38", u"3"_qs);
    EXPECT_EQ(s.extraRate(2), u"3"_qs);
    EXPECT_EQ(s.extraAmount(2), QString());
    EXPECT_EQ(f.doc.sonota[2], 100);

    f.set(u"Edit42", u"7000"_qs);
    EXPECT_EQ(s.extraAmount(2), u"7000"_qs);
    EXPECT_EQ(s.extraRate(2), QString());
}

TEST(SettingsRules, SignButtonFlipsNonZeroAmounts)
{
    struct Case { const char16_t *amount, *after; bool ok; } cases[] = {
        {u"1500", u"-1500", true}, {u"-2.5", u"2.5", true}, {u"0", u"0", true},
        {u"", u"", true}, {u" ", u" ", true}, {u"abc", u"abc", false},
    };
    for (const Case &c : cases) {
        Fixture f;
        f.doc.settings.extraAmount(3) = QString::fromUtf16(c.amount);
        EXPECT_EQ(settingsrules::flipExtraAmountSign(f.doc, f.host, 3), c.ok);
        EXPECT_EQ(f.doc.settings.extraAmount(3), QString::fromUtf16(c.after));
        EXPECT_EQ(f.host.messages.size(), c.ok ? 0 : 1);
    }
}

TEST(SettingsRules, RoundingModeOtherThanManualEmptiesTheManualAmounts)
{
    for (const char16_t *mode : {u"1000", u"手動計算"}) {
        Fixture f;
        f.doc.settings.Edit23 = u"50000"_qs;
        f.doc.settings.Edit24 = u"80000"_qs;
        f.set(u"ComboBox35", QString::fromUtf16(mode));
        const bool manual = QStringView(mode) == u"手動計算";
        EXPECT_EQ(f.doc.settings.Edit23, manual ? u"50000"_qs : QString());
        EXPECT_EQ(f.doc.settings.Edit24, manual ? u"80000"_qs : QString());
    }
}

TEST(SettingsRules, OptionsThatDriveOtherControls)
{
    Fixture f;
    MainControls &c = f.doc.controls;
    f.set(u"CheckBox8", u"1"_qs);
    EXPECT_TRUE(f.doc.settings.CheckBox1);
    f.set(u"CheckBox8", u"0"_qs);
    EXPECT_TRUE(f.doc.settings.CheckBox1);

    f.set(u"CheckBox18", u"1"_qs);
    EXPECT_EQ(c.N35.text, u"御支給品表示を自動に戻す"_qs);
    f.set(u"CheckBox18", u"0"_qs);
    EXPECT_EQ(c.N35.text, u"労務費以外は御支給品で表示する"_qs);

    f.set(u"CheckBox20", u"1"_qs);
    EXPECT_EQ(c.N43.text, u"社会保険料相当額を表示しない"_qs);
    f.set(u"CheckBox20", u"0"_qs);
    EXPECT_EQ(c.N43.text, u"社会保険料相当額を表示する"_qs);

    f.set(u"CheckBox25", u"1"_qs);
    EXPECT_TRUE(c.RadioButton5);
    f.set(u"CheckBox25", u"0"_qs);
    EXPECT_FALSE(c.RadioButton5);

    EXPECT_FALSE(c.CheckBox22.enabled);
    f.set(u"CheckBox17", u"1"_qs);
    EXPECT_TRUE(c.CheckBox22.enabled);

    f.set(u"RadioButton4", u"1"_qs);
    EXPECT_FALSE(f.doc.settings.RadioButton3);
    EXPECT_FALSE(f.set(u"NoSuchControl", u"1"_qs));
}

TEST(SettingsRules, OptionsCompileTheSheetOnlyWhenItIsShown)
{
    // The compilation recalculates every line, which shows in the labour cost.
    for (bool shown : {false, true}) {
        Fixture f;
        f.addLabourLine();
        f.doc.roumutanka = 20000;
        f.doc.controls.showSheet = shown;
        f.set(u"CheckBox14", u"1"_qs);
        EXPECT_EQ(f.doc.lines.cell(linecol::Labour, 1), shown ? u"20000"_qs : QString());
    }
}

TEST(SettingsRules, LabourNameButtons)
{
    Fixture f;
    settingsrules::labourNameButton104(f.doc);
    EXPECT_EQ(f.doc.settings.Edit52, u"電 工 費"_qs);
    settingsrules::labourNameButton44(f.doc);
    EXPECT_EQ(f.doc.settings.Edit52, u"労 務 費"_qs);
}

TEST(SettingsRules, DataFolderFromTheFolderDialog)
{
    Fixture f;
    f.doc.settings.Edit50 = u"/old/"_qs;
    EXPECT_FALSE(settingsrules::browseDataFolder(f.doc, f.host)); // cancelled
    EXPECT_EQ(f.doc.settings.Edit50, u"/old/"_qs);
    f.host.folderNames = {u"/data/材料"_qs};
    EXPECT_TRUE(settingsrules::browseDataFolder(f.doc, f.host));
    EXPECT_EQ(f.doc.settings.Edit50, u"/data/材料/"_qs);
    EXPECT_EQ(f.host.dialogFilters.last(), u"登録するフォルダの選択"_qs);
}
