#include "uitesting.h"

#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "storage/conditionscreen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ConditionScreenTest : public ::testing::Test
{
protected:
    ConditionScreenTest()
    {
        doc.conditions.setCell(2, 1, u"夜間作業は含みません。"_qs);
        doc.conditions.setCell(1, 2, u" ■"_qs);
        doc.conditions.setCell(2, 2, u"受電申請費用は別途です。"_qs);
        window.resize(1280, 800);
        screen = new ConditionScreen(doc, host, &window);
        screen->setGeometry(0, 0, 1280, 800);
        window.show();
        QApplication::setActiveWindow(&window);
        screen->open();
        grid = screen->findChild<QTableView *>(u"StringGrid8"_qs);
    }

    // A click on the cell of a condition row (1 to 45) and column.
    void clickCell(int row, int column)
    {
        const QRect rect = grid->visualRect(grid->model()->index(row - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void clickButton(const QString &name)
    {
        QTest::mouseClick(screen->findChild<QPushButton *>(name), Qt::LeftButton);
    }

    const QString &cell(int column, int row) const { return doc.conditions.cell(column, row); }

    EstimateDocument doc;
    ScriptedHost host;
    QWidget window;
    ConditionScreen *screen = nullptr;
    QTableView *grid = nullptr;
};

TEST_F(ConditionScreenTest, ListShowsTheConditionsUnderTheirTitles)
{
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 45);
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), u"条件項目"_qs);
    EXPECT_EQ(grid->columnWidth(0), 30);
    EXPECT_EQ(grid->columnWidth(1), 43);
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), u" ■"_qs);
}

TEST_F(ConditionScreenTest, PressingTheMarkCellTogglesIt)
{
    clickCell(1, 1);
    EXPECT_EQ(cell(1, 1), u" ■"_qs);
    clickCell(2, 1);
    EXPECT_TRUE(cell(1, 2).isEmpty());
    clickCell(2, 1);
    EXPECT_EQ(cell(1, 2), u" ■"_qs);
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), u" ■"_qs);
    // The mark column is never edited in place.
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(cell(1, 2), u" ■"_qs);
}

TEST_F(ConditionScreenTest, TextsAreWrittenInPlace)
{
    clickCell(3, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, u"地中配管は別途です。"_qs, {});
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view commits the text after the key
    EXPECT_EQ(cell(2, 3), u"地中配管は別途です。"_qs);
}

TEST_F(ConditionScreenTest, ClearButtonsAndClose)
{
    clickButton(u"Button87"_qs); // 適用ALL_CLEAR
    EXPECT_EQ(cell(1, 2), u" "_qs);
    EXPECT_EQ(cell(2, 2), u"受電申請費用は別途です。"_qs);
    clickButton(u"Button88"_qs); // ALL_CLEAR
    EXPECT_EQ(cell(2, 2), u" "_qs);
    EXPECT_EQ(grid->model()->index(1, 2).data().toString(), u" "_qs);

    QSignalSpy closed(screen, &ConditionScreen::closed);
    clickButton(u"Button83"_qs);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

} // namespace
