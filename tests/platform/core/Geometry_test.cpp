#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"

#include <gtest/gtest.h>

TEST(Geometry, PointsAndSizesAddAndSubtract) {
    CPoint point(10, 20);
    point += CSize(5, -5);
    EXPECT_EQ(point, CPoint(15, 15));
    EXPECT_EQ(CPoint(15, 15) - CPoint(10, 20), CSize(5, -5));
    EXPECT_EQ(CPoint(1, 2) + CSize(3, 4), CPoint(4, 6));
    EXPECT_EQ(-CPoint(1, -2), CPoint(-1, 2));
}

TEST(Geometry, RectangleEdgesHoldTheLeftAndTopOnly) {
    const CRect rect(10, 20, 30, 50);
    EXPECT_EQ(rect.Width(), 20);
    EXPECT_EQ(rect.Height(), 30);
    EXPECT_EQ(rect.CenterPoint(), CPoint(20, 35));
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(10, 50)));
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(Geometry, RectangleInflateOffsetAndNormalize) {
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(1, 2);
    EXPECT_EQ(rect, CRect(9, 8, 21, 22));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(10, 10, 18, 18));
    rect.OffsetRect(-10, 5);
    EXPECT_EQ(rect, CRect(0, 15, 8, 23));
    rect.MoveToXY(100, 200);
    EXPECT_EQ(rect, CRect(100, 200, 108, 208));
    CRect reversed(20, 30, 10, 5);
    reversed.NormalizeRect();
    EXPECT_EQ(reversed, CRect(10, 5, 20, 30));
}

TEST(Geometry, IntersectionAndUnion) {
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 20), apart(30, 30, 40, 40);
    CRect result;
    EXPECT_TRUE(result.IntersectRect(&a, &b));
    EXPECT_EQ(result, CRect(5, 5, 10, 10));
    EXPECT_FALSE(result.IntersectRect(&a, &apart));
    EXPECT_TRUE(result.IsRectNull());
    EXPECT_TRUE(result.UnionRect(&a, &b));
    EXPECT_EQ(result, CRect(0, 0, 20, 20));
    const CRect empty(50, 50, 50, 50);
    EXPECT_TRUE(result.UnionRect(&empty, &b));
    EXPECT_EQ(result, b);
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | apart, CRect(0, 0, 40, 40));
}

TEST(Geometry, ColoursKeepRedInTheLowByte) {
    constexpr COLORREF color = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(color, 0x00563412u);
    EXPECT_EQ(GetRValue(color), 0x12);
    EXPECT_EQ(GetGValue(color), 0x34);
    EXPECT_EQ(GetBValue(color), 0x56);
    EXPECT_EQ(PALETTEINDEX(5), 0x01000005u);
    EXPECT_TRUE(IsPaletteIndex(PALETTEINDEX(0)));
    EXPECT_FALSE(IsPaletteIndex(RGB(255, 255, 255)));
}
