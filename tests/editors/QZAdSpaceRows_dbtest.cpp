// The ad space form's rows on an ad space of the fixture site: typed percents as the total
// counts them, gaps closed in order before a save, and only the rows that differ stored.

#include "content/QZVantrelAdSpace.h"
#include "editors/QZAdSpaceRows.h"
#include "tests/content/ContentFixture.h"
#include "tests/content/ContentKinds.h"

#include <gtest/gtest.h>

#include <memory>

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

class QZAdSpaceRowsTest : public ContentTest {
protected:
    std::unique_ptr<QZVantrelAdSpace> Load(LONG id) {
        std::unique_ptr<QZVantrelBase> object =
            ContentKindOf(OBJ_ADSPACE).load(QZKeyCombo(5, id, OBJ_ADSPACE), TRUE);
        return std::unique_ptr<QZVantrelAdSpace>(dynamic_cast<QZVantrelAdSpace*>(object.release()));
    }
};

TEST_F(QZAdSpaceRowsTest, OnlyTheRowsThatDifferAreStoredEachCountedOnce) {
    AddRow(ContentKindOf(OBJ_ADSPACE), 1, "Banner", "DbID1, AdID1, AdPercent1, DbID3, AdID3",
           "5, 1, 60, 5, 3");
    std::unique_ptr<QZVantrelAdSpace> space = Load(1);
    QZAdSpaceRows::Rows rows = QZAdSpaceRows::Stored(*space);
    int changes = 0;
    QZAdSpaceRows::Store(*space, rows, [&] { ++changes; });
    EXPECT_EQ(changes, 0);

    EXPECT_TRUE(QZAdSpaceRows::CloseGaps(rows));
    rows[1].percent = 40;
    QZAdSpaceRows::Store(*space, rows, [&] { ++changes; });
    // Row 2 got the ad and a percent, row 3 lost its ad.
    EXPECT_EQ(changes, 3);
    space->Save();
    space.reset();
    const ContentKind& kind = ContentKindOf(OBJ_ADSPACE);
    EXPECT_EQ(Number(kind, 1, "AdID2"), 3);
    EXPECT_EQ(Number(kind, 1, "AdPercent2"), 40);
    EXPECT_EQ(Number(kind, 1, "AdID3"), 0);
    EXPECT_EQ(Number(kind, 1, "AdPercent3"), 0);
}

TEST_F(QZAdSpaceRowsTest, ARowWithNoEntryChosenKeepsItsSlot) {
    AddRow(ContentKindOf(OBJ_ADSPACE), 1, "Banner", "DbID1, AdID1, AdPercent1", "5, 1, 100");
    std::unique_ptr<QZVantrelAdSpace> space = Load(1);
    QZAdSpaceRows::Rows rows = QZAdSpaceRows::Stored(*space);
    rows[0].ad = QZKeyCombo(-1, -1);
    int changes = 0;
    QZAdSpaceRows::Store(*space, rows, [&] { ++changes; });
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(space->GetAdID(1), 1);
}
