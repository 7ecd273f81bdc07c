#include "../core/itemfixture.h"
#include "app/tform1.h"
#include "base/scriptedhost.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
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
