#include "clirun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString sample = QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas");

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// solvara-cli resave with the failing disk preloaded under `folder`, failing at `step`.
CliRun resaveOnFailingDisk(const QString &out, const QString &folder, const QString &step, const QString &after)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LD_PRELOAD"_qs, QStringLiteral(SOLVARA_FAILING_DISK));
    // A sanitizer build insists on its runtime coming first; the preloaded disk does not need that.
    env.insert(u"ASAN_OPTIONS"_qs, env.value(u"ASAN_OPTIONS"_qs) + u":verify_asan_link_order=0"_qs);
    env.insert(u"SOLVARA_FAIL_PATH"_qs, folder);
    env.insert(u"SOLVARA_FAIL_AT"_qs, step);
    env.insert(u"SOLVARA_FAIL_AFTER"_qs, after);
    return cli({u"resave"_qs, sample, out}, env);
}

} // namespace

// A save onto a full or failing disk: exit status 1, the file and the system's reason on standard
// error, the old file unchanged and no temporary file left. The sample (11 KB) is small enough to
// sit in a write buffer until the end, where a lost failure would go unnoticed.
TEST(FailingDisk, ResaveFailsAtEachStepAndKeepsTheOldFile)
{
    struct Case {
        const char16_t *step;
        const char16_t *after;
        const char16_t *reason;
    } cases[] = {
        {u"write", u"0", u"No space left on device"},
        {u"write", u"8192", u"No space left on device"}, // room for part of the file only
        {u"sync", u"", u"Input/output error"},
        {u"close", u"", u"Input/output error"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"disk"_qs);
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString out = folder + u"/plan.kas"_qs;
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old estimate\r\n");
        old.close();

        const QString step = QString::fromUtf16(c.step);
        const CliRun r = resaveOnFailingDisk(out, folder, step, QString::fromUtf16(c.after));
        EXPECT_EQ(r.exitCode, 1) << step.toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(out)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.reason))) << r.err.toStdString();
        EXPECT_EQ(bytesOf(out), QByteArray("old estimate\r\n")) << step.toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"plan.kas"_qs});
    }
}

// The same preloaded disk with room to spare writes the file: the failures above come from the disk.
TEST(FailingDisk, ResaveWithRoomEnoughSucceeds)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"plan.kas"_qs);
    const CliRun r = resaveOnFailingDisk(out, dir.path(), u"write"_qs, u"1000000"_qs);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(bytesOf(out), bytesOf(sample));
}
