#include "itemfixture.h"

#include "entry/linetable.h"
#include "items/itemmoves.h"
#include "items/itemtable.h"
#include "items/itemtree.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(std::initializer_list<const char16_t *> list)
{
    QStringList out;
    for (const char16_t *t : list)
        out.append(QString::fromUtf16(t));
    return out;
}

void registerName(ItemFixture &f, const QString &name)
{
    f.doc.controls.Edit1.text = name;
    items::registerButton(f.doc, f.host);
}

} // namespace

TEST(ItemTable, RegisterAppendsNumberedLevelOneItems)
{
    ItemFixture f;
    items::registerButton(f.doc, f.host);
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.doc.tree_count, 0);

    registerName(f, u"幹線設備工事"_qs);
    f.doc.controls.Edit1.text = u"電灯設備工事"_qs;
    items::enterInNameBox(f.doc, f.host);
    EXPECT_EQ(f.host.beeps, 2); // Enter registers, then beeps

    EXPECT_EQ(f.names(), texts({u"1.幹線設備工事", u"2.電灯設備工事"}));
    EXPECT_EQ(f.levels(), texts({u"1", u"1"}));
    const QStringList row2 = f.doc.items.row(2);
    EXPECT_EQ(row2.mid(8, 9), texts({u"100", u"100", u"100", u"100", u"100", u"100", u"100", u"100", u"1"}));
    EXPECT_EQ(row2[itemcol::Level1], u"2.電灯設備工事");
    EXPECT_EQ(row2[itemcol::Bare], u"電灯設備工事");
    EXPECT_EQ(row2[itemcol::Code], u"2");
    EXPECT_TRUE(f.doc.controls.Edit1.text.isEmpty());
    EXPECT_EQ(f.doc.controls.focus, u"Edit1");
    // The first item registered becomes the label's item; the tree shows numbered names.
    EXPECT_EQ(f.doc.controls.Label18.text, u"1.幹線設備工事");
    ASSERT_EQ(f.doc.itemTree.nodes.size(), 2u);
    EXPECT_EQ(f.doc.itemTree.nodes[1].caption, u"2.電灯設備工事");
    EXPECT_EQ(f.doc.kidou, 1);
}

TEST(ItemTable, NewItemLandsAfterTheLastTopLevelItem)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {2, u"b"}, {1, u"c"}, {2, u"d"}, {3, u"e"}});
    registerName(f, u"f"_qs);
    EXPECT_EQ(f.item(6), u"3.f");
    EXPECT_EQ(f.doc.itemTree.nodes[5].parent, -1);
}

TEST(ItemTable, RowCountFollowsTheItemCount)
{
    ItemFixture f;
    EXPECT_EQ(f.doc.items.rowCount(), 30);
    for (int i = 1; i <= 30; ++i)
        registerName(f, u"item"_qs + QString::number(i));
    EXPECT_EQ(f.doc.tree_count, 30);
    EXPECT_EQ(f.doc.items.rowCount(), 31);

    for (int remaining : {29, 28}) {
        f.choose(1);
        items::deleteChosenItem(f.doc, f.host);
        EXPECT_EQ(f.doc.tree_count, remaining);
        EXPECT_EQ(f.doc.items.rowCount(), 30);
    }
    EXPECT_EQ(f.item(1), u"1.item3");
    EXPECT_EQ(f.item(28), u"28.item30");
}

TEST(ItemTable, The301stItemIsRefused)
{
    ItemFixture f;
    for (int i = 1; i <= items::maxItems; ++i)
        registerName(f, QString::number(i));
    ASSERT_EQ(f.doc.tree_count, 300);
    ASSERT_TRUE(f.host.messages.isEmpty());
    const int rows = f.doc.items.rowCount();

    registerName(f, u"one too many"_qs);
    EXPECT_EQ(f.doc.tree_count, 300);
    EXPECT_EQ(f.doc.items.rowCount(), rows);
    EXPECT_EQ(f.doc.controls.Edit1.text, u"one too many");
    EXPECT_EQ(f.host.messageTexts(), QStringList{u"登録できる項目は300までです。"_qs});
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.item(300), u"300.300");
}

TEST(ItemTable, StandardNamesArePickedAndRegistered)
{
    ItemFixture f;
    const QStringList &names = items::standardNames();
    ASSERT_EQ(names.size(), 30);
    EXPECT_EQ(names.front(), u"電力引込設備工事");
    EXPECT_EQ(names[20], u"ＴＶ共聴設備工事");
    EXPECT_EQ(names.back(), u"防災設備工事");

    f.doc.controls.Button5.text = u"↓編集登録"_qs;
    items::pickStandardName(f.doc, 13);
    EXPECT_EQ(f.doc.controls.Edit1.text, u"電灯設備工事");
    EXPECT_EQ(f.doc.controls.Button5.text, u"↓ 登録");
    EXPECT_EQ(f.doc.tree_count, 0);

    items::registerStandardName(f.doc, f.host, 29);
    items::registerFromList(f.doc, f.host); // name box empty again: a beep
    EXPECT_EQ(f.names(), texts({u"1.防災設備工事"}));
    EXPECT_EQ(f.host.beeps, 1);
}

TEST(ItemTable, ChoosingANodeStartsEditMode)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {2, u"b"}, {2, u"c"}});
    f.choose(3);
    const MainControls &c = f.doc.controls;
    EXPECT_EQ(c.Edit1.text, u"c");
    EXPECT_EQ(c.Label18.text, u"1-2.c");
    EXPECT_EQ(c.Button5.text, u"↓編集登録");
    EXPECT_TRUE(c.Panel83.visible);
    EXPECT_EQ(c.Panel83.tag, 2);
    EXPECT_EQ(f.doc.V7S, 3);
    EXPECT_EQ(f.doc.kkb, u"3");
    EXPECT_EQ(f.doc.ux7, 2);
    EXPECT_EQ(f.doc.uy7, 3);
    EXPECT_EQ(f.doc.nodrow, 3);
    EXPECT_EQ(c.Label18.tag, 3);

    // Choosing another item while editing retargets the rename.
    f.choose(1);
    EXPECT_EQ(c.Panel83.tag, 1);
    EXPECT_EQ(f.doc.uy7, 1);

    items::leaveEditMode(f.doc);
    EXPECT_FALSE(c.Panel83.visible);
    EXPECT_EQ(c.Button5.text, u"↓ 登録");
    EXPECT_TRUE(c.Edit1.text.isEmpty());

    itemtree::choose(f.doc, -1); // no node: nothing
    EXPECT_EQ(f.doc.nodrow, 1);
}

TEST(ItemTable, RenameFollowsLinesThroughTheirItemCode)
{
    ItemFixture f;
    registerName(f, u"a"_qs);
    registerName(f, u"b"_qs);
    f.addLine(1, u"x"_qs);
    f.addLine(2, u"y"_qs);
    f.addLine(2, u"z"_qs);
    f.doc.items.setCell(itemcol::Lines, 1, QString()); // "b" may become a sub-item of "a"
    f.choose(2);
    items::indent(f.doc, f.host);
    ASSERT_EQ(f.names(), texts({u"1.a", u"1-1.b"}));
    ASSERT_EQ(f.lineColumn(linecol::Item), texts({u"1.a", u"1-1.b", u"1-1.b"}));

    f.doc.controls.Edit1.text = u"renamed"_qs;
    items::registerButton(f.doc, f.host);
    EXPECT_EQ(f.names(), texts({u"1.a", u"1-1.renamed"}));
    EXPECT_EQ(f.doc.items.cell(2, 2), u"1-1.renamed");
    EXPECT_TRUE(f.doc.items.cell(1, 2).isEmpty());
    EXPECT_EQ(f.lineColumn(linecol::Item), texts({u"1.a", u"1-1.renamed", u"1-1.renamed"}));
    EXPECT_EQ(f.doc.controls.Label18.text, u"1-1.renamed");
    EXPECT_EQ(f.doc.itemTree.nodes[1].caption, u"1-1.renamed");
    EXPECT_EQ(f.doc.itemTree.selected, 1);
    EXPECT_EQ(f.doc.controls.Button5.text, u"↓ 登録");
    EXPECT_FALSE(f.doc.controls.Panel83.visible);

    f.doc.controls.Button5.text = u"↓編集登録"_qs;
    f.doc.controls.Edit1.text.clear();
    items::registerButton(f.doc, f.host);
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.item(2), u"1-1.renamed");
}

TEST(ItemTable, DeleteAsksWhenTheItemHoldsLines)
{
    ItemFixture f;
    f.setItems({{1, u"x"}, {1, u"a"}, {2, u"s1"}, {2, u"s2"}, {1, u"b"}});
    f.addLine(2, u"a-line"_qs);
    f.addLine(4, u"s2-line"_qs);
    f.addLine(5, u"b-line"_qs);
    f.addLine(2, u"a-line2"_qs);
    f.doc.controls.GroupBox1.visible = true;
    f.choose(2);

    f.host.answers = {Host::No};
    const QList<QStringList> before = {f.doc.items.row(2), f.lineColumn(linecol::Name)};
    items::deleteChosenItem(f.doc, f.host);
    EXPECT_EQ(f.host.messageTexts(), QStringList{u"データーが有りますが削除しますか？"_qs});
    EXPECT_EQ(f.doc.tree_count, 5);
    EXPECT_EQ(f.doc.items.row(2), before[0]);
    EXPECT_EQ(f.lineColumn(linecol::Name), before[1]);

    f.host.answers = {Host::Yes};
    items::deleteChosenItem(f.doc, f.host);
    EXPECT_EQ(f.names(), texts({u"1.x", u"1-1.s1", u"1-2.s2", u"2.b"}));
    EXPECT_EQ(f.doc.st1count, 2);
    EXPECT_EQ(f.lineColumn(linecol::Name), texts({u"b-line", u"s2-line"}));
    EXPECT_EQ(f.lineColumn(linecol::Item), texts({u"2.b", u"1-2.s2"}));
    EXPECT_EQ(f.lineColumn(linecol::No), texts({u"1", u"2"}));
    EXPECT_EQ(f.itemColumn(itemcol::Code), texts({u"1", u"2", u"3", u"4"}));
    EXPECT_EQ(f.lineColumn(linecol::ItemCode), texts({u"4", u"3"}));
    EXPECT_EQ(f.doc.kidou, 1);
    // The item before the deleted one becomes current, and the chosen one.
    EXPECT_EQ(f.doc.nodrow, 1);
    EXPECT_EQ(f.doc.uy7, 1);
    EXPECT_EQ(f.doc.controls.Label18.text, u"1.x");
    EXPECT_EQ(f.doc.itemTree.selected, 0);
}

TEST(ItemTable, DeleteWithoutChosenItemBeepsAndTheLastItemHandsOver)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}});
    f.doc.controls.GroupBox1.visible = true;
    items::deleteChosenItem(f.doc, f.host); // nothing chosen
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.doc.tree_count, 2);

    f.choose(2);
    items::deleteChosenItem(f.doc, f.host); // no lines: no question
    EXPECT_TRUE(f.host.messages.isEmpty());
    EXPECT_EQ(f.names(), texts({u"1.a"}));
    EXPECT_EQ(f.doc.nodrow, 1);
    EXPECT_EQ(f.doc.uy7, 1);
    EXPECT_EQ(f.doc.controls.Edit1.text, u"a"); // still editing: the box names the chosen item

    items::deleteChosenItem(f.doc, f.host);
    EXPECT_EQ(f.doc.tree_count, 0);
    EXPECT_EQ(f.doc.nodrow, 1);
    EXPECT_FALSE(f.doc.controls.Panel83.visible);
    EXPECT_EQ(f.doc.controls.Button5.text, u"↓ 登録");
    items::deleteChosenItem(f.doc, f.host);
    EXPECT_EQ(f.host.beeps, 2);
}

TEST(LineTable, DeleteLinesMatchesDeletingOneByOne)
{
    ItemFixture one, batch;
    for (ItemFixture *f : {&one, &batch}) {
        f->setItems({{1, u"a"}, {1, u"b"}});
        for (int i = 1; i <= 9; ++i)
            f->addLine(i % 3 == 0 ? 2 : 1, u"line"_qs + QString::number(i));
    }
    const std::vector<int> rows = {1, 3, 4, 9};
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        linetable::deleteLine(one.doc, *it);
    linetable::deleteLines(batch.doc, rows);
    EXPECT_EQ(batch.doc.st1count, 5);
    EXPECT_EQ(batch.doc.st1count, one.doc.st1count);
    EXPECT_EQ(batch.doc.lines.rowCount(), one.doc.lines.rowCount());
    for (int r = 0; r < one.doc.lines.rowCount(); ++r)
        EXPECT_EQ(batch.doc.lines.row(r), one.doc.lines.row(r)) << r;
    EXPECT_EQ(batch.lineColumn(linecol::Name),
              texts({u"line2", u"line5", u"line6", u"line7", u"line8"}));
}

TEST(ItemTree, ReleaseOffersThePopupAndReselectsTheCurrentItem)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}});
    MainControls &c = f.doc.controls;
    c.GroupBox1.visible = true;
    c.ListBox2.visible = true;
    c.Button96.text = u"閉じる"_qs;
    EXPECT_FALSE(itemtree::mouseUp(f.doc, true)); // no node selected: no pop-up
    EXPECT_FALSE(c.ListBox2.visible);
    EXPECT_EQ(c.Button96.text, u"参照");

    f.choose(2);
    f.doc.itemTree.selected = 0; // a right press highlighted another node
    EXPECT_TRUE(itemtree::mouseUp(f.doc, true));
    EXPECT_EQ(f.doc.itemTree.selected, 1);
    EXPECT_FALSE(itemtree::mouseUp(f.doc, false));
}
