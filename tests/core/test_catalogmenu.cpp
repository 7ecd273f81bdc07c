#include "catalogfixture.h"

#include "catalog/catalogmenu.h"

namespace {

// A menu of four menus: 151 and 104 leave their first button unused, 140 names its buttons.
struct MenuFixture : CatalogFixture {
    MenuFixture()
    {
        write(program(u"ｺｰﾄﾞ.DATA"_qs), {
            u"高圧開閉器,104,\" \",\" \",電線管,140,労務費,301,\" \""_qs,
            u"\" \",\" \",\" \",\" \",防爆材料,151,\" \",\" \",\" \""_qs,
        });
        write(data(u"A151.ini"_qs), {u"ボタン名,掲載ファイル,表示行"_qs, u"\" \",\" \",\" \""_qs});
        write(data(u"151.txt"_qs), {u"151,01,01,01,耐圧防爆ボックス,\" \",\" \",個,4800"_qs});
        write(data(u"A104.ini"_qs), {u"ボタン名,掲載ファイル,表示行"_qs});
        write(data(u"104_1.DATA"_qs), {u"104,01,01,01,ＰＡＳ,\" \",\" \",台,680000"_qs});
        write(data(u"A140.ini"_qs), {u"ボタン名,掲載ファイル,表示行"_qs, u"薄鋼電線管,140-01.txt,1"_qs,
                                     u"ＰＦ管,140-04.txt,3"_qs, u"\" \",\" \",\" \""_qs, u"欠品,missing.txt,1"_qs});
        QStringList pf = {u"140,04"_qs};
        for (int i = 1; i <= 6; ++i)
            pf.append(u"140,04,01,0%1,ＰＦ管,PF%2,\" \",ｍ,%3"_qs.arg(i).arg(12 + 4 * i).arg(50 + 10 * i));
        write(data(u"140-04.txt"_qs), pf);
        write(data(u"140-01.txt"_qs), {u"140,01,01,01,薄鋼電線管,C19,\" \",ｍ,420"_qs});
        EXPECT_TRUE(catalogmenu::loadMenu(doc, host));
    }
    const CatalogControls &c() const { return doc.catalog.controls; }
};

} // namespace

TEST(CatalogMenu, AnUnusedFirstButtonTakesTheCodesCaption)
{
    MenuFixture f;
    ASSERT_TRUE(catalogmenu::chooseMenu(f.doc, f.host, 4, 1));
    EXPECT_EQ(f.c().materialButtons[0].text, u"-防爆材料");
    EXPECT_TRUE(f.c().materialButtons[0].enabled);
    EXPECT_FALSE(f.c().materialButtons[1].enabled);
    EXPECT_EQ(f.doc.catalog.Filename, f.data(u"151.txt"_qs));
    EXPECT_EQ(f.doc.catalog.list.cell(4, 1), u"耐圧防爆ボックス");
    EXPECT_TRUE(f.c().Panel14.visible);
    EXPECT_FALSE(f.c().Panel90.visible);
}

TEST(CatalogMenu, ANumberedListWithoutButtons)
{
    MenuFixture f;
    ASSERT_TRUE(catalogmenu::chooseMenu(f.doc, f.host, 0, 0)); // caption column of 104
    EXPECT_EQ(f.doc.catalog.Filename2, f.data(u"A104.ini"_qs));
    EXPECT_EQ(f.doc.catalog.Filename, f.data(u"104_1.DATA"_qs));
    EXPECT_EQ(f.doc.catalog.list.cell(4, 1), u"ＰＡＳ");
    for (const ControlState &b : f.c().materialButtons)
        EXPECT_FALSE(b.enabled);
}

TEST(CatalogMenu, AButtonLoadsItsListAtItsRow)
{
    MenuFixture f;
    ASSERT_TRUE(catalogmenu::chooseMenu(f.doc, f.host, 5, 0));
    EXPECT_EQ(f.doc.catalog.Filename, f.data(u"140-01.txt"_qs));
    ASSERT_TRUE(catalogmenu::loadList(f.doc, f.host, 2));
    const CatalogState &k = f.doc.catalog;
    EXPECT_EQ(k.FileNo, 2);
    EXPECT_EQ(k.Filename, f.data(u"140-04.txt"_qs));
    EXPECT_EQ(k.list.rowCount(), 7); // the heading line "140,04" is gone
    EXPECT_EQ(k.list.cell(5, 1), u"PF16");
    EXPECT_EQ(f.doc.ply6, 3);
    EXPECT_EQ(k.topRowRequest, 3);
    EXPECT_EQ(k.row, 6); // the cursor on the last row, column 5
    EXPECT_EQ(k.col, 5);
}

// A file that cannot be read is named in a message; what was shown stays, and "設定保存" still
// writes the list that is shown to its own file.
TEST(CatalogMenu, MissingFilesAreNamedAndChangeNothing)
{
    MenuFixture f;
    ASSERT_TRUE(catalogmenu::chooseMenu(f.doc, f.host, 5, 0));
    const QString shown = f.doc.catalog.list.cell(4, 1);

    EXPECT_FALSE(catalogmenu::loadList(f.doc, f.host, 4));
    EXPECT_TRUE(f.shown(f.data(u"missing.txt"_qs)));
    EXPECT_EQ(f.doc.catalog.list.cell(4, 1), shown);
    EXPECT_EQ(f.doc.catalog.Filename, f.data(u"140-01.txt"_qs));
    EXPECT_EQ(f.doc.catalog.FileNo, 1);

    QFile::remove(f.data(u"A151.ini"_qs));
    EXPECT_FALSE(catalogmenu::chooseMenu(f.doc, f.host, 4, 1));
    EXPECT_TRUE(f.shown(f.data(u"A151.ini"_qs)));
    EXPECT_EQ(f.c().materialButtons[0].text, u"薄鋼電線管");
    EXPECT_EQ(f.doc.catalog.code, u"140");

    f.host.messages.clear();
    QFile::remove(f.program(u"ｺｰﾄﾞ.DATA"_qs));
    EXPECT_FALSE(catalogmenu::loadMenu(f.doc, f.host));
    EXPECT_TRUE(f.shown(f.program(u"ｺｰﾄﾞ.DATA"_qs)));
    EXPECT_EQ(f.doc.catalog.menu.rowCount(), 2);
}

TEST(CatalogMenu, PressesThatOpenNothing)
{
    MenuFixture f;
    EXPECT_FALSE(catalogmenu::chooseMenu(f.doc, f.host, 2, 0)); // no menu in that place
    EXPECT_FALSE(catalogmenu::chooseMenu(f.doc, f.host, 8, 0));  // the hidden column
    EXPECT_FALSE(catalogmenu::chooseMenu(f.doc, f.host, 1, 9));  // below the menu
    catalogmenu::setRenaming(f.doc, true);
    EXPECT_TRUE(f.c().Button19.visible);
    EXPECT_FALSE(catalogmenu::chooseMenu(f.doc, f.host, 5, 0)); // names are being edited
    EXPECT_FALSE(f.c().Panel14.visible);
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(CatalogMenu, MenuSavedAsRead)
{
    MenuFixture f;
    const QByteArray before = fileBytes(f.program(u"ｺｰﾄﾞ.DATA"_qs));
    catalogmenu::setRenaming(f.doc, true);
    ASSERT_TRUE(catalogmenu::saveMenu(f.doc, f.host));
    EXPECT_EQ(fileBytes(f.program(u"ｺｰﾄﾞ.DATA"_qs)), before);
    EXPECT_FALSE(f.c().CheckBox15);
    EXPECT_FALSE(f.c().Button19.visible);
}

TEST(CatalogMenu, LeftColumnButtons)
{
    MenuFixture f;
    EXPECT_EQ(catalogmenu::materialSelection(f.doc), catalogmenu::Follow::Nothing);
    EXPECT_TRUE(f.doc.controls.Panel9.visible);
    EXPECT_TRUE(f.c().Panel90.visible && f.c().Panel91.visible);
    EXPECT_EQ(catalogmenu::materialSelection(f.doc), catalogmenu::Follow::Nothing);
    EXPECT_FALSE(f.doc.controls.Panel9.visible);

    EXPECT_EQ(catalogmenu::lastMaterials(f.doc), catalogmenu::Follow::Nothing);
    EXPECT_TRUE(f.c().Panel14.visible);
    catalogmenu::back(f.doc);
    EXPECT_FALSE(f.c().Panel14.visible);

    f.doc.controls.Button13.text = u"UP"_qs;
    f.doc.controls.Button15.text = u"DN"_qs;
    EXPECT_EQ(catalogmenu::materialSelection(f.doc), catalogmenu::Follow::ScrollUp);
    EXPECT_EQ(catalogmenu::lastMaterials(f.doc), catalogmenu::Follow::ScrollDown);
    f.doc.controls.Button13.text = u"材料選択"_qs;
    f.doc.controls.Label18.text.clear();
    EXPECT_EQ(catalogmenu::materialSelection(f.doc), catalogmenu::Follow::ItemSetup);
    EXPECT_FALSE(f.doc.controls.Panel9.visible);
}

TEST(CatalogMenu, ScrollStripsStayInsideTheList)
{
    MenuFixture f;
    catalogmenu::chooseMenu(f.doc, f.host, 5, 0);
    catalogmenu::loadList(f.doc, f.host, 2); // top row 3 of 6
    catalogmenu::scrollList(f.doc, 10);
    EXPECT_EQ(f.doc.catalog.topRowRequest, 6);
    catalogmenu::scrollList(f.doc, -5);
    EXPECT_EQ(f.doc.catalog.topRowRequest, 1);
}
