#include "core/failingdevice.h"
#include "core/itemfixture.h"
#include "uitesting.h"

#include "app/tform1.h"
#include "base/scriptedhost.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The main window with a new estimate: a client, a job title and two items, no lines yet.
struct NewEstimate {
    ScriptedHost host;
    TForm1 form{uitesting::programData(), QString(), &host};
    QTemporaryDir dir;

    NewEstimate()
    {
        form.show();
        ItemFixture f;
        f.setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        EstimateDocument &doc = form.document();
        doc.items = f.doc.items;
        doc.tree_count = f.doc.tree_count;
        doc.settings.Edit29 = u"山田商事"_qs;
        doc.settings.Edit22 = u"本社ビル改修"_qs;
        doc.kidou = 1;
        form.refresh();
    }
};

} // namespace

// "はい" to "終了前に保存しますか？" when "保存" refuses (no lines yet): the window stays open with
// client, title and items, and a warning says why.
TEST(Closing, ASaveRefusedForWantOfLinesKeepsTheWindowOpen)
{
    NewEstimate w;
    w.host.answers = {Host::Yes};
    EXPECT_FALSE(w.form.close());
    EXPECT_TRUE(w.form.isVisible());
    EXPECT_EQ(w.host.beeps, 1);
    ASSERT_EQ(w.host.messages.size(), 2);
    EXPECT_EQ(w.host.messages[1].kind, Host::MessageKind::Warning);
    EXPECT_TRUE(w.host.messages[1].text.contains(u"明細行が無いため保存できませんでした。"_qs));
    EXPECT_TRUE(w.host.messages[1].text.contains(u"終了を中止しました"_qs));
    const EstimateDocument &doc = w.form.document();
    EXPECT_EQ(doc.kidou, 1);
    EXPECT_EQ(doc.tree_count, 2);
    EXPECT_EQ(doc.settings.Edit29, u"山田商事"_qs);

    w.host.answers = {Host::No}; // discarding is still possible on purpose
    EXPECT_TRUE(w.form.close());
}

// A save onto a full disk while closing: the system's reason, the window stays, nothing is lost.
TEST(Closing, ASaveThatFailsOnAFullDiskKeepsTheWindowOpen)
{
    NewEstimate w;
    EstimateDocument &doc = w.form.document();
    doc.st1count = 1;
    doc.lines.setRowCount(3);
    doc.lines.setCell(7, 1, u"ケーブル"_qs);
    const QString path = w.dir.filePath(u"plan.kas"_qs);
    w.host.answers = {Host::Yes};
    w.host.saveNames = {path};
    {
        const auto disk = FailingDevice::failingAt(FailingDevice::Step::Write);
        EXPECT_FALSE(w.form.close());
    }
    EXPECT_TRUE(w.form.isVisible());
    ASSERT_EQ(w.host.messages.size(), 3);
    EXPECT_EQ(w.host.messages[1].kind, Host::MessageKind::Error);
    EXPECT_TRUE(w.host.messages[1].text.contains(u"No space left on device"_qs));
    EXPECT_TRUE(w.host.messages[2].text.contains(u"終了を中止しました"_qs));
    EXPECT_EQ(doc.kidou, 1);
    EXPECT_FALSE(QFileInfo::exists(path));

    w.host.answers = {Host::Yes}; // room again: saved, then closed
    w.host.saveNames = {path};
    EXPECT_TRUE(w.form.close());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(doc.kidou, 0);
}

// "開く" over unsaved changes with a save that fails: the estimate stays and no file is asked for.
TEST(Closing, OpenOverUnsavedChangesKeepsTheEstimateWhenTheSaveFails)
{
    NewEstimate w;
    w.host.answers = {Host::Yes};
    w.host.openNames = {uitesting::sampleEstimate()};
    QTest::mouseClick(w.form.findChild<QPushButton *>(u"Button1"_qs), Qt::LeftButton);
    EXPECT_TRUE(w.host.dialogFilters.isEmpty());
    EXPECT_EQ(w.form.document().settings.Edit29, u"山田商事"_qs);
    EXPECT_TRUE(w.host.messages.last().text.contains(u"ファイルを開くのを中止しました"_qs));

    w.host.answers = {Host::No};
    QTest::mouseClick(w.form.findChild<QPushButton *>(u"Button1"_qs), Qt::LeftButton);
    EXPECT_GT(w.form.document().st1count, 0); // the sample replaced the new estimate
    EXPECT_NE(w.form.document().settings.Edit29, u"山田商事"_qs);
    EXPECT_EQ(w.form.document().kidou, 0);
}
