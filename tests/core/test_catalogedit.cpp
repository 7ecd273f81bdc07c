#include "catalogfixture.h"

#include "catalog/catalogedit.h"
#include "catalog/catalogmenu.h"
#include "catalog/listpopup.h"

#include <QFileDevice>

namespace {

struct EditFixture : CatalogFixture {
    EditFixture()
    {
        QStringList rows;
        for (int i = 1; i <= 10; ++i)
            rows.append(u"140,01,01,%1,電線管,E%2, ,ｍ,%3,%4,0.04,100,0,0,0,0,100,100,"_qs.arg(i, 2, 10, QChar(u'0'))
                            .arg(19 + i % 3).arg(100 * i).arg(i == 4 ? u"撤去"_qs : u"露出"_qs));
        setList(rows);
    }
    void editMode() { catalogedit::Button42Click(doc, host); }
};

} // namespace

TEST(CatalogEdit, EditModeSavesTheListWithoutUndoCopies)
{
    EditFixture f;
    f.editMode();
    const CatalogControls &c = f.doc.catalog.controls;
    EXPECT_EQ(c.Button42.text, u"設定保存");
    EXPECT_TRUE(c.Panel20.visible && c.Button98.visible && c.Panel69.visible);
    EXPECT_FALSE(c.Button101.enabled);

    f.doc.catalog.list.setCell(materiallist::spare, 3, u"120"_qs);
    ASSERT_TRUE(catalogedit::Button42Click(f.doc, f.host));
    const QStringList saved = fileLines(f.data(u"list.txt"_qs));
    ASSERT_EQ(saved.size(), 10);
    EXPECT_TRUE(saved[2].endsWith(u"100,100,"));
    EXPECT_EQ(f.doc.catalog.list.cell(materiallist::spare, 3), u"");
    EXPECT_EQ(f.host.sounds, QStringList{f.program(u"SW06.wav"_qs)});
    EXPECT_EQ(c.Button42.text, u"設定保存"); // the edit mode stays on

    catalogedit::endEditMode(f.doc);
    EXPECT_EQ(c.Button42.text, u"材料設定");
    EXPECT_FALSE(c.Panel20.visible || c.Button98.visible || c.Panel69.visible || c.GroupBox4.visible);
    EXPECT_TRUE(c.Button101.enabled);
}

// A data folder that cannot be written: the failure is shown and nothing in memory is lost.
TEST(CatalogEdit, ASaveThatFailsLosesNothing)
{
    EditFixture f;
    if (QFileInfo(f.dir.path()).ownerId() == 0 && ::geteuid() == 0)
        f.doc.catalog.Filename = f.data(u"no/such/folder/list.txt"_qs); // root writes anywhere
    else
        QFile::setPermissions(f.doc.strFilePath2, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    f.editMode();
    f.doc.catalog.list.setCell(materiallist::spare, 3, u"120"_qs);
    f.doc.catalog.list.setCell(8, 3, u"999"_qs);
    EXPECT_FALSE(catalogedit::Button42Click(f.doc, f.host));
    EXPECT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(f.host.sounds.isEmpty());
    EXPECT_EQ(f.doc.catalog.list.cell(materiallist::spare, 3), u"120");
    EXPECT_EQ(f.doc.catalog.list.cell(8, 3), u"999");
    QFile::setPermissions(f.doc.strFilePath2, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(CatalogEdit, ButtonSettingsAreWrittenAndPlacedAgain)
{
    EditFixture f;
    f.write(f.data(u"A140.ini"_qs), {u"ボタン名,掲載ファイル,表示行"_qs, u"電線管,list.txt,1"_qs});
    f.write(f.data(u"list.txt"_qs), {u"140,01,01,01,電線管"_qs, u"140,01,01,02,電線管"_qs});
    ASSERT_TRUE(catalogmenu::placeButtons(f.doc, f.host, u"140"_qs));
    f.editMode();
    ASSERT_TRUE(catalogedit::Button41Click(f.doc, f.host));
    const CatalogControls &c = f.doc.catalog.controls;
    EXPECT_TRUE(c.StringGrid4.visible && c.GroupBox4.visible);
    EXPECT_EQ(c.Button41.text, u"閉じる");
    EXPECT_FALSE(c.Button42.enabled || c.Button98.enabled || c.Panel69.visible);

    catalogedit::setButtonCell(f.doc, 0, 2, u"第二"_qs);
    catalogedit::setButtonCell(f.doc, 1, 2, u"list.txt"_qs);
    catalogedit::setButtonCell(f.doc, 2, 2, u"2"_qs);
    f.doc.catalog.uy3 = 2;
    ASSERT_TRUE(catalogedit::Button41Click(f.doc, f.host));
    const QStringList written = fileLines(f.data(u"A140.ini"_qs));
    ASSERT_EQ(written.size(), 21);
    EXPECT_EQ(written.mid(0, 4), (QStringList{u"ボタン名,掲載ファイル,表示行"_qs, u"電線管,list.txt,1"_qs,
                                              u"第二,list.txt,2"_qs, u",,"_qs}));
    EXPECT_EQ(c.materialButtons[1].text, u"第二");
    EXPECT_TRUE(c.materialButtons[1].enabled);
    EXPECT_FALSE(c.StringGrid4.visible);
    EXPECT_TRUE(c.Button42.enabled && c.Panel69.visible);
    EXPECT_EQ(f.doc.catalog.topRowRequest, 2);
}

TEST(CatalogEdit, EnterCarriesAPriceToTheSameSpecificationAndUnit)
{
    EditFixture f;
    // Rows 1, 4, 7 and 10 have the specification E20; row 4 is a removal.
    f.doc.catalog.row = 7;
    f.doc.catalog.col = 8;
    catalogedit::setListCell(f.doc, 8, 7, u"500"_qs);
    EXPECT_TRUE(catalogedit::enterPressed(f.doc));
    EXPECT_EQ(f.doc.catalog.row, 8);
    EXPECT_EQ(f.column(8), (QStringList{u"500"_qs, u"200"_qs, u"300"_qs, u"400"_qs, u"500"_qs, u"600"_qs,
                                        u"500"_qs, u"800"_qs, u"900"_qs, u"500"_qs}));

    // On the last row the key is not used; another column carries nothing.
    f.doc.catalog.row = 10;
    f.doc.catalog.col = 10;
    catalogedit::setListCell(f.doc, 8, 10, u"1"_qs);
    EXPECT_FALSE(catalogedit::enterPressed(f.doc));
    EXPECT_EQ(f.column(8).count(u"500"_qs), 3);
    catalogedit::setListCell(f.doc, 1, 2, u"99"_qs);
    EXPECT_EQ(f.doc.catalog.list.cell(1, 2), u"01"); // column 1 is never edited
}

TEST(CatalogEdit, InsertAndDeleteRowsKeepTheCodesInPlace)
{
    EditFixture f;
    f.editMode();
    const QStringList codes = f.column(3);
    f.doc.catalog.uy3 = 5;
    listpopup::insertRow(f.doc, f.host);
    ASSERT_EQ(f.doc.catalog.list.rowCount(), 12);
    EXPECT_EQ(f.column(3).mid(0, 10), codes);
    EXPECT_EQ(f.column(3).value(10), u"10"); // row 11 copies the codes of row 10
    EXPECT_EQ(f.doc.catalog.list.cell(8, 5), u"");
    EXPECT_EQ(f.doc.catalog.list.cell(4, 5), u"");
    EXPECT_EQ(f.doc.catalog.list.cell(8, 6), u"500");
    EXPECT_EQ(f.doc.catalog.list.cell(8, 11), u"1000");

    listpopup::deleteRow(f.doc, f.host);
    ASSERT_EQ(f.doc.catalog.list.rowCount(), 11);
    EXPECT_EQ(f.column(8).value(4), u"500");
    EXPECT_EQ(f.column(3), codes);
    EXPECT_EQ(f.host.beeps, 0);
}

TEST(CatalogEdit, ClipboardBlocksAndPaste)
{
    EditFixture f;
    f.editMode();
    listpopup::copyBlock(f.doc, f.host, 7, 1, 8, 2);
    EXPECT_EQ(f.host.clipboard, u"ｍ\t100\r\nｍ\t200");
    listpopup::copyAll(f.doc, f.host);
    const QStringList all = f.host.clipboard.split(u"\r\n"_qs);
    ASSERT_EQ(all.size(), 11);
    EXPECT_TRUE(all[0].startsWith(u"C\tO\tD\tE\t品名"));
    EXPECT_EQ(all[0].split(u'\t').size(), 18);

    // Three lines pasted at row 9, column 4: the third adds a row; fields past column 18 go.
    f.doc.catalog.row = 9;
    f.doc.catalog.col = 4;
    f.host.clipboard = u"管A\tE1\r\n管B\r\n管C\tE3\tx\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\r\n"_qs;
    listpopup::paste(f.doc, f.host);
    ASSERT_EQ(f.doc.catalog.list.rowCount(), 12);
    EXPECT_EQ(f.column(4).mid(8), (QStringList{u"管A"_qs, u"管B"_qs, u"管C"_qs}));
    EXPECT_EQ(f.doc.catalog.list.cell(5, 10), u"E20"); // the line for row 10 had one field
    EXPECT_EQ(f.doc.catalog.list.cell(18, 11), u"12");

    // Outside the edit mode these entries do nothing but beep.
    catalogedit::endEditMode(f.doc);
    f.host.clipboard = u"x"_qs;
    listpopup::paste(f.doc, f.host);
    listpopup::insertRow(f.doc, f.host);
    EXPECT_EQ(f.doc.catalog.list.rowCount(), 12);
    EXPECT_EQ(f.host.beeps, 2);
}

TEST(CatalogEdit, PressAndReleaseOnTheList)
{
    EditFixture f;
    f.doc.catalog.controls.Button110.visible = true;
    catalogedit::listPressed(f.doc, 8, 3);
    EXPECT_EQ(f.doc.catalog.controls.Label116.text, u"単価 ");
    EXPECT_FALSE(f.doc.catalog.controls.Button110.visible);
    f.doc.catalog.row = 6;
    catalogedit::listReleased(f.doc, 8, 6);
    EXPECT_EQ(f.doc.catalog.uy3, 6);
    EXPECT_EQ(f.doc.catalog.controls.Label14.text, u"選択行Ｎｏ．6");
    EXPECT_TRUE(f.doc.catalog.controls.RadioButton1);
    catalogedit::listPressed(f.doc, 2, 3);
    EXPECT_EQ(f.doc.catalog.controls.Label116.text, u"単価 "); // code columns leave the title
}
