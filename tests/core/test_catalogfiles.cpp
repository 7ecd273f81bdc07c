#include "catalog/buttonsettings.h"
#include "catalog/materiallist.h"
#include "catalog/menuindex.h"
#include "storage/textfile.h"

#include <gtest/gtest.h>

namespace {

QByteArray encoded(const QStringList &lines)
{
    return textfile::encodeLines(lines).bytes;
}

} // namespace

// Files as the program writes them come back byte for byte through read and write.
TEST(CatalogFiles, WrittenBackByteForByte)
{
    const QStringList menu = {
        u"キュービクル,101,分電盤,102,電線管,140,労務費,301,\" \""_qs,
        u"\" \",\" \",\" \",\" \",ボックス,142,\" \",\" \",\" \""_qs,
    };
    Result<TextGrid> m = menuindex::parse(encoded(menu), u"ｺｰﾄﾞ.DATA"_qs);
    ASSERT_TRUE(m.ok()) << m.error().toStdString();
    EXPECT_EQ(encoded(menuindex::lines(m.value())), encoded(menu));

    const QStringList buttons = {
        u"ボタン名,掲載ファイル,表示行"_qs, u"薄鋼電線管,140-01.txt,1"_qs, u"\" \",\" \",1"_qs,
        u"ＰＦ管・ＣＤ管,140-04.txt,12"_qs,
    };
    EXPECT_EQ(encoded(buttonsettings::lines(buttonsettings::parse(encoded(buttons)))), encoded(buttons));

    // The spare field is written empty, so a saved list ends its lines with a comma.
    const QStringList list = {
        u"146,01,01,01,VVFケーブル,1.6mm-2C,\" \",ｍ,68,隠ぺい,0.014,110,0,0,0,0,60,70,"_qs,
        u"146,01,01,02,VVFケーブル,\"1.6mm 3C\",～－∥,ｍ,105,\" \",0.016,110,0,0,0,0,60,70,"_qs,
    };
    EXPECT_EQ(encoded(materiallist::lines(materiallist::parse(encoded(list)))), encoded(list));
}

TEST(CatalogFiles, MenuIndexRowsAndCodeColumns)
{
    Result<TextGrid> m = menuindex::parse(encoded({u"ｷｭｰﾋﾞｸﾙ,101,\" \",\" \""_qs, QString()}), u"x"_qs);
    ASSERT_TRUE(m.ok());
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->columnCount(), 9);
    EXPECT_EQ(m->cell(1, 0), u"101");
    EXPECT_EQ(m->cell(3, 0), u" ");
    EXPECT_EQ(m->cell(5, 0), u""); // missing fields are empty text
    for (auto [column, code] : {std::pair{0, 1}, {1, 1}, {2, 3}, {5, 5}, {6, 7}, {7, 7}, {8, -1}, {-1, -1}})
        EXPECT_EQ(menuindex::codeColumn(column), code) << column;
}

// A code that is not a number would become part of a file name: the file is refused, the
// message naming the file, the line and the text.
TEST(CatalogFiles, MenuIndexWithABadCodeIsDamaged)
{
    for (const QString &bad : {u"../etc"_qs, u"10a"_qs, u"1234567"_qs}) {
        Result<TextGrid> m = menuindex::parse(encoded({u"a,101"_qs, u"b,102,c,\"%1\""_qs.arg(bad)}), u"/p/ｺｰﾄﾞ.DATA"_qs);
        ASSERT_FALSE(m.ok()) << bad.toStdString();
        EXPECT_TRUE(m.error().contains(u"/p/ｺｰﾄﾞ.DATA"));
        EXPECT_TRUE(m.error().contains(u"2 行目"));
        EXPECT_TRUE(m.error().contains(bad));
    }
    EXPECT_FALSE(menuindex::read(u"/no/such/ｺｰﾄﾞ.DATA"_qs).ok());
    EXPECT_TRUE(menuindex::read(u"/no/such/ｺｰﾄﾞ.DATA"_qs).error().contains(u"/no/such/ｺｰﾄﾞ.DATA"));
}

TEST(CatalogFiles, ListNamesAndDefaultFirstButtons)
{
    struct Case { const char16_t *code, *list, *caption; } cases[] = {
        {u"101", u"101.DATA", u"キュービクル"}, {u"104", u"104_1.DATA", u""},
        {u"107", u"107_1.DATA", u""}, {u"116", u"116.DATA", u"その他"},
        {u"139", u"139.DATA", u"その他"}, {u"146", u"146_1.DATA", u""},
        {u"151", u"151.DATA", u"-防爆材料"}, {u"157", u"157.DATA", u"その他材料"},
        {u"159", u"159_1.DATA", u""}, {u"301", u"301.DATA", u"労務費"}, {u"302", u"302.DATA", u"土工費"},
        {u"105", u"105.DATA", u""}, {u"1161", u"1161.DATA", u""},
    };
    for (const Case &c : cases) {
        const QString code = QString::fromUtf16(c.code);
        EXPECT_EQ(buttonsettings::dataListName(code), QString::fromUtf16(c.list)) << QString::fromUtf16(c.code).toStdString();
        EXPECT_EQ(buttonsettings::defaultFirstCaption(code), QString::fromUtf16(c.caption)) << QString::fromUtf16(c.code).toStdString();
    }
    EXPECT_EQ(buttonsettings::fileName(u"104"_qs), u"A104.ini");
}

TEST(CatalogFiles, DefaultsFillOnlyAnUnusedFirstButton)
{
    TextGrid unused = buttonsettings::parse(encoded({u"t,t,t"_qs, u"\" \",\" \",\" \""_qs, u"鋼材２,x.txt,3"_qs}));
    buttonsettings::applyDefaults(unused, u"150"_qs);
    EXPECT_EQ(unused.row(1), (QStringList{u"鋼材"_qs, u"150.txt"_qs, u"1"_qs}));
    EXPECT_EQ(unused.cell(0, 2), u"鋼材２");

    TextGrid used = buttonsettings::parse(encoded({u"t,t,t"_qs, u"自前,own.txt,2"_qs}));
    buttonsettings::applyDefaults(used, u"150"_qs);
    EXPECT_EQ(used.cell(1, 1), u"own.txt");

    // A file with only its title line still gets the first button.
    TextGrid titleOnly = buttonsettings::parse(encoded({u"t,t,t"_qs}));
    buttonsettings::applyDefaults(titleOnly, u"301"_qs);
    EXPECT_TRUE(buttonsettings::isUsed(titleOnly, 1));
}

TEST(CatalogFiles, TheListAButtonShows)
{
    const TextGrid buttons = buttonsettings::parse(encoded({
        u"t,t,t"_qs, u"一,one.txt,5"_qs, u"二,sub/two.txt,\" \""_qs, u"三,../up.txt,1"_qs,
        u"四,/etc/passwd,1"_qs, u"五,five.txt,x"_qs, u"六,six.txt,0"_qs, u"\" \",\" \",\" \""_qs,
        u"八,\" \",1"_qs,
    }));
    struct Case { int button; const char16_t *file; int top; } ok[] = {
        {1, u"one.txt", 5}, {2, u"sub/two.txt", 1}, {6, u"six.txt", 1},
    };
    for (const Case &c : ok) {
        Result<buttonsettings::ListChoice> l = buttonsettings::listFor(buttons, c.button, u"140"_qs, u"A140.ini"_qs);
        ASSERT_TRUE(l.ok()) << c.button << l.error().toStdString();
        EXPECT_EQ(l->file, QString::fromUtf16(c.file));
        EXPECT_EQ(l->topRow, c.top);
    }
    for (int bad : {3, 4, 5, 7, 8}) {
        Result<buttonsettings::ListChoice> l = buttonsettings::listFor(buttons, bad, u"140"_qs, u"/d/A140.ini"_qs);
        ASSERT_FALSE(l.ok()) << bad;
        EXPECT_TRUE(l.error().contains(u"/d/A140.ini")) << l.error().toStdString();
    }

    // Without a first button every button shows the menu's own list from the top.
    const TextGrid none = buttonsettings::parse(encoded({u"t,t,t"_qs, u"\" \",\" \",\" \""_qs, u"二,two.txt,4"_qs}));
    Result<buttonsettings::ListChoice> l = buttonsettings::listFor(none, 2, u"104"_qs, u"A104.ini"_qs);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l->file, u"104_1.DATA");
    EXPECT_EQ(l->topRow, 1);
}

TEST(CatalogFiles, HeadingLineRemoval)
{
    struct Case { QStringList lines; int rows; const char16_t *first; } cases[] = {
        {{u"140,01"_qs, u"140,01,01,01,薄鋼電線管"_qs, u"140,01,01,02,薄鋼電線管"_qs}, 3, u"薄鋼電線管"},
        {{u"140,01,\" \",\" \",\" \",見出し"_qs, u"140,01,01,01,管"_qs}, 2, u"管"},
        {{u"140,01,01,01,薄鋼電線管"_qs, u"140,01"_qs}, 3, u"薄鋼電線管"},
        {{u",,,,,規格だけ"_qs, u"140,01,01,01,管"_qs}, 3, u" "},
        {{}, 1, u""},
    };
    for (const Case &c : cases) {
        const TextGrid list = materiallist::parse(encoded(c.lines));
        EXPECT_EQ(list.rowCount(), c.rows) << c.lines.join(u'|').toStdString();
        EXPECT_EQ(list.row(0), materiallist::titles());
        EXPECT_EQ(list.cell(4, 1), QString::fromUtf16(c.first));
    }
    EXPECT_EQ(materiallist::titles().value(7), u"単位 ");
    EXPECT_EQ(materiallist::titles().value(8), u"単価 ");
}

TEST(CatalogFiles, SavedListsCarryNoUndoCopies)
{
    TextGrid list(materiallist::columns, 2);
    list.setRow(1, {u"140"_qs, u"01"_qs, u"01"_qs, u"01"_qs, u"管"_qs});
    list.setCell(materiallist::spare, 1, u"old"_qs);
    EXPECT_EQ(materiallist::lines(list), QStringList{u"140,01,01,01,管,,,,,,,,,,,,,,"_qs});
}
