#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "estimate/settingsscreen.h"
#include "output/printhandler.h"
#include "output/tform5.h"
#include "uitesting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString programData()
{
    return QString::fromUtf8(SOLVARA_PROGRAM_DATA);
}

// The main window on the sample estimate (its sheet compiled) with the print options window.
struct Printing {
    ScriptedHost host;
    TForm1 form{programData(), programData() + u"/sample.kas"_qs, &host};
    TForm5 options{form.document(), host, &form};

    Printing()
    {
        form.printing().setOptionsWindow(&options);
        form.show();
    }

    template<typename W = QWidget>
    W *child(QWidget *parent, const char16_t *name) const
    {
        W *w = parent->findChild<W *>(QString::fromUtf16(name));
        EXPECT_NE(w, nullptr) << QString::fromUtf16(name).toStdString();
        return w;
    }
    void click(QWidget *parent, const char16_t *name) const
    {
        QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
    }
    // Runs `inDialog` once the modal options window is up.
    void whenOptionsShown(std::function<void()> inDialog)
    {
        QTimer::singleShot(0, &options, [this, inDialog] {
            EXPECT_TRUE(options.isVisible());
            inDialog();
        });
    }
};

} // namespace

TEST(Printing, OptionsWindowQuotationAndInvoiceGroup)
{
    Printing p;
    TForm5 &w = p.options;
    w.show();
    EXPECT_EQ(w.windowTitle(), u"印刷フォーム"_qs);
    EXPECT_EQ(w.size(), QSize(660, 48));
    EXPECT_FALSE(p.child(&w, u"GroupBox1")->isVisible());
    EXPECT_TRUE(p.child<QCheckBox>(&w, u"CheckBox4")->isChecked()); // the sample applies conditions
    EXPECT_FALSE(p.child<QCheckBox>(&w, u"CheckBox5")->isChecked());

    p.click(&w, u"Button2");
    EXPECT_EQ(w.size(), QSize(650, 217));
    EXPECT_TRUE(p.child(&w, u"GroupBox1")->isVisible());
    EXPECT_FALSE(p.child(&w, u"Button1")->isVisible());
    EXPECT_EQ(p.child<QLineEdit>(&w, u"Edit2")->text(), p.form.document().settings.Edit29);
    EXPECT_EQ(p.child<QLineEdit>(&w, u"Edit1")->text(), u"    5,247,000"_qs);

    // Clicking the amount edits the plain number; Enter recalculates with the chosen rounding.
    QTest::mouseClick(p.child(&w, u"Edit1"), Qt::LeftButton);
    auto *amount = p.child<QLineEdit>(&w, u"Edit7");
    EXPECT_TRUE(amount->isVisible());
    amount->selectAll();
    QTest::keyClicks(amount, u"1234.5"_qs);
    p.click(&w, u"RadioButton2");
    QTest::keyClick(amount, Qt::Key_Return);
    EXPECT_FALSE(amount->isVisible());
    EXPECT_EQ(p.child<QLineEdit>(&w, u"Edit1")->text(), u"        1,234"_qs);
    EXPECT_EQ(p.child<QLineEdit>(&w, u"Edit9")->text(), u"        1,357"_qs);
    EXPECT_EQ(p.child<QLabel>(&w, u"Label9")->text(), u"※消費税率 10 ％"_qs);
    EXPECT_EQ(p.form.document().seikyu5, 1);

    p.click(&w, u"Button3");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(p.form.document().patan, 2);
    EXPECT_EQ(p.form.document().settings.Edit55, u"1234.5"_qs);
    EXPECT_EQ(w.size(), QSize(660, 48));
}

TEST(Printing, PrintToFileWritesThePagesChosen)
{
    Printing p;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.pdf"_qs);
    p.form.printing().printDialog = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    p.whenOptionsShown([&] {
        p.click(&p.options, u"CheckBox4"); // no conditions page
        p.click(&p.options, u"Button1");
    });
    p.click(&p.form, u"Button79");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // Cover, summary and the sample's three detail pages.
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 5);
    EXPECT_EQ(p.form.document().patan, 0);
    EXPECT_EQ(p.form.document().controls.Label1.text, u"600 [DPI]"_qs);
    EXPECT_TRUE(p.host.messages.isEmpty());
}

TEST(Printing, CancelledWindowOrDialogPrintsNothing)
{
    Printing p;
    int dialogs = 0;
    p.form.printing().printDialog = [&](QPrinter &) {
        ++dialogs;
        return false;
    };
    p.whenOptionsShown([&] { p.options.reject(); });
    p.click(&p.form, u"Button79");
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(p.host.beeps, 0);

    p.whenOptionsShown([&] { p.click(&p.options, u"Button1"); });
    p.click(&p.form, u"Button79");
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(p.host.beeps, 1); // the print dialog cancelled
    EXPECT_EQ(p.form.document().patan, 0);
}

TEST(Printing, SealPreviewFollowsTheNameAndTheSteps)
{
    Printing p;
    auto *settings = p.child<SettingsScreen>(&p.form, u"Panel23");
    settings->open();
    p.child<QTabBar>(&p.form, u"TabControl1")->setCurrentIndex(2);
    auto *preview = p.child<QLabel>(&p.form, u"Image1");
    auto image = [&] { return preview->pixmap().toImage(); };
    auto redPixels = [&] {
        const QImage img = image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += QColor(img.pixel(x, y)).red() > 200 && QColor(img.pixel(x, y)).green() < 120 ? 1 : 0;
        return n;
    };
    auto *name = p.child<QLineEdit>(&p.form, u"Edit61");
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    const int circleOnly = redPixels();
    EXPECT_GT(circleOnly, 0);

    name->setText(u"積算部"_qs);
    emit name->textEdited(name->text());
    QTest::keyRelease(name, Qt::Key_A);
    EXPECT_EQ(p.form.document().settings.Label167, u"26"_qs); // the three-character presets
    EXPECT_EQ(p.child<QComboBox>(&p.form, u"ComboBox47")->count(), 7);
    EXPECT_GT(redPixels(), circleOnly);

    const QImage before = image();
    p.click(&p.form, u"Button149"); // circle height + 1
    EXPECT_EQ(p.form.document().settings.Label173, u"22"_qs);
    EXPECT_EQ(p.child<QLabel>(&p.form, u"Label173")->text(), u"22"_qs);
    EXPECT_NE(image(), before);
}

TEST(Printing, SheetMenuCopiesTheDraggedRange)
{
    Printing p;
    EstimateDocument &doc = p.form.document();
    doc.nx6 = 7, doc.ny6 = 1, doc.ux6b = 20, doc.uy6b = 2;
    auto *menu = p.child<QMenu>(&p.form, u"PopupMenu3");
    for (QAction *a : menu->actions())
        if (a->objectName() == u"N38")
            a->trigger();
    const QStringList lines = p.host.clipboard.split(u"\r\n"_qs);
    ASSERT_EQ(lines.size(), 4); // titles, two rows, and the empty end after the last CR LF
    EXPECT_TRUE(lines[0].startsWith(u"品  名\t規  格\t数量\t単位"_qs));
    EXPECT_TRUE(lines[1].startsWith(u"1.電灯設備工事\t"_qs));
    EXPECT_TRUE(lines[1].endsWith(u"\t2044000"_qs));
    EXPECT_TRUE(lines[3].isEmpty());
}
