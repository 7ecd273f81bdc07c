#include "uitesting.h"

#include "base/scriptedhost.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/settingsbinder.h"
#include "estimate/settingsscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The settings screen over a stand-in main window.
class SettingsScreenTest : public ::testing::Test
{
protected:
    SettingsScreenTest()
    {
        window.resize(1280, 800);
        screen = new SettingsScreen(doc, host, &window);
        screen->setGeometry(0, 0, 1280, 800);
        window.show();
        QApplication::setActiveWindow(&window);
        screen->open();
    }

    template<typename W = QWidget>
    W *find(const QString &name)
    {
        return uitesting::child<W>(window, name);
    }

    QLineEdit *edit(const QString &name) { return find<QLineEdit>(name); }
    bool checked(const QString &name) { return find<QCheckBox>(name)->isChecked(); }

    // Clicks into a field, replaces its text by typing, and leaves it for `next`.
    void type(const QString &name, const QString &text, const QString &next = {})
    {
        QTest::mouseClick(edit(name), Qt::LeftButton);
        typeWithoutClick(name, text, next);
    }

    // The same for a field reached with the keyboard.
    void typeWithoutClick(const QString &name, const QString &text, const QString &next = {})
    {
        QLineEdit *e = edit(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
        if (!next.isEmpty())
            edit(next)->setFocus();
    }

    EstimateDocument doc;
    ScriptedHost host;
    QWidget window;
    SettingsScreen *screen = nullptr;
};

TEST_F(SettingsScreenTest, SiteAndOverheadRatesOfZeroHideTheirRows)
{
    type(u"Edit19"_qs, QString(), u"Edit20"_qs);
    EXPECT_EQ(edit(u"Edit19"_qs)->text(), u"0"_qs); // an empty rate becomes 0 on leaving
    EXPECT_TRUE(checked(u"CheckBox3"_qs));

    type(u"Edit19"_qs, u"5"_qs);
    EXPECT_FALSE(checked(u"CheckBox3"_qs));
    EXPECT_EQ(doc.settings.Edit19, u"5"_qs);

    type(u"Edit20"_qs, u"0"_qs, u"Edit21"_qs);
    EXPECT_TRUE(checked(u"CheckBox4"_qs));

    // The rates take digits only.
    type(u"Edit21"_qs, u"2a2"_qs);
    EXPECT_EQ(edit(u"Edit21"_qs)->text(), u"22"_qs);
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(SettingsScreenTest, ExtraRowRateAndAmountExcludeEachOther)
{
    doc.sonota[0] = 80;
    type(u"Edit40"_qs, u"5000"_qs);
    QTest::mouseClick(find<QPushButton>(u"Button77"_qs), Qt::LeftButton); // "+/-"
    EXPECT_EQ(edit(u"Edit40"_qs)->text(), u"-5000"_qs);

    // Typing a rate empties the amount of the same row and resets its compression rate.
    typeWithoutClick(u"Edit36"_qs, u"10"_qs);
    EXPECT_EQ(edit(u"Edit36"_qs)->text(), u"10"_qs);
    EXPECT_TRUE(edit(u"Edit40"_qs)->text().isEmpty());
    EXPECT_EQ(doc.sonota[0], 100);

    // A click into the amount empties the rate; other rows stay as they are.
    doc.settings.Edit37 = u"3"_qs;
    doc.notifyChanged();
    QTest::mouseClick(edit(u"Edit40"_qs), Qt::LeftButton);
    EXPECT_TRUE(edit(u"Edit36"_qs)->text().isEmpty());
    EXPECT_EQ(edit(u"Edit37"_qs)->text(), u"3"_qs);

    // Client ③ is emptied by a double-click, the others stay.
    doc.settings.Edit46 = u"みなと工務店"_qs;
    doc.settings.Edit47 = u"山田建設"_qs;
    doc.notifyChanged();
    uitesting::doubleClick(edit(u"Edit47"_qs));
    EXPECT_TRUE(doc.settings.Edit47.isEmpty());
    EXPECT_EQ(doc.settings.Edit46, u"みなと工務店"_qs);
}

TEST_F(SettingsScreenTest, ChoosingARoundingModeOtherThanManualEmptiesTheManualAmounts)
{
    // The rounding mode list sits on the main window's top bar and is bound the same way.
    QWidget topBar;
    auto *mode = new QComboBox(&topBar);
    mode->setObjectName(u"ComboBox35"_qs);
    mode->addItems({u"丸め自動"_qs, u"100"_qs, u"1000"_qs, u"手動計算"_qs});
    SettingsBinder binder(doc, host, &topBar);

    type(u"Edit23"_qs, u"150000"_qs);
    type(u"Edit24"_qs, u"230000"_qs);
    mode->setCurrentIndex(2);
    QTest::keyClick(mode, Qt::Key_Down); // the user picks "手動計算"
    EXPECT_EQ(doc.settings.ComboBox35, u"手動計算"_qs);
    EXPECT_EQ(edit(u"Edit23"_qs)->text(), u"150000"_qs);
    QTest::keyClick(mode, Qt::Key_Up); // and then "1000"
    EXPECT_EQ(doc.settings.ComboBox35, u"1000"_qs);
    EXPECT_TRUE(edit(u"Edit23"_qs)->text().isEmpty());
    EXPECT_TRUE(edit(u"Edit24"_qs)->text().isEmpty());
}

TEST_F(SettingsScreenTest, ClosingAppliesTheRatesToEveryLine)
{
    // One line of 10 units at labour factor 1.
    doc.st1count = 1;
    for (const auto &[column, text] : {std::pair{linecol::No, u"1"}, {linecol::Kind, u"通常品"},
                                       {linecol::Quantity, u"10"}, {linecol::Price, u"1000"},
                                       {linecol::Factor, u"1"}})
        doc.lines.setCell(column, 1, QString::fromUtf16(text));
    QSignalSpy closed(screen, &SettingsScreen::closed);
    auto *close = find<QPushButton>(u"Button73"_qs);

    QTest::mouseClick(close, Qt::LeftButton);
    ASSERT_EQ(closed.count(), 1);
    const double before = doc.lines.cell(linecol::Labour, 1).toDouble();
    ASSERT_GT(before, 0);

    screen->open();
    type(u"Edit21"_qs, u"22000"_qs);
    EXPECT_EQ(doc.lines.cell(linecol::Labour, 1).toDouble(), before); // not before closing
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 2);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(doc.roumutanka, 22000);
    EXPECT_DOUBLE_EQ(doc.lines.cell(linecol::Labour, 1).toDouble(), before * 1.1);

    // A click empties the consumables rate; closing then fails and the screen stays.
    screen->open();
    QTest::mouseClick(edit(u"Edit18"_qs), Qt::LeftButton);
    EXPECT_TRUE(doc.settings.Edit18.isEmpty());
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(closed.count(), 2);
    EXPECT_EQ(host.messages.size(), 1);
}

TEST_F(SettingsScreenTest, StandardValuesAndSettingsFilesRoundTripThroughTheButtons)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    doc.strFilePath = folder.path() + u'/';
    auto press = [this](const QString &name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); };

    type(u"Edit21"_qs, u"23000"_qs);
    host.answers = {Host::Yes};
    press(u"Button74"_qs); // 基準値保存
    EXPECT_TRUE(QFile::exists(doc.strFilePath + u"setutei.kxt"_qs));
    EXPECT_TRUE(find(u"Label47"_qs)->isVisible());
    EXPECT_EQ(doc.roumutanka, 23000);

    type(u"Edit21"_qs, u"25000"_qs);
    host.saveNames = {folder.path() + u"/plan"_qs};
    press(u"Button135"_qs); // ファイル保存
    EXPECT_TRUE(QFile::exists(folder.path() + u"/plan.kxt"_qs));

    press(u"Button80"_qs); // 基準値読込
    EXPECT_EQ(edit(u"Edit21"_qs)->text(), u"23000"_qs);
    host.openNames = {folder.path() + u"/plan.kxt"_qs};
    press(u"Button136"_qs); // ファイル読込
    EXPECT_EQ(edit(u"Edit21"_qs)->text(), u"25000"_qs);
    EXPECT_EQ(doc.roumutanka, 25000);
}

TEST_F(SettingsScreenTest, OptionsSwitchTheOptionsThatFollowThem)
{
    // A click on the box itself (the control is wider than its caption).
    auto clickBox = [this](const QString &name) {
        auto *box = find<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    };
    EXPECT_FALSE(find<QCheckBox>(u"CheckBox22"_qs)->isEnabled());
    clickBox(u"CheckBox17"_qs);
    EXPECT_TRUE(doc.settings.CheckBox17);
    EXPECT_TRUE(find<QCheckBox>(u"CheckBox22"_qs)->isEnabled());

    clickBox(u"CheckBox8"_qs); // compound unit prices need materials by category
    EXPECT_TRUE(checked(u"CheckBox1"_qs));

    auto *noteOnly = find(u"RadioButton4"_qs);
    QTest::mouseClick(noteOnly, Qt::LeftButton, {}, QPoint(8, noteOnly->height() / 2));
    EXPECT_FALSE(doc.settings.RadioButton3);
    EXPECT_FALSE(checked(u"CheckBox3"_qs));
}

TEST_F(SettingsScreenTest, TabsShowTheirPages)
{
    auto *tabs = find<QTabBar>(u"TabControl1"_qs);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_TRUE(find(u"Panel26"_qs)->isVisible());
    EXPECT_FALSE(find(u"Label123"_qs)->isVisible());
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(find(u"Panel30"_qs)->isVisible());
    EXPECT_FALSE(find(u"Panel26"_qs)->isVisible());
    EXPECT_TRUE(find(u"Label123"_qs)->isVisible());
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(find(u"Panel59"_qs)->isVisible());
    EXPECT_FALSE(find(u"Label123"_qs)->isVisible());
    EXPECT_EQ(find(u"Image1"_qs)->size(), QSize(80, 77));
}

} // namespace
