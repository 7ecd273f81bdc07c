#include "../core/itemfixture.h"
#include "uitesting.h"

#include "calculator/tdentakukun.h"
#include "entry/entryopenings.h"
#include "entry/tform2.h"
#include "estimate/columns.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The data entry window with the calculator beside it, as the program wires them.
struct EntryWithCalculator : ItemFixture {
    QTemporaryDir programFolder;
    TForm2 form2{doc, host};
    Tdentakukun calc{doc, host};

    EntryWithCalculator()
    {
        setItems({{1, u"電灯設備工事"}});
        for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
            doc.items.setCell(c, 1, u"100"_qs);
        doc.roumutanka = 20000;
        choose(1);
        doc.koumokumei = doc.controls.Label18.text;
        doc.strFilePath = programFolder.path() + u'/';
        QFile ini(programFolder.filePath(u"zeiritu.ini"_qs));
        ini.open(QIODevice::WriteOnly);
        ini.write("SOL-VARA\r\n10\r\n");
        ini.close();
        form2.setCalculator(&calc, [this] { calc.showModal(); });
        calc.setCopyTarget([this](const QString &value) { return form2.takeCalculatorCopy(value); });
    }

    void clickCalculator(const QString &captions)
    {
        for (const QString &caption : captions.split(u' ', Qt::SkipEmptyParts))
            for (QPushButton *b : calc.findChildren<QPushButton *>())
                if (b->text() == caption && b->isVisible())
                    QTest::mouseClick(b, Qt::LeftButton);
    }
};

} // namespace

// The quantity of a new line worked out on the calculator opened from the data entry window:
// "コピー" puts it into the quantity being entered, onto the clipboard, and closes the calculator.
TEST(EntryCalculator, CopyFillsTheFieldBeingEntered)
{
    EntryWithCalculator w;
    EntryForm &f = w.form2.form();
    f.Edit1 = u"107"_qs;
    f.Edit2 = u"01"_qs;
    f.Edit3 = u"02"_qs;
    f.Edit4 = u"03"_qs;
    f.Edit5 = u"0000"_qs;
    f.ComboBox5 = u"ダウンライト"_qs;
    f.ComboBox6 = u"台"_qs;
    f.Edit11 = u"8900"_qs;
    f.Edit12 = u"0.3"_qs;
    entryopenings::openNewLine(f, w.doc);
    bool calculatorShown = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            calculatorShown = w.calc.isVisible() && w.calc.isModal();
            w.clickCalculator(u"2 ✕ 6 ＝ コピー"_qs);
        });
        QTest::mouseClick(w.form2.findChild<QPushButton *>(u"Button28"_qs), Qt::LeftButton);
        EXPECT_FALSE(w.calc.isVisible());
        EXPECT_EQ(w.form2.findChild<QLineEdit *>(u"Edit9"_qs)->text(), u"12"_qs);
        QTest::mouseClick(w.form2.findChild<QPushButton *>(u"Button14"_qs), Qt::LeftButton); // 登録
    });
    w.form2.showEntry();
    EXPECT_TRUE(calculatorShown);
    EXPECT_EQ(w.host.clipboard, u"12"_qs);
    ASSERT_EQ(w.doc.st1count, 1);
    EXPECT_EQ(w.doc.lines.cell(linecol::Quantity, 1), u"12"_qs);
}
