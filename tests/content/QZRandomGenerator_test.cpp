#include "content/QZRandomGenerator.h"

#include "content/QZRandomSource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Draws(QZRandomSource& source, int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(source.Draw());
    return draws;
}

TEST(QZRandomGenerator, GivesTheSameKnownSequenceFromTheSameSeed) {
    QZRandomGenerator generator;
    // The C standard's example generator from its starting seed 1.
    EXPECT_EQ(Draws(generator, 5), (std::vector<int>{16838, 5758, 10113, 17515, 31051}));
    generator.Seed(1);
    EXPECT_EQ(Draws(generator, 2), (std::vector<int>{16838, 5758}));
    generator.Seed(0xFFFFFFFFu);
    std::vector<int> high = Draws(generator, 3);
    generator.Seed(0xFFFFFFFFu);
    EXPECT_EQ(Draws(generator, 3), high);
}

TEST(QZRandomGenerator, DrawsStayWithinZeroTo32767) {
    QZRandomGenerator generator;
    generator.Seed(123456789u);
    for (int draw : Draws(generator, 10000)) {
        EXPECT_GE(draw, 0);
        EXPECT_LE(draw, QZRandomSource::kMaxDraw);
    }
}

TEST(QZRandomSource, InstalledSourceReplacesTheGeneratorUntilRemoved) {
    struct Constant : QZRandomSource {
        void Seed(unsigned int) override {}
        int Draw() override { return 7; }
    } constant;
    EXPECT_EQ(SetRandomSource(&constant), nullptr);
    EXPECT_EQ(GetRandomSource().Draw(), 7);
    EXPECT_EQ(SetRandomSource(nullptr), &constant);
    GetRandomSource().Seed(1);
    EXPECT_EQ(GetRandomSource().Draw(), 16838);
}

} // namespace
