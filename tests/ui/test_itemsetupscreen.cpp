#include "core/itemfixture.h"
#include "uitesting.h"

#include "items/header.h"
#include "items/itemsetupscreen.h"
#include "items/itemtreeview.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The setup screen over a stand-in main window, with an estimate built in code.
class ItemSetupScreenTest : public ::testing::Test, public ItemFixture
{
protected:
    ItemSetupScreenTest()
    {
        window.resize(1280, 800);
        screen = new ItemSetupScreen(doc, host, &window);
        screen->setGeometry(0, 0, 1280, 800);
        window.show();
    }

    template<typename W = QWidget>
    W *find(const QString &name)
    {
        return uitesting::child<W>(*screen, name);
    }

    void click(const QString &button) { uitesting::click(*screen, button); }

    // Types into the name box as a user would (Japanese text arrives as one key event).
    void typeName(const QString &text)
    {
        auto *edit = find<QLineEdit>(u"Edit1"_qs);
        edit->setFocus();
        edit->selectAll();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, {});
    }

    ItemTreeView *tree() { return find<ItemTreeView>(u"TreeView1"_qs); }

    QStringList treeCaptions()
    {
        QStringList captions;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            captions.append((*it)->text(0));
        return captions;
    }

    // A left click on the node with that display index.
    void clickNode(int index)
    {
        QTreeWidgetItemIterator it(tree());
        for (int i = 0; i < index; ++i)
            ++it;
        const QRect rect = tree()->visualItemRect(*it);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QWidget window;
    ItemSetupScreen *screen = nullptr;
};

TEST_F(ItemSetupScreenTest, OpensOverTheWindowAndRegistersNamesTypedOrPicked)
{
    screen->open();
    ASSERT_TRUE(screen->isVisible());
    EXPECT_EQ(doc.controls.Button14.text, u"閉じる"_qs);

    typeName(u"電灯設備工事"_qs);
    click(u"Button5"_qs);
    // Enter in the name box registers too, and beeps after it.
    typeName(u"幹線設備工事"_qs);
    QTest::keyClick(find<QLineEdit>(u"Edit1"_qs), Qt::Key_Return);
    EXPECT_EQ(host.beeps, 1);
    // A double-click on a standard name registers it.
    auto *names = find<QListWidget>(u"ListBox1"_qs);
    ASSERT_EQ(names->count(), 30);
    const QRect third = names->visualItemRect(names->item(2));
    uitesting::doubleClick(names->viewport(), third.center());

    EXPECT_EQ(treeCaptions(),
              (QStringList{u"1.電灯設備工事"_qs, u"2.幹線設備工事"_qs, u"3.低圧引込設備工事"_qs}));
    EXPECT_EQ(doc.tree_count, 3);
    EXPECT_TRUE(find<QLineEdit>(u"Edit1"_qs)->text().isEmpty());

    // An empty name box only beeps.
    click(u"Button5"_qs);
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(doc.tree_count, 3);
}

TEST_F(ItemSetupScreenTest, RenamingAChosenItemCarriesItsLinesAlong)
{
    setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
    addLine(2, u"VVF1.6-2C"_qs);
    screen->open();

    clickNode(1);
    EXPECT_EQ(find<QPushButton>(u"Button5"_qs)->text(), u"↓編集登録"_qs);
    EXPECT_TRUE(find(u"Panel83"_qs)->isVisible());
    EXPECT_EQ(find<QLineEdit>(u"Edit1"_qs)->text(), u"動力設備工事"_qs);

    typeName(u"幹線・動力設備工事"_qs);
    click(u"Button5"_qs);
    EXPECT_EQ(treeCaptions(), (QStringList{u"1.電灯設備工事"_qs, u"2.幹線・動力設備工事"_qs}));
    EXPECT_EQ(lineColumn(linecol::Item), QStringList{u"2.幹線・動力設備工事"_qs});
    EXPECT_EQ(find<QPushButton>(u"Button5"_qs)->text(), u"↓ 登録"_qs);
    EXPECT_FALSE(find(u"Panel83"_qs)->isVisible());

    // "キャンセル" leaves edit mode without renaming.
    clickNode(0);
    click(u"Button116"_qs);
    EXPECT_EQ(find<QPushButton>(u"Button5"_qs)->text(), u"↓ 登録"_qs);
    EXPECT_EQ(item(1), u"1.電灯設備工事"_qs);
}

TEST_F(ItemSetupScreenTest, MoveButtonsRelevelAndReorderTheChosenItem)
{
    setItems({{1, u"受変電設備工事"}, {1, u"幹線設備工事"}, {1, u"電灯設備工事"}});
    screen->open();

    clickNode(2);
    click(u"Button9"_qs); // →
    EXPECT_EQ(treeCaptions(),
              (QStringList{u"1.受変電設備工事"_qs, u"2.幹線設備工事"_qs, u"2-1.電灯設備工事"_qs}));
    EXPECT_EQ(tree()->topLevelItemCount(), 2);

    click(u"Button8"_qs); // ▲ below a shallower item outdents
    EXPECT_EQ(levels(), (QStringList{u"1"_qs, u"1"_qs, u"1"_qs}));
    click(u"Button8"_qs); // ▲ at the same level swaps
    EXPECT_EQ(names(), (QStringList{u"1.受変電設備工事"_qs, u"2.電灯設備工事"_qs, u"3.幹線設備工事"_qs}));
    EXPECT_EQ(tree()->selectedIndex(), 1); // the moved item stays chosen

    click(u"Button7"_qs); // ▼
    EXPECT_EQ(names(), (QStringList{u"1.受変電設備工事"_qs, u"2.幹線設備工事"_qs, u"3.電灯設備工事"_qs}));

    clickNode(0);
    const int beeps = host.beeps;
    click(u"Button8"_qs); // ▲ on the first item
    click(u"Button9"_qs); // → on the first item
    EXPECT_EQ(host.beeps, beeps + 2);
}

TEST_F(ItemSetupScreenTest, DeletingAnItemWithLinesAsksFirst)
{
    setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
    addLine(1, u"LED照明器具"_qs);
    screen->open();
    clickNode(0);

    host.answers = {Host::No};
    click(u"Button6"_qs);
    ASSERT_EQ(host.messageTexts(), QStringList{u"データーが有りますが削除しますか？"_qs});
    EXPECT_EQ(doc.tree_count, 2);
    EXPECT_EQ(doc.st1count, 1);

    // The tree's pop-up offers the same delete.
    host.answers = {Host::Yes};
    QTest::mouseClick(tree()->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    auto *remove = screen->findChild<QAction *>(u"N30"_qs);
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->text(), u"削除"_qs);
    EXPECT_EQ(tree()->selectedIndex(), 0); // the right button did not move the choice
    remove->trigger();
    EXPECT_EQ(treeCaptions(), QStringList{u"1.動力設備工事"_qs});
    EXPECT_EQ(doc.st1count, 0);
}

TEST_F(ItemSetupScreenTest, ClosingChecksTheHeaderThenHidesTheScreen)
{
    setItems({{1, u"電灯設備工事"}});
    screen->open();
    clickNode(0);
    QSignalSpy closed(screen, &ItemSetupScreen::closed);

    click(u"Button3"_qs);
    EXPECT_EQ(host.messageTexts().value(0), u"提出先を入力してください。"_qs);
    EXPECT_TRUE(screen->isVisible());

    // The quick fill on the client label, then a job title picked from the reference list.
    uitesting::doubleClick(find(u"ClientLabel"_qs));
    doc.settings.Edit22.clear();
    doc.notifyChanged();
    click(u"Button103"_qs);
    auto *list = find<QListWidget>(u"ListBox2"_qs);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(find<QPushButton>(u"Button103"_qs)->text(), u"閉じる"_qs);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(find<QLineEdit>(u"Edit22"_qs)->text(), u"改修工事"_qs);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(find<QPushButton>(u"Button103"_qs)->text(), u"参照"_qs);

    find<QLineEdit>(u"Edit29"_qs)->setFocus();
    QTest::sendKeyEvent(QTest::Click, find<QLineEdit>(u"Edit29"_qs), Qt::Key_unknown, u"山田電機"_qs, {});
    // A double-click on the tree closes with the checks; its second release is no new choice.
    QTreeWidgetItemIterator first(tree());
    uitesting::doubleClick(tree()->viewport(), tree()->visualItemRect(*first).center());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(doc.controls.Button5.text, u"↓ 登録"_qs);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(doc.settings.Edit29, u"山田電機"_qs);
    EXPECT_EQ(doc.controls.Button14.text, u"項目設定"_qs);
    EXPECT_EQ(doc.koumokumei, u"1.電灯設備工事"_qs);
}

TEST_F(ItemSetupScreenTest, HeaderTodayClearAndEnter)
{
    doc.gengou = u"令和"_qs;
    doc.settings.Edit25 = u"3"_qs;
    screen->open();
    click(u"Button124"_qs);
    const QDate now = QDate::currentDate();
    EXPECT_EQ(find<QLabel>(u"Label56"_qs)->text(), u"令和"_qs);
    EXPECT_EQ(find<QLineEdit>(u"Edit25"_qs)->text(), header::eraYear(now.year()));
    EXPECT_EQ(find<QLineEdit>(u"Edit26"_qs)->text(), QString::number(now.month()));
    EXPECT_EQ(find<QLineEdit>(u"Edit27"_qs)->text(), QString::number(now.day()));

    uitesting::doubleClick(find<QLineEdit>(u"Edit26"_qs));
    EXPECT_TRUE(doc.settings.Edit26.isEmpty());
    EXPECT_TRUE(find<QLineEdit>(u"Edit26"_qs)->text().isEmpty());

    // Enter in the client name goes on to the job title.
    QApplication::setActiveWindow(&window);
    find<QLineEdit>(u"Edit29"_qs)->setFocus();
    QTest::keyClick(find<QLineEdit>(u"Edit29"_qs), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find(u"Edit22"_qs));
}

} // namespace
