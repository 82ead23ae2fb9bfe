#include "platform/ui/BarStyles.h"
#include "platform/ui/WindowMessages.h"
#include "tests/wintoolkit/docking/TestBars.h"
#include "wintoolkit/docking/SECDragGeometry.h"

#include <gtest/gtest.h>

using G = SECDragGeometry;

TEST(DragGeometry, RectanglesMoveTheLeastDistanceToHoldTheMouse) {
    struct Case {
        CPoint mouse;
        CRect expected;
    };
    // Moves right or down go one border (2) further.
    const Case cases[] = {
        {CPoint(50, 20), CRect(0, 0, 100, 50)},
        {CPoint(150, 20), CRect(53, 0, 153, 50)},
        {CPoint(-10, 60), CRect(-10, 13, 90, 63)},
        {CPoint(100, -5), CRect(3, -5, 103, 45)},
    };
    for (const Case& c : cases) {
        CRect rect(0, 0, 100, 50);
        G::MoveToHold(rect, c.mouse, CSize(2, 2));
        EXPECT_EQ(rect, c.expected);
        EXPECT_TRUE(rect.PtInRect(c.mouse));
    }
}

TEST(DragGeometry, FloatingBarDocksOnlyOutsideTheDeadZone) {
    struct Case {
        bool floating;
        CPoint now;
        bool dead;
    };
    const Case cases[] = {
        {true, CPoint(103, 100), true}, {true, CPoint(102, 102), true},
        {true, CPoint(104, 100), true}, {true, CPoint(105, 100), false},
        {true, CPoint(103, 98), false}, {false, CPoint(101, 100), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(G::InDeadZone(c.floating, CPoint(100, 100), c.now), c.dead)
            << c.now.x << "," << c.now.y;
}

namespace {

const std::vector<G::Candidate> kFrame = {
    {CBRS_ALIGN_TOP, CRect(0, 0, 600, 30)},
    {CBRS_ALIGN_BOTTOM, CRect(0, 400, 600, 400)},
    {CBRS_ALIGN_LEFT, CRect(0, 30, 40, 400)},
    {CBRS_ALIGN_RIGHT, CRect(600, 30, 600, 400)},
};

int Dock(const CRect& horz, const CRect& vert, CPoint mouse, bool barHorz, bool flip = false,
         DWORD style = CBRS_ALIGN_ANY) {
    return G::CanDock(kFrame, style, horz, vert, mouse, barHorz, flip);
}

} // namespace

TEST(DragGeometry, DockCandidates) {
    // The current orientation's rectangle first.
    EXPECT_EQ(Dock(CRect(100, 10, 400, 110), CRect(100, 10, 220, 310), CPoint(150, 20), true), 0);
    // A vertical dock bar counts only with the mouse inside it.
    EXPECT_EQ(Dock(CRect(100, 200, 400, 300), CRect(20, 100, 140, 300), CPoint(60, 150), false),
              -1);
    EXPECT_EQ(Dock(CRect(100, 200, 400, 300), CRect(20, 100, 140, 300), CPoint(30, 150), false), 2);
    // An empty dock bar is still touched at its edge.
    EXPECT_EQ(Dock(CRect(100, 380, 400, 401), CRect(100, 300, 220, 401), CPoint(150, 390), true),
              1);
    // Sides the bar may not dock on are passed over.
    EXPECT_EQ(Dock(CRect(100, 10, 400, 110), CRect(100, 10, 220, 310), CPoint(150, 20), true, false,
                   CBRS_ALIGN_LEFT),
              -1);
}

TEST(DragGeometry, OtherOrientationCountsWhenBothRectanglesAgree) {
    // A horizontal bar whose horizontal rectangle touches nothing: the left dock bar counts only
    // when both rectangles give it.
    EXPECT_EQ(Dock(CRect(20, 100, 320, 200), CRect(20, 100, 140, 300), CPoint(30, 150), true), 2);
    EXPECT_EQ(Dock(CRect(60, 100, 360, 200), CRect(20, 100, 140, 300), CPoint(30, 150), true), -1);
    // With Shift, the flipped orientation alone.
    EXPECT_EQ(Dock(CRect(60, 100, 360, 200), CRect(20, 100, 140, 300), CPoint(30, 150), true, true),
              2);
}

TEST(DragGeometry, FloatingOrientation) {
    struct Case {
        DWORD style;
        bool flip;
        DWORD expected;
    };
    const Case cases[] = {
        {CBRS_ALIGN_LEFT, false, CBRS_ALIGN_LEFT},
        {CBRS_ALIGN_LEFT, true, CBRS_ALIGN_TOP},
        {CBRS_ALIGN_TOP, true, CBRS_ALIGN_LEFT},
        {CBRS_ALIGN_TOP, false, CBRS_ALIGN_TOP},
        {CBRS_ALIGN_LEFT | CBRS_SIZE_DYNAMIC, false, CBRS_ALIGN_TOP},
    };
    for (const Case& c : cases)
        EXPECT_EQ(G::FloatAlignment(c.style, c.flip), c.expected) << c.style << c.flip;
}

TEST(DragGeometry, FloatingFrameResizesFromEveryEdgeAndCorner) {
    const CRect start(100, 100, 400, 300);
    const CSize by(10, -20);
    struct Case {
        int hit;
        CRect expected;
    };
    const Case cases[] = {
        {HTLEFT, CRect(110, 100, 400, 300)},       {HTRIGHT, CRect(100, 100, 410, 300)},
        {HTTOP, CRect(100, 80, 400, 300)},         {HTBOTTOM, CRect(100, 100, 400, 280)},
        {HTTOPLEFT, CRect(110, 80, 400, 300)},     {HTTOPRIGHT, CRect(100, 80, 410, 300)},
        {HTBOTTOMLEFT, CRect(110, 100, 400, 280)}, {HTBOTTOMRIGHT, CRect(100, 100, 410, 280)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(G::Stretch(start, c.hit, by), c.expected) << c.hit;
    EXPECT_EQ(G::Stretch(start, HTLEFT, CSize(500, 0)).Width(), 0);
}

TEST(DragGeometry, BarsFloatedInTheMainWindowCascadeAndWrap) {
    CPoint next(30, 30);
    const CSize client(500, 400);
    EXPECT_EQ(G::NextFloatPosition(next, client), CPoint(30, 30));
    EXPECT_EQ(G::NextFloatPosition(next, client), CPoint(50, 53));
    EXPECT_EQ(G::NextFloatPosition(next, client), CPoint(70, 76));
    // Past the client's size less 30 a coordinate starts again at 30.
    next = CPoint(460, 340);
    EXPECT_EQ(G::NextFloatPosition(next, client), CPoint(460, 340));
    EXPECT_EQ(next, CPoint(30, 363));
    EXPECT_EQ(G::NextFloatPosition(next, client), CPoint(30, 363));
    EXPECT_EQ(next, CPoint(50, 30));
    EXPECT_EQ(G::ClampToClient(CPoint(-5, 900), client), CPoint(0, 400));
}

// ---- the sizable bar's sizes ----

TEST(SizableBar, CommittedLengthsGoToTheSizeOfTheDockingSituation) {
    SizableBar bar(0.5f, CSize(300, 100), CSize(120, 300));
    EXPECT_EQ(bar.CalcDynamicLayout(200, LM_COMMIT | LM_STRETCH | LM_HORZDOCK | LM_HORZ),
              CSize(100, 100));
    EXPECT_EQ(bar.m_szMRUHorzDock, CSize(100, 100));
    EXPECT_EQ(bar.CalcDynamicLayout(250, LM_COMMIT | LM_VERTDOCK | LM_LENGTHY), CSize(120, 250));
    EXPECT_EQ(bar.m_szMRUVertDock, CSize(120, 250));
    EXPECT_EQ(bar.CalcDynamicLayout(0, LM_VERTDOCK), CSize(120, 250));
    // A floating width is also the framework's most recent width.
    EXPECT_EQ(bar.CalcDynamicLayout(222, LM_COMMIT | LM_HORZ | LM_MRUWIDTH), CSize(222, 180));
    EXPECT_EQ(bar.m_nMRUWidth, 222);
    bar.CalcDynamicLayout(90, LM_COMMIT | LM_HORZ | LM_LENGTHY);
    EXPECT_EQ(bar.m_szMRUFloat, CSize(222, 90));
    EXPECT_EQ(bar.m_nMRUWidth, 222);
}

TEST(SizableBar, StartsWithTheWholeRowAndNoSizes) {
    class Bar : public SECControlBar {
    public:
        void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    } bar;
    EXPECT_FLOAT_EQ(bar.m_fPctWidth, 1.0f);
    EXPECT_EQ(bar.m_szMRUFloat, CSize(0, 0));
    EXPECT_EQ(SECControlBar::s_sizeDefault, CSize(300, 180));
}

TEST(ChildLayout, ChildrenKeepTheirProportions) {
    SECChildLayout layout;
    int child = 0;
    layout.Take(CRect(0, 0, 200, 100),
                {{&child, CRect(0, 0, 200, 100)}, {&child, CRect(50, 25, 150, 75)}});
    // With the inside margin the bar passes its size less 20 and an offset of 10.
    const auto placed = layout.Scale(280, 180, CPoint(10, 10));
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].rect, CRect(10, 10, 290, 190));
    EXPECT_EQ(placed[1].rect, CRect(80, 55, 220, 145));
}

TEST(ChildLayout, NothingIsScaledFromAnEmptyReference) {
    SECChildLayout layout;
    int child = 0;
    layout.Take(CRect(0, 0, 0, 100), {{&child, CRect(0, 0, 10, 10)}});
    EXPECT_TRUE(layout.Scale(300, 200, CPoint()).empty());
    layout.Take(CRect(0, 0, 100, 0), {{&child, CRect(0, 0, 10, 10)}});
    EXPECT_TRUE(layout.Scale(300, 200, CPoint()).empty());
}
