// The window system's pop-up menu of a CMenu: the user's keys choose a command, inside a nested
// pop-up too; a greyed command cannot be chosen.

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/app.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

class MenuPopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(nullptr, "Menu", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(10, 10, 310, 250)));
        wxYield();
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 1, "&One");
        menu.AppendMenu(MF_STRING | MF_GRAYED, 2, "&Two");
        CMenu inner;
        inner.CreatePopupMenu();
        inner.AppendMenu(MF_STRING, 11, "&Eleven");
        inner.AppendMenu(MF_STRING, 12, "T&welve");
        menu.AppendPopup(inner, "&Inner");
    }
    void TearDown() override { frame.DestroyWindow(); }

    // Shows the menu and presses the keys once it is up; the command chosen.
    UINT Choose(std::initializer_list<int> keys) {
        wxTimer timer;
        timer.Bind(wxEVT_TIMER, [keys](wxTimerEvent&) {
            wxUIActionSimulator user;
            for (int key : keys) {
                user.Char(key);
                wxMilliSleep(50);
            }
        });
        timer.StartOnce(400);
        CRect rect;
        frame.GetWindowRect(&rect);
        return static_cast<UINT>(
            menu.TrackPopupMenu(TPM_RETURNCMD, rect.left + 40, rect.top + 60, &frame));
    }

    CFrameWnd frame;
    CMenu menu;
};

TEST_F(MenuPopupTest, KeysChooseACommandInsideANestedPopUpAndPassAGreyedOne) {
    EXPECT_EQ(Choose({WXK_DOWN, WXK_RETURN}), 1u);
    // Down from One passes the greyed Two to the pop-up.
    EXPECT_EQ(Choose({WXK_DOWN, WXK_DOWN, WXK_RIGHT, WXK_DOWN, WXK_RETURN}), 12u);
    EXPECT_EQ(Choose({WXK_ESCAPE}), 0u);
}

} // namespace
