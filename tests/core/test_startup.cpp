#include "app/startup.h"

#include <gtest/gtest.h>

TEST(Startup, WindowSizeFollowsTheScreenAndTheWidthOption)
{
    struct Case {
        bool fullWidth;
        QSize screen;
        QSize expected;
    };
    const Case cases[] = {
        {false, {1920, 1080}, {1580, 783}},
        {true, {1920, 1080}, {1920, 783}},
        {false, {1600, 1000}, {1580, 725}},
        // A screen narrower than the design width: the window fits it, whatever the option.
        {false, {1366, 768}, {1366, 768}},
        {false, {1280, 720}, {1280, 720}},
        {true, {1280, 1024}, {1280, 742}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(startup::windowSize(c.fullWidth, c.screen), c.expected)
            << c.screen.width() << "x" << c.screen.height() << " full width " << c.fullWidth;
}
