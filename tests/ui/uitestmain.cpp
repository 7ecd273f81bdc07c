#include "output/fontfaces.h"
#include "widgets/scrollbarstyle.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests need one QApplication for the whole run (offscreen, see the test environment).
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fontfaces::install();
    QApplication::setStyle(new ScrollBarStyle); // as the program draws its windows
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
