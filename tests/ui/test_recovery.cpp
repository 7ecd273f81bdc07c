#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "uitesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const QString programData = uitesting::programData();
const QString sample = uitesting::sampleEstimate();
const char *childFolder = "SOLVARA_RECOVERY_CHILD";

// Registers an item through the item setup screen, as a user would.
void registerItem(TForm1 &form, const QString &name)
{
    uitesting::click(form, u"Button14"_qs);
    auto *edit = form.findChild<QLineEdit *>(u"Edit1"_qs);
    edit->setFocus();
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, name, {});
    uitesting::click(form, u"Button5"_qs);
    uitesting::click(form, u"Button14"_qs);
}

bool hasItem(const EstimateDocument &doc, const QString &bare)
{
    for (int r = 1; r <= doc.tree_count; ++r)
        if (doc.items.cell(itemcol::Bare, r) == bare)
            return true;
    return false;
}

} // namespace

// The program that gets killed: opens the sample, registers an item, waits until the recovery
// file holds the change and says so, then waits to be killed. Runs only as the child of the test
// below.
TEST(RecoveryChild, ChangesTheSampleAndWaitsToBeKilled)
{
    const QString folder = qEnvironmentVariable(childFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "run by Recovery.AKilledProgramsChangeIsOfferedAtTheNextStart";
    ScriptedHost host;
    TForm1 form(programData, sample, &host);
    form.show();
    form.startRecovery(folder);
    registerItem(form, u"避雷設備工事"_qs);
    ASSERT_EQ(form.document().kidou, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QDir(folder).entryList({u"*.kas"_qs}).isEmpty(); }, 20000));
    std::printf("READY\n");
    std::fflush(stdout);
    QTest::qWait(120000);
}

TEST(Recovery, AKilledProgramsChangeIsOfferedAtTheNextStart)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"recovery"_qs);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(childFolder), folder);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=RecoveryChild.ChangesTheSampleAndWaitsToBeKilled"_qs});
    ASSERT_TRUE(QTest::qWaitFor([&] { return child.readAllStandardOutput().contains("READY"); }, 60000))
        << child.readAllStandardError().toStdString();
    child.kill(); // SIGKILL: no close, no clean-up
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    // The next start offers the change; "はい" restores it as a modified estimate under its name.
    ScriptedHost host;
    host.answers = {Host::Yes};
    TForm1 form(programData, QString(), &host);
    form.show();
    form.startRecovery(folder);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(u"sample.kas"_qs));
    EXPECT_TRUE(host.messages[0].text.contains(u"復元しますか？"_qs));
    const EstimateDocument &doc = form.document();
    EXPECT_TRUE(hasItem(doc, u"避雷設備工事"_qs));
    EXPECT_GT(doc.st1count, 0);
    EXPECT_EQ(doc.kidou, 1);
    EXPECT_EQ(doc.estimatePath, sample);

    // The restored estimate is kept again by this program; closing without saving removes it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(folder).entryList({u"*.kas"_qs}).size() == 1; }, 20000));
    host.answers = {Host::No};
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QDir(folder).entryList({u"*.kas"_qs}).isEmpty());
}

// A save removes the recovery file; a change brings it back after the quiet time.
TEST(Recovery, SavingRemovesTheRecoveryFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"recovery"_qs);
    ScriptedHost host;
    TForm1 form(programData, sample, &host);
    form.show();
    form.startRecovery(folder);
    auto recoveryFiles = [&] { return QDir(folder).entryList({u"*.kas"_qs}); };

    registerItem(form, u"避雷設備工事"_qs);
    EXPECT_TRUE(recoveryFiles().isEmpty()); // not at once: after a quiet time
    ASSERT_TRUE(QTest::qWaitFor([&] { return recoveryFiles().size() == 1; }, 20000));

    host.saveNames = {dir.filePath(u"plan.kas"_qs)};
    uitesting::click(form, u"Button2"_qs);
    EXPECT_EQ(form.document().kidou, 0);
    EXPECT_TRUE(recoveryFiles().isEmpty());
}
