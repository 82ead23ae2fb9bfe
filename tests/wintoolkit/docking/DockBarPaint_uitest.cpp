#include "platform/ui/CBitmap.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/WxGdiData.h"
#include "res/Resources.h"
#include "tests/wintoolkit/colorwell/ScreenPixels.h"
#include "tests/wintoolkit/docking/DockingFrame.h"
#include "tests/wintoolkit/docking/TestBars.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECDockBar.h"
#include "wintoolkit/docking/SECDockSizer.h"

#include <wx/image.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// Lets the display catch up with the painting before the screen is read.
void Paint() {
    for (int i = 0; i < 5; ++i) {
        SettleWindows();
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
}

CPoint OnScreen(CWnd* wnd, CPoint point) {
    wnd->ClientToScreen(&point);
    return point;
}

} // namespace

TEST(DockBarPaint, SizersAndSeparatorsOfThreeDockedBars) {
    RegisterResources();
    RecordingFrame frame;
    ASSERT_TRUE(
        frame.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
    SetMainWnd(&frame);
    frame.EnableDocking(CBRS_ALIGN_ANY);
    PaneBar a, b, c;
    ASSERT_TRUE(a.Create(&frame, "A", WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC, 0, 201));
    ASSERT_TRUE(b.Create(&frame, "B", WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC, 0, 202));
    ASSERT_TRUE(c.Create(&frame, "C", WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC, 0, 203));
    for (PaneBar* bar : {&a, &b, &c})
        bar->EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBarSized(&a, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.4f, 120);
    frame.DockControlBarSized(&b, AFX_IDW_DOCKBAR_BOTTOM, 1, 0, 0.6f, 120);
    frame.DockControlBarSized(&c, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 150);
    frame.RecalcLayout();
    Paint();
    if (const char* path = std::getenv("MQ_DOCKING_SCREENSHOT"))
        ScreenPixels::SavePng(path);
    const ScreenPixels screen;
    ASSERT_TRUE(screen.Ok());

    auto* bottom = dynamic_cast<SECDockBar*>(frame.GetControlBar(AFX_IDW_DOCKBAR_BOTTOM));
    auto* left = dynamic_cast<SECDockBar*>(frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    ASSERT_TRUE(bottom && left);
    const SECDockSizer* between = nullptr;
    const SECDockSizer* bottomRow = nullptr;
    for (const auto& sizer : bottom->Layout().Sizers())
        (sizer->m_nKind == SECDockSizer::barSizer ? between : bottomRow) = sizer.get();
    ASSERT_TRUE(between && bottomRow);
    ASSERT_EQ(bottom->Layout().Separators().size(), 1u);
    const CRect line = bottom->Layout().Separators()[0]->m_rect;

    // The sizer between the two bottom bars: raised.
    const CRect s = between->m_rect;
    const int y = s.CenterPoint().y;
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(s.left, y))), secData.clrBtnHilite);
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(s.left + 2, y))), secData.clrBtnFace);
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(s.right - 2, y))), secData.clrBtnShadow);
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(s.right - 1, y))), secData.clrWindowFrame);
    // The bottom row's sizer above it, and its etched line below it.
    const int x = bottomRow->m_rect.CenterPoint().x;
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(x, bottomRow->m_rect.bottom - 2))),
              secData.clrBtnShadow);
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(x, bottomRow->m_rect.bottom - 1))),
              secData.clrWindowFrame);
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(x, line.top))), secData.clrBtnShadow);
    EXPECT_EQ(screen.At(OnScreen(bottom, CPoint(x, line.top + 1))), secData.clrBtnHilite);
    // The left row's sizer faces the frame's centre.
    ASSERT_EQ(left->Layout().Sizers().size(), 1u);
    const CRect r = left->Layout().Sizers()[0]->m_rect;
    EXPECT_EQ(screen.At(OnScreen(left, CPoint(r.left, 50))), secData.clrBtnHilite);
    EXPECT_EQ(screen.At(OnScreen(left, CPoint(r.right - 1, 50))), secData.clrWindowFrame);

    SetMainWnd(nullptr);
    frame.DestroyWindow();
    SettleWindows();
}

TEST(DockBarPaint, GradientBandsOnAnyDeviceContext) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 62, 4));
    dc.SelectObject(&bitmap);
    const CRect rect(0, 0, 62, 4);
    SECMDIFrameWnd::FillGradient(&dc, &rect, 3, RGB(0, 0, 0), RGB(200, 100, 50));
    dc.SelectObject(static_cast<CBitmap*>(nullptr));
    const wxImage image = bitmap.GetData()->bitmap.ConvertToImage();
    auto pixel = [&image](int px, int py) {
        return RGB(image.GetRed(px, py), image.GetGreen(px, py), image.GetBlue(px, py));
    };
    // Three bands 20 wide, each component stepping by (to - from) / 2; the last band reaches
    // the right edge.
    EXPECT_EQ(pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(pixel(19, 3), RGB(0, 0, 0));
    EXPECT_EQ(pixel(20, 0), RGB(100, 50, 25));
    EXPECT_EQ(pixel(39, 3), RGB(100, 50, 25));
    EXPECT_EQ(pixel(40, 0), RGB(200, 100, 50));
    EXPECT_EQ(pixel(61, 3), RGB(200, 100, 50));
}
