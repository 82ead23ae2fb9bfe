#include "platform/core/StringTable.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resources.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/frame/SECFrameWnd.h"
#include "wintoolkit/statusbar/SECStatusBar.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr UINT ID_CAPS = 59137;
constexpr UINT ID_NUM = 59138;
constexpr UINT ID_MISSING = 59999;

// A frame whose command handlers answer the caps pane's update.
class StatusFrame : public SECFrameWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
        if (nCode == CN_UPDATE_COMMAND_UI && nID == ID_CAPS && pExtra) {
            auto* ui = static_cast<CCmdUI*>(pExtra);
            ui->Enable(capsOn);
            ui->SetText(capsText);
            return TRUE;
        }
        return SECFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    BOOL capsOn = TRUE;
    const char* capsText = "CAP";
};

class SECStatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        StringTable::Register(ID_CAPS, "CAP");
        StringTable::Register(ID_NUM, "NUM");
        ASSERT_TRUE(frame.Create(nullptr, "Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(0, 0, 900, 300)));
        ASSERT_TRUE(bar.Create(&frame));
        const UINT ids[] = {0, ID_CAPS, ID_NUM, 0};
        ASSERT_TRUE(bar.SetIndicators(ids, 4));
        frame.RecalcLayout();
        SettleWindows();
    }
    void TearDown() override { frame.DestroyWindow(); }

    StatusFrame frame;
    SECStatusBar bar;
};

TEST_F(SECStatusBarTest, IndicatorsMakePanesAcrossTheBar) {
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.CommandToIndex(ID_NUM), 2);
    EXPECT_EQ(bar.CommandToIndex(ID_MISSING), -1);
    // A first separator stretches without borders; a later one is a quarter screen wide.
    EXPECT_EQ(bar.GetPaneStyle(0), SBPS_NOBORDERS | SBPS_STRETCH);
    EXPECT_EQ(bar.GetPaneStyle(3), 0u);
    EXPECT_EQ(bar.GetPaneText(1), CString("CAP"));
    EXPECT_EQ(bar.GetStatusBarCtrl().GetText(2), CString("NUM"));
    int type = -1;
    bar.GetStatusBarCtrl().GetText(0, &type);
    EXPECT_EQ(type, static_cast<int>(SBT_NOBORDERS));

    const std::vector<int> edges = bar.GetStatusBarCtrl().GetParts();
    ASSERT_EQ(edges.size(), 4u);
    for (size_t i = 1; i < edges.size(); ++i)
        EXPECT_GT(edges[i], edges[i - 1]);
    // The stretch pane takes what the fixed panes leave, up to the size grip.
    CRect inside;
    bar.GetWindowRect(&inside);
    inside.OffsetRect(-inside.left, -inside.top);
    bar.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(edges.back(), inside.Width());

    const UINT missing[] = {ID_MISSING};
    EXPECT_FALSE(bar.SetIndicators(missing, 1));
}

TEST_F(SECStatusBarTest, TextsAreSentOnceAndPendingOnesAtThePaint) {
    CStatusBarCtrl& control = bar.GetStatusBarCtrl();
    // The same text again is not sent: the control keeps what it was given meanwhile.
    control.SetText("other", 1, 0);
    EXPECT_TRUE(bar.SetPaneText(1, "CAP"));
    EXPECT_EQ(control.GetText(1), CString("other"));
    EXPECT_TRUE(bar.SetPaneText(1, "CAPS"));
    EXPECT_EQ(control.GetText(1), CString("CAPS"));

    // Kept back until the next paint.
    EXPECT_TRUE(bar.SetPaneText(2, "LATER", FALSE));
    EXPECT_EQ(control.GetText(2), CString("NUM"));
    bar.Invalidate();
    bar.UpdateWindow();
    SettleWindows();
    EXPECT_EQ(control.GetText(2), CString("LATER"));
    EXPECT_FALSE(bar.SetPaneText(9, "x"));
}

TEST_F(SECStatusBarTest, DisabledPanesHoldTheirTextAndTheIdleUpdateDrivesThem) {
    CStatusBarCtrl& control = bar.GetStatusBarCtrl();
    bar.SetPaneStyle(2, SBPS_DISABLED);
    EXPECT_EQ(control.GetText(2), CString(""));
    EXPECT_EQ(bar.GetPaneText(2), CString("NUM"));
    bar.SetPaneStyle(2, 0);
    EXPECT_EQ(control.GetText(2), CString("NUM"));

    frame.capsOn = FALSE;
    frame.capsText = "Caps";
    bar.OnUpdateCmdUI(&frame, TRUE);
    EXPECT_TRUE(bar.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_EQ(bar.GetPaneText(1), CString("Caps"));
    EXPECT_EQ(control.GetText(1), CString(""));
    // Panes nobody handles stay enabled.
    EXPECT_FALSE(bar.GetPaneStyle(2) & SBPS_DISABLED);
    frame.capsOn = TRUE;
    bar.OnUpdateCmdUI(&frame, TRUE);
    EXPECT_EQ(control.GetText(1), CString("Caps"));
}

TEST_F(SECStatusBarTest, TheIdZeroPaneIsTheBarsText) {
    frame.SetMessageText("Ready");
    EXPECT_EQ(bar.GetPaneText(0), CString("Ready"));
    EXPECT_EQ(bar.GetStatusBarCtrl().GetText(0), CString("Ready"));
    EXPECT_EQ(bar.SendMessage(WM_GETTEXTLENGTH), 5);
    char buffer[4];
    EXPECT_EQ(bar.SendMessage(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_STREQ(buffer, "Rea");
    EXPECT_EQ(bar.SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);

    const UINT noSeparator[] = {ID_CAPS};
    ASSERT_TRUE(bar.SetIndicators(noSeparator, 1));
    EXPECT_EQ(bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")), -1);
    EXPECT_EQ(bar.SendMessage(WM_GETTEXTLENGTH), 0);
}

TEST_F(SECStatusBarTest, MinimumHeightAndSizeGrip) {
    const CSize natural = bar.CalcFixedLayout(TRUE, TRUE);
    EXPECT_EQ(natural.cx, 32767);
    EXPECT_GT(natural.cy, 0);
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, FALSE), CSize(0, 0));
    EXPECT_TRUE(bar.SendMessage(SB_SETMINHEIGHT, natural.cy + 20));
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE).cy, natural.cy + 20);

    // The frame is sizable: room is left for the grip; a bar in a fixed frame has none.
    ASSERT_TRUE(bar.GetStatusBarCtrl().GetStyle() & SBARS_SIZEGRIP);
    CRect sizable(0, 0, 400, 20);
    bar.CalcInsideRect(sizable, TRUE);
    EXPECT_LT(sizable.right, 400);
    StatusFrame fixed;
    ASSERT_TRUE(fixed.Create(nullptr, "Fixed", WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                             CRect(0, 0, 300, 200)));
    SECStatusBar plain;
    ASSERT_TRUE(plain.Create(&fixed));
    EXPECT_FALSE(plain.GetStatusBarCtrl().GetStyle() & SBARS_SIZEGRIP);
    CRect whole(0, 0, 400, 20);
    plain.CalcInsideRect(whole, TRUE);
    EXPECT_EQ(whole.right, 400);
    fixed.DestroyWindow();
}

} // namespace
