// Ads, their ad spaces and the rotation that picks one ad of an ad space.
#include "content/QZVantrelAdSpace.h"

#include "content/QZRandomSource.h"
#include "content/QZVantrelAd.h"
#include "tests/content/ContentFixture.h"

#include <array>
#include <vector>

namespace {

// Gives the draws it was handed, in turn, and keeps every seed.
class ScriptedRandom : public QZRandomSource {
public:
    explicit ScriptedRandom(std::vector<int> draws)
        : m_draws(std::move(draws)), m_previous(SetRandomSource(this)) {}
    ~ScriptedRandom() override { SetRandomSource(m_previous); }

    void Seed(unsigned int seed) override { m_seeds.push_back(seed); }
    int Draw() override { return m_draws.at(m_next++); }

    std::vector<unsigned int> m_seeds;

private:
    std::vector<int> m_draws;
    size_t m_next = 0;
    QZRandomSource* m_previous;
};

class AdSpaceTest : public ContentTest {
protected:
    // A new ad space whose slot n holds ad 5:(100 + n) with the given weights.
    std::unique_ptr<QZVantrelAdSpace> AdSpace(const std::array<int, 10>& weights) {
        auto space = std::make_unique<QZVantrelAdSpace>();
        for (SHORT n = 1; n <= 10; ++n) {
            space->SetAdDbID(n, kDbId);
            space->SetAdID(n, 100 + n);
            space->SetAdPercent(n, static_cast<BYTE>(weights[n - 1]));
        }
        return space;
    }
    // The slot the ad space picks when the rotation draws `draw`.
    LONG Pick(QZVantrelAdSpace& space, int draw) {
        ScriptedRandom random({12345, draw});
        QZKeyCombo ad = space.PickAd();
        EXPECT_EQ(ad.m_ObjectType, OBJ_AD);
        EXPECT_EQ(ad.m_DbID, kDbId);
        return ad.m_KeyID - 100;
    }
};

TEST_F(AdSpaceTest, TheDrawPicksTheFirstSlotWhoseRunningWeightPassesIt) {
    struct Case {
        const char* label;
        std::array<int, 10> weights;
        int draw;
        LONG slot;
    } cases[] = {
        {"50/50, 0", {50, 50}, 0, 1},
        {"50/50, 49", {50, 50}, 49, 1},
        {"50/50, 50", {50, 50}, 50, 2},
        {"50/50, 99", {50, 50}, 99, 2},
        {"50/50, 149 counts as 49", {50, 50}, 149, 1},
        {"all 0", {}, 0, 10},
        {"all 0, 99", {}, 99, 10},
        {"100 in slot 1", {100, 30, 30}, 99, 1},
        {"slot 10 alone", {0, 0, 0, 0, 0, 0, 0, 0, 0, 40}, 0, 10},
        {"weights past 100 leave later slots out", {60, 60, 60}, 99, 2},
        {"the rest of 100 goes to slot 10", {10, 10}, 20, 10},
    };
    for (const Case& c : cases) {
        auto space = AdSpace(c.weights);
        EXPECT_EQ(Pick(*space, c.draw), c.slot) << c.label;
    }
}

TEST_F(AdSpaceTest, RotationSeedsWithTheSecondThenWithTheFirstDrawsLowByte) {
    auto space = AdSpace({50, 50});
    ScriptedRandom random({0x1234, 10});
    space->PickAd();
    auto now = static_cast<uint32_t>(FixedClock::LocalTime(2024, 3, 5, 10, 20, 30));
    EXPECT_EQ(random.m_seeds, (std::vector<unsigned int>{now, 0x34u | (now << 8)}));
}

TEST_F(AdSpaceTest, WithinOneSecondEveryCallPicksTheSameSlot) {
    auto space = AdSpace({10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
    for (int second = 0; second < 20; ++second) {
        m_clock.Advance(1);
        QZKeyCombo first = space->PickAd();
        QZKeyCombo second_ = space->PickAd();
        EXPECT_EQ(first.m_KeyID, second_.m_KeyID);
        EXPECT_GE(first.m_KeyID, 101);
        EXPECT_LE(first.m_KeyID, 110);
    }
}

TEST_F(AdSpaceTest, AChosenSlotWithoutAnAdGivesNoAd) {
    auto space = AdSpace({50, 50});
    space->SetAdID(2, 0);
    space->SetAdID(10, -4);
    ScriptedRandom random({0, 70, 0, 99, 0, 10});
    QZKeyCombo empty = space->PickAd();
    EXPECT_EQ(empty.m_KeyID, 0);
    EXPECT_EQ(empty.m_ObjectType, OBJ_AD);
    space->SetAdPercent(2, 0);
    EXPECT_EQ(space->PickAd().m_KeyID, 0);
    QZKeyCombo ad = space->PickAd();
    EXPECT_EQ(ad.m_KeyID, 101);
    EXPECT_EQ(empty.m_KeyID, 0); // the first result is a value of its own
}

TEST_F(AdSpaceTest, SlotsOutsideOneToTenReadZeroAndWriteNothing) {
    auto space = AdSpace({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (SHORT n : {0, 11, -1, 300}) {
        space->SetAdDbID(n, 9);
        space->SetAdID(n, 9);
        space->SetAdPercent(n, 9);
        EXPECT_EQ(space->GetAdDbID(n), 0) << n;
        EXPECT_EQ(space->GetAdID(n), 0) << n;
        EXPECT_EQ(space->GetAdPercent(n), 0) << n;
    }
    ASSERT_EQ(space->Save(), 1);
    LONG id = space->GetKey().m_KeyID;
    const ContentKind& kind = ContentKindOf(OBJ_ADSPACE);
    for (int n = 1; n <= 10; ++n) {
        std::string suffix = std::to_string(n);
        EXPECT_EQ(Number(kind, id, ("DbID" + suffix).c_str()), kDbId);
        EXPECT_EQ(Number(kind, id, ("AdID" + suffix).c_str()), 100 + n);
        EXPECT_EQ(Number(kind, id, ("AdPercent" + suffix).c_str()), n);
    }
}

TEST_F(AdSpaceTest, AnAdReadsAndWritesItsImageAndAdvertiserKeys) {
    const ContentKind& kind = ContentKindOf(OBJ_AD);
    AddRow(kind, 7, "Sale", "ImageDbID, ImageID, AdvertiserDbID, AdvertiserID", "5, 3, 6, 4");
    QZVantrelAd ad(QZKeyCombo(kDbId, 7, OBJ_AD), TRUE);
    QZKeyCombo image = ad.GetImageKey();
    QZKeyCombo advertiser = ad.GetAdvertiserKey();
    EXPECT_EQ(image.FormatFull(), "5:3");
    EXPECT_EQ(image.m_ObjectType, OBJ_IMAGE);
    EXPECT_EQ(advertiser.FormatFull(), "6:4");
    EXPECT_EQ(advertiser.m_ObjectType, OBJ_ADVERTISER);
    ad.SetImageKey(QZKeyCombo(5, 13));
    ad.SetAdvertiserKey(QZKeyCombo(5, 14));
    EXPECT_EQ(image.FormatFull(), "5:3");
    EXPECT_EQ(ad.Save(), 1);
    EXPECT_EQ(Number(kind, 7, "ImageID"), 13);
    EXPECT_EQ(Number(kind, 7, "AdvertiserID"), 14);
    EXPECT_EQ(Number(kind, 7, "AdvertiserDbID"), 5);
}

} // namespace
