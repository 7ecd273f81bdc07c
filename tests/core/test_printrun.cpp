#include "output/printrun.h"

#include "base/scriptedhost.h"
#include "output/pdfoutput.h"
#include "printfixture.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// A compiled sheet of one item: three summary rows and a short detail block.
struct RunFixture : PrintFixture {
    ScriptedHost host;
    RunFixture()
    {
        doc.irow1 = 3;
        doc.irow2 = 8;
        doc.sougoukei = 1000;
        row(1, {{7, u"1.電灯"_qs}, {11, u"1"_qs}, {13, u"式"_qs}, {20, u"1000"_qs}});
        row(3, {{7, u"総　合　計"_qs}, {11, u"1"_qs}, {13, u"式"_qs}, {20, u"1000"_qs}});
        row(4, {{0, u"A1"_qs}, {7, u"1.電灯"_qs}});
        row(5, {{1, u"1"_qs}, {7, u"照明"_qs}, {11, u"1"_qs}, {13, u"台"_qs}, {20, u"1000"_qs}});
        row(7, {{7, u"合　　計"_qs}, {20, u"1000"_qs}});
        applyConditions(1);
    }
};

} // namespace

TEST(PrintRun, PagesInOrderWithABreakBetweenKinds)
{
    struct Case { bool cover, summary, detail, conditions; int pages; } cases[] = {
        {true, true, true, true, 4}, {false, true, true, false, 2}, {false, false, false, true, 1},
        {true, false, false, false, 1}, {false, false, false, false, 1},
    };
    for (const Case &c : cases) {
        RunFixture f;
        f.options.CheckBox1 = c.cover;
        f.options.CheckBox2 = c.summary;
        f.options.CheckBox3 = c.detail;
        f.options.CheckBox4 = c.conditions;
        printrun::drawPages(f.job(), f.canvas);
        EXPECT_EQ(f.canvas.page, c.pages) << c.cover << c.summary << c.detail << c.conditions;
        if (c.summary) {
            EXPECT_EQ(f.canvas.find(u"大項目 - 1 / 1"_qs)->page, c.cover ? 2 : 1);
        }
        if (c.conditions) {
            EXPECT_EQ(f.canvas.find(u"条件書 - 1 / 1"_qs)->page, c.pages);
        }
        if (!c.cover && !c.summary && !c.detail && !c.conditions) {
            EXPECT_TRUE(f.canvas.calls.empty());
        }
    }
}

TEST(PrintRun, ScaleOfThePrintUnits)
{
    EXPECT_EQ(printrun::scaleFor(600), 1.0);
    EXPECT_EQ(printrun::scaleFor(1200), 2.0);
    EXPECT_EQ(printrun::scaleFor(720), 1.0); // whole factors from 600 up
    EXPECT_EQ(printrun::scaleFor(300), 0.5); // below, the page keeps its size
}

TEST(PrintRun, NothingWithoutLinesAndAMessageBeforeCompilation)
{
    RunFixture f;
    f.doc.st1count = 0;
    EXPECT_FALSE(printrun::ready(f.doc, f.host));
    EXPECT_TRUE(f.host.messages.isEmpty());
    f.doc.st1count = 3;
    f.doc.irow1 = 0;
    EXPECT_FALSE(printrun::ready(f.doc, f.host));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(f.host.messages[0].text.contains(u"見積書表示"_qs));
}

TEST(PrintRun, PaperAndResolutionOnTheDevice)
{
    ensureGuiApplication();
    for (auto paper : {QPageSize::JisB5, QPageSize::Letter}) {
        RunFixture f;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(paper));
        writer.setPageOrientation(QPageLayout::Landscape);
        EXPECT_TRUE(printrun::print(f.doc, f.host, f.options, writer));
        EXPECT_EQ(writer.pageLayout().pageSize().id(), paper == QPageSize::JisB5 ? QPageSize::JisB5 : QPageSize::A4);
        EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_EQ(f.doc.controls.Label1.text, u"600 [DPI]"_qs);
        EXPECT_EQ(f.doc.patan, 0);
        EXPECT_TRUE(buffer.data().startsWith("%PDF"));
    }
}

TEST(PrintRun, AnEmptySizeEndsTheRunWithTheWarningAndNoFile)
{
    ensureGuiApplication();
    const struct { QString Settings::*field; const char16_t *value; } bad[] = {
        {&Settings::ComboBox2, u""}, {&Settings::ComboBox31, u"x"}, {&Settings::ComboBox48, u" "}};
    for (const auto &b : bad) {
        RunFixture f;
        f.doc.settings.*b.field = QString::fromUtf16(b.value);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"out.pdf"_qs);
        EXPECT_FALSE(pdfoutput::write(f.doc, f.host, f.options, path));
        ASSERT_EQ(f.host.messages.size(), 1);
        EXPECT_EQ(f.host.messages[0].text, u"情報不足で印刷出来ませんでした。"_qs);
        EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Warning);
        EXPECT_EQ(f.host.messages[0].buttons, int(Host::Yes));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_EQ(f.doc.patan, 0);
    }
    // A sheet cell that does not read as a number where an amount is printed.
    RunFixture f;
    f.row(5, {{20, u"1,000"_qs}});
    QTemporaryDir dir;
    EXPECT_FALSE(pdfoutput::write(f.doc, f.host, f.options, dir.filePath(u"x.pdf"_qs)));
    EXPECT_EQ(f.host.messageTexts(), QStringList{u"情報不足で印刷出来ませんでした。"_qs});
}

TEST(PrintRun, AFileThatCannotBeWrittenIsNamed)
{
    ensureGuiApplication();
    RunFixture f;
    const QString path = u"/nonexistent-folder/out.pdf"_qs;
    EXPECT_FALSE(pdfoutput::write(f.doc, f.host, f.options, path));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(f.host.messages[0].text.contains(path));
}

namespace {

struct PdfWord {
    int page;
    QString text;
    double x, y;
    bool operator<(const PdfWord &o) const { return std::tie(page, text, y, x) < std::tie(o.page, o.text, o.y, o.x); }
};

// The words of a PDF with the top left corner of each, in points, as pdftotext -bbox reads them,
// ordered by page, text and position.
std::vector<PdfWord> wordsOf(const QString &path)
{
    QProcess p;
    p.start(u"pdftotext"_qs, {u"-bbox"_qs, path, u"-"_qs});
    p.waitForFinished(30000);
    static const QRegularExpression tag(
        uR"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"_qs);
    std::vector<PdfWord> words;
    int page = 0;
    for (const QRegularExpressionMatch &m : tag.globalMatch(QString::fromUtf8(p.readAllStandardOutput()))) {
        if (m.captured(1).isEmpty())
            ++page;
        else
            words.push_back({page, m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    std::sort(words.begin(), words.end());
    return words;
}

} // namespace

TEST(PrintRun, TwelveHundredDotsGiveTheSamePhysicalLayout)
{
    ensureGuiApplication();
    QTemporaryDir dir;
    std::vector<PdfWord> layouts[2];
    const int resolutions[] = {600, 1200};
    for (int i = 0; i < 2; ++i) {
        RunFixture f;
        const QString path = dir.filePath(u"r%1.pdf"_qs.arg(resolutions[i]));
        QPdfWriter writer(path);
        writer.setResolution(resolutions[i]);
        ASSERT_TRUE(printrun::print(f.doc, f.host, f.options, writer));
        EXPECT_EQ(f.doc.controls.Label2.text, u"%1 [DPI]"_qs.arg(resolutions[i]));
        layouts[i] = wordsOf(path);
    }
    ASSERT_GT(layouts[0].size(), 50u);
    ASSERT_EQ(layouts[0].size(), layouts[1].size());
    for (size_t w = 0; w < layouts[0].size(); ++w) {
        const PdfWord &a = layouts[0][w], &b = layouts[1][w];
        EXPECT_EQ(a.text.toStdString(), b.text.toStdString());
        EXPECT_EQ(a.page, b.page);
        // Every text starts at the same place; glyph advances are whole device dots, so a word
        // further along a text may shift by a fraction of a millimetre.
        EXPECT_NEAR(a.x, b.x, 1.5) << a.text.toStdString();
        EXPECT_NEAR(a.y, b.y, 0.2) << a.text.toStdString();
    }
}
