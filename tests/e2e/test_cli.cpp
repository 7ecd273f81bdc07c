#include "storage/records.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

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
    // The shipped standard values carry today's consumption tax rate.
    EXPECT_TRUE(lines.contains(u"Edit51\t10"_qs));
    EXPECT_TRUE(lines.contains(u"RadioButton4\t0"_qs));
    EXPECT_TRUE(lines.contains(u"TForm6.ComboBox1\t800"_qs));
    EXPECT_TRUE(lines.contains(u"kidou\t0"_qs));
}

namespace {

const QString sample = QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas");

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The sheet's rows as lists of cells.
QList<QStringList> sheetRows(const QString &text)
{
    QList<QStringList> rows;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts))
        rows.append(line.split(u'\t'));
    return rows;
}

const QStringList *rowNamed(const QList<QStringList> &rows, const QString &name)
{
    for (const QStringList &row : rows)
        if (row.value(7) == name)
            return &row;
    return nullptr;
}

} // namespace

TEST(Cli, SampleEstimateReadsAndSavesAgainByteForByte)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"again.kas"_qs);
    const CliRun r = cli({u"resave"_qs, sample, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(bytesOf(out), bytesOf(sample));
}

TEST(Cli, SampleEstimateCompilesIntoAQuotation)
{
    const CliRun r = cli({u"sheet"_qs, sample});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<QStringList> rows = sheetRows(r.out);
    ASSERT_GT(rows.size(), 60);
    EXPECT_EQ(rows[0].value(7), u"品  名"_qs);
    EXPECT_EQ(rows[0].size(), 24);

    // Summary block: the top-level item sums its sub-items; the direct cost sums the top level.
    EXPECT_EQ(rows[1].value(7), u"1.電灯設備工事"_qs);
    EXPECT_EQ(rows[2].value(7), u" 1-1.照明器具設置工事"_qs);
    const qint64 lighting = rows[2].value(20).toLongLong();
    const qint64 outlets = rows[3].value(20).toLongLong();
    EXPECT_EQ(rows[1].value(20).toLongLong(), lighting + outlets);
    const QStringList *direct = rowNamed(rows, u"直接工事費"_qs);
    ASSERT_TRUE(direct);
    EXPECT_EQ(direct->value(20).toLongLong(),
              rows[1].value(20).toLongLong() + rows[4].value(20).toLongLong() + rows[5].value(20).toLongLong());

    // The grand total: rounded to 10,000 yen, plus 10 % tax.
    const QStringList *tax = rowNamed(rows, u"消費税"_qs);
    const QStringList *total = rowNamed(rows, u"総　合　計"_qs);
    ASSERT_TRUE(tax && total);
    const qint64 taxAmount = tax->value(20).toLongLong();
    const qint64 grand = total->value(20).toLongLong();
    EXPECT_EQ((grand - taxAmount) % 10000, 0);
    EXPECT_EQ(taxAmount, (grand - taxAmount) / 10);

    // Detail block: derived rows and the removal line.
    EXPECT_TRUE(rowNamed(rows, u"同上付属品"_qs));
    EXPECT_TRUE(rowNamed(rows, u"盤取付材料"_qs));
    EXPECT_TRUE(rowNamed(rows, u"雑材消耗品費"_qs));
    const QStringList *removal = rowNamed(rows, u"既設蛍光灯器具"_qs);
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->value(21), u"撤去"_qs);
    EXPECT_EQ(removal->value(20), u"0"_qs);

    const CliRun totals = cli({u"totals"_qs, sample});
    EXPECT_TRUE(totals.out.contains(u"sougoukei\t%1\n"_qs.arg(grand)));
    EXPECT_TRUE(totals.out.contains(u"st1count\t36\n"_qs));
}

TEST(Cli, SetRecompilesAndAppliesTheSettings)
{
    const CliRun r = cli({u"totals"_qs, sample, u"--set"_qs, u"CheckBox14=0"_qs, u"--set=Edit21=30000"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const CliRun before = cli({u"totals"_qs, sample});
    auto value = [](const QString &text, const QString &name) {
        for (const QString &line : text.split(u'\n'))
            if (line.startsWith(name + u'\t'))
                return line.mid(name.size() + 1).toLongLong();
        return -1LL;
    };
    // Without tax shown, and with a dearer labour price, the total grows by more than the tax.
    EXPECT_GT(value(r.out, u"sougoukei"_qs), value(before.out, u"sougoukei"_qs) - value(before.out, u"syouhizeigaku"_qs));
    EXPECT_EQ(value(r.out, u"kidou"_qs), 0);
}

namespace {

// A copy of the sample estimate (or of the standard values) with one field or line changed.
QString changedCopy(const QTemporaryDir &dir, const QString &name, const QString &source,
                    const std::function<void(QStringList &)> &change)
{
    QStringList lines = textfile::readLines(source).value();
    change(lines);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(textfile::writeLines(path, lines).ok());
    return path;
}

void setField(QStringList &lines, int record, int field, const QString &text)
{
    QStringList fields = records::split(lines[record]);
    fields[field] = text;
    lines[record] = records::join(fields);
}

// Record of item-table row 1 and of line 1 in the sample: five header records and an empty one,
// then the items (their number is record 4, field 8), then the lines.
constexpr int firstItemRecord = 6;
int firstLineRecord(const QStringList &lines)
{
    return firstItemRecord + records::split(lines[4])[8].toInt();
}

} // namespace

// A compilation refused with a message, or a number that does not read in a settings file, ends
// with exit status 1: the message on standard error, the output still printed, and resave writes
// nothing.
TEST(Cli, StopsWithAMessageExitOneAndPrintEverything)
{
    QTemporaryDir dir;
    const QString noLineName = changedCopy(dir, u"noline.kas"_qs, sample, [](QStringList &lines) {
        setField(lines, firstLineRecord(lines), 7, QString());
    });
    // Read makes item row 2 current (row 1 has sub-items); without a name there is no current item.
    const QString noItemName = changedCopy(dir, u"noitem.kas"_qs, sample, [](QStringList &lines) {
        setField(lines, firstItemRecord + 1, 5, u"無し"_qs);
    });
    const QString folder = QStringLiteral(SOLVARA_BIN_DIR "/");
    const QString badLabourPrice = changedCopy(dir, u"bad.kxt"_qs, folder + u"setutei.kxt"_qs,
                                               [](QStringList &lines) { lines[18] = u"2万"_qs; });
    QDir(dir.path()).mkdir(u"program"_qs);
    for (const QString &file : QDir(folder).entryList({u"*.kxt"_qs, u"*.DATA"_qs, u"*.ini"_qs, u"*.wav"_qs}))
        QFile::copy(folder + file, dir.filePath(u"program/"_qs + file));
    QFile::remove(dir.filePath(u"program/setutei.kxt"_qs));
    QFile::copy(badLabourPrice, dir.filePath(u"program/setutei.kxt"_qs));

    struct Case { QStringList args; const char16_t *message; } cases[] = {
        {{u"totals"_qs, noLineName}, u"データーを入力してください！"},
        {{u"totals"_qs, noItemName}, u"項目を入力してください！"},
        {{u"totals"_qs, sample, u"--settings"_qs, badLabourPrice}, u"'2万'"},
        {{u"--program-dir"_qs, dir.filePath(u"program"_qs), u"totals"_qs, sample}, u"'2万'"},
    };
    for (const auto &c : cases) {
        const std::string name = c.args.join(u' ').toStdString();
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.message))) << name << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(u"st1count\t"_qs)) << name;
    }
    for (const QString &estimate : {noLineName, noItemName}) {
        const QString out = dir.filePath(u"out.kas"_qs);
        const CliRun r = cli({u"resave"_qs, estimate, out});
        EXPECT_EQ(r.exitCode, 1) << estimate.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << estimate.toStdString();
    }
}
