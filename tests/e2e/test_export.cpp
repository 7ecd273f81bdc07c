#include "export/xlsxbook.h"

#include "base/numbers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliResult {
    int exitCode;
    QString err;
    QString out;
};

CliResult cli(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), arguments);
    p.waitForFinished(120000);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    return {p.exitCode(), err, QString::fromUtf8(p.readAllStandardOutput())};
}

const QString sample = QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas");

// The sample's grand total as the compiled sheet has it.
qint64 sampleGrandTotal()
{
    for (const QString &line : cli({u"totals"_qs, sample}).out.split(u'\n'))
        if (line.startsWith(u"sougoukei\t"))
            return line.mid(10).toLongLong();
    return -1;
}

QString text(XlsxSheet &s, QStringView address)
{
    const a1::Cell c = *a1::parseCell(address);
    return s.text(c.row, c.column);
}

std::shared_ptr<XlsxBook> exported(const QString &kind, const QString &path)
{
    const CliResult r = cli({u"export"_qs, sample, kind, path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    auto book = XlsxBook::open(path);
    EXPECT_TRUE(book.ok()) << book.error().toStdString();
    return book.ok() ? book.value() : nullptr;
}

TEST(CliExport, WritesTheFourWorkbooksOfTheSample)
{
    QTemporaryDir dir;
    auto workbook = exported(u"--workbook"_qs, dir.filePath(u"quotation.xlsx"_qs));
    ASSERT_TRUE(workbook);
    EXPECT_EQ(workbook->sheetNames(), (QStringList{u"鏡"_qs, u"総括表"_qs, u"内訳書"_qs, u"条件書"_qs}));
    XlsxSheet &cover = *workbook->sheet(u"鏡"_qs);
    EXPECT_EQ(text(cover, u"A1"), u"　御　見　積　書　");
    const qint64 total = sampleGrandTotal();
    ASSERT_GT(total, 0);
    EXPECT_TRUE(text(cover, u"B10").startsWith(num::grouped(double(total)))) << text(cover, u"B10").toStdString();
    EXPECT_EQ(text(cover, u"J24"), QString::number(total));

    auto basis = exported(u"--basis"_qs, dir.filePath(u"basis.xlsx"_qs));
    ASSERT_TRUE(basis);
    XlsxSheet &list = *basis->sheet(u"積算根拠一覧表"_qs);
    EXPECT_EQ(text(list, u"Z1"), u"提出労務費");
    EXPECT_EQ(list.formula(2, 26), u"=X2*(Y2/100)");

    auto cost = exported(u"--cost-summary"_qs, dir.filePath(u"cost.xlsx"_qs));
    ASSERT_TRUE(cost);
    XlsxSheet &form = *cost->sheet(u"原価集計表"_qs);
    EXPECT_EQ(text(form, u"A1"), u"　見　積　原　価　集　計　表　");
    EXPECT_EQ(text(form, u"W52"), QString::number(total / 1000)); // in thousands of yen
    EXPECT_FALSE(text(form, u"W6").isEmpty());

    auto tally = exported(u"--tally"_qs, dir.filePath(u"tally.xlsx"_qs));
    ASSERT_TRUE(tally);
    XlsxSheet &filled = *tally->sheet(u"原価集計表"_qs);
    // The total at 100 % in thousands, to the nearest 10 thousand (a half going up).
    EXPECT_EQ(text(filled, u"W53"), QString::number((total / 1000 + 5) / 10 * 10));
    EXPECT_EQ(text(filled, u"AQ8"), u"18000");
    EXPECT_EQ(text(filled, u"W52"), text(filled, u"AA51"));
}

TEST(CliExport, FailuresSayWhyAndLeaveNoFile)
{
    QTemporaryDir dir;
    // A destination folder that cannot be written.
    const QString locked = dir.filePath(u"locked"_qs);
    QDir().mkdir(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool rootIgnoresPermissions = QFile(locked + u"/probe"_qs).open(QIODevice::WriteOnly);
    QFile::remove(locked + u"/probe"_qs);
    if (!rootIgnoresPermissions) {
        const CliResult r = cli({u"export"_qs, sample, u"--workbook"_qs, locked + u"/out.xlsx"_qs});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(u"out.xlsx")) << r.err.toStdString();
        EXPECT_TRUE(QDir(locked).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // A destination that is a folder.
    const QString folder = dir.filePath(u"dest.xlsx"_qs);
    QDir().mkdir(folder);
    const CliResult onFolder = cli({u"export"_qs, sample, u"--cost-summary"_qs, folder});
    EXPECT_EQ(onFolder.exitCode, 1);
    EXPECT_FALSE(onFolder.err.isEmpty());

    // A program folder without the template, then with a damaged one.
    const QString program = dir.filePath(u"program"_qs);
    QDir().mkdir(program);
    for (const char16_t *name : {u"setutei.kxt", u"jyouken.DATA", u"zeiritu.ini"})
        QFile::copy(QStringLiteral(SOLVARA_PROGRAM_DATA "/") + QString::fromUtf16(name),
                    program + u'/' + QString::fromUtf16(name));
    const QString out = dir.filePath(u"tally.xlsx"_qs);
    const CliResult missing = cli({u"--program-dir"_qs, program, u"export"_qs, sample, u"--tally"_qs, out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(u"見積原価集計表")) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    QFile junk(program + u"/見積原価集計表.xlsx"_qs);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a workbook");
    junk.close();
    const CliResult damaged = cli({u"--program-dir"_qs, program, u"export"_qs, sample, u"--tally"_qs, out});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(u"見積原価集計表")) << damaged.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    // Usage errors.
    EXPECT_EQ(cli({u"export"_qs, sample, out}).exitCode, 2);
    EXPECT_EQ(cli({u"export"_qs, sample, u"--basis"_qs, u"--tally"_qs, out}).exitCode, 2);
}

// LibreOffice recalculates the written workbooks; every formula must come out as the value the
// file carries.
TEST(CliExport, SpreadsheetApplicationAgreesWithTheCarriedValues)
{
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_qs);
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (libreoffice-calc-nogui) is not installed";
    QTemporaryDir dir;
    const QString profile = dir.filePath(u"profile/user"_qs);
    QDir().mkpath(profile);
    QFile settings(profile + u"/registrymodifications.xcu"_qs);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    // Recalculate every workbook on load instead of showing its stored values.
    settings.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)");
    settings.close();

    const QStringList kinds = {u"--cost-summary"_qs, u"--basis"_qs, u"--tally"_qs};
    QStringList files;
    for (const QString &kind : kinds) {
        files.append(dir.filePath(kind.mid(2) + u".xlsx"_qs));
        ASSERT_EQ(cli({u"export"_qs, sample, kind, files.last()}).exitCode, 0);
    }
    QProcess office;
    office.setWorkingDirectory(dir.path());
    office.start(soffice, QStringList{u"-env:UserInstallation=file://"_qs + dir.filePath(u"profile"_qs), u"--headless"_qs,
                                      u"--convert-to"_qs,
                                      u"csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false"_qs,
                                      u"--outdir"_qs, dir.path()} + files);
    ASSERT_TRUE(office.waitForFinished(180000));

    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        QFile csv(file.chopped(5) + u".csv"_qs);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        std::vector<QStringList> rows;
        for (const QByteArray &line : csv.readAll().split('\n'))
            rows.push_back(QString::fromUtf8(line).split(u','));
        auto book = XlsxBook::open(file);
        ASSERT_TRUE(book.ok());
        XlsxSheet &sheet = *book.value()->sheet(book.value()->sheetNames().first());
        int compared = 0;
        for (int r = 1; r <= int(rows.size()); ++r)
            for (int c = 1; c <= 60; ++c) {
                if (sheet.formula(r, c).isEmpty())
                    continue;
                const FormulaValue carried = sheet.storedValue(r, c);
                QString shown = rows[size_t(r - 1)].value(c - 1);
                double number = shown.toDouble();
                if (shown.endsWith(u'%')) // the CSV filter keeps percent formats
                    number = shown.chopped(1).toDouble() / 100;
                SCOPED_TRACE(a1::cellName(r, c).toStdString() + " " + sheet.formula(r, c).toStdString());
                if (carried.kind == FormulaValue::Number) {
                    EXPECT_NEAR(number, carried.number, 1e-6 * std::max(1.0, std::abs(carried.number)));
                    ++compared;
                } else if (carried.kind == FormulaValue::Error) {
                    EXPECT_TRUE(shown.startsWith(u'#') || shown.startsWith(u"Err:")) << shown.toStdString();
                } else {
                    EXPECT_EQ(shown, carried.text);
                }
            }
        EXPECT_GT(compared, 20);
    }
}

} // namespace
