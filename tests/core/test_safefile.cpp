#include "failingdevice.h"
#include "storage/safefile.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Larger than the device's buffer, so that writing goes to the system before the flush.
QByteArray bigContent()
{
    return QByteArray(200 * 1024, 'x');
}

} // namespace

// Each step of a save that can fail on a full or broken disk: the save reports it with the file's
// name and the system's reason, the old file keeps its bytes and no temporary file is left.
TEST(SafeFile, AFailureAtAnyStepKeepsTheOldFile)
{
    using Step = FailingDevice::Step;
    for (const Step step : {Step::Create, Step::Write, Step::Flush, Step::Sync, Step::Close}) {
        for (const QByteArray &content : {QByteArray("small\r\n"), bigContent()}) {
            QTemporaryDir dir;
            const QString path = dir.filePath(u"plan.kas"_qs);
            writeBytes(path, "old\r\n");
            const auto failing = FailingDevice::failingAt(step);
            const Status saved = safefile::write(path, content);
            const std::string where = "step " + std::to_string(int(step)) + ", " + std::to_string(content.size()) + " bytes";
            ASSERT_FALSE(saved.ok()) << where;
            EXPECT_TRUE(saved.error().contains(path)) << where;
            EXPECT_TRUE(saved.error().contains(u"No space left on device"_qs)) << where;
            EXPECT_TRUE(saved.error().contains(u"元のファイルは変更されていません。"_qs)) << where;
            EXPECT_EQ(readBytes(path), QByteArray("old\r\n")) << where;
            EXPECT_EQ(entries(dir), QStringList{u"plan.kas"_qs}) << where;
        }
    }
}

TEST(SafeFile, AFailedFolderSyncAfterTheRenameIsStillAFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"plan.kas"_qs);
    const auto failing = FailingDevice::failingAt(FailingDevice::Step::SyncFolder);
    const Status saved = safefile::write(path, "new\r\n");
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().contains(path));
    EXPECT_EQ(entries(dir), QStringList{u"plan.kas"_qs});
}

TEST(SafeFile, WritesNewAndReplacesExistingFilesKeepingLinksAndPermissions)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(u"new.kas"_qs);
    ASSERT_TRUE(safefile::write(fresh, bigContent()).ok());
    EXPECT_EQ(readBytes(fresh), bigContent());

    const QString target = dir.filePath(u"target.kas"_qs);
    const QString link = dir.filePath(u"link.kas"_qs);
    writeBytes(target, "old");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(safefile::write(link, "new").ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(target), QByteArray("new"));
    const QFileDevice::Permissions kept = QFileInfo(target).permissions();
    EXPECT_TRUE(kept.testFlag(QFileDevice::WriteOwner));
    EXPECT_FALSE(kept.testFlag(QFileDevice::ReadGroup) || kept.testFlag(QFileDevice::ReadOther));
    EXPECT_EQ(entries(dir), (QStringList{u"link.kas"_qs, u"new.kas"_qs, u"target.kas"_qs}));
}

// A save killed between creating its temporary file and the rename leaves the temporary file; the
// next successful save of the same file removes it, and nothing else.
TEST(SafeFile, ASuccessfulSaveRemovesLeftoversOfItsOwnNameOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"plan.kas"_qs);
    const QString prefix = safefile::temporaryPrefix(path);
    EXPECT_EQ(prefix, u"plan.kas.保存中-"_qs);
    const QStringList kept = {prefix + u"abc"_qs, u"other.kas.保存中-abc123"_qs, u"plan.kas.backup"_qs,
                              u"plan.kas.abc123"_qs};
    for (const QString &name : kept + QStringList{prefix + u"abc123"_qs, prefix + u"Z9z9Z9"_qs})
        writeBytes(dir.filePath(name), "partial");

    {
        const auto failing = FailingDevice::failingAt(FailingDevice::Step::Sync);
        ASSERT_FALSE(safefile::write(path, "new").ok());
        EXPECT_EQ(entries(dir).size(), kept.size() + 2); // a failed save removes nothing else
    }
    ASSERT_TRUE(safefile::write(path, "new").ok());
    QStringList expected = kept + QStringList{u"plan.kas"_qs};
    expected.sort();
    EXPECT_EQ(entries(dir), expected);
}

TEST(SafeFile, LongNamesGetAShortenedTemporaryName)
{
    QTemporaryDir dir;
    const QString name = QString(80, u'見') + u".kas"_qs; // 244 bytes in UTF-8
    const QString prefix = safefile::temporaryPrefix(dir.filePath(name));
    EXPECT_LE(QFile::encodeName(prefix).size() + 6, 255);
    EXPECT_TRUE(prefix.startsWith(QString(70, u'見')));
    ASSERT_TRUE(safefile::write(dir.filePath(name), "x").ok());
    EXPECT_EQ(entries(dir), QStringList{name});
}

// The text-file writer, which every save uses, reports the device's failure too.
TEST(SafeFile, TextFilesAreWrittenThroughIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"setutei.kxt"_qs);
    writeBytes(path, "old\r\n");
    const auto failing = FailingDevice::failingAt(FailingDevice::Step::Flush);
    const auto written = textfile::writeLines(path, {u"電気"_qs});
    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains(u"setutei.kxt"_qs));
    EXPECT_EQ(readBytes(path), QByteArray("old\r\n"));
}
