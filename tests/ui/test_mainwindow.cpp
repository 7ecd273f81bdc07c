#include "../core/itemfixture.h"
#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "uitesting.h"
#include "estimate/columns.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString programData()
{
    return QString::fromUtf8(SOLVARA_PROGRAM_DATA);
}

// The main window started as the program starts it, answering through a scripted host.
struct Window {
    ScriptedHost host;
    TForm1 form{programData(), QString(), &host};

    Window() { form.show(); }

    template<typename W = QWidget>
    W *child(const char16_t *name) const
    {
        W *w = form.findChild<W *>(QString::fromUtf16(name));
        EXPECT_NE(w, nullptr) << QString::fromUtf16(name).toStdString();
        return w;
    }
    void click(const char16_t *name) const { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QString text(const char16_t *name) const { return child<QPushButton>(name)->text(); }
    QString label(const char16_t *name) const { return child<QLabel>(name)->text(); }
    bool shown(const char16_t *name) const { return child(name)->isVisible(); }
    QColor colour(const char16_t *name) const { return child(name)->palette().color(QPalette::Window); }

    // Two items, the second holding three lines, as registration leaves them.
    void fill()
    {
        ItemFixture f;
        f.setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        f.addLine(2, u"ケーブル"_qs);
        f.addLine(2, u"ボックス"_qs);
        f.addLine(2, u"分電盤"_qs);
        for (int r = 1; r <= 3; ++r) {
            f.doc.lines.setCell(linecol::Quantity, r, QString::number(r * 10));
            f.doc.lines.setCell(linecol::Price, r, u"1000"_qs);
            f.doc.lines.setCell(linecol::Unit, r, u"個"_qs);
        }
        for (int item = 1; item <= 2; ++item)
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                f.doc.items.setCell(c, item, u"100"_qs);
        EstimateDocument &doc = form.document();
        doc.items = f.doc.items;
        doc.lines = f.doc.lines;
        doc.tree_count = f.doc.tree_count;
        doc.st1count = f.doc.st1count;
        doc.koumokumei = f.item(2);
        doc.nodrow = 2;
        doc.controls.Label18.text = f.item(2);
        form.refresh();
    }
};

std::vector<int> widths(const QTableView *grid, int first, int last)
{
    std::vector<int> out;
    for (int c = first; c <= last; ++c)
        out.push_back(grid->isColumnHidden(c) ? 0 : grid->columnWidth(c));
    return out;
}

} // namespace

TEST(MainWindow, CloseAsksToSaveUnsavedChangesAndCancelKeepsTheWindow)
{
    Window w;
    EXPECT_TRUE(w.form.close()); // nothing to save: no question
    EXPECT_TRUE(w.host.messages.isEmpty());

    w.form.show();
    w.fill();
    w.form.document().kidou = 1;
    w.host.answers = {Host::Cancel, Host::No};
    EXPECT_FALSE(w.form.close());
    EXPECT_TRUE(w.form.isVisible());
    ASSERT_EQ(w.host.messages.size(), 1);
    const ScriptedHost::Shown &q = w.host.messages.front();
    EXPECT_EQ(q.kind, Host::MessageKind::Question);
    EXPECT_EQ(q.caption, u"情報"_qs);
    EXPECT_EQ(q.text, u"終了前に保存しますか？"_qs);
    EXPECT_EQ(q.buttons, Host::Yes | Host::No | Host::Cancel);
    EXPECT_EQ(w.form.document().st1count, 3);

    EXPECT_TRUE(w.form.close()); // No: closes without saving
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_EQ(w.host.messages.size(), 2);
    EXPECT_TRUE(w.host.saveNames.empty());
}

TEST(MainWindow, ViewButtonsCycleTheCaptionsLabelAndColours)
{
    Window w;
    w.fill();
    EXPECT_TRUE(w.shown(u"StringGrid5"));
    EXPECT_FALSE(w.child<QPushButton>(u"Button11")->isEnabled());

    const QColor white(255, 255, 255), green(228, 254, 226), blue(0, 0, 255);
    const struct {
        const char16_t *caption;
        const char16_t *label;
        QColor panel;
    } steps[] = {
        {u"入力順", u"全体表示中(コード順)", white},
        {u"コード順", u"全体表示中(入力順)", green},
        {u"入力順", u"全体表示中(コード順)", white},
    };
    for (const auto &step : steps) {
        w.click(u"Button12");
        EXPECT_EQ(w.text(u"Button12"), QString::fromUtf16(step.caption));
        EXPECT_EQ(w.label(u"Label18"), QString::fromUtf16(step.label));
        EXPECT_EQ(w.colour(u"itemPanel"), step.panel);
        EXPECT_EQ(w.colour(u"viewIndicator"), blue);
        EXPECT_TRUE(w.shown(u"StringGrid1"));
        EXPECT_FALSE(w.shown(u"StringGrid5"));
        EXPECT_TRUE(w.child<QPushButton>(u"Button11")->isEnabled());
    }
    EXPECT_EQ(w.child<QTableView>(u"StringGrid1")->model()->rowCount(), 30);

    w.click(u"Button11");
    EXPECT_EQ(w.label(u"Label18"), w.form.document().koumokumei);
    EXPECT_EQ(w.text(u"Button12"), u"全体表示"_qs);
    EXPECT_TRUE(w.shown(u"StringGrid5"));
    EXPECT_FALSE(w.shown(u"StringGrid1"));
    EXPECT_FALSE(w.child<QPushButton>(u"Button11")->isEnabled());
    EXPECT_EQ(w.colour(u"viewIndicator"), QColor(255, 0, 0));
    const QAbstractItemModel *view = w.child<QTableView>(u"StringGrid5")->model();
    EXPECT_EQ(view->data(view->index(2, 7)).toString(), u"分電盤"_qs);

    // "見積書表示" compiles the sheet and shows it; the whole view starts its cycle again.
    w.click(u"Button16");
    EXPECT_EQ(w.host.silentStops, QStringList());
    EXPECT_EQ(w.host.messageTexts(), QStringList());
    EXPECT_TRUE(w.shown(u"StringGrid6"));
    EXPECT_FALSE(w.shown(u"StringGrid5"));
    EXPECT_FALSE(w.child<QPushButton>(u"Button16")->isEnabled());
    EXPECT_TRUE(w.child<QPushButton>(u"Button11")->isEnabled());
    EXPECT_EQ(w.text(u"Button12"), u"全体表示"_qs);
    EXPECT_EQ(w.colour(u"viewIndicator"), QColor(128, 0, 0));
    w.click(u"Button12");
    EXPECT_EQ(w.text(u"Button12"), u"入力順"_qs);
    EXPECT_FALSE(w.shown(u"StringGrid6"));
}

TEST(MainWindow, CodeColumnsOpenAndCloseOnEveryGrid)
{
    Window w;
    auto *lines = w.child<QTableView>(u"StringGrid1");
    auto *itemView = w.child<QTableView>(u"StringGrid5");
    auto *sheet = w.child<QTableView>(u"StringGrid6");
    const std::vector<int> closedLines(6, 0), closedSheet(7, 0);
    EXPECT_EQ(widths(lines, 1, 6), closedLines);
    EXPECT_EQ(w.text(u"Button54"), u"CODE　OPEN"_qs);

    w.click(u"Button54");
    EXPECT_EQ(w.text(u"Button54"), u"CODE  CLOSE"_qs);
    EXPECT_EQ(widths(lines, 1, 6), (std::vector<int>{200, 30, 24, 24, 24, 40}));
    EXPECT_EQ(widths(itemView, 1, 6), (std::vector<int>{0, 30, 24, 24, 24, 40}));
    EXPECT_EQ(widths(sheet, 0, 6), (std::vector<int>{0, 0, 30, 24, 24, 24, 40}));

    w.click(u"Button54");
    EXPECT_EQ(w.text(u"Button54"), u"CODE　OPEN"_qs);
    EXPECT_EQ(widths(lines, 1, 6), closedLines);
    EXPECT_EQ(widths(itemView, 1, 6), closedLines);
    EXPECT_EQ(widths(sheet, 0, 6), closedSheet);

    // The sheet's pop-up entries press the button only in the direction they name.
    w.child<QAction>(u"N14")->trigger();
    EXPECT_EQ(w.text(u"Button54"), u"CODE　OPEN"_qs);
    w.child<QAction>(u"N13")->trigger();
    w.child<QAction>(u"N13")->trigger();
    EXPECT_EQ(w.text(u"Button54"), u"CODE  CLOSE"_qs);
    EXPECT_EQ(widths(sheet, 2, 6), (std::vector<int>{30, 24, 24, 24, 40}));
}

TEST(MainWindow, CompressedAmountButtonsSetTheOptionAndTheNoticePanelCloses)
{
    Window w;
    w.click(u"Button53");
    EXPECT_TRUE(w.form.document().settings.CheckBox25);
    EXPECT_TRUE(w.child<QAbstractButton>(u"RadioButton5")->isChecked());
    w.click(u"Button154");
    EXPECT_FALSE(w.form.document().settings.CheckBox25);
    EXPECT_TRUE(w.child<QAbstractButton>(u"RadioButton6")->isChecked());

    w.form.document().controls.Panel94.visible = true;
    w.form.document().controls.Label149.text = u"社会保険料相当額が諸経費より大きいので自動計算できません。"_qs;
    w.form.refresh();
    EXPECT_TRUE(w.shown(u"Panel94"));
    EXPECT_EQ(w.label(u"Label149"), u"社会保険料相当額が諸経費より大きいので自動計算できません。"_qs);
    w.click(u"Button129");
    EXPECT_FALSE(w.shown(u"Panel94"));
}

TEST(MainWindow, DumpWidgetsListsTheNamedControlsOfEveryWindow)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    env.insert(u"SOLVARA_PROGRAM_DIR"_qs, programData());
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + u"/solvara"_qs, {u"--dump-widgets"_qs});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n');
    const QStringList expected = {
        u"TForm1\tTForm1\tQMainWindow\t1\t1\t電気工事積算ソフト/SOL-VARAの箱- Ver6.16"_qs,
        u"TForm1\tButton16\tQPushButton\t1\t1\t見積書表示"_qs,
        u"TForm1\tButton11\tQPushButton\t1\t0\t項目別表示"_qs,
        u"TForm1\tComboBox35\tQComboBox\t1\t1\t丸め自動"_qs,
        u"TForm1\tRadioButton6\tQRadioButton\t0\t1\t1"_qs,
        u"TForm1\tLabel163\tQLabel\t1\t1\tVer 6.16"_qs,
        u"TForm1\tPanel94\tQFrame\t0\t1\t"_qs,
        u"TForm1\tN25\tQAction\t1\t1\t先頭行へ移動"_qs,
        u"TForm1\tStringGrid6\tQTableView\t0\t1\t"_qs,
        u"Tdentakukun\tTdentakukun\tQDialog\t0\t1\tSOL-VARA_電卓"_qs,
    };
    for (const QString &line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    for (const QString &line : lines) {
        if (!line.isEmpty()) {
            EXPECT_EQ(line.count(u'\t'), 5) << line.toStdString();
        }
    }
}

TEST(MainWindow, SheetMouseChoosesItemsAndOffersTheRangeSumAfterADrag)
{
    Window w;
    w.fill();
    EstimateDocument &doc = w.form.document();
    doc.sheet.setRowCount(20);
    for (int r = 1; r <= 6; ++r) {
        doc.sheet.setCell(sheetcol::Name, r, u"ケーブル"_qs);
        doc.sheet.setCell(sheetcol::Compressed, r, QString::number(r * 1000));
        doc.sheet.setCell(sheetcol::ItemName, r, doc.items.cell(itemcol::Name, r % 2 + 1));
    }
    doc.controls.showSheet = true;
    doc.controls.showItemView = false;
    w.form.refresh();
    auto *sheet = w.child<QTableView>(u"StringGrid6");
    ASSERT_TRUE(sheet->isVisible());
    auto centre = [&](int column, int row) { return sheet->visualRect(sheet->model()->index(row - 1, column)).center(); };

    // A press on row 3 makes its item current; a drag from row 2 to row 5 of "圧縮金額".
    QTest::mousePress(sheet->viewport(), Qt::LeftButton, {}, centre(17, 3));
    EXPECT_EQ(w.label(u"Label18"), doc.items.cell(itemcol::Name, 2));
    QTest::mouseRelease(sheet->viewport(), Qt::LeftButton, {}, centre(17, 3));
    QTest::mousePress(sheet->viewport(), Qt::LeftButton, {}, centre(17, 2));
    QTest::mouseRelease(sheet->viewport(), Qt::LeftButton, {}, centre(17, 5));
    EXPECT_EQ(doc.ny6, 2);
    EXPECT_EQ(doc.uy6b, 5);

    QTest::mouseClick(sheet->viewport(), Qt::RightButton, {}, centre(17, 5));
    auto *menu = w.child<QMenu>(u"PopupMenu3");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(w.child<QAction>(u"N41")->isEnabled());
    menu->hide();

    // Without a drag there is nothing to add up.
    QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {}, centre(17, 4));
    QTest::mouseClick(sheet->viewport(), Qt::RightButton, {}, centre(17, 4));
    EXPECT_FALSE(w.child<QAction>(u"N41")->isEnabled());
    menu->hide();
}

TEST(MainWindow, PointerGuideLineFollowsThePointerOverTheGrid)
{
    Window w;
    auto *grid = w.child<QTableView>(u"StringGrid5");
    QTest::mouseMove(grid->viewport(), QPoint(200, 120));
    QWidget *guide = nullptr;
    for (QWidget *sibling : grid->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (sibling->isVisible() && sibling->height() == 2)
            guide = sibling;
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->y(), grid->y() + grid->viewport()->y() + 120 + 20);
    EXPECT_EQ(guide->width(), grid->width());
    EXPECT_EQ(guide->x(), grid->x());
}

TEST(MainWindow, SizeFollowsTheScreenAndTheSheetPriceColumnsGrowWithTheWindow)
{
    Window w;
    // The offscreen screen is at most 1280 wide: the window takes its width, and its height
    // divided by 1.38 (the whole height on a screen at most 768 high).
    const QSize screen = w.form.screen()->geometry().size();
    ASSERT_LE(screen.width(), 1280);
    EXPECT_EQ(w.form.width(), screen.width());
    EXPECT_EQ(w.form.height(), screen.height() <= 768 ? screen.height() : qRound(screen.height() / 1.38));

    w.fill();
    w.click(u"Button16");
    auto *sheet = w.child<QTableView>(u"StringGrid6");
    ASSERT_TRUE(sheet->isVisible());
    const QWidget *left = w.child(u"Panel8");
    for (const QSize size : {QSize(1580, 900), QSize(1280, 700), QSize(1920, 1000)}) {
        w.form.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(sheet->x(), left->x() + left->width() + 1);
        EXPECT_EQ(sheet->x() + sheet->width(), w.form.centralWidget()->width() - 5);
        EXPECT_EQ(sheet->height(), w.form.centralWidget()->height() - sheet->y() - 23);
        // The price columns grow alike from their design widths, and the last column ends at the
        // scroll bar: no empty strip, nothing hidden to the right.
        const std::vector<int> price = widths(sheet, 14, 21);
        const int e = price[0] - 70;
        EXPECT_EQ(price, (std::vector<int>{70 + e, 46, 70 + e, 85 + e, 46, 70 + e, 85 + e, price[7]}));
        EXPECT_GE(price[7] - 74 - e, 0);
        EXPECT_LT(price[7] - 74 - e, 6);
        int total = 0;
        for (int c = 0; c < sheet->model()->columnCount(); ++c)
            total += sheet->isColumnHidden(c) ? 0 : sheet->columnWidth(c);
        EXPECT_EQ(total, sheet->viewport()->width()) << size.width();
    }
}

TEST(MainWindow, SampleEstimateGivenOnTheCommandLineOpensOnTheSheet)
{
    ScriptedHost host;
    TForm1 form(programData(), programData() + u"/sample.kas"_qs, &host);
    form.show();
    const EstimateDocument &doc = form.document();
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(doc.buttonsw, 2);
    EXPECT_GT(doc.st1count, 0);
    EXPECT_EQ(doc.kidou, 0);
    EXPECT_EQ(form.windowTitle(), doc.settings.Edit22 + doc.settings.Edit60 + u" / SOL-VARAの箱"_qs);
    EXPECT_TRUE(form.windowTitle().startsWith(u"港北第二ビル電気設備改修工事"_qs));

    auto *sheet = form.findChild<QTableView *>(u"StringGrid6"_qs);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(form.findChild<QTableView *>(u"StringGrid1"_qs)->isVisible());
    EXPECT_FALSE(form.findChild<QTableView *>(u"StringGrid5"_qs)->isVisible());
    EXPECT_FALSE(form.findChild<QPushButton *>(u"Button16"_qs)->isEnabled());
    EXPECT_EQ(form.findChild<QWidget *>(u"viewIndicator"_qs)->palette().color(QPalette::Window), QColor(128, 0, 0));
    // The sheet shows what compilation wrote, the grand total among it.
    bool total = false;
    for (int r = 0; r < sheet->model()->rowCount(); ++r)
        total = total || sheet->model()->index(r, 7).data().toString() == u"総　合　計"_qs;
    EXPECT_TRUE(total);
}

TEST(MainWindow, CloseWithYesSavesFirstAndStaysOpenWhenTheSaveIsCancelled)
{
    ScriptedHost host;
    TForm1 form(programData(), programData() + u"/sample.kas"_qs, &host);
    form.show();
    form.document().kidou = 1;

    host.answers = {Host::Yes};
    host.saveNames = {std::nullopt}; // the save dialog cancelled: nothing saved, nothing lost
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());

    QTemporaryDir dir;
    const QString path = dir.filePath(u"estimate"_qs);
    host.answers = {Host::Yes};
    host.saveNames = {path};
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFileInfo::exists(path + u".kas"_qs));
    EXPECT_EQ(form.document().kidou, 0);
    EXPECT_EQ(host.savePresets.last(), u"港北第二ビル電気設備改修工事"_qs);
    EXPECT_EQ(host.dialogFilters.last(), u"kas|*.kas"_qs);
    EXPECT_TRUE(host.sounds.last().endsWith(u"SW06.wav"_qs));
}

TEST(MainWindow, ScreenButtonsOpenTheirScreensOverTheWholeWindow)
{
    Window w;
    w.fill();
    const struct {
        const char16_t *button;
        const char16_t *screen;
    } cases[] = {{u"Button46", u"Panel23"}, {u"Button82", u"Panel67"}, {u"Button14", u"GroupBox1"}};
    for (const auto &c : cases) {
        QWidget *screen = w.child(c.screen);
        EXPECT_FALSE(screen->isVisible());
        w.click(c.button);
        EXPECT_TRUE(screen->isVisible()) << QString::fromUtf16(c.screen).toStdString();
        EXPECT_EQ(screen->geometry(), w.form.centralWidget()->rect());
        screen->hide();
    }
    // The item label acts as "項目設定": it opens the setup screen and, pressed again, closes it.
    w.click(u"Button14");
    EXPECT_FALSE(w.shown(u"GroupBox1"));
    QTest::mouseClick(w.child<QLabel>(u"Label18"), Qt::LeftButton);
    EXPECT_TRUE(w.shown(u"GroupBox1"));
    EXPECT_EQ(w.text(u"Button14"), u"閉じる"_qs);
}

TEST(MainWindow, DoubleClickOnASummaryRateOpensTheSettingsAtItsField)
{
    ScriptedHost host;
    TForm1 form(programData(), programData() + u"/sample.kas"_qs, &host);
    form.show();
    QApplication::setActiveWindow(&form);
    auto *sheet = form.findChild<QTableView *>(u"StringGrid6"_qs);
    int row = -1;
    for (int r = 0; r < sheet->model()->rowCount() && row < 0; ++r)
        if (sheet->model()->index(r, 7).data().toString() == u"現場雑費"_qs)
            row = r;
    ASSERT_GE(row, 0);
    uitesting::doubleClick(sheet->viewport(), sheet->visualRect(sheet->model()->index(row, 18)).center());
    auto *settings = form.findChild<QWidget *>(u"Panel23"_qs);
    EXPECT_TRUE(settings->isVisible());
    QWidget *rate = settings->findChild<QWidget *>(u"Edit19"_qs);
    ASSERT_NE(rate, nullptr);
    EXPECT_EQ(form.focusWidget(), rate);
}
