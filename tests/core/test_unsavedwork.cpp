#include "failingdevice.h"
#include "itemfixture.h"
#include "storage/unsavedwork.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Action { Close, Open };

struct Case {
    const char *what;
    Action action;
    Host::Button answer;
    bool hasLines;
    bool dialogCancelled;
    FailingDevice::Step diskFails;
    bool proceeds;
    const char16_t *told; // part of the warning that says why the estimate was kept, or null
};

bool decide(Action action, EstimateDocument &doc, Host &host)
{
    return action == Action::Close ? unsavedwork::mayClose(doc, host) : unsavedwork::mayOpen(doc, host);
}

} // namespace

// Closing the window or opening another estimate over unsaved changes: No discards, Cancel keeps,
// Yes discards only when the save wrote the file. A save refused for want of lines, cancelled or
// failed keeps the estimate modified and says why.
TEST(UnsavedWork, NothingIsDiscardedUnlessTheSaveWroteTheFile)
{
    using Step = FailingDevice::Step;
    const Case cases[] = {
        {"close, no", Action::Close, Host::No, true, false, Step::None, true, nullptr},
        {"close, cancel", Action::Close, Host::Cancel, true, false, Step::None, false, nullptr},
        {"close, saved", Action::Close, Host::Yes, true, false, Step::None, true, nullptr},
        {"close, items but no lines", Action::Close, Host::Yes, false, false, Step::None, false, u"明細行が無いため保存できませんでした。"},
        {"close, dialog cancelled", Action::Close, Host::Yes, true, true, Step::None, false, u"保存が取り消されました。"},
        {"close, disk full", Action::Close, Host::Yes, true, false, Step::Write, false, u"保存できませんでした。"},
        {"close, sync failed", Action::Close, Host::Yes, true, false, Step::Sync, false, u"保存できませんでした。"},
        {"open, no", Action::Open, Host::No, true, false, Step::None, true, nullptr},
        {"open, cancel", Action::Open, Host::Cancel, true, false, Step::None, false, nullptr},
        {"open, saved", Action::Open, Host::Yes, true, false, Step::None, true, nullptr},
        {"open, items but no lines", Action::Open, Host::Yes, false, false, Step::None, false, u"明細行が無いため保存できませんでした。"},
        {"open, disk full", Action::Open, Host::Yes, true, false, Step::Flush, false, u"保存できませんでした。"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        ItemFixture f;
        f.doc.settings.Edit29 = u"山田商事"_qs;
        f.setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        if (c.hasLines)
            f.addLine(1, u"ケーブル"_qs);
        f.doc.kidou = 1;
        f.host.answers = {c.answer};
        const QString path = dir.filePath(u"plan.kas"_qs);
        f.host.saveNames = {c.dialogCancelled ? std::nullopt : std::optional<QString>(path)};
        const auto disk = FailingDevice::failingAt(c.diskFails);

        EXPECT_EQ(decide(c.action, f.doc, f.host), c.proceeds) << c.what;
        const bool written = c.answer == Host::Yes && c.proceeds;
        EXPECT_EQ(f.doc.kidou, written ? 0 : 1) << c.what;
        EXPECT_EQ(QFileInfo::exists(path), written) << c.what;
        EXPECT_EQ(f.doc.settings.Edit29, u"山田商事"_qs) << c.what;
        EXPECT_EQ(f.doc.tree_count, 2) << c.what;
        const ScriptedHost::Shown &question = f.host.messages.front();
        EXPECT_EQ(question.buttons, Host::Yes | Host::No | Host::Cancel) << c.what;
        if (c.told) {
            const ScriptedHost::Shown &why = f.host.messages.back();
            EXPECT_EQ(why.kind, Host::MessageKind::Warning) << c.what;
            EXPECT_TRUE(why.text.startsWith(QString::fromUtf16(c.told))) << c.what;
            EXPECT_TRUE(why.text.contains(c.action == Action::Close ? u"終了を中止しました"_qs
                                                                     : u"ファイルを開くのを中止しました"_qs))
                << c.what;
        } else {
            EXPECT_EQ(f.host.messages.size(), 1) << c.what;
        }
    }
}

TEST(UnsavedWork, NoQuestionWithoutUnsavedChanges)
{
    ItemFixture f;
    f.setItems({{1, u"電灯設備工事"}});
    EXPECT_TRUE(unsavedwork::mayClose(f.doc, f.host));
    EXPECT_TRUE(unsavedwork::mayOpen(f.doc, f.host));
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(UnsavedWork, TheQuestionsAndTheirButtons)
{
    ItemFixture f;
    f.doc.kidou = 1;
    f.host.answers = {Host::Cancel, Host::Cancel};
    unsavedwork::mayClose(f.doc, f.host);
    unsavedwork::mayOpen(f.doc, f.host);
    ASSERT_EQ(f.host.messages.size(), 2);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Question);
    EXPECT_EQ(f.host.messages[0].caption, u"情報"_qs);
    EXPECT_EQ(f.host.messages[0].text, u"終了前に保存しますか？"_qs);
    EXPECT_EQ(f.host.messages[1].kind, Host::MessageKind::Warning);
    EXPECT_EQ(f.host.messages[1].text, u"作業中のデーターが消失します。開く前に保存しますか？"_qs);
}
