#include "catalogfixture.h"

#include "catalog/catalogedit.h"
#include "catalog/catalogpick.h"
#include "entry/entryform.h"

namespace {

struct PickFixture : CatalogFixture {
    PickFixture()
    {
        doc.st1count = 7;
        setList({
            u"107,01,01,01,LEDベースライト, ,W230,台,1234.5,天井直付,0.35,100,0,0,0,0.05, ,90, "_qs,
            u"107,01,01,99,未登録品, , ,台,,,,,,,,,,,"_qs,
            u"107,01,02,01,LEDダウンライト,φ100, ,台,abc,天井埋込,0.2,100,0,0,0,0,60,70,"_qs,
        });
    }

    std::optional<catalogpick::EntryOpening> pickRow(int row)
    {
        doc.catalog.row = doc.catalog.ny3 = row;
        doc.catalog.nx3 = 4;
        return catalogpick::pick(doc, host);
    }
};

} // namespace

TEST(CatalogPick, HandsTheMaterialToTheEntryWindow)
{
    PickFixture f;
    const std::optional<catalogpick::EntryOpening> o = f.pickRow(1);
    ASSERT_TRUE(o);
    const std::pair<const char16_t *, const char16_t *> expected[] = {
        {u"Edit21", u"8"}, {u"Edit1", u"107"}, {u"Edit2", u"01"}, {u"Edit3", u"01"}, {u"Edit4", u"01"},
        {u"Edit5", u"0000"}, {u"ComboBox5", u"LEDベースライト"}, {u"Edit7", u""}, {u"Edit8", u"W230"},
        {u"Edit17", u"天井直付"}, {u"ComboBox6", u"台"}, {u"Edit11", u"1235"}, {u"Edit12", u"0.35"},
        {u"Edit18", u"100"}, {u"Edit13", u"0"}, {u"Edit14", u"0"}, {u"Edit15", u"0"}, {u"Edit16", u"0.05"},
        {u"Edit19", u"100"}, {u"Edit20", u"90"}, {u"Edit22", u"1-1.照明器具設置工事"}, {u"Edit24", u"10"},
        {u"Edit34", u"2"},
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(o->field(QString::fromUtf16(name)), QString::fromUtf16(text)) << QString::fromUtf16(name).toStdString();
    // 1235 × 90 % = 1111.5, rounded half away from zero.
    EXPECT_EQ(o->status, u"提出単価：1112");
    EXPECT_EQ(o->statusColour, 0xB1D7F8u);
    EXPECT_TRUE(o->clearNameList);
    // The list itself gets the defaults it handed over.
    EXPECT_EQ(f.doc.catalog.list.cell(5, 1), u"");
    EXPECT_EQ(f.doc.catalog.list.cell(16, 1), u"100");
    EXPECT_EQ(f.doc.catalog.controls.Edit53, u"LEDベースライト");

    // The data entry window's form, opened with it for a new line.
    EntryForm form;
    form.ComboBox5Items = {u"前の候補"_qs};
    catalogpick::openEntry(form, f.doc, *o);
    EXPECT_EQ(form.newLineFlag, 1);
    EXPECT_EQ(form.editFlag, 0);
    EXPECT_EQ(form.Edit11, u"1235");
    EXPECT_EQ(form.Edit21, u"8");
    EXPECT_EQ(form.Label28, u"提出単価：1112");
    EXPECT_TRUE(form.ComboBox5Items.isEmpty());
    EXPECT_EQ(form.firstCatalogName, u"LEDベースライト");
    EXPECT_EQ(f.doc.catalog.controls.Label14.text, u"選択行Ｎｏ．1");
}

TEST(CatalogPick, UnregisteredLineAndBlankPrice)
{
    PickFixture f;
    const std::optional<catalogpick::EntryOpening> o = f.pickRow(2);
    ASSERT_TRUE(o);
    // Item row 2 with its counter "1".
    EXPECT_EQ(o->field(u"Edit5"_qs), u"0021");
    EXPECT_EQ(o->field(u"Edit11"_qs), u"0");
    EXPECT_EQ(o->field(u"Edit8"_qs), u""); // a blank held as a space goes over empty
    EXPECT_EQ(o->field(u"Edit19"_qs), u"100");
    EXPECT_EQ(o->status, u"提出単価：0");
    EXPECT_EQ(f.doc.catalog.list.cell(8, 2), u"0");
}

// A price that is not a number stops the pick before the window opens.
TEST(CatalogPick, APriceThatIsNotANumber)
{
    PickFixture f;
    EXPECT_FALSE(f.pickRow(3));
    EXPECT_TRUE(f.shown(u"abc"_qs));
}

TEST(CatalogPick, EditModeOnlyEdits)
{
    PickFixture f;
    catalogedit::Button42Click(f.doc, f.host);
    EXPECT_FALSE(f.pickRow(1));
    EXPECT_EQ(f.doc.catalog.controls.Edit53, u"LEDベースライト");
    EXPECT_EQ(f.doc.catalog.list.cell(16, 1), u" ");
}

TEST(CatalogPick, UnregisteredModeTakesTheCodePositionOfTheRow)
{
    PickFixture f;
    catalogpick::toggleUnregistered(f.doc);
    const CatalogControls &c = f.doc.catalog.controls;
    EXPECT_TRUE(c.Panel82.visible);
    EXPECT_EQ(c.Button101.text, u"キャンセル");
    EXPECT_FALSE(c.Button20.enabled || c.Button42.enabled || c.Button43.enabled);

    const std::optional<catalogpick::EntryOpening> o = f.pickRow(3);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->field(u"Edit3"_qs), u"02");
    EXPECT_EQ(o->field(u"ComboBox5"_qs), u"未登録品");
    EXPECT_EQ(o->field(u"Edit5"_qs), u"0021");
    EXPECT_EQ(o->field(u"ComboBox6"_qs), u"台");
    EXPECT_EQ(o->field(u"Edit11"_qs), u"0");
    EXPECT_EQ(o->field(u"Edit12"_qs), u" ");
    EXPECT_EQ(o->field(u"Edit7"_qs), u"");
    EXPECT_FALSE(o->field(u"Edit19"_qs)); // the rates stay as the window has them
    EXPECT_FALSE(c.Panel82.visible);
    EXPECT_EQ(c.Button101.text, u"未登録品");
    EXPECT_TRUE(c.Button20.enabled && c.Button42.enabled && c.Button43.enabled);

    catalogpick::entryClosed(f.doc);
    EXPECT_FALSE(f.doc.catalog.controls.Panel14.visible);
    EXPECT_FALSE(f.doc.controls.Panel9.visible);
}
