#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString sample = QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas");

// Print units (1/600 inch from the printable area, which lies 4 mm inside the paper) in points.
constexpr double margin = 4.0 / 25.4 * 72.0;
double points(int units)
{
    return margin + units * 72.0 / 600.0;
}

struct CliResult {
    int exitCode;
    QString err;
};

CliResult cli(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

struct Word {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

struct Pdf {
    QList<Word> words;
    int pages = 0;
    double width = 0, height = 0;

    QList<Word> named(const QString &text, int page = 0) const
    {
        QList<Word> found;
        for (const Word &w : words)
            if (w.text == text && (page == 0 || w.page == page))
                found.append(w);
        return found;
    }
};

// The words of a PDF with their boxes in points, as pdftotext -bbox reads them back.
Pdf readPdf(const QString &path)
{
    QProcess p;
    p.start(u"pdftotext"_qs, {u"-bbox"_qs, path, u"-"_qs});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    Pdf pdf;
    static const QRegularExpression tag(
        uR"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_qs);
    for (const QRegularExpressionMatch &m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            ++pdf.pages;
            pdf.width = m.captured(1).toDouble();
            pdf.height = m.captured(2).toDouble();
        } else {
            pdf.words.append({pdf.pages, m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(),
                              m.captured(6).toDouble(), m.captured(7)});
        }
    }
    return pdf;
}

} // namespace

TEST(CliPrint, QuotationPagesHoldTheClientTheTotalAndTheItems)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"q.pdf"_qs);
    const CliResult r = cli({u"print"_qs, sample, u"--pdf"_qs, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const Pdf pdf = readPdf(out);
    EXPECT_EQ(pdf.pages, 6); // cover, summary, three detail pages, conditions
    EXPECT_NEAR(pdf.width, 595.3, 1);

    // Cover: the client at (220, 1200) after its leading space, the total at y 1940.
    const QList<Word> client = pdf.named(u"港北ビルマネジメント"_qs, 1);
    ASSERT_EQ(client.size(), 1);
    EXPECT_NEAR(client[0].yMin, points(1200), 1.5);
    const QList<Word> company = pdf.named(u"株式会社"_qs, 1);
    ASSERT_FALSE(company.isEmpty());
    EXPECT_NEAR(company[0].xMin, points(220), 8); // after the leading space
    const QList<Word> total = pdf.named(u"5,247,000"_qs, 1);
    ASSERT_EQ(total.size(), 2); // the total under the client and the table's amount
    EXPECT_NEAR(total[0].yMin, points(1940), 1.5);
    EXPECT_NEAR(total[1].yMin, points(4575), 1.5);

    // Summary page: item names at x 255 from slot 1 down; amounts end on one right edge.
    const QList<Word> first = pdf.named(u"1.電灯設備工事"_qs, 2);
    ASSERT_EQ(first.size(), 1);
    EXPECT_NEAR(first[0].xMin, points(255), 0.5);
    EXPECT_NEAR(first[0].yMin, points(665), 1.5);
    QList<double> rightEdges;
    for (const Word &w : pdf.words)
        if (w.page == 2 && w.xMin > points(3550) && w.xMax < points(4100) && w.text.contains(u','))
            rightEdges.append(w.xMax);
    ASSERT_GE(rightEdges.size(), 10);
    for (double edge : rightEdges)
        EXPECT_NEAR(edge, rightEdges[0], 0.1);

    // Detail pages: an item heading and a line with its specification in the next column.
    const QList<Word> heading = pdf.named(u"1-1.照明器具設置工事"_qs, 3);
    ASSERT_EQ(heading.size(), 1);
    EXPECT_NEAR(heading[0].yMin, points(665), 1.5);
    const QList<Word> line = pdf.named(u"LEDダウンライト"_qs, 3);
    ASSERT_EQ(line.size(), 1);
    EXPECT_NEAR(line[0].xMin, points(255), 0.5);
    EXPECT_FALSE(pdf.named(u"内訳"_qs, 4).isEmpty());
    EXPECT_FALSE(pdf.named(u"見積条件項目"_qs, 6).isEmpty());
}

TEST(CliPrint, InvoiceAndTheOptionsOfTheWindow)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"i.pdf"_qs);
    const CliResult r = cli({u"print"_qs, sample, u"--pdf"_qs, out, u"--invoice"_qs, u"--pages"_qs, u"cover"_qs,
                       u"--set"_qs, u"TForm5.Edit7=1000000"_qs, u"--set"_qs, u"TForm5.Edit3=9"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const Pdf pdf = readPdf(out);
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_FALSE(pdf.named(u"請求担当"_qs).isEmpty());
    EXPECT_FALSE(pdf.named(u"1,000,000"_qs).isEmpty());   // the amount typed into the window
    EXPECT_FALSE(pdf.named(u"1,100,000－"_qs).isEmpty()); // with the sample's 10 % tax
    EXPECT_FALSE(pdf.named(u"9"_qs).isEmpty());           // the invoice year

    const QString bare = dir.filePath(u"bare.pdf"_qs);
    ASSERT_EQ(cli({u"print"_qs, sample, u"--pdf"_qs, bare, u"--pages"_qs, u"summary,detail"_qs, u"--no-amounts"_qs,
                   u"--paper"_qs, u"B5"_qs})
                  .exitCode,
              0);
    const Pdf noAmounts = readPdf(bare);
    EXPECT_EQ(noAmounts.pages, 4); // the summary and three detail pages
    EXPECT_NEAR(noAmounts.width, 515.9, 1); // JIS B5 keeps the A4 layout unscaled
    EXPECT_NEAR(noAmounts.height, 728.5, 1);
    EXPECT_TRUE(noAmounts.named(u"5,247,000"_qs).isEmpty());
    EXPECT_FALSE(noAmounts.named(u"総"_qs).isEmpty());
}

TEST(CliPrint, AnEmptySizeIsTheWarningExitOneAndNoFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"q.pdf"_qs);
    const CliResult r = cli({u"print"_qs, sample, u"--pdf"_qs, out, u"--set"_qs, u"ComboBox2="_qs});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"情報不足で印刷出来ませんでした。"_qs)) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST(CliPrint, BadUsageExitsWithTwo)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"q.pdf"_qs);
    const QList<QStringList> cases = {
        {u"print"_qs, sample},
        {u"print"_qs, sample, u"--pdf"_qs, out, u"--pages"_qs, u"cover,back"_qs},
        {u"print"_qs, sample, u"--pdf"_qs, out, u"--paper"_qs, u"A3"_qs},
        {u"print"_qs, sample, u"--pdf"_qs, out, u"--set"_qs, u"TForm5.Edit9=1"_qs},
        {u"print"_qs, u"/no/such.kas"_qs, u"--pdf"_qs, out},
    };
    for (const QStringList &args : cases) {
        EXPECT_EQ(cli(args).exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}
