#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun cli(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(Cli, BadUsageExitsWithTwoAndWritesNothing)
{
    QTemporaryDir empty;
    struct Case { QStringList args; const char16_t *mentions; } cases[] = {
        {{}, u"subcommand"},
        {{u"sheet"_qs}, u"sheet"},
        {{u"frobnicate"_qs, u"x.kas"_qs}, u"frobnicate"},
        {{u"lines"_qs, u"/no/such/file.kas"_qs}, u"/no/such/file.kas"},
        {{u"state"_qs, u"--set"_qs, u"NoSuchControl=1"_qs}, u"NoSuchControl"},
        {{u"state"_qs, u"--program-dir"_qs, empty.path()}, u"setutei.kxt"},
        {{u"state"_qs, u"--bogus"_qs}, u"--bogus"},
    };
    for (const auto &c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.mentions))) << r.err.toStdString();
    }
}

TEST(Cli, StateAfterStartUp)
{
    const CliRun r = cli({u"state"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(u"Caption\t電気工事積算ソフト/SOL-VARAの箱- Ver6.16"_qs));
    EXPECT_TRUE(lines.contains(u"Edit21\t20000"_qs));
    EXPECT_TRUE(lines.contains(u"RadioButton4\t0"_qs));
    EXPECT_TRUE(lines.contains(u"TForm6.ComboBox1\t800"_qs));
    EXPECT_TRUE(lines.contains(u"kidou\t0"_qs));
}
