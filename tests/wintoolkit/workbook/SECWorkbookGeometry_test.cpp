#include "wintoolkit/workbook/SECWorkbookGeometry.h"

#include <gtest/gtest.h>

namespace {

using G = SECWorkbookGeometry;

TEST(SECWorkbookGeometry, TabWidthsAt395PixelsForOneToEightSheets) {
    const int expected[] = {80, 80, 80, 80, 80, 66, 57, 50};
    for (int sheets = 1; sheets <= 8; ++sheets)
        EXPECT_EQ(G::CalcTabWidth(395, sheets, 100), expected[sheets - 1]) << sheets;
    EXPECT_EQ(G::CalcTabWidth(395, 0, 100), 100);
}

TEST(SECWorkbookGeometry, SevenPointOutlineOfAPlainAndARaisedTab) {
    const CRect client(10, 10, 405, 300);
    const auto plain = G::TabPolygon(client, 2, 50, false);
    const CPoint plainPoints[] = {{110, 304}, {110, 322}, {115, 327}, {155, 327},
                                  {160, 322}, {160, 304}, {110, 304}};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(plain[i], plainPoints[i]) << i;
    const auto raised = G::TabPolygon(client, 2, 50, true);
    const CPoint raisedPoints[] = {{108, 304}, {108, 324}, {113, 329}, {157, 329},
                                   {162, 324}, {162, 304}, {108, 304}};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(raised[i], raisedPoints[i]) << i;
}

TEST(SECWorkbookGeometry, HitTestsFollowTheOutline) {
    const CRect client(10, 10, 405, 300);
    const auto tab = G::TabPolygon(client, 0, 80, false);
    EXPECT_TRUE(G::PolygonHolds(tab.data(), 7, CPoint(50, 310)));
    EXPECT_TRUE(G::PolygonHolds(tab.data(), 7, CPoint(10, 304)));
    EXPECT_FALSE(G::PolygonHolds(tab.data(), 7, CPoint(9, 310)));
    // The slanted lower corners are outside.
    EXPECT_FALSE(G::PolygonHolds(tab.data(), 7, CPoint(11, 326)));
    EXPECT_FALSE(G::PolygonHolds(tab.data(), 7, CPoint(50, 303)));
    EXPECT_FALSE(G::PolygonHolds(tab.data(), 7, CPoint(90, 310)));
}

TEST(SECWorkbookGeometry, InvalidationRectangles) {
    const CRect client(10, 10, 405, 300);
    EXPECT_EQ(G::TabInvalidRect(client, 1, 80, 415, false), CRect(88, 304, 172, 331));
    EXPECT_EQ(G::TabInvalidRect(client, 1, 80, 415, true), CRect(88, 304, 415, 331));
    EXPECT_EQ(G::TabStripRect(client, 415), CRect(0, 304, 415, 331));
}

TEST(SECWorkbookGeometry, LabelsShortenOneCharacterAtATime) {
    const auto measure = [](const CString& s) { return s.GetLength() * 7; };
    struct Case {
        const char* label;
        int width;
        const char* shown;
    } cases[] = {
        {"abc", 0, "abc"},           {"Products", 56, "Products"},
        {"Products", 55, "Prod..."}, {"Products", 42, "Pro..."},
        {"Products", 41, "Pr..."},   {"Products", 0, "..."},
        {"abcd", 27, "..."},         {"", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(G::ShortenLabel(c.label, c.width, measure), c.shown) << c.label << c.width;
}

} // namespace
