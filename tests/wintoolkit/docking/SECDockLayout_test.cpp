#include "platform/ui/CDockBar.h"
#include "tests/wintoolkit/docking/TestBars.h"
#include "wintoolkit/docking/SECDockLayout.h"
#include "wintoolkit/docking/SECDockSizer.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

// The dock bar's window as the layout sees it: bar rectangles, visibility and ids kept here.
class LayoutSite : public SECDockLayoutSite {
public:
    BOOL IsBarVisible(CControlBar* pBar) const override { return !hidden.count(pBar); }
    CRect GetBarRect(CControlBar* pBar) const override {
        const auto found = rects.find(pBar);
        return found == rects.end() ? CRect() : found->second;
    }
    UINT GetBarId(CControlBar* pBar) const override { return ids.at(pBar); }
    void SetMRUDockRect(CControlBar* pBar, const CRect& rect) override { mru[pBar] = rect; }
    void BeginMoves(int) override { ++batches; }
    void MoveBar(CControlBar* pBar, const CRect& rect, UINT nFlags) override {
        if (nFlags & SWP_NOSIZE)
            rects[pBar].MoveToXY(rect.left, rect.top);
        else
            rects[pBar] = rect;
        ++moves;
    }
    void EndMoves() override {}
    void ApplyDelayShow(CControlBar*) override { ++delayShows; }
    CSize GetDockBarSize() const override { return dock; }
    CRect GetPaneRect() const override { return pane; }

    std::map<CControlBar*, CRect> rects;
    std::map<CControlBar*, CRect> mru;
    std::map<CControlBar*, UINT> ids;
    std::map<CControlBar*, bool> hidden;
    CSize dock{600, 108};
    CRect pane{0, 0, 600, 400};
    int batches = 0;
    int moves = 0;
    int delayShows = 0;
};

class DockLayoutTest : public ::testing::Test {
protected:
    // A row of bars after the array's leading null, ending with a null.
    void Row(std::initializer_list<CControlBar*> bars) {
        for (CControlBar* bar : bars) {
            arr.Add(bar);
            site.ids[bar] = 100 + static_cast<UINT>(site.ids.size());
            // Where a newly docked bar waits for its first layout.
            site.rects[bar] = CRect(-2, -2, -2, -2);
        }
        arr.Add(nullptr);
    }
    CSize Lay(CSize room, DWORD align = CBRS_ALIGN_TOP) {
        layout.SetAlignment(align);
        const bool horz = (align & CBRS_ORIENT_HORZ) != 0;
        return layout.CalcFixedLayout(TRUE, horz, room, FALSE, CRect(0, 0, 0, 2));
    }
    std::vector<CRect> SizerRects(int kind) const {
        std::vector<CRect> rects;
        for (const auto& sizer : layout.Sizers()) {
            if (sizer->m_nKind == kind)
                rects.push_back(sizer->m_rect);
        }
        return rects;
    }

    CPtrArray arr;
    LayoutSite site;
    SECDockLayout layout{arr, site};
};

} // namespace

TEST_F(DockLayoutTest, RowOfSizableBarsSharesTheLengthLessTheSizers) {
    SizableBar a(0.2f), b(0.3f), c(0.5f);
    Row({&a, &b, &c});
    const CSize size = Lay(CSize(600, 400));

    // 20, 30 and 50 % of 600 less two 6-pixel sizers, from one pixel past the border.
    EXPECT_EQ(site.rects[&a], CRect(1, 0, 118, 100));
    EXPECT_EQ(site.rects[&b], CRect(124, 0, 300, 100));
    EXPECT_EQ(site.rects[&c], CRect(306, 0, 600, 100));
    EXPECT_EQ(SizerRects(SECDockSizer::barSizer),
              (std::vector<CRect>{CRect(118, 0, 124, 100), CRect(300, 0, 306, 100)}));
    // The row sizer faces the frame's centre; the etched line lies on the other side.
    EXPECT_EQ(SizerRects(SECDockSizer::rowSizer), (std::vector<CRect>{CRect(0, 100, 600, 106)}));
    ASSERT_EQ(layout.Separators().size(), 1u);
    EXPECT_EQ(layout.Separators()[0]->m_rect, CRect(0, -2, 600, 0));
    EXPECT_EQ(size, CSize(32767, 108));
    EXPECT_FALSE(a.m_dwExStyle & CBRS_EX_BORDER_3D);
    EXPECT_EQ(site.mru[&b], CRect(124, 0, 300, 100));
}

TEST_F(DockLayoutTest, BandsFollowTheSide) {
    struct Case {
        DWORD align;
        CRect bar;
        CRect rowSizer;
        CRect separator;
    };
    const Case cases[] = {
        {CBRS_ALIGN_BOTTOM, CRect(1, 5, 601, 105), CRect(0, -1, 600, 5), CRect(0, 105, 600, 107)},
        {CBRS_ALIGN_LEFT, CRect(0, -2, 120, 398), CRect(120, 0, 126, 396), CRect(-2, 0, 0, 398)},
        {CBRS_ALIGN_RIGHT, CRect(5, -2, 125, 398), CRect(-1, 0, 5, 396), CRect(125, 0, 127, 398)},
    };
    for (const Case& c : cases) {
        CPtrArray bars;
        LayoutSite sideSite;
        SECDockLayout sideLayout(bars, sideSite);
        SizableBar bar(1.0f);
        bars.Add(&bar);
        bars.Add(nullptr);
        sideSite.ids[&bar] = 7;
        sideLayout.SetAlignment(c.align);
        sideLayout.CalcFixedLayout(TRUE, (c.align & CBRS_ORIENT_HORZ) != 0, CSize(600, 400), FALSE,
                                   CRect());
        EXPECT_EQ(sideSite.rects[&bar], c.bar) << c.align;
        ASSERT_EQ(sideLayout.Sizers().size(), 1u) << c.align;
        EXPECT_EQ(sideLayout.Sizers()[0]->m_rect, c.rowSizer) << c.align;
        ASSERT_EQ(sideLayout.Separators().size(), 1u) << c.align;
        EXPECT_EQ(sideLayout.Separators()[0]->m_rect, c.separator) << c.align;
    }
}

TEST_F(DockLayoutTest, QueryMeasuresWithoutMovingOrKeepingBands) {
    SizableBar a(0.5f), b(0.5f);
    Row({&a, &b});
    layout.SetAlignment(CBRS_ALIGN_TOP);
    const CSize size = layout.CalcFixedLayout(TRUE, TRUE, CSize(600, 400), TRUE, CRect(0, 0, 0, 2));
    EXPECT_EQ(size, CSize(32767, 108));
    EXPECT_EQ(site.moves, 0);
    EXPECT_EQ(site.batches, 0);
    EXPECT_TRUE(layout.Sizers().empty());
}

TEST_F(DockLayoutTest, RowOfToolbarsGetsNoBandsAndThreeDBorders) {
    FixedBar a, b, c;
    Row({&a, &b, &c});
    const CSize size = Lay(CSize(600, 400));
    EXPECT_EQ(site.rects[&a], CRect(-2, -2, 98, 24));
    EXPECT_EQ(site.rects[&b], CRect(96, -2, 196, 24));
    EXPECT_EQ(site.rects[&c], CRect(194, -2, 294, 24));
    EXPECT_TRUE(layout.Sizers().empty());
    EXPECT_TRUE(layout.Separators().empty());
    for (FixedBar* bar : {&a, &b, &c})
        EXPECT_TRUE(bar->m_dwExStyle & CBRS_EX_BORDER_3D);
    EXPECT_EQ(size.cy, 24 + 2);
}

TEST_F(DockLayoutTest, ToolbarAtTheRoomsEndWrapsOntoARowOfItsOwn) {
    FixedBar a, b, c;
    Row({&a, &b, &c});
    Lay(CSize(195, 400));
    EXPECT_EQ(site.rects[&c], CRect(-2, 22, 98, 48));
    ASSERT_EQ(arr.GetSize(), 6);
    EXPECT_EQ(arr[3], nullptr);
    EXPECT_EQ(arr[4], &c);
}

TEST_F(DockLayoutTest, ToolbarKeepsAnOffsetFurtherAlongButEndsInsideTheRoom) {
    FixedBar a;
    Row({&a});
    site.rects[&a] = CRect(250, -2, 350, 24);
    Lay(CSize(600, 400));
    EXPECT_EQ(site.rects[&a].left, 250);
    site.rects[&a] = CRect(550, -2, 650, 24);
    Lay(CSize(600, 400));
    EXPECT_EQ(site.rects[&a], CRect(500, -2, 600, 24));
}

TEST_F(DockLayoutTest, ToolbarInARowWithASizableBarLosesTheThreeDBorders) {
    FixedBar tool;
    SizableBar pane(1.0f);
    tool.m_dwExStyle |= CBRS_EX_BORDER_3D;
    Row({&tool, &pane});
    Lay(CSize(600, 400));
    EXPECT_FALSE(tool.m_dwExStyle & CBRS_EX_BORDER_3D);
    EXPECT_EQ(SizerRects(SECDockSizer::barSizer).size(), 1u);
}

TEST_F(DockLayoutTest, HiddenBarsTakeNoRoomButHaveTheirDelayedShowApplied) {
    SizableBar a(0.5f), b(0.5f);
    Row({&a, &b});
    site.hidden[&b] = true;
    Lay(CSize(600, 400));
    EXPECT_EQ(site.rects[&a], CRect(1, 0, 601, 100));
    EXPECT_TRUE(SizerRects(SECDockSizer::barSizer).empty());
    EXPECT_EQ(site.delayShows, 2);
}

TEST_F(DockLayoutTest, SizersLiveOnAcrossLayoutsAndDeadOnesGo) {
    SizableBar a(0.5f), b(0.5f);
    Row({&a, &b});
    Lay(CSize(600, 400));
    const SECDockSizer* first = layout.Sizers()[0].get();
    Lay(CSize(600, 400));
    EXPECT_EQ(layout.Sizers()[0].get(), first);
    site.hidden[&b] = true;
    Lay(CSize(600, 400));
    EXPECT_EQ(SizerRects(SECDockSizer::barSizer).size(), 0u);
}

// ---- normalisation ----

TEST_F(DockLayoutTest, NormalisationMakesSharesAddUpToOne) {
    struct Case {
        const char* name;
        std::vector<float> shares;
        int changed;
        std::vector<float> expected;
    };
    const Case cases[] = {
        {"no changed bar", {1.0f, 1.0f, 1.0f}, -1, {1 / 3.0f, 1 / 3.0f, 1 / 3.0f}},
        {"changed bar takes its share from the others",
         {0.4f, 0.3f, 0.5f},
         0,
         {0.5f, 0.1875f, 0.3125f}},
        {"a share above 0.95 counts as no change",
         {0.97f, 0.5f, 0.5f},
         0,
         {0.97f / 1.97f, 0.5f / 1.97f, 0.5f / 1.97f}},
        {"a tiny share is raised to 0.05", {0.01f, 0.5f, 0.5f}, 0, {0.05f, 0.475f, 0.475f}},
        {"a bar alone takes the whole row", {0.3f}, 0, {1.0f}},
        // The others add up to no more than the changed share: it keeps its share and they
        // split the rest equally.
        {"others no larger than the changed share", {0.7f, 0.1f, 0.1f}, 0, {0.7f, 0.15f, 0.15f}},
        {"others exactly the changed share", {0.5f, 0.25f, 0.25f}, 0, {0.5f, 0.25f, 0.25f}},
        {"others with no share", {0.6f, 0.0f}, 0, {0.6f, 0.4f}},
    };
    for (const Case& c : cases) {
        CPtrArray bars;
        LayoutSite caseSite;
        SECDockLayout caseLayout(bars, caseSite);
        std::vector<std::unique_ptr<SizableBar>> owned;
        for (float share : c.shares) {
            owned.push_back(std::make_unique<SizableBar>(share));
            bars.Add(owned.back().get());
        }
        bars.Add(nullptr);
        int sizable = 0;
        int fixed = 0;
        caseLayout.NormalizeRow(
            1, c.changed >= 0 ? owned[static_cast<size_t>(c.changed)].get() : nullptr, &sizable,
            &fixed);
        float sum = 0;
        for (size_t i = 0; i < owned.size(); ++i) {
            EXPECT_NEAR(owned[i]->m_fPctWidth, c.expected[i], 1e-5) << c.name << " bar " << i;
            sum += owned[i]->m_fPctWidth;
        }
        EXPECT_NEAR(sum, 1.0f, 1e-5) << c.name;
        EXPECT_EQ(sizable, static_cast<int>(c.shares.size())) << c.name;
        EXPECT_EQ(fixed, 0) << c.name;
    }
}

TEST_F(DockLayoutTest, NormalisationCountsFixedBarsApartAndSkipsHiddenOnes) {
    SizableBar a(0.5f), hidden(0.5f);
    FixedBar tool;
    Row({&a, &hidden, &tool});
    site.hidden[&hidden] = true;
    int sizable = 0;
    int fixed = 0;
    layout.NormalizeRow(1, nullptr, &sizable, &fixed);
    EXPECT_EQ(sizable, 1);
    EXPECT_EQ(fixed, 1);
    EXPECT_FLOAT_EQ(hidden.m_fPctWidth, 0.5f);
}

// ---- sizers ----

TEST_F(DockLayoutTest, BarSizerDraggedPastANarrowNeighbourTakesTheRestFromTheNext) {
    SizableBar a(0.2f), b(0.1f), c(0.7f);
    Row({&a, &b, &c});
    site.rects[&a] = CRect(1, 0, 101, 100);
    site.rects[&b] = CRect(107, 0, 137, 100);
    site.rects[&c] = CRect(143, 0, 343, 100);
    site.dock = CSize(600, 108);
    SECDockSizer sizer(SECDockSizer::barSizer, SECDockSizer::verticalBand, CRect(101, 0, 107, 100),
                       1);
    layout.OnSizerMoved(&sizer, 50);
    // The neighbour of 30 pixels gives 20 (down to 10), the next one the remaining 30.
    EXPECT_EQ(a.m_szMRUHorzDock.cx, 150);
    EXPECT_EQ(b.m_szMRUHorzDock.cx, 10);
    EXPECT_EQ(c.m_szMRUHorzDock.cx, 170);
    EXPECT_FLOAT_EQ(a.m_fPctWidth, 150.0f / 588);
    EXPECT_FLOAT_EQ(b.m_fPctWidth, 10.0f / 588);
    EXPECT_FLOAT_EQ(c.m_fPctWidth, 170.0f / 588);
    EXPECT_TRUE(layout.m_bLayoutChanged);
}

TEST_F(DockLayoutTest, BarSizerDraggedBackGrowsTheBarAfterIt) {
    SizableBar a(0.5f), b(0.5f);
    Row({&a, &b});
    site.rects[&a] = CRect(1, 0, 101, 100);
    site.rects[&b] = CRect(107, 0, 137, 100);
    SECDockSizer sizer(SECDockSizer::barSizer, SECDockSizer::verticalBand, CRect(101, 0, 107, 100),
                       1);
    layout.OnSizerMoved(&sizer, -95);
    EXPECT_EQ(b.m_szMRUHorzDock.cx, 125);
    EXPECT_EQ(a.m_szMRUHorzDock.cx, 10);
}

TEST_F(DockLayoutTest, RowSizerChangesTheRowsThickness) {
    struct Case {
        DWORD align;
        int delta;
        int expected;
    };
    // Top and left rows grow when their sizer moves away from the side; bottom and right ones
    // shrink.
    const Case cases[] = {{CBRS_ALIGN_TOP, 20, 120},
                          {CBRS_ALIGN_BOTTOM, 20, 80},
                          {CBRS_ALIGN_LEFT, 20, 140},
                          {CBRS_ALIGN_RIGHT, 20, 100}};
    for (const Case& c : cases) {
        SizableBar bar(1.0f, CSize(300, 100), CSize(120, 300));
        CPtrArray bars;
        LayoutSite caseSite;
        SECDockLayout caseLayout(bars, caseSite);
        bars.Add(&bar);
        bars.Add(nullptr);
        caseLayout.SetAlignment(c.align);
        SECDockSizer sizer(SECDockSizer::rowSizer, 0, CRect(), 1);
        caseLayout.OnSizerMoved(&sizer, c.delta);
        const bool horz = (c.align & CBRS_ORIENT_HORZ) != 0;
        EXPECT_EQ(horz ? bar.m_szMRUHorzDock.cy : bar.m_szMRUVertDock.cx, c.expected) << c.align;
    }
}

TEST_F(DockLayoutTest, SizerLimits) {
    SizableBar a(0.3f), b(0.3f), c(0.4f);
    Row({&a, &b, &c});
    SECDockSizer between(SECDockSizer::barSizer, SECDockSizer::verticalBand,
                         CRect(100, 0, 106, 100), 1);
    layout.SetAlignment(CBRS_ALIGN_TOP);
    layout.CalcSizerLimits(&between);
    EXPECT_EQ(between.m_nLowLimit, 16);
    EXPECT_EQ(between.m_nHighLimit, 600 - 32);

    struct Case {
        DWORD align;
        CRect sizer;
        int low;
        int high;
    };
    // The row is 100 thick (120 across on the sides); the pane is (0, 0, 600, 400).
    const Case cases[] = {
        {CBRS_ALIGN_TOP, CRect(0, 100, 600, 106), 10, 390},
        {CBRS_ALIGN_BOTTOM, CRect(0, 300, 600, 306), 10, 390},
        {CBRS_ALIGN_LEFT, CRect(120, 0, 126, 400), 10, 590},
        {CBRS_ALIGN_RIGHT, CRect(480, 0, 486, 400), 10, 590},
    };
    for (const Case& k : cases) {
        layout.SetAlignment(k.align);
        SECDockSizer row(SECDockSizer::rowSizer, 0, k.sizer, 1);
        layout.CalcSizerLimits(&row);
        EXPECT_EQ(row.m_nLowLimit, k.low) << k.align;
        EXPECT_EQ(row.m_nHighLimit, k.high) << k.align;
    }
}

TEST(DockSizer, TrackedBandStaysBetweenItsLimits) {
    SECDockSizer sizer(SECDockSizer::barSizer, SECDockSizer::verticalBand, CRect(100, 0, 106, 50),
                       1);
    sizer.m_nLowLimit = 16;
    sizer.m_nHighLimit = 200;
    EXPECT_EQ(sizer.ClampLeading(5), 16);
    EXPECT_EQ(sizer.ClampLeading(150), 150);
    EXPECT_EQ(sizer.ClampLeading(199), 194);
}

// ---- docking into rows ----

TEST_F(DockLayoutTest, DockingBelowTheLastRowStartsANewRow) {
    SizableBar a, b, c, d;
    Row({&a});
    site.ids[&b] = 2;
    site.ids[&c] = 3;
    site.ids[&d] = 4;
    site.rects[&a] = CRect(0, 0, 600, 100);
    const CRect below(50, 120, 350, 180);
    EXPECT_EQ(layout.InsertAtRect(&b, &below), 3);
    EXPECT_EQ(arr.GetSize(), 5);
    EXPECT_EQ(arr[4], nullptr);
    EXPECT_TRUE(layout.m_bLayoutChanged);

    const CRect sameRow(400, 20, 500, 80);
    EXPECT_EQ(layout.InsertAtRect(&c, &sameRow), 2);
    const CRect above(400, -80, 500, -40);
    EXPECT_EQ(layout.InsertAtRect(&d, &above), 1);
    EXPECT_EQ(arr[2], nullptr);
    SizableBar e;
    site.ids[&e] = 5;
    const int at = layout.InsertAtRect(&e, nullptr);
    EXPECT_EQ(at, arr.GetSize() - 2);
    EXPECT_EQ(arr[at - 1], nullptr);
}

TEST_F(DockLayoutTest, InsertingAtAColumnCountsVisibleBars) {
    SizableBar a, hidden, b, n;
    Row({&a, &hidden, &b});
    site.hidden[&hidden] = true;
    EXPECT_EQ(layout.InsertBar(&n, 1, 0), 3);
    EXPECT_EQ(arr[3], &n);
    SizableBar last;
    const int pos = layout.InsertBar(&last, 0, 5);
    EXPECT_EQ(arr[pos], &last);
    EXPECT_EQ(arr[arr.GetSize() - 1], nullptr);
    EXPECT_EQ(arr[pos - 1], nullptr);
}

TEST_F(DockLayoutTest, RemovingLeavesAPlaceholderOnlyOnce) {
    SizableBar a, b;
    Row({&a, &b});
    const UINT idA = site.ids[&a];
    ASSERT_TRUE(layout.RemoveBar(&a, -1, 1));
    EXPECT_EQ(arr[1], PlaceHolderOf(idA));
    EXPECT_FALSE(layout.RemoveBar(&a, -1, 1));

    // Docked again elsewhere and taken out again: the older placeholder stays alone.
    arr.Add(&a);
    arr.Add(nullptr);
    ASSERT_TRUE(layout.RemoveBar(&a, -1, 1));
    EXPECT_EQ(arr.GetSize(), 4);
    EXPECT_EQ(arr[3], nullptr);
    layout.RemovePlaceHolder(idA);
    EXPECT_EQ(layout.FindBar(PlaceHolderOf(idA)), -1);
}

TEST_F(DockLayoutTest, UndockingTheOnlyBarOfARowRepaintsTheRowsBesideIt) {
    SizableBar a, b, c;
    Row({&a});
    Row({&b});
    Row({&c});
    site.rects[&a] = CRect(0, 0, 600, 100);
    site.rects[&b] = CRect(0, 104, 600, 204);
    site.rects[&c] = CRect(0, 208, 600, 308);
    ASSERT_TRUE(layout.RemoveBar(&b, -1, 0));
    EXPECT_EQ(arr.GetSize(), 5);
    EXPECT_TRUE(layout.m_bLayoutChanged);
    EXPECT_EQ(layout.m_arrRepaint, (std::vector<CControlBar*>{&a, &c}));
    // The rows close up: the last row takes the place of the one removed.
    Lay(CSize(600, 400));
    EXPECT_EQ(site.rects[&c].top, site.rects[&a].bottom + 6);
}

TEST_F(DockLayoutTest, ShowingABarMakesItTheChangedBar) {
    SizableBar a, b;
    Row({&a});
    Row({&b});
    layout.OnBarShowChanged(&a);
    EXPECT_EQ(layout.m_pChangedBar, &a);
    EXPECT_TRUE(layout.m_bLayoutChanged);
    EXPECT_EQ(layout.m_arrRepaint, (std::vector<CControlBar*>{&b, &a}));
}

// ---- drop preview ----

TEST_F(DockLayoutTest, DropPreviewTakesTheDraggedBarsShareOfTheRow) {
    SizableBar a(0.5f), b(0.5f);
    Row({&a, &b});
    site.rects[&a] = CRect(1, 0, 295, 100);
    site.rects[&b] = CRect(301, 0, 600, 100);
    SizableBar dragged(0.5f, CSize(300, 120));
    int row = -1;
    CRect lastRect;
    CPoint lastPoint;
    const CRect drag(100, -40, 400, 140);
    // 600 * 0.5 / 1.5 = 200 long, 120 thick, the mouse at the same relative place.
    EXPECT_EQ(layout.CalcDropRect(&dragged, drag, CPoint(250, 40), &row, &lastRect, &lastPoint),
              CRect(150, -14, 350, 107));
    EXPECT_EQ(row, 1);
    // In the same row the preview follows the mouse.
    EXPECT_EQ(layout.CalcDropRect(&dragged, drag + CPoint(10, 5), CPoint(260, 45), &row, &lastRect,
                                  &lastPoint),
              CRect(160, -9, 360, 112));
}

TEST_F(DockLayoutTest, DropPreviewKeepsOrSpansTheDragRectangle) {
    SizableBar a(0.5f);
    Row({&a});
    site.rects[&a] = CRect(1, 0, 601, 100);
    const CRect drag(100, -40, 400, 140);
    int row = -1;
    CRect lastRect;
    CPoint lastPoint;
    // The bar's own row: no preview of its own.
    EXPECT_EQ(layout.CalcDropRect(&a, drag, CPoint(250, 40), &row, &lastRect, &lastPoint), drag);
    // A fixed-size bar keeps its rectangle.
    FixedBar tool;
    row = -1;
    EXPECT_EQ(layout.CalcDropRect(&tool, drag, CPoint(250, 40), &row, &lastRect, &lastPoint), drag);
    // Beyond the rows, a new row spans the dock bar.
    SizableBar other(0.5f);
    row = -1;
    const CRect below(100, 200, 400, 380);
    EXPECT_EQ(layout.CalcDropRect(&other, below, CPoint(250, 300), &row, &lastRect, &lastPoint),
              CRect(0, 200, 600, 380));
    EXPECT_EQ(row, -1);
}
