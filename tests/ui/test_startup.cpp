#include "uitesting.h"

#include "app/tform1.h"

#include <gtest/gtest.h>

TEST(MainWindow, StartsWithTheVersionCaption)
{
    TForm1 form(uitesting::programData(), QString());
    EXPECT_EQ(form.windowTitle(), u"電気工事積算ソフト/SOL-VARAの箱- Ver6.16"_qs);
    EXPECT_EQ(form.document().buttonsw, 0);
}
