#include "storage/conditions.h"
#include "storagetesting.h"

namespace {

QStringList column(const EstimateDocument &doc, int c)
{
    QStringList out;
    for (int r = 1; r <= conditions::count; ++r)
        out.append(doc.conditions.cell(c, r));
    return out;
}

} // namespace

TEST(Conditions, PressingTheMarkCellToggles)
{
    StorageFixture f;
    TextGrid &g = f.doc.conditions;
    g.setCell(1, 1, u" ■"_qs);
    g.setCell(1, 2, u" "_qs);
    g.setCell(1, 3, u"済"_qs);
    for (int r = 1; r <= 4; ++r)
        conditions::toggleMark(f.doc, r);
    EXPECT_EQ(g.cell(1, 1), QString());
    EXPECT_EQ(g.cell(1, 2), u" ■"_qs);
    EXPECT_EQ(g.cell(1, 3), u"済"_qs);
    EXPECT_EQ(g.cell(1, 4), u" ■"_qs);
    conditions::toggleMark(f.doc, 1);
    EXPECT_EQ(g.cell(1, 1), u" ■"_qs);
    conditions::toggleMark(f.doc, 0);
    EXPECT_EQ(g.cell(1, 0), u"適用"_qs);
}

TEST(Conditions, ClearMarksAndClearAll)
{
    StorageFixture f;
    f.doc.conditions.setCell(1, 5, u" ■"_qs);
    f.doc.conditions.setCell(2, 5, u"工期"_qs);
    conditions::clearMarks(f.doc);
    EXPECT_EQ(column(f.doc, 1), QStringList(conditions::count, u" "_qs));
    EXPECT_EQ(f.doc.conditions.cell(2, 5), u"工期"_qs);
    conditions::clearAll(f.doc);
    EXPECT_EQ(column(f.doc, 2), QStringList(conditions::count, u" "_qs));
    EXPECT_EQ(f.doc.conditions.cell(0, 5), u"5"_qs);
}

TEST(Conditions, SaveRefusesAnEmptyListButAcceptsBlanks)
{
    StorageFixture f;
    EXPECT_FALSE(conditions::saveStandard(f.doc, f.host));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Warning);
    EXPECT_EQ(f.host.messages[0].text, u"条件書に内容がありませんので基準値登録できません"_qs);
    EXPECT_FALSE(QFile::exists(f.path(u"jyouken.DATA"_qs)));

    conditions::clearAll(f.doc); // single spaces count as content
    f.doc.conditions.setCell(1, 1, u" ■"_qs);
    f.doc.conditions.setCell(2, 1, u"工期は\"別途\", 協議"_qs);
    ASSERT_TRUE(conditions::saveStandard(f.doc, f.host));
    EXPECT_EQ(f.host.messages[1].text,
              u"現在画面に表示している内容を条件書の基準値として登録しますか？※今回だけの場合は保存の必要はありません。"_qs);
    EXPECT_EQ(f.host.sounds, QStringList{f.path(u"SW06.wav"_qs)});
    const QStringList lines = fileLines(f.path(u"jyouken.DATA"_qs));
    ASSERT_EQ(lines.size(), 45);
    EXPECT_EQ(lines[0], u"1,\" ■\",\"工期は\"\"別途\"\", 協議\""_qs);
    EXPECT_EQ(lines[44], u"45,\" \",\" \""_qs);

    StorageFixture back;
    QFile::copy(f.path(u"jyouken.DATA"_qs), back.path(u"jyouken.DATA"_qs));
    ASSERT_TRUE(conditions::readStandard(back.doc, back.host));
    EXPECT_EQ(column(back.doc, 1), column(f.doc, 1));
    EXPECT_EQ(column(back.doc, 2), column(f.doc, 2));

    StorageFixture declined;
    conditions::clearAll(declined.doc);
    declined.host.answers = {Host::No};
    EXPECT_FALSE(conditions::saveStandard(declined.doc, declined.host));
    EXPECT_FALSE(QFile::exists(declined.path(u"jyouken.DATA"_qs)));
}

TEST(Conditions, ReadingAShortFileAppliesWhatIsThereAndSaysSo)
{
    StorageFixture f;
    writeFileLines(f.path(u"jyouken.DATA"_qs), {u"1, ■,工期"_qs, u"2,,"_qs});
    f.doc.conditions.setCell(2, 3, u"kept"_qs);
    EXPECT_FALSE(conditions::readStandard(f.doc, f.host));
    EXPECT_EQ(f.doc.conditions.cell(2, 1), u"工期"_qs);
    EXPECT_EQ(f.doc.conditions.cell(1, 1), u"■"_qs); // a bare field loses the blank before it
    EXPECT_EQ(f.doc.conditions.cell(1, 2), u" "_qs); // an empty field reads as a space
    EXPECT_EQ(f.doc.conditions.cell(2, 3), u"kept"_qs);
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
    EXPECT_TRUE(f.host.messages[0].text.contains(u"jyouken.DATA"_qs));
}

TEST(Conditions, MissingFileIsReportedAndNothingApplied)
{
    StorageFixture f;
    f.doc.conditions.setCell(2, 1, u"kept"_qs);
    EXPECT_FALSE(conditions::readStandard(f.doc, f.host));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.doc.conditions.cell(2, 1), u"kept"_qs);
}
