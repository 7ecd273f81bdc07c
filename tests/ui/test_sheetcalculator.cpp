#include "uitesting.h"

#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "calculator/tdentakukun.h"
#include "estimate/columns.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString programData()
{
    return QString::fromUtf8(SOLVARA_PROGRAM_DATA);
}

// The main window on the sample estimate (its sheet shown) with the calculator beside it, as the
// program creates them.
struct SheetWithCalculator {
    ScriptedHost host;
    TForm1 form{programData(), programData() + u"/sample.kas"_qs, &host};
    Tdentakukun calc{form.document(), host};
    QTableView *sheet = nullptr;

    SheetWithCalculator()
    {
        form.setCompanions(nullptr, &calc);
        form.show();
        QApplication::setActiveWindow(&form);
        sheet = form.findChild<QTableView *>(u"StringGrid6"_qs);
    }

    EstimateDocument &doc() { return form.document(); }

    // The centre of a sheet cell (sheet rows count from the title row 0).
    QPoint centre(int column, int row) const
    {
        sheet->scrollTo(sheet->model()->index(row - 1, column));
        return sheet->visualRect(sheet->model()->index(row - 1, column)).center();
    }

    // The sheet row that shows the line named `name`.
    int rowNamed(const QString &name) const
    {
        for (int r = 1; r < doc().sheet.rowCount(); ++r)
            if (doc().sheet.cell(sheetcol::Name, r) == name)
                return r;
        return 0;
    }
    const EstimateDocument &doc() const { return const_cast<TForm1 &>(form).document(); }

    int lineOf(int sheetRow) const { return doc().sheet.cell(sheetcol::No, sheetRow).toInt(); }

    // Clicks calculator keys by caption once it is open, then "入力" (or closes it when `enter` is
    // false); records the caption of the percent key as it was shown.
    void typeOnCalculator(const QString &keys, QString *percentCaption = nullptr, bool enter = true)
    {
        QTimer::singleShot(0, [=, this] {
            EXPECT_TRUE(calc.isVisible());
            EXPECT_TRUE(calc.isModal());
            if (percentCaption)
                *percentCaption = calc.findChild<QPushButton *>(u"Button73"_qs)->text();
            for (const QString &caption : keys.split(u' ', Qt::SkipEmptyParts))
                for (QPushButton *b : calc.findChildren<QPushButton *>())
                    if (b->text() == caption && b->isVisible())
                        QTest::mouseClick(b, Qt::LeftButton);
            if (enter)
                QTest::mouseClick(calc.findChild<QPushButton *>(u"Button1"_qs), Qt::LeftButton);
            else
                calc.reject();
        });
    }
};

TEST(SheetCalculator, DoubleClickOnALineRateTypesItOnTheCalculator)
{
    SheetWithCalculator w;
    const int row = w.rowNamed(u"LEDダウンライト"_qs);
    ASSERT_GT(row, 0);
    const int line = w.lineOf(row);
    QString percent;
    w.typeOnCalculator(u"9 0"_qs, &percent);
    uitesting::doubleClick(w.sheet->viewport(), w.centre(sheetcol::SubmissionRate, row));
    EXPECT_EQ(percent, u"工数"_qs);
    EXPECT_EQ(w.doc().lines.cell(linecol::Submission, line), u"90"_qs);
    const int after = w.rowNamed(u"LEDダウンライト"_qs);
    EXPECT_EQ(w.doc().sheet.cell(sheetcol::SubmissionRate, after), u"90"_qs);
    EXPECT_EQ(w.doc().sheet.cell(sheetcol::Submitted, after), u"128160"_qs); // 16 × 8900 × 90 %
    EXPECT_EQ(w.doc().kidou, 1);
    EXPECT_FALSE(w.calc.isVisible());
}

TEST(SheetCalculator, DragOverTheCompressionRateFillsTheLines)
{
    SheetWithCalculator w;
    const int from = w.rowNamed(u"LED誘導灯"_qs);
    const int to = w.rowNamed(u"LED非常用照明器具"_qs);
    ASSERT_EQ(to, from + 1);
    const int first = w.lineOf(from), second = w.lineOf(to);
    w.typeOnCalculator(u"5 0"_qs);
    QTest::mousePress(w.sheet->viewport(), Qt::LeftButton, {}, w.centre(sheetcol::CompressionRate, to));
    QTest::mouseRelease(w.sheet->viewport(), Qt::LeftButton, {}, w.centre(sheetcol::CompressionRate, from));
    EXPECT_EQ(w.doc().lines.cell(linecol::Compression, first), u"50"_qs);
    EXPECT_EQ(w.doc().lines.cell(linecol::Compression, second), u"50"_qs);
    EXPECT_EQ(w.doc().sheet.cell(sheetcol::Compressed, w.rowNamed(u"LED誘導灯"_qs)), u"76000"_qs); // 4 × 38000 × 50 %

    // Closed without a value: nothing changes.
    w.typeOnCalculator(u"7 0"_qs, nullptr, false);
    QTest::mousePress(w.sheet->viewport(), Qt::LeftButton, {}, w.centre(sheetcol::CompressionRate, from));
    QTest::mouseRelease(w.sheet->viewport(), Qt::LeftButton, {}, w.centre(sheetcol::CompressionRate, to));
    EXPECT_EQ(w.doc().lines.cell(linecol::Compression, first), u"50"_qs);
    EXPECT_TRUE(w.host.messages.isEmpty());
}

TEST(SheetCalculator, DerivedAmountOnTheLabourRowKeepsThePercentKey)
{
    SheetWithCalculator w;
    const int row = w.rowNamed(u"労 務 費"_qs);
    ASSERT_GT(row, 0);
    const int item = w.doc().sheet.cell(sheetcol::No, row).toInt();
    QString percent;
    w.typeOnCalculator(u"7 0 0 0 0 0"_qs, &percent);
    uitesting::doubleClick(w.sheet->viewport(), w.centre(sheetcol::Compressed, row));
    EXPECT_EQ(percent, u"％"_qs);
    // 700000 ÷ (675668 ÷ 85)
    EXPECT_EQ(w.doc().items.cell(itemcol::LabourCompression, item), u"88.0610003729642"_qs);
}

TEST(SheetCalculator, DentakuShowsTheFreeCalculator)
{
    SheetWithCalculator w;
    QTest::mouseClick(w.form.findChild<QPushButton *>(u"dentakuButton"_qs), Qt::LeftButton);
    EXPECT_TRUE(w.calc.isVisible());
    EXPECT_FALSE(w.calc.isModal());
    // The main window still takes clicks: the calculator does not block it.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(&w.calc, Qt::Key_Escape);
    EXPECT_FALSE(w.calc.isVisible());

    // Afterwards the sheet still opens it in input mode.
    const int row = w.rowNamed(u"LED誘導灯"_qs);
    w.typeOnCalculator(u"6 5"_qs);
    QTest::mousePress(w.sheet->viewport(), Qt::LeftButton, {}, w.centre(sheetcol::SubmissionRate, row));
    QTest::mouseRelease(w.sheet->viewport(), Qt::LeftButton, {}, w.centre(sheetcol::SubmissionRate, row + 1));
    EXPECT_EQ(w.doc().lines.cell(linecol::Submission, w.lineOf(row)), u"65"_qs);
}

// "NET提示率を変更する": the keypad asks for the rate over the settings screen, which closes again
// and leaves the new rate in the NET captions.
TEST(SheetCalculator, NetRateChangeFromThePopupMenu)
{
    SheetWithCalculator w;
    w.host.keypadAnswers = {u"90"_qs};
    auto *net2 = w.form.findChild<QAction *>(u"NET2"_qs);
    ASSERT_NE(net2, nullptr);
    net2->trigger();
    EXPECT_EQ(w.host.keypadShown.size(), 1);
    EXPECT_EQ(w.doc().settings.Edit56, u"90"_qs);
    EXPECT_FALSE(w.form.findChild<QWidget *>(u"Panel23"_qs)->isVisible());
    EXPECT_EQ(net2->text(), u"NET提示率 90% を変更する"_qs);
    EXPECT_TRUE(w.doc().controls.NET1.text.contains(u"4,720,000"_qs)) << w.doc().controls.NET1.text.toStdString();
}

} // namespace
