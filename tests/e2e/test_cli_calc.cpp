#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CalcRun {
    int exitCode;
    QString out;
    QString err;
};

CalcRun calc(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), QStringList{u"calc"_qs} + arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QStringList keys(const char16_t *spaced)
{
    return QString::fromUtf16(spaced).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

// The calculator's documented cases, through the command line with the shipped tax rate (10).
TEST(CliCalc, PrintsDisplayStateAndOperands)
{
    struct Case { const char16_t *keys; const char16_t *line; } cases[] = {
        {u"1 2 ＋ 3 ＝", u"15\t6\t15\t3"},
        {u"1 2 ＋ 3 ＝ ＋ 4 ＝", u"19\t6\t19\t4"},
        {u"2 ＋ 1 . 5 ✕", u"3.5\t3\t3.5\t1.5"},
        {u"2 ＋ 1 . 5 ✕ 2 ＝", u"7\t6\t7\t2"},
        {u"1 2 3 4", u"1,234\t1\t1234\t"},
        {u"1 . 0", u"1\t2\t1.0\t"},
        {u"1 0 0 0 税込", u"1100\t1\t1100\t"},
        {u"1 1 0 0 税抜", u"1000\t1\t1000\t"},
        {u"2 . 5 +/-", u"-2.5\t2\t-2.5\t"},
        {u"9 － 5 CE 3 ＝", u"6\t6\t6\t3"},
        {u"2 0 0 ＋ 1 0 ％ ＝", u"220\t6\t220\t20"},
        {u"2 0 0 ✕ 1 0 ％", u"20\t4\t200\t20"},
        {u"9 - 5 CE", u"\t3\t9\t"},
        {u"7 * 6 / 4 =", u"10.5\t6\t10.5\t4"},
        {u"7 + 1 C", u"0\t0\t0\t"},
    };
    for (const auto &c : cases) {
        const CalcRun r = calc(keys(c.keys));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromUtf16(c.line) + u'\n') << QString::fromUtf16(c.keys).toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
}

TEST(CliCalc, VerbosePrintsAfterEveryKey)
{
    const CalcRun r = calc({u"-v"_qs, u"1"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"税込"_qs});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, u"1\t1\t1\t\n10\t1\t10\t\n100\t1\t100\t\n1,000\t1\t1000\t\n1100\t1\t1100\t\n"_qs);
}

TEST(CliCalc, LabourPriceForTheLabourKey)
{
    EXPECT_EQ(calc({u"--labour-price"_qs, u"20000"_qs, u"1"_qs, u"."_qs, u"5"_qs, u"工数"_qs}).out,
              u"30,000\t2\t1.5\t30000\n"_qs);
    EXPECT_EQ(calc({u"--labour-price=18000"_qs, u"2"_qs, u"工数"_qs}).out, u"36,000\t1\t2\t36000\n"_qs);
    EXPECT_EQ(calc({u"3"_qs, u"工数"_qs}).out, u"0\t1\t3\t0\n"_qs); // no price: 0
}

// A key that ends with the platform's error: message on stderr, exit 1, the calculator unchanged
// by that key and the following keys still pressed.
TEST(CliCalc, KeyErrorsExitWithOne)
{
    const CalcRun div = calc(keys(u"5 ÷ 0 ＝ CE 2 ＝"));
    EXPECT_EQ(div.exitCode, 1);
    EXPECT_TRUE(div.err.contains(u"浮動小数点数の 0 による除算")) << div.err.toStdString();
    EXPECT_TRUE(div.err.contains(u"key 4")) << div.err.toStdString();
    EXPECT_EQ(div.out, u"2.5\t6\t2.5\t2\n"_qs);

    const CalcRun percent = calc(keys(u"5 ％"));
    EXPECT_EQ(percent.exitCode, 1);
    EXPECT_TRUE(percent.err.contains(u"'' は有効な浮動小数点値ではありません")) << percent.err.toStdString();
    EXPECT_EQ(percent.out, u"5\t1\t5\t\n"_qs);
}

TEST(CliCalc, TaxRateFromTheProgramFolder)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(u"zeiritu.ini"_qs));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("anything\r\n8\r\n");
    f.close();
    const CalcRun r = calc({u"--program-dir"_qs, dir.path(), u"1"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"税込"_qs});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"1080\t1\t1080\t\n"_qs);

    // Without the file the calculator keeps its design rate of 10 and says why.
    QFile::remove(dir.filePath(u"zeiritu.ini"_qs));
    const CalcRun missing = calc({u"--program-dir"_qs, dir.path(), u"1"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"税込"_qs});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(u"zeiritu.ini")) << missing.err.toStdString();
    EXPECT_EQ(missing.out, u"1100\t1\t1100\t\n"_qs);
}

TEST(CliCalc, BadUsageExitsWithTwo)
{
    struct Case { QStringList args; const char16_t *mentions; } cases[] = {
        {{}, u"key"},
        {{u"1"_qs, u"x"_qs}, u"\"x\""},
        {{u"1"_qs, u"×"_qs}, u"\"×\""},
        {{u"--labour-price"_qs}, u"--labour-price"},
        {{u"--labour-price"_qs, u"abc"_qs, u"1"_qs}, u"abc"},
        {{u"--verbose"_qs, u"1"_qs}, u"--verbose"},
    };
    for (const auto &c : cases) {
        const CalcRun r = calc(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.mentions))) << r.err.toStdString();
    }
}
