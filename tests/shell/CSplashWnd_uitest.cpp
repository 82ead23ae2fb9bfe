// The splash window on a real display: its timer, and presses taken before any window sees them.

#include "res/Resources.h"
#include "shell/CSplashWnd.h"
#include "tests/platform/ui/UiTestEnvironment.h"

namespace {

// A splash whose hide timer the test fires itself.
class TestSplash : public CSplashWnd {
public:
    static TestSplash* Show() {
        auto* splash = new TestSplash;
        ShowSplashScreenOf(splash, nullptr);
        return static_cast<TestSplash*>(GetShown());
    }
    void StartHideTimer() override { m_nTimerMs = kShowMs; }
    void Fire() { OnTimer(kTimerId); }
};

TEST(CSplashWndTest, HidesOnItsTimerOf2200Ms) {
    RegisterResources();
    TestSplash* splash = TestSplash::Show();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->GetTimerInterval(), 2200u);
    EXPECT_TRUE(splash->IsWindowVisible());
    RECT rect;
    splash->GetWindowRect(&rect);
    EXPECT_EQ(rect.right - rect.left, 400);
    splash->Fire();
    EXPECT_EQ(CSplashWnd::GetShown(), nullptr);
}

TEST(CSplashWndTest, AKeyOrMousePressHidesItAndIsTaken) {
    RegisterResources();
    for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        ASSERT_NE(TestSplash::Show(), nullptr);
        MSG move{nullptr, WM_MOUSEMOVE, 0, 0};
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&move));
        MSG press{nullptr, message, 0, 0};
        EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&press)) << message;
        EXPECT_EQ(CSplashWnd::GetShown(), nullptr);
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&press)) << "no splash, nothing taken";
    }
}

TEST(CSplashWndTest, NoneIsShownWhileDisabled) {
    RegisterResources();
    CSplashWnd::EnableSplashScreen(FALSE);
    CSplashWnd::ShowSplashScreen(nullptr);
    EXPECT_EQ(CSplashWnd::GetShown(), nullptr);
    CSplashWnd::EnableSplashScreen(TRUE);
    CSplashWnd::ShowSplashScreen(nullptr);
    ASSERT_NE(CSplashWnd::GetShown(), nullptr);
    CSplashWnd::GetShown()->HideSplashScreen();
    CSplashWnd::EnableSplashScreen(FALSE);
}

} // namespace
