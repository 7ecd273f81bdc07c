#include "uitesting.h"

#include "app/startup.h"
#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "estimate/settingsscreen.h"
#include "items/itemsetupscreen.h"
#include "items/itemtreeview.h"
#include "storage/conditionscreen.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The window as it looks once the pending layout work is done.
QPixmap shot(QWidget &window)
{
    QCoreApplication::processEvents();
    return window.grab();
}

} // namespace

// Pictures of the screens at 1280 x 800 for looking at the layout; runs only when
// SOLVARA_SCREENSHOT_DIR names a folder to write them to.
TEST(Screenshots, OverlayScreens)
{
    const QString dir = qEnvironmentVariable("SOLVARA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set SOLVARA_SCREENSHOT_DIR to write the pictures";
    QDir().mkpath(dir);

    // The sample estimate, opened as the program opens it.
    EstimateDocument doc;
    ScriptedHost host;
    const QString folder = startup::programFolder(uitesting::programData());
    ASSERT_TRUE(startup::initialize(doc, host, folder, QDate::currentDate()));
    ASSERT_TRUE(startup::openStartFile(doc, host, folder + u"sample.kas"_qs));
    QWidget window;
    window.resize(1280, 800);
    SettingsScreen settings(doc, host, &window);
    settings.setGeometry(0, 0, 1280, 800);
    window.show();
    settings.open();
    auto *tabs = settings.findChild<QTabBar *>(u"TabControl1"_qs);
    for (int i = 0; i < 3; ++i) {
        tabs->setCurrentIndex(i);
        EXPECT_TRUE(shot(window).save(dir + u"/settings-tab%1.png"_qs.arg(i)));
    }
    // The smallest main window the program makes.
    window.resize(1280, 720);
    settings.setGeometry(0, 0, 1280, 720);
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(shot(window).save(dir + u"/settings-tab0-720.png"_qs));
    window.resize(1280, 800);
    settings.hide();

    ConditionScreen conditions(doc, host, &window);
    conditions.setGeometry(0, 0, 1280, 800);
    conditions.open();
    EXPECT_TRUE(shot(window).save(dir + u"/conditions.png"_qs));
    conditions.hide();

    ItemSetupScreen items(doc, host, &window);
    items.setGeometry(0, 0, 1280, 800);
    items.open();
    auto *tree = items.findChild<ItemTreeView *>(u"TreeView1"_qs);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(1)).center());
    EXPECT_TRUE(shot(window).save(dir + u"/items.png"_qs));
    QTest::mouseClick(items.findChild<QPushButton *>(u"Button96"_qs), Qt::LeftButton);
    EXPECT_TRUE(shot(window).save(dir + u"/items-clients.png"_qs));
    QTest::mouseClick(items.findChild<QPushButton *>(u"Button96"_qs), Qt::LeftButton);
    QTest::mouseClick(items.findChild<QLabel *>(u"Label56"_qs), Qt::LeftButton);
    QTest::mouseClick(items.findChild<QPushButton *>(u"Button153"_qs), Qt::LeftButton);
    EXPECT_TRUE(shot(window).save(dir + u"/items-era.png"_qs));
}
