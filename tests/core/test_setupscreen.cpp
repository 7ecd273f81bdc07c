#include "itemfixture.h"

#include "items/itemtable.h"
#include "items/setupscreen.h"

#include <gtest/gtest.h>

namespace {

struct SetupFixture : ItemFixture {
    SetupFixture()
    {
        setItems({{1, u"a"}, {2, u"b"}, {2, u"c"}, {1, u"d"}});
        addLine(2, u"x"_qs);
        doc.settings.Edit29 = u"山田商店"_qs;
        doc.settings.Edit22 = u"事務所"_qs;
        doc.settings.Edit60 = u"改修工事"_qs;
        doc.settings.Edit25 = u"7"_qs;
        doc.settings.Edit26 = u"4"_qs;
        doc.settings.Edit27 = u"1"_qs;
        doc.settings.Label56 = u"令和"_qs;
        doc.sverj = u"- Ver6.16"_qs;
    }
};

} // namespace

TEST(SetupScreen, OpenAndCloseWithTheButton)
{
    SetupFixture f;
    MainControls &c = f.doc.controls;
    c.Panel9.visible = true; // the material menu is open
    setupscreen::toggle(f.doc, f.host);
    EXPECT_FALSE(c.GroupBox1.visible);
    EXPECT_EQ(c.Button14.text, u"項目設定");

    c.Panel9.visible = false;
    f.doc.koumokumei = f.item(3);
    f.doc.nodrow = 3;
    setupscreen::toggle(f.doc, f.host);
    EXPECT_TRUE(c.GroupBox1.visible);
    EXPECT_EQ(c.Button14.text, u"閉じる");
    EXPECT_EQ(c.Label18.text, u"1-2.c");
    EXPECT_EQ(c.Label72.text, u"令和7年4月1日");
    for (const ControlState *b : {&c.Button1, &c.Button11, &c.Button12, &c.Button16, &c.Button46})
        EXPECT_FALSE(b->enabled);
    EXPECT_EQ(f.doc.itemTree.selected, 2);
    EXPECT_EQ(c.focus, u"TreeView1");

    f.choose(2);
    setupscreen::toggle(f.doc, f.host);
    EXPECT_FALSE(c.GroupBox1.visible);
    EXPECT_EQ(c.Button14.text, u"項目設定");
    EXPECT_EQ(f.doc.koumokumei, u"1-1.b");
    EXPECT_EQ(f.doc.buttonsw, 0);
    EXPECT_EQ(f.doc.itemView.cell(linecol::Name, 1), u"x"); // the item's lines are shown
    EXPECT_TRUE(c.Button1.enabled);
    EXPECT_TRUE(c.Button46.enabled);
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(SetupScreen, CloseRefusesWithoutARecognisedItem)
{
    SetupFixture f;
    MainControls &c = f.doc.controls;
    setupscreen::open(f.doc);
    c.Label18.text = u"項目(階層2)"_qs;
    EXPECT_FALSE(setupscreen::close(f.doc, f.host));
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.host.messageTexts().last(), u"項目を認識できません、項目を入力して下さい。");

    // A header is filled in but the chosen cell is empty (here row 5, which has no item).
    c.Label18.text = f.item(1);
    f.doc.ux7 = 1;
    f.doc.uy7 = 5;
    EXPECT_FALSE(setupscreen::close(f.doc, f.host));
    EXPECT_EQ(f.host.messageTexts().last(), u"※項目を選択してから閉じて下さい。");
    EXPECT_TRUE(c.GroupBox1.visible);
    EXPECT_EQ(f.doc.nodrow, 1); // the current row is set even though the screen stays
    EXPECT_EQ(c.Label18.tag, 1);
}

TEST(SetupScreen, CloseWithChecksNeedsTheHeaderAndALeafItem)
{
    struct Case {
        const char *what;
        QString client, title1, title2;
        int chosenRow;
        const char16_t *message; // nullptr: the screen closes
        int beeps;
    };
    const Case cases[] = {
        {"no client", {}, u"事務所"_qs, {}, 2, u"提出先を入力してください。", 1},
        {"blank client", u"　"_qs, u"事務所"_qs, {}, 2, u"提出先を入力してください。", 1},
        {"no title", u"山田商店"_qs, {}, {}, 2, u"工事名称を入力してください。", 1},
        {"item with sub-items", u"山田商店"_qs, u"事務所"_qs, {}, 1,
         u"※下位階層があるので、この階層には入力できません。", 0},
        {"second title line only", u"山田商店"_qs, {}, u"改修工事"_qs, 2, nullptr, 0},
        {"leaf item", u"山田商店"_qs, u"事務所"_qs, {}, 3, nullptr, 0},
    };
    for (const Case &c : cases) {
        SetupFixture f;
        f.doc.settings.Edit29 = c.client;
        f.doc.settings.Edit22 = c.title1;
        f.doc.settings.Edit60 = c.title2;
        setupscreen::open(f.doc);
        f.choose(c.chosenRow);
        setupscreen::closeWithChecks(f.doc, f.host);
        EXPECT_EQ(f.host.beeps, c.beeps) << c.what;
        if (c.message) {
            EXPECT_EQ(f.host.messageTexts(), QStringList{QString::fromUtf16(c.message)}) << c.what;
            EXPECT_TRUE(f.doc.controls.GroupBox1.visible) << c.what;
        } else {
            EXPECT_TRUE(f.host.messages.isEmpty()) << c.what;
            EXPECT_FALSE(f.doc.controls.GroupBox1.visible) << c.what;
            EXPECT_EQ(f.doc.controls.Button5.text, u"↓ 登録") << c.what;
            EXPECT_EQ(f.doc.controls.Caption,
                      c.title1 + c.title2 + u" / SOL-VARAの箱- Ver6.16"_qs) << c.what;
        }
    }
}

// Choosing an item starts a rename; closing the screen must end it completely, or the screen comes
// back with the strip "項目選択中", the caption "↓ 登録" and the old name, and a press registers the
// item a second time.
TEST(SetupScreen, ClosingEndsARenameSoThatNoItemIsRegisteredTwice)
{
    SetupFixture f;
    const MainControls &c = f.doc.controls;
    setupscreen::open(f.doc);
    f.choose(3);
    ASSERT_TRUE(c.Panel83.visible);
    setupscreen::closeWithChecks(f.doc, f.host);
    ASSERT_FALSE(c.GroupBox1.visible);

    setupscreen::toggle(f.doc, f.host);
    EXPECT_FALSE(c.Panel83.visible);
    EXPECT_EQ(c.Button5.text, u"↓ 登録");
    EXPECT_TRUE(c.Edit1.text.isEmpty());
    items::registerButton(f.doc, f.host);
    EXPECT_EQ(f.doc.tree_count, 4);
    EXPECT_EQ(f.host.beeps, 1);

    // A standard name picked during a rename is registered as a new item: the strip goes too.
    f.choose(2);
    items::pickStandardName(f.doc, 0);
    EXPECT_FALSE(c.Panel83.visible);
    EXPECT_EQ(c.Button5.text, u"↓ 登録");
}

TEST(SetupScreen, CloseWithChecksRefreshesLineItemNumbers)
{
    SetupFixture f;
    f.doc.lines.setCell(linecol::ItemRow, 1, u"9"_qs);
    setupscreen::open(f.doc);
    f.choose(3);
    setupscreen::closeWithChecks(f.doc, f.host);
    EXPECT_EQ(f.doc.lines.cell(linecol::ItemRow, 1), u"2");
}

TEST(SetupScreen, ALevelFourItemHasNoSubItems)
{
    SetupFixture f;
    f.setItems({{2, u"e"}, {3, u"f"}, {4, u"g"}, {4, u"h"}});
    setupscreen::open(f.doc);
    f.choose(7);
    setupscreen::closeWithChecks(f.doc, f.host);
    EXPECT_TRUE(f.host.messages.isEmpty());
    EXPECT_FALSE(f.doc.controls.GroupBox1.visible);
}

TEST(SetupScreen, CurrentItemIsFoundInTheDetailBlock)
{
    SetupFixture f;
    f.doc.koumokumei = f.item(2);
    f.doc.sheet.setRowCount(20);
    f.doc.sheet.setCell(sheetcol::Name, 2, f.item(2)); // summary rows are not searched
    EXPECT_EQ(setupscreen::currentItemSheetRow(f.doc), -1);
    f.doc.sheet.setCell(sheetcol::Name, 12, f.item(2));
    f.doc.sheet.setCell(sheetcol::Name, 15, f.item(2));
    EXPECT_EQ(setupscreen::currentItemSheetRow(f.doc), 12);
}
