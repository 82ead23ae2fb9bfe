// The ad space form's rows: typed percents as the total counts them, and gaps closed in order
// before a save.

#include "editors/QZAdSpaceRows.h"

#include <gtest/gtest.h>

TEST(QZAdSpaceRowsText, ATypedPercentCountsWhenItIsAWholeNumberElseZero) {
    const struct {
        const char* text;
        int percent;
    } cases[] = {{"1", 1},   {"15", 15}, {"150", 150}, {"", 0},  {"-", 0},
                 {"-5", -5}, {" 7 ", 7}, {"1a", 0},    {"x", 0}, {"99999999999", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(QZAdSpaceRows::PercentOfText(c.text), c.percent) << '"' << c.text << '"';
}

TEST(QZAdSpaceRowsGaps, AdsMoveUpInOrderAndTheEmptyRowsEndLast) {
    QZAdSpaceRows::Rows rows;
    rows[0] = {QZKeyCombo(5, 1), 50};
    rows[2] = {QZKeyCombo(5, 3), 30};
    rows[5] = {QZKeyCombo(5, 6), 20};
    EXPECT_TRUE(QZAdSpaceRows::CloseGaps(rows));
    EXPECT_EQ(rows[0].ad, QZKeyCombo(5, 1));
    EXPECT_EQ(rows[1].ad, QZKeyCombo(5, 3));
    EXPECT_EQ(rows[1].percent, 30);
    EXPECT_EQ(rows[2].ad, QZKeyCombo(5, 6));
    EXPECT_EQ(rows[2].percent, 20);
    for (int r = 3; r < QZAdSpaceRows::kRows; ++r) {
        EXPECT_FALSE(QZAdSpaceRows::HasAd(rows[r].ad)) << r;
        EXPECT_EQ(rows[r].percent, 0) << r;
    }
    EXPECT_FALSE(QZAdSpaceRows::CloseGaps(rows));
}
