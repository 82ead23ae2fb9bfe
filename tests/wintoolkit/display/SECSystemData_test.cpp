#include "platform/ui/SystemSettings.h"
#include "wintoolkit/display/SECSystemData.h"

#include <gtest/gtest.h>

TEST(SECSystemData, WindowsFourBordersAndClassicColoursBeforeAnyWindow) {
    EXPECT_TRUE(secData.bWin4);
    EXPECT_EQ(secData.cxBorder2, 2);
    EXPECT_EQ(secData.cyBorder2, 2);
    EXPECT_EQ(secData.clrBtnFace, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(secData.clrWindowFrame, GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(secData.hcurHSize, nullptr);
    EXPECT_EQ(secData.hcurVSize, nullptr);
    EXPECT_FALSE(secWorkbookMode);
}
