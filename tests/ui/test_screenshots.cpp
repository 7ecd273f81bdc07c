#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "estimate/settingsscreen.h"
#include "items/itemsetupscreen.h"
#include "storage/conditionscreen.h"

#include <QDir>
#include <QTabBar>

#include <gtest/gtest.h>

// Pictures of the screens at 1280 x 800 for looking at the layout; runs only when
// SOLVARA_SCREENSHOT_DIR names a folder to write them to.
TEST(Screenshots, OverlayScreens)
{
    const QString dir = qEnvironmentVariable("SOLVARA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set SOLVARA_SCREENSHOT_DIR to write the pictures";
    QDir().mkpath(dir);

    EstimateDocument doc;
    ScriptedHost host;
    QWidget window;
    window.resize(1280, 800);
    SettingsScreen settings(doc, host, &window);
    settings.setGeometry(0, 0, 1280, 800);
    window.show();
    settings.open();
    auto *tabs = settings.findChild<QTabBar *>(u"TabControl1"_qs);
    for (int i = 0; i < 3; ++i) {
        tabs->setCurrentIndex(i);
        EXPECT_TRUE(window.grab().save(dir + u"/settings-tab%1.png"_qs.arg(i)));
    }
    settings.hide();

    ConditionScreen conditions(doc, host, &window);
    conditions.setGeometry(0, 0, 1280, 800);
    conditions.open();
    EXPECT_TRUE(window.grab().save(dir + u"/conditions.png"_qs));
    conditions.hide();

    ItemSetupScreen items(doc, host, &window);
    items.setGeometry(0, 0, 1280, 800);
    items.open();
    EXPECT_TRUE(window.grab().save(dir + u"/items.png"_qs));
}
