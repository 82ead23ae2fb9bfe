#include "platform/ui/BarStyles.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/frame/SECFrameWnd.h"
#include "wintoolkit/toolbar/SECDialogBar.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kBarId = 0xE810;

// A frame whose handlers disable the work book check box.
class BarFrame : public SECFrameWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
        if (nCode == CN_UPDATE_COMMAND_UI && nID == IDC_PREF_WORKBOOK && pExtra) {
            static_cast<CCmdUI*>(pExtra)->Enable(FALSE);
            return TRUE;
        }
        return SECFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

class SECDialogBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        ASSERT_TRUE(
            frame.Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
        frame.EnableDocking(CBRS_ALIGN_ANY);
    }
    void TearDown() override { frame.DestroyWindow(); }

    BarFrame frame;
};

TEST_F(SECDialogBarTest, FilledFromAResourceDialogSizedAndDocked) {
    SECDialogBar bar;
    ASSERT_TRUE(bar.Create(&frame, IDD_PREF_EDITOR, WS_VISIBLE | CBRS_LEFT, 0, kBarId));
    int pNotUsed = 0;
    EXPECT_TRUE(bar.SetOccDialogInfo(&pNotUsed));
    EXPECT_EQ(bar.GetOccDialogInfo(), &pNotUsed);
    EXPECT_EQ(bar.GetDlgCtrlID(), static_cast<int>(kBarId));
    ASSERT_NE(bar.GetDlgItem(IDC_PREF_WORKBOOK), nullptr);
    CString label;
    bar.GetDlgItem(IDC_PREF_WORKBOOK)->GetWindowText(label);
    EXPECT_EQ(label, CString("&Work Book Mode"));
    // The template's 220 by 140 dialog units in pixels, as every remembered size.
    EXPECT_GT(bar.m_sizeDefault.cx, 220);
    EXPECT_GT(bar.m_sizeDefault.cy, 140);
    EXPECT_EQ(bar.m_szMRUFloat, bar.m_sizeDefault);
    EXPECT_EQ(bar.m_szMRUVertDock, bar.m_sizeDefault);
    EXPECT_EQ(bar.m_szMRUHorzDock, bar.m_sizeDefault);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_FALSE(bar.GetStyle() & WS_CAPTION);

    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();
    SettleWindows();
    ASSERT_NE(bar.m_pDockBar, nullptr);
    EXPECT_EQ(bar.GetParent(), static_cast<CWnd*>(bar.m_pDockBar));
    CRect rect;
    bar.GetWindowRect(&rect);
    EXPECT_GT(rect.Width(), 0);
    EXPECT_GT(rect.Height(), 0);

    bar.OnUpdateCmdUI(&frame, TRUE);
    EXPECT_FALSE(bar.GetDlgItem(IDC_PREF_WORKBOOK)->IsWindowEnabled());
    // Labels without a handler stay enabled.
    for (CWnd* child : bar.GetChildren()) {
        if (child->GetDlgCtrlID() == static_cast<int>(IDC_STATIC)) {
            EXPECT_TRUE(child->IsWindowEnabled());
        }
    }
}

TEST_F(SECDialogBarTest, HiddenWithoutVisibleAndFailsForAnUnknownTemplate) {
    SECDialogBar hidden;
    ASSERT_TRUE(hidden.Create(&frame, IDD_PREF_EDITOR, CBRS_TOP, 0, kBarId));
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_EQ(hidden.m_szMRUFloat, hidden.m_sizeDefault);
    SECDialogBar none;
    EXPECT_FALSE(none.Create(&frame, 4242u, WS_VISIBLE, 0, kBarId + 1));
    EXPECT_EQ(none.GetSafeHwnd(), nullptr);
}

} // namespace
