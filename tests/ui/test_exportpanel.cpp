#include "../core/itemfixture.h"
#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "uitesting.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The main window with two items and three lines, answering through a scripted host.
struct ExportWindow {
    ScriptedHost host;
    TForm1 form{QString::fromUtf8(SOLVARA_PROGRAM_DATA), QString(), &host};

    ExportWindow()
    {
        form.show();
        ItemFixture f;
        f.setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        for (const char16_t *name : {u"ケーブル", u"ボックス", u"分電盤"})
            f.addLine(2, QString::fromUtf16(name));
        for (int r = 1; r <= 3; ++r) {
            f.doc.lines.setCell(linecol::Quantity, r, QString::number(r * 10));
            f.doc.lines.setCell(linecol::Price, r, u"1000"_qs);
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

    QWidget *child(const char16_t *name) const
    {
        QWidget *w = form.findChild<QWidget *>(QString::fromUtf16(name));
        EXPECT_NE(w, nullptr) << QString::fromUtf16(name).toStdString();
        return w;
    }
    void click(const char16_t *name) const
    {
        QTest::mouseClick(qobject_cast<QPushButton *>(child(name)), Qt::LeftButton);
    }
    bool shown(const char16_t *name) const { return child(name)->isVisible(); }
    QString caption(const char16_t *name) const { return qobject_cast<QPushButton *>(child(name))->text(); }
};

TEST(ExportPanel, CoverOpensAndTheViewsCloseItAgain)
{
    ExportWindow w;
    EXPECT_TRUE(w.shown(u"Panel80"));
    EXPECT_FALSE(w.shown(u"Panel72"));
    EXPECT_FALSE(w.shown(u"StringGrid9"));
    EXPECT_FALSE(w.shown(u"Panel95"));
    w.click(u"Button97");
    EXPECT_FALSE(w.shown(u"Panel80"));
    EXPECT_TRUE(w.shown(u"Button81"));
    EXPECT_TRUE(w.host.sounds.last().endsWith(u"SW06.wav"));
    EXPECT_FALSE(w.child(u"Button94")->isEnabled());

    w.click(u"Button12");
    EXPECT_TRUE(w.shown(u"Panel80"));
    EXPECT_EQ(w.caption(u"Button81"), u"積算根拠出力");
    w.click(u"Button97");
    w.click(u"Button16");
    EXPECT_TRUE(w.shown(u"Panel80"));
    EXPECT_EQ(w.caption(u"Button81"), u"見積書出力");
    EXPECT_TRUE(w.child(u"Button94")->isEnabled());
}

TEST(ExportPanel, ButtonsWriteTheWorkbooksAndCoverThemselves)
{
    ExportWindow w;
    QTemporaryDir dir;
    struct Step {
        const char16_t *view, *button, *file;
    } steps[] = {
        {u"Button12", u"Button81", u"basis.xlsx"},
        {u"Button16", u"Button81", u"quotation.xlsx"},
        {u"Button16", u"Button94", u"cost.xlsx"},
        {u"Button16", u"tallyExportButton", u"tally.xlsx"},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(QString::fromUtf16(s.file).toStdString());
        w.click(s.view);
        w.click(u"Button97");
        const QString path = dir.filePath(QString::fromUtf16(s.file));
        w.host.saveNames = {path};
        w.click(s.button);
        EXPECT_TRUE(QFileInfo::exists(path)) << w.host.messageTexts().join(u' ').toStdString();
        EXPECT_EQ(w.host.openedDocuments.last(), path);
        EXPECT_TRUE(w.shown(u"Panel80"));
        EXPECT_FALSE(w.shown(u"Panel72"));
    }
    // The tally export leaves its grid filled.
    EXPECT_GT(w.form.document().tally.rowCount(), 1);
    EXPECT_EQ(w.form.document().tally.cell(3, 0), u"品名");
}

} // namespace
