#include "platform/ui/FrameGeometry.h"
#include "platform/ui/WindowMessages.h"

#include <gtest/gtest.h>

TEST(FrameGeometry, HitTestsOfADrawnFrame) {
    FrameGeometry frame{4, 18, true, true, true, true};
    const CSize window(300, 200);
    EXPECT_EQ(frame.InsideRect(window), CRect(4, 22, 296, 196));
    EXPECT_EQ(frame.CaptionRect(window), CRect(4, 4, 296, 22));
    EXPECT_EQ(frame.ButtonRect(HTCLOSE, window), CRect(279, 5, 295, 21));
    EXPECT_EQ(frame.ButtonRect(HTMAXBUTTON, window), CRect(262, 5, 278, 21));
    EXPECT_EQ(frame.ButtonRect(HTMINBUTTON, window), CRect(245, 5, 261, 21));
    struct Case {
        CPoint point;
        int hit;
    };
    const Case cases[] = {
        {CPoint(150, 100), static_cast<int>(HTCLIENT)},
        {CPoint(100, 10), HTCAPTION},
        {CPoint(285, 10), HTCLOSE},
        {CPoint(270, 10), HTMAXBUTTON},
        {CPoint(250, 10), HTMINBUTTON},
        {CPoint(1, 100), HTLEFT},
        {CPoint(298, 100), HTRIGHT},
        {CPoint(150, 1), HTTOP},
        {CPoint(150, 198), HTBOTTOM},
        {CPoint(1, 1), HTTOPLEFT},
        {CPoint(10, 1), HTTOPLEFT},
        {CPoint(298, 1), HTTOPRIGHT},
        {CPoint(1, 198), HTBOTTOMLEFT},
        {CPoint(298, 198), HTBOTTOMRIGHT},
        {CPoint(300, 100), HTNOWHERE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frame.HitTest(c.point, window), c.hit) << c.point.x << "," << c.point.y;
    frame.sizable = false;
    EXPECT_EQ(frame.HitTest(CPoint(1, 100), window), HTBORDER);
    EXPECT_EQ(frame.WindowSize(CSize(292, 174)), window);
}

TEST(FrameGeometry, StretchMovesOnlyTheNamedEdges) {
    EXPECT_EQ(StretchRect(CRect(0, 0, 100, 100), HTBOTTOMRIGHT, CSize(5, 7)),
              CRect(0, 0, 105, 107));
    EXPECT_EQ(StretchRect(CRect(0, 0, 100, 100), HTTOP, CSize(5, 200)), CRect(0, 100, 100, 100));
    EXPECT_EQ(StretchRect(CRect(0, 0, 100, 100), HTCAPTION, CSize(5, 7)), CRect(0, 0, 100, 100));
}
