#include "base/textgrid.h"
#include "storage/codepage932.h"
#include "storage/records.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

TEST(CodePage932, RoundTripsWhereWindowsDiffersFromShiftJis)
{
    const QString text = u"～－∥①㈱￢＼―￥髙　ｱｲｳｴｵﾞﾟ電気工事 abc"_qs;
    const cp932::Encoded e = cp932::encode(text);
    EXPECT_TRUE(e.substitutions.isEmpty());
    EXPECT_EQ(cp932::decode(e.bytes), text);
    // Known bytes: ～ is 81 60, ① is 87 40, half-width ｱ is B1.
    EXPECT_TRUE(cp932::encode(u"～①ｱ"_qs).bytes == QByteArray("\x81\x60\x87\x40\xB1"));
}

TEST(CodePage932, ReportsCharactersItCannotHold)
{
    const cp932::Encoded e = cp932::encode(u"a😀b𠮷c😀"_qs);
    EXPECT_EQ(e.bytes, QByteArray("a?b?c?"));
    ASSERT_EQ(e.substitutions.size(), 2);
    EXPECT_EQ(e.substitutions[0].original, u"😀"_qs);
    EXPECT_EQ(e.substitutions[0].replacement, u"?"_qs);
    EXPECT_EQ(e.substitutions[1].original, u"𠮷"_qs);
}

TEST(CodePage932, DecodesBrokenBytesWithoutStopping)
{
    // A lead byte followed by an invalid trail, a NUL, and a lead byte cut off at the end.
    const QString text = cp932::decode(QByteArray("A\x81\x20" "B\0C\x82", 7));
    EXPECT_EQ(text, QString(u"A\uFFFD BC"_qs).insert(4, QChar(0)) + QChar(0xFFFD));
}

TEST(TextFile, SplitsAnyLineEnd)
{
    EXPECT_EQ(textfile::splitLines(u"a\r\nb\nc\rd"), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(textfile::splitLines(u"a\r\n"), QStringList{u"a"_qs});
    EXPECT_EQ(textfile::splitLines(u"a\r\n\r\n"), (QStringList{u"a"_qs, QString()}));
    EXPECT_TRUE(textfile::splitLines(u"").isEmpty());
}

TEST(TextFile, WritesCodePage932WithCrLfAndReadsMarkedFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"t.txt"_qs);
    ASSERT_TRUE(textfile::writeLines(path, {u"電気"_qs, u"x"_qs}).ok());
    EXPECT_EQ(readBytes(path), QByteArray("\x93\x64\x8B\x43\r\nx\r\n"));

    writeBytes(path, QByteArray("\xEF\xBB\xBF") + u"電気\nx"_qs.toUtf8());
    auto lines = textfile::readLines(path);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines.value(), (QStringList{u"電気"_qs, u"x"_qs}));

    QByteArray utf16("\xFF\xFE");
    const QString t = u"①\r\n"_qs;
    utf16.append(reinterpret_cast<const char *>(t.utf16()), t.size() * 2);
    writeBytes(path, utf16);
    EXPECT_EQ(textfile::readLines(path).value(), QStringList{u"①"_qs});

    // Written back without a mark.
    ASSERT_TRUE(textfile::writeLines(path, textfile::readLines(path).value()).ok());
    EXPECT_EQ(readBytes(path), QByteArray("\x87\x40\r\n"));
}

TEST(TextFile, FailuresNameTheFileAndKeepTheOldContent)
{
    QTemporaryDir dir;
    auto missing = textfile::readLines(dir.filePath(u"none.kas"_qs));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(u"none.kas"_qs));

    auto noFolder = textfile::writeLines(dir.filePath(u"no/such/dir/x.kas"_qs), {u"a"_qs});
    ASSERT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.error().contains(u"x.kas"_qs));

    const QString path = dir.filePath(u"keep.kas"_qs);
    writeBytes(path, "old\r\n");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    auto denied = textfile::writeLines(path, {u"new"_qs});
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!denied.ok()) { // root can write anyway; then there is nothing to check
        EXPECT_EQ(readBytes(path), QByteArray("old\r\n"));
    }
}

TEST(TextFile, EmptyAndLargeFiles)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"e"_qs);
    writeBytes(empty, {});
    EXPECT_TRUE(textfile::readLines(empty).value().isEmpty());

    const QString big = dir.filePath(u"big"_qs);
    QByteArray line("\x93\x64,\"a b\",1234,,\x82\r\n");
    QByteArray bytes;
    bytes.reserve(50 * 1024 * 1024);
    while (bytes.size() < 50 * 1024 * 1024)
        bytes.append(line);
    writeBytes(big, bytes);
    auto lines = textfile::readLines(big);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines.value().size(), bytes.size() / line.size());
}

TEST(Records, JoinQuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(records::join({u"a"_qs, QString(), u" "_qs, u"x,y"_qs, u"say \"hi\""_qs, u"全角　空白"_qs, u"t\tab"_qs}),
              u"a,,\" \",\"x,y\",\"say \"\"hi\"\"\",全角　空白,\"t\tab\""_qs);
}

TEST(Records, SplitRules)
{
    struct Case { const char16_t *line; QStringList fields; } cases[] = {
        {u"a,b,c", {u"a"_qs, u"b"_qs, u"c"_qs}},
        {u"a,,c", {u"a"_qs, u" "_qs, u"c"_qs}},             // present but empty: a space
        {u"a,\" \",c", {u"a"_qs, u" "_qs, u"c"_qs}},
        {u"\"x,y\",\"q\"\"q\"", {u"x,y"_qs, u"q\"q"_qs}},
        {u"a b,c", {u"a"_qs, u"b"_qs, u"c"_qs}},            // a blank ends a bare field
        {u"  a , b", {u"a"_qs, u"b"_qs}},
        {u"a,", {u"a"_qs, u" "_qs}},
        {u",", {u" "_qs, u" "_qs}},
        {u"全角　空白,x", {u"全角　空白"_qs, u"x"_qs}},
        {u"\"open", {u"open"_qs}},
        {u"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(records::split(QStringView(c.line)), c.fields) << QString::fromUtf16(c.line).toStdString();
}

TEST(Records, RoundTripAndGridRows)
{
    const QStringList fields = {u" "_qs, u"a,b"_qs, u"\""_qs, u"x"_qs, u"1.5"_qs};
    EXPECT_EQ(records::split(records::join(fields)), fields);

    TextGrid grid(4, 3);
    records::fillRow(grid, 1, u"a,,b,c,d,e");
    EXPECT_EQ(grid.row(1), (QStringList{u"a"_qs, u" "_qs, u"b"_qs, u"c"_qs}));
    records::fillRow(grid, 2, u"a");
    EXPECT_EQ(grid.row(2), (QStringList{u"a"_qs, QString(), QString(), QString()}));
    records::fillRow(grid, 2, u"");
    EXPECT_EQ(grid.row(2), (QStringList{QString(), QString(), QString(), QString()}));
}

namespace {

// What iconv itself makes of the bytes, read as the program reads files: an invalid or cut-off
// sequence gives U+FFFD and reading goes on with the next byte.
QString iconvDecode(QByteArrayView bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    QString text;
    const char *in = bytes.data();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        char buffer[256];
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        char *inPtr = const_cast<char *>(in);
        const size_t rc = iconv(cd, &inPtr, &left, &out, &outLeft);
        const int err = errno;
        text.append(QStringView(reinterpret_cast<const char16_t *>(buffer), (out - buffer) / 2));
        in = inPtr;
        if (rc == size_t(-1) && err != E2BIG) {
            text.append(QChar(0xFFFD));
            if (err == EINVAL)
                break;
            ++in;
            --left;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return text;
}

// iconv's bytes for one UTF-16 unit, or nullopt when it has none.
std::optional<QByteArray> iconvEncode(char16_t unit)
{
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    char buffer[8];
    char *out = buffer;
    size_t outLeft = sizeof buffer;
    char *in = reinterpret_cast<char *>(&unit);
    size_t left = 2;
    const size_t rc = iconv(cd, &in, &left, &out, &outLeft);
    iconv_close(cd);
    if (rc == size_t(-1))
        return std::nullopt;
    return QByteArray(buffer, out - buffer);
}

} // namespace

TEST(CodePage932, TablesAgreeWithIconvOnEveryByteAndCharacter)
{
    // The codec keeps iconv's answers in tables; every single byte, every pair after a byte of
    // the upper half and every character of the basic plane must come out as iconv has it.
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        ASSERT_EQ(cp932::decode(QByteArrayView(&byte, 1)), iconvDecode(QByteArrayView(&byte, 1))) << b;
    }
    for (int lead = 0x80; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const char bytes[3] = {char(lead), char(trail), 'z'};
            ASSERT_EQ(cp932::decode(QByteArrayView(bytes, 3)), iconvDecode(QByteArrayView(bytes, 3)))
                << lead << " " << trail;
        }
    }
    for (int u = 0; u < 0x10000; ++u) {
        if (QChar::isSurrogate(char16_t(u)))
            continue;
        const QString ch{QChar(char16_t(u))};
        const cp932::Encoded e = cp932::encode(ch);
        const std::optional<QByteArray> expected = iconvEncode(char16_t(u));
        if (!expected) {
            ASSERT_EQ(e.bytes, QByteArray("?")) << u;
            ASSERT_EQ(e.substitutions.size(), 1) << u;
            continue;
        }
        ASSERT_EQ(e.bytes, *expected) << u;
        const QString back = iconvDecode(*expected);
        ASSERT_EQ(e.substitutions.isEmpty(), back == ch) << u;
        if (back != ch) {
            ASSERT_EQ(e.substitutions[0].replacement, back) << u;
        }
    }
}
