#include "platform/core/StringTable.h"
#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/ToolBarResources.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resources.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/frame/SECFrameWnd.h"
#include "wintoolkit/toolbar/SECToolBar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kToolBarId = 7001;
constexpr UINT ID_ONE = 33001;
constexpr UINT ID_TWO = 33002;
constexpr UINT ID_THREE = 33003;

// Three 16 by 15 images side by side, 24 bits a pixel: red, light grey, black.
std::vector<BYTE> ThreeImages() {
    constexpr int width = 48, height = 15, stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::vector<BYTE> dib(sizeof header + static_cast<size_t>(stride) * height);
    std::memcpy(dib.data(), &header, sizeof header);
    const BYTE colours[3][3] = {{0, 0, 255}, {192, 192, 192}, {0, 0, 0}}; // blue, green, red
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            std::memcpy(&dib[sizeof header + static_cast<size_t>(y * stride + x * 3)],
                        colours[x / 16], 3);
    return dib;
}

const WORD g_items[] = {ID_ONE, ID_TWO, 0, ID_THREE};
const ToolBarResource g_toolBar = {1, 16, 15, 4, g_items};

// A frame that records commands and prompts, and whose handlers grey the second button and
// check the third.
class ToolFrame : public SECFrameWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
        if (nCode == CN_UPDATE_COMMAND_UI && pExtra && (nID == ID_TWO || nID == ID_THREE)) {
            auto* ui = static_cast<CCmdUI*>(pExtra);
            nID == ID_TWO ? ui->Enable(FALSE) : ui->SetCheck(1);
            return TRUE;
        }
        return SECFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(static_cast<UINT>(wParam & 0xFFFF));
        return TRUE;
    }
    void SetMessageText(LPCTSTR lpszText) override { prompts.emplace_back(lpszText); }
    std::vector<UINT> commands;
    std::vector<std::string> prompts;
};

class SECToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        static const std::vector<BYTE> dib = ThreeImages();
        RegisterBitmapResource(MAKEINTRESOURCE(kToolBarId), dib.data(), dib.size());
        ToolBarResources::Register(kToolBarId, &g_toolBar);
        StringTable::Register(ID_ONE, "Does the first thing\nFirst");
        ASSERT_TRUE(frame.Create(nullptr, "Tools", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(0, 0, 640, 400)));
        frame.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
        ASSERT_TRUE(bar.LoadToolBar(kToolBarId));
    }
    void TearDown() override { frame.DestroyWindow(); }

    ToolFrame frame;
    SECToolBar bar;
};

TEST_F(SECToolBarTest, LoadedFromTheResourceWithSizesFromTheImages) {
    EXPECT_TRUE(bar.GetBarStyle() & CBRS_HIDE_INPLACE);
    EXPECT_EQ(bar.GetExBarStyle(), CBRS_EX_FIXEDSIZE);
    EXPECT_EQ(bar.GetImageSize(), CSize(16, 15));
    EXPECT_EQ(bar.GetButtonSize(), CSize(23, 22));
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetItemID(1), ID_TWO);
    EXPECT_EQ(bar.GetButtonStyle(2), TBBS_SEPARATOR);
    EXPECT_EQ(bar.GetToolBarCtrl().GetImageCount(), 3);
    EXPECT_FALSE(bar.LoadToolBar(kToolBarId + 1));
    SECToolBar other;
    ASSERT_TRUE(other.Create(&frame, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    EXPECT_FALSE(other.GetBarStyle() & CBRS_HIDE_INPLACE);
}

TEST_F(SECToolBarTest, LayoutsAreRememberedUntilStaleAndWrapWhenNarrow) {
    ASSERT_TRUE(bar.Stale().horz);
    const CSize horz = bar.CalcDynamicLayout(-1, LM_HORZDOCK | LM_HORZ);
    EXPECT_FALSE(bar.Stale().horz);
    EXPECT_EQ(horz.cx, 3 * 23 + SECToolBarLayout::kSeparatorWidth);
    const int borders = horz.cy - 22;
    EXPECT_GE(borders, 6); // 3 above and below, and the bar's border lines
    EXPECT_EQ(bar.m_szMRUHorzDock, horz);
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZDOCK | LM_HORZ), horz);

    // Floating two buttons wide: the third button goes to a second row.
    const CSize narrow = bar.CalcDynamicLayout(2 * 23, LM_COMMIT | LM_MRUWIDTH);
    EXPECT_EQ(narrow.cy, 2 * 22 + borders);
    EXPECT_TRUE(bar.GetButtonStyle(1) & TBBS_WRAPPED);
    CRect first, third;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(3, &third);
    EXPECT_EQ(third.top, first.top + 22);
    CRect none;
    bar.GetItemRect(9, &none);
    EXPECT_TRUE(none.IsRectEmpty());
}

TEST_F(SECToolBarTest, DockedUpdatedClickedAndPrompting) {
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    SettleWindows();
    ASSERT_NE(bar.m_pDockBar, nullptr);
    CRect rect;
    bar.GetWindowRect(&rect);
    EXPECT_GE(rect.Width(), 3 * 23);

    bar.OnUpdateCmdUI(&frame, TRUE);
    EXPECT_EQ(bar.GetButtonStyle(0), TBBS_DISABLED); // no handler: greyed
    EXPECT_EQ(bar.GetButtonStyle(1), TBBS_DISABLED);
    EXPECT_EQ(bar.GetButtonStyle(3), TBBS_CHECKBOX | TBBS_CHECKED);
    TBBUTTON shown{};
    ASSERT_TRUE(bar.GetToolBarCtrl().GetButton(3, &shown));
    EXPECT_EQ(shown.fsState & (TBSTATE_CHECKED | TBSTATE_ENABLED),
              TBSTATE_CHECKED | TBSTATE_ENABLED);

    // A button greyed for want of a handler takes no click; enabled again, it does.
    bar.SetButtonStyle(0, TBBS_BUTTON);
    CToolBarCtrl& strip = bar.GetToolBarCtrl();
    CRect button;
    ASSERT_TRUE(strip.GetItemRect(0, &button));
    const LPARAM at = MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y);
    strip.SendMessage(WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(strip.GetToolTipText(0), CString("First"));
    ASSERT_FALSE(frame.prompts.empty());
    EXPECT_EQ(frame.prompts.back(), "Does the first thing\nFirst");
    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    ASSERT_TRUE(strip.GetButton(0, &shown));
    EXPECT_TRUE(shown.fsState & TBSTATE_PRESSED);
    strip.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_EQ(frame.commands, std::vector<UINT>{ID_ONE});
}

} // namespace
