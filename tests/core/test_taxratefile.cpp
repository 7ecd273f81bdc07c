#include "calculator/taxratefile.h"

#include "storagetesting.h"

#include <gtest/gtest.h>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The first line is written back byte for byte, whatever it holds; the rate is line 2.
TEST(TaxRateFile, FirstLineKeptByteForByte)
{
    const QByteArray lines[] = {
        QByteArray("SOL-VARA"),
        QByteArray("\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0 \x81\x60"),  // 株式会社 ～ in code page 932
        QByteArray("\x82\xFF\xFF junk \x81"),                     // bytes that decode to nothing
        QByteArray("\xEF\xBB\xBFUTF-8 \xE7\xA8\x8E"),             // a UTF-8 file with its mark
        QByteArray(),
    };
    for (const QByteArray &first : lines) {
        StorageFixture f;
        writeBytes(f.path(u"zeiritu.ini"_qs), first + "\r\n10\r\nignored\r\n");
        const Result<taxratefile::Contents> read = taxratefile::read(f.folder());
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        EXPECT_EQ(read->pas, first);
        EXPECT_EQ(read->zei, u"10"_qs);

        taxratefile::Contents changed = read.value();
        changed.zei = u"8"_qs;
        ASSERT_TRUE(taxratefile::write(f.folder(), changed).ok());
        EXPECT_EQ(fileBytes(f.path(u"zeiritu.ini"_qs)), first + "\r\n8\r\n");
    }
}

TEST(TaxRateFile, LineEndsAndFailures)
{
    StorageFixture f;
    writeBytes(f.path(u"zeiritu.ini"_qs), "head\n5\n");
    const Result<taxratefile::Contents> lfOnly = taxratefile::read(f.folder());
    ASSERT_TRUE(lfOnly.ok());
    EXPECT_EQ(lfOnly->pas, QByteArray("head"));
    EXPECT_EQ(lfOnly->zei, u"5"_qs);

    writeBytes(f.path(u"zeiritu.ini"_qs), "only one line\r\n");
    const Result<taxratefile::Contents> oneLine = taxratefile::read(f.folder());
    ASSERT_FALSE(oneLine.ok());
    EXPECT_TRUE(oneLine.error().contains(u"zeiritu.ini")) << oneLine.error().toStdString();

    StorageFixture empty;
    const Result<taxratefile::Contents> missing = taxratefile::read(empty.folder());
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(empty.path(u"zeiritu.ini"_qs)));

    // Writing creates the file where it was missing.
    ASSERT_TRUE(taxratefile::write(empty.folder(), {QByteArray(), u"10"_qs}).ok());
    EXPECT_EQ(fileBytes(empty.path(u"zeiritu.ini"_qs)), QByteArray("\r\n10\r\n"));

    // A program folder that cannot take the file sends it to the user's configuration folder;
    // when that cannot take it either, the failure names the file.
    UserConfigFixture user;
    writeBytes(user.home.filePath(u"blocked"_qs), "a file, not a folder");
    qputenv("XDG_CONFIG_HOME", user.home.filePath(u"blocked"_qs).toUtf8());
    const Status failed = taxratefile::write(empty.path(u"no-such-folder/"_qs), {QByteArray(), u"10"_qs});
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.error().contains(u"zeiritu.ini"));
}
