#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "storage/estimatefile.h"
#include "storage/recovery.h"
#include "storage/recoveryschedule.h"
#include "storage/recoverystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString sample = QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas");

// The sample read as the program reads it, then changed: a new item name in line 1.
void readChangedSample(EstimateDocument &doc, ScriptedHost &host)
{
    doc.strFilePath = QStringLiteral(SOLVARA_PROGRAM_DATA "/");
    doc.Filename = sample;
    ASSERT_TRUE(estimatefile::read(doc, host));
    doc.lines.setCell(linecol::Name, 2, u"変更した品名"_qs);
    doc.kidou = 1;
}

// A store whose program ended without removing its file, as after a crash.
void leaveRecoveryFile(const QString &folder, const QByteArray &content)
{
    RecoveryStore crashed(folder);
    ASSERT_TRUE(crashed.open());
    ASSERT_TRUE(crashed.write(content).ok());
}

} // namespace

// Writes follow a short quiet time after a change, at most one per spacing, and at the latest one
// spacing after the first change not yet written while changes keep coming.
TEST(RecoverySchedule, QuietTimeSpacingAndLatestWrite)
{
    RecoverySchedule s(2'000, 30'000);
    EXPECT_FALSE(s.dueAt());
    s.changed(1'000);
    EXPECT_EQ(s.dueAt(), 3'000);
    s.changed(2'500); // typing goes on: the quiet time starts again
    EXPECT_EQ(s.dueAt(), 4'500);
    s.written(4'500);
    EXPECT_FALSE(s.dueAt());

    s.changed(5'000); // soon after a write: not before the spacing has passed
    EXPECT_EQ(s.dueAt(), 34'500);
    s.written(34'500);

    // Changes every second from 40 s on never leave a quiet time: written 30 s after the first.
    for (qint64 t = 40'000; t < 80'000; t += 1'000)
        s.changed(t);
    EXPECT_EQ(s.dueAt(), 70'000);

    s.discarded(); // saved: nothing pending
    EXPECT_FALSE(s.dueAt());
}

TEST(Recovery, ContentNamesTheEstimateAndHoldsItsRecords)
{
    const QString name = u"/home/田中/見積 2025/本社ビル,改修.kas"_qs;
    const QStringList records = {u"株式会社　光洋電設,\" \""_qs, QString(), u"①,～"_qs};
    const Result<recovery::Parsed> parsed = recovery::parse(recovery::content(name, records));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed->estimatePath, name);
    EXPECT_EQ(parsed->records, records);
    EXPECT_TRUE(recovery::parse(recovery::content(QString(), records))->estimatePath.isEmpty());

    for (const QByteArray &junk : {QByteArray(), QByteArray("1,2,3\r\n"), QByteArray("SOLVARA")})
        EXPECT_FALSE(recovery::parse(junk).ok());
}

// Each running program has a slot of its own; a file whose program is gone is a leftover.
TEST(RecoveryStore, SlotsOfRunningProgramsAndLeftovers)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"recovery"_qs);
    leaveRecoveryFile(folder, "left");

    RecoveryStore running(folder);
    ASSERT_TRUE(running.open());
    EXPECT_NE(running.file(), folder + u"/recovery-1.kas"_qs); // the leftover's slot stays for it
    ASSERT_TRUE(running.write("mine").ok());

    RecoveryStore starting(folder);
    const QList<RecoveryStore::Leftover> left = starting.leftovers();
    ASSERT_EQ(left.size(), 1); // the running program's file is not offered
    EXPECT_EQ(left[0].file, folder + u"/recovery-1.kas"_qs);

    running.remove();
    EXPECT_FALSE(QFileInfo::exists(running.file()));
}

TEST(Recovery, LeftoversAreOfferedAndRestoredAsModifiedEstimatesUnderTheirNames)
{
    EstimateDocument changed;
    ScriptedHost readHost;
    readChangedSample(changed, readHost);
    const QByteArray content = recovery::content(changed.estimatePath, estimatefile::records(changed));

    struct Case {
        Host::Button answer;
        bool restored;
        bool fileKept;
    } cases[] = {{Host::Yes, true, false}, {Host::No, false, false}, {Host::Cancel, false, true}};
    for (const Case &c : cases) {
        QTemporaryDir dir;
        leaveRecoveryFile(dir.path(), content);
        EstimateDocument doc;
        doc.strFilePath = QStringLiteral(SOLVARA_PROGRAM_DATA "/");
        ScriptedHost host;
        host.answers = {c.answer};
        RecoveryStore store(dir.path());
        EXPECT_EQ(recovery::offerLeftovers(doc, host, store), c.restored);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(host.messages[0].text.contains(u"sample.kas"_qs));
        EXPECT_TRUE(host.messages[0].text.contains(u"復元しますか？"_qs));
        EXPECT_EQ(host.messages[0].buttons, Host::Yes | Host::No | Host::Cancel);
        EXPECT_EQ(QFileInfo::exists(dir.filePath(u"recovery-1.kas"_qs)), c.fileKept);
        if (c.restored) {
            EXPECT_EQ(doc.lines.cell(linecol::Name, 2), u"変更した品名"_qs);
            EXPECT_EQ(doc.st1count, changed.st1count);
            EXPECT_EQ(doc.kidou, 1);
            EXPECT_EQ(doc.estimatePath, sample);
            EXPECT_EQ(doc.sougoukei, changed.sougoukei);
            EXPECT_TRUE(doc.controls.showSheet);
        } else {
            EXPECT_EQ(doc.st1count, 0);
        }
    }
}

// A recovery file older than its estimate (the estimate was saved after it) is not offered.
TEST(Recovery, ALeftoverOlderThanItsEstimateIsRemovedWithoutAsking)
{
    QTemporaryDir dir;
    const QString estimate = dir.filePath(u"plan.kas"_qs);
    leaveRecoveryFile(dir.path(), recovery::content(estimate, {u"x"_qs}));
    QFile::copy(sample, estimate);
    QFile f(estimate);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();

    EstimateDocument doc;
    ScriptedHost host;
    RecoveryStore store(dir.path());
    EXPECT_FALSE(recovery::offerLeftovers(doc, host, store));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"recovery-1.kas"_qs)));
}
