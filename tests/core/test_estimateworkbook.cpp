#include "sheetfixture.h"
#include "workbooktesting.h"

#include "estimate/views.h"
#include "export/exporting.h"
#include "export/exportprogress.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using S = CellFormat;

// An estimate of a few items and lines, compiled, exported through the main window's command.
struct EstimateWorkbook : SheetFixture {
    WrittenBook written;
    ExportProgress progress;

    EstimateWorkbook()
    {
        const int first = addItem(u"1.電灯設備工事"_qs);
        addLine(first, {.name = u"LED照明器具"_qs, .price = 12000, .quantity = 3, .labour = 5400});
        addLine(first, {.name = u"スイッチ"_qs, .price = 800, .quantity = 10, .labour = 3000, .painting = 120});
        doc.items.setCell(itemcol::LabourSubmission, first, u"80"_qs);
    }

    // Runs the export into a file of the written book's folder; false when nothing was saved.
    bool run(const QString &name = u"out.xlsx"_qs)
    {
        const QString path = written.dir.filePath(name);
        host.saveNames = {path};
        if (!exporting::Button81Click(doc, host, progress))
            return false;
        auto opened = XlsxBook::open(path);
        EXPECT_TRUE(opened.ok());
        written.book = opened.value();
        return true;
    }
};

TEST(BasisList, ListsEveryLineWithLiveFormulas)
{
    EstimateWorkbook f;
    views::itemView(f.doc, f.host);
    ASSERT_EQ(f.doc.controls.Button81.text, u"積算根拠出力");
    ASSERT_TRUE(f.run());
    EXPECT_EQ(f.host.savePresets, QStringList{u"積算根拠一覧表"_qs});
    EXPECT_EQ(f.written.book->sheetNames().size(), 4);
    XlsxSheet &s = f.written.sheet(u"積算根拠一覧表"_qs);

    EXPECT_EQ(textAt(s, u"G1"), u"品名");
    EXPECT_EQ(textAt(s, u"Y1"), u"労務費提出率");
    EXPECT_EQ(textAt(s, u"Z1"), u"提出労務費"); // the heading replaces the formula
    EXPECT_EQ(textAt(s, u"AO1"), u"提出雑材消耗品費");
    EXPECT_EQ(textAt(s, u"B2"), u"107010101"); // the code stays text
    EXPECT_EQ(s.result(2, 2).kind, FormulaValue::Text);
    EXPECT_EQ(textAt(s, u"G3"), u"スイッチ");
    EXPECT_EQ(textAt(s, u"Y2"), u"80");
    EXPECT_EQ(formulaAt(s, u"Z2"), u"=X2*(Y2/100)");
    EXPECT_EQ(s.storedValue(2, 26).number, 4320);
    EXPECT_EQ(formulaAt(s, u"AE3"), u"=AC3*(AD3/100)");
    EXPECT_EQ(s.storedValue(3, 31).number, 120);
    EXPECT_EQ(styleAt(s, u"X2").numberFormat, u"#,##0");
    const CellFormat g2 = styleAt(s, u"G2");
    EXPECT_EQ(g2.fontSize, 10);
    EXPECT_TRUE(g2.shrink);
    EXPECT_EQ(columnWidthOf(s, 3), 0); // C to F hidden
    EXPECT_EQ(f.host.openedDocuments.size(), 1);
    EXPECT_EQ(f.progress.maximum(), f.doc.st1count);
}

TEST(BasisList, ARateThatIsNotANumberStopsWithTheConversionMessage)
{
    EstimateWorkbook f;
    views::itemView(f.doc, f.host);
    f.doc.items.setCell(itemcol::LabourSubmission, 1, u"八十"_qs);
    EXPECT_FALSE(f.run());
    ASSERT_FALSE(f.host.messages.isEmpty());
    EXPECT_TRUE(f.host.messages.last().text.contains(u"八十"));
    EXPECT_TRUE(f.host.saveNames.size() == 1); // never asked where to save
    EXPECT_FALSE(QFileInfo::exists(f.written.dir.filePath(u"out.xlsx"_qs)));
}

TEST(EstimateWorkbookExport, RefusesWithoutItemLinesOrCompiledSheet)
{
    struct Case {
        std::function<void(EstimateWorkbook &)> change;
        const char16_t *message;
    } cases[] = {
        {[](EstimateWorkbook &f) { f.doc.controls.Label18.text.clear(); }, u"項目を入力してください！"},
        {[](EstimateWorkbook &f) { f.doc.lines.setCell(7, 1, QString()); }, u"データーを入力してください！"},
        {[](EstimateWorkbook &) {}, u"見積書表示で見積書を作成してから変換してください。"},
    };
    for (const Case &c : cases) {
        EstimateWorkbook f;
        c.change(f);
        EXPECT_FALSE(f.run());
        EXPECT_EQ(f.host.messageTexts(), QStringList{QString::fromUtf16(c.message)});
        EXPECT_EQ(f.host.beeps, 1);
        EXPECT_FALSE(QFileInfo::exists(f.written.dir.filePath(u"out.xlsx"_qs)));
    }
}

TEST(QuotationWorkbook, CoverCarriesHeaderTotalAndGreeting)
{
    struct Case {
        QString greeting, a7, a8;
        QString number, l2;
        bool tax;
        QString b10;
    } cases[] = {
        {QString(22, u'あ'), QString(22, u'あ'), {}, {}, u" No.           "_qs, true, u"1,234,567 (税込)"_qs},
        {QString(22, u'あ') + QString(22, u'い') + QString(6, u'う'), QString(22, u'あ'), QString(22, u'い'),
         u"R8-1201"_qs, u"No.R8-1201"_qs, false, u"1,234,567"_qs},
    };
    for (const Case &c : cases) {
        EstimateWorkbook f;
        ASSERT_TRUE(f.compile());
        f.doc.sougoukei = 1234567;
        f.doc.settings.Edit30 = c.greeting;
        f.doc.settings.Edit28 = c.number;
        f.doc.settings.CheckBox14 = c.tax;
        f.doc.settings.Edit22 = u"港北ビル"_qs;
        f.doc.settings.Edit60 = u"改修工事"_qs;
        ASSERT_TRUE(f.run());
        EXPECT_EQ(f.host.savePresets, QStringList{u"港北ビル改修工事"_qs});
        EXPECT_EQ(f.written.book->sheetNames(), (QStringList{u"鏡"_qs, u"総括表"_qs, u"内訳書"_qs, u"条件書"_qs}));
        XlsxSheet &s = f.written.sheet(u"鏡"_qs);
        EXPECT_EQ(textAt(s, u"A7"), c.a7);
        EXPECT_EQ(textAt(s, u"A8"), c.a8);
        EXPECT_EQ(textAt(s, u"L2"), c.l2);
        EXPECT_EQ(textAt(s, u"B10"), c.b10);
        EXPECT_EQ(textAt(s, u"J24"), u"1234567");
        EXPECT_EQ(styleAt(s, u"J24").numberFormat, u"#,##0");
        EXPECT_EQ(textAt(s, u"A17"), c.tax ? u"その他の条件"_qs : f.doc.settings.Edit14);
        EXPECT_EQ(textAt(s, u"A12"), u"工  事  名 　港北ビル");
        EXPECT_EQ(textAt(s, u"B13"), u" 改修工事");
        EXPECT_TRUE(mergesOf(s).contains(u"K17:L19"));
        EXPECT_TRUE(mergesOf(s).contains(u"A1:N1"));
        EXPECT_EQ(styleAt(s, u"A1").fontSize, 22);
        EXPECT_EQ(styleAt(s, u"A10").edges[S::Bottom], S::Thin);
        EXPECT_EQ(styleAt(s, u"B22").edges[S::Left], S::Hairline);
        EXPECT_EQ(styleAt(s, u"J17").edges[S::Left], S::Hairline); // the spare column of the box
        EXPECT_NEAR(rowHeightOf(s, 1), 57.6, 0.01);
        EXPECT_EQ(rowBreaksOf(s), std::vector<int>{37});
        EXPECT_EQ(f.progress.maximum(), 45);
    }
}

TEST(QuotationWorkbook, SummarySkipsThePageHeadersAndMarksLevels)
{
    EstimateWorkbook f;
    for (int k = 2; k <= 40; ++k) {
        const int item = f.addItem(u"%1.工事%1"_qs.arg(k), 1);
        f.addLine(item, {.name = u"材料%1"_qs.arg(k), .price = 1500});
    }
    const int sub = f.addItem(u"40-1.小工事"_qs, 2);
    f.addLine(sub, {.name = u"小材料"_qs, .price = 1500});
    ASSERT_TRUE(f.compile());
    ASSERT_TRUE(f.run());
    XlsxSheet &s = f.written.sheet(u"総括表"_qs);
    // Page 1 holds rows 3 to 36; page 2 starts with its heading at row 40 and data at 41.
    EXPECT_EQ(textAt(s, u"B3"), f.at(7, 1));
    EXPECT_EQ(textAt(s, u"B36"), f.at(7, 34));
    EXPECT_EQ(textAt(s, u"B40"), u"工 事 区 分 ／ 工 種 名 称");
    EXPECT_EQ(textAt(s, u"B41"), f.at(7, 35));
    EXPECT_TRUE(textAt(s, u"B37").isEmpty());

    int sheetRow = 0;
    for (int r = 3; r <= 80 && !sheetRow; ++r)
        if (s.text(r, 2).contains(u"小工事"))
            sheetRow = r;
    ASSERT_GT(sheetRow, 40);
    const QString amount = u"F%1"_qs.arg(sheetRow);
    EXPECT_EQ(styleAt(s, amount).numberFormat, u"\\<#,###\\>");
    EXPECT_EQ(styleAt(s, amount).fontSize, 8);
    EXPECT_EQ(styleAt(s, u"F3").numberFormat, u"#,###");
    EXPECT_EQ(styleAt(s, u"F3").fontSize, 10);
}

TEST(QuotationWorkbook, ConditionsRunOntoASecondPage)
{
    EstimateWorkbook f;
    for (int r = 1; r <= 37; ++r) {
        f.doc.conditions.setCell(1, r, u" ■"_qs);
        f.doc.conditions.setCell(2, r, u"条件%1"_qs.arg(r));
    }
    f.doc.conditions.setCell(1, 2, u" "_qs); // not chosen
    ASSERT_TRUE(f.compile());
    ASSERT_TRUE(f.run());
    XlsxSheet &s = f.written.sheet(u"条件書"_qs);
    EXPECT_EQ(textAt(s, u"C3"), u"    ■ 条件1");
    EXPECT_EQ(textAt(s, u"C4"), u"    ■ 条件3");
    EXPECT_EQ(textAt(s, u"C35"), u"    ■ 条件34");
    EXPECT_EQ(textAt(s, u"C40"), u"    ■ 条件35");
    EXPECT_TRUE(textAt(s, u"C39").startsWith(u"見積条件項目　／　"));
    EXPECT_NEAR(rowHeightOf(s, 140), 21.75, 0.01);

    // 34 conditions also reach row 40, so their second page is framed too.
    EstimateWorkbook f34;
    for (int r = 1; r <= 34; ++r)
        f34.doc.conditions.setCell(1, r, u" ■"_qs);
    ASSERT_TRUE(f34.compile());
    ASSERT_TRUE(f34.run());
    XlsxSheet &s34 = f34.written.sheet(u"条件書"_qs);
    EXPECT_TRUE(textAt(s34, u"C40").startsWith(u"    ■ "));
    EXPECT_TRUE(textAt(s34, u"C39").startsWith(u"見積条件項目　／　"));

    EstimateWorkbook one;
    one.doc.conditions.setCell(1, 1, u" ■"_qs);
    ASSERT_TRUE(one.compile());
    ASSERT_TRUE(one.run());
    XlsxSheet &single = one.written.sheet(u"条件書"_qs);
    EXPECT_TRUE(textAt(single, u"C39").isEmpty());
    EXPECT_LT(rowHeightOf(single, 71), 0);
}

TEST(QuotationWorkbook, BreakdownWrapsLongNamesAndLeavesOutZeroRows)
{
    EstimateWorkbook f;
    f.addLine(1, {.name = u"ケーブルラック用の非常に長い名称の材料です"_qs, .price = 100});
    ASSERT_TRUE(f.compile());
    ASSERT_TRUE(f.run());
    XlsxSheet &s = f.written.sheet(u"内訳書"_qs);
    EXPECT_EQ(textAt(s, u"B2"), u"品　　名");
    bool wrapped = false, plain = false;
    for (int r = 3; r <= 37; ++r) {
        const QString name = s.text(r, 2);
        if (name.startsWith(u"ケーブルラック用の非常に長い")) {
            wrapped = true;
            EXPECT_EQ(name, u"ケーブルラック用の非常に長い\r\n名称の材料です");
            EXPECT_TRUE(s.style(r, 2).wrap);
            EXPECT_EQ(s.style(r, 2).fontSize, 8);
        }
        if (name == u"スイッチ") {
            plain = true;
            EXPECT_EQ(s.text(r, 4), u"10");
            EXPECT_EQ(s.text(r, 6), u"800");
            EXPECT_EQ(s.text(r, 7), u"8000");
            EXPECT_TRUE(s.style(r, 2).shrink);
        }
    }
    EXPECT_TRUE(wrapped);
    EXPECT_TRUE(plain);
}

} // namespace
