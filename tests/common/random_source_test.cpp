#include "common/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <vector>

namespace {

TEST(RandomSource, BelowCoversExactlyZeroToNMinusOne)
{
    struct Case {
        double unit;
        int n;
        int expected;
    };
    const Case cases[] = {
        {0.0, 1, 0},       {0.0, 9, 0},          {0.0, 1000, 0},
        {0.999999, 1, 0},  {0.999999, 9, 8},     {0.999999, 10, 9},
        {0.999999, 11, 10}, {0.999999, 1000, 999}, {0.5, 10, 5},
        {0.49999, 10, 4},  {0.1, 10, 1},         {0.0999999, 10, 0},
        // A scripted value outside [0, 1) still lands inside the range.
        {1.0, 10, 9},      {7.5, 10, 9},         {-0.25, 10, 0},
    };
    for (const Case& c : cases) {
        ScriptedRandomSource source({c.unit});
        EXPECT_EQ(source.below(c.n), c.expected) << c.unit << " * " << c.n;
    }
}

TEST(RandomSource, ScriptedValuesComeInTurnAndWrapRound)
{
    ScriptedRandomSource source({0.1, 0.2, 0.3});
    std::vector<double> drawn;
    for (int i = 0; i < 7; ++i) {
        drawn.push_back(source.nextUnit());
    }
    EXPECT_EQ(drawn, (std::vector<double>{0.1, 0.2, 0.3, 0.1, 0.2, 0.3, 0.1}));
    EXPECT_EQ(source.drawCount(), 7u);

    source.reseed();
    source.reseed();
    EXPECT_EQ(source.reseedCount(), 2);
    EXPECT_EQ(source.nextUnit(), 0.2);  // re-seeding does not disturb the script

    source.setValues({0.7, 0.8});
    EXPECT_EQ(source.nextUnit(), 0.7);
    EXPECT_EQ(source.nextUnit(), 0.8);
    EXPECT_EQ(source.nextUnit(), 0.7);

    ScriptedRandomSource empty;
    EXPECT_EQ(empty.nextUnit(), 0.0);
    EXPECT_EQ(empty.below(5), 0);
}

// The first few 53-bit draws, as whole numbers, stand for a sequence.
std::array<std::uint64_t, 4> firstDraws(RandomSource& source)
{
    std::array<std::uint64_t, 4> draws{};
    for (auto& d : draws) {
        d = static_cast<std::uint64_t>(source.nextUnit() * 9007199254740992.0);
    }
    return draws;
}

TEST(ClockRandomSource, ReseedsAndSourcesNeverRepeatASequence)
{
    ClockRandomSource first;
    ClockRandomSource second;
    EXPECT_NE(firstDraws(first), firstDraws(second));

    // Re-seeds in a tight loop mostly fall within one clock tick.
    std::set<std::array<std::uint64_t, 4>> seen;
    for (int i = 0; i < 1000; ++i) {
        first.reseed();
        EXPECT_TRUE(seen.insert(firstDraws(first)).second) << "re-seed " << i;
    }
}

TEST(ClockRandomSource, AFixedSeedRepeats)
{
    ClockRandomSource a(12345);
    ClockRandomSource b(12345);
    ClockRandomSource c(12346);
    const auto drawsA = firstDraws(a);
    EXPECT_EQ(drawsA, firstDraws(b));
    EXPECT_NE(drawsA, firstDraws(c));
}

TEST(ClockRandomSource, DrawsAreUniform)
{
    ClockRandomSource source(20240611);
    constexpr int kBins = 11;
    constexpr int kDraws = 110000;
    std::array<int, kBins> counts{};
    double low = 1.0;
    double high = 0.0;
    for (int i = 0; i < kDraws; ++i) {
        const int k = source.below(kBins);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, kBins);
        ++counts[static_cast<std::size_t>(k)];
        const double u = source.nextUnit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        low = u < low ? u : low;
        high = u > high ? u : high;
    }
    const double expected = static_cast<double>(kDraws) / kBins;
    double chiSquare = 0.0;
    for (int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    // 10 degrees of freedom: 29.59 is the 0.1 % point. A missing or a
    // doubled value gives tens of thousands.
    EXPECT_LT(chiSquare, 29.59);
    EXPECT_LT(low, 0.001);
    EXPECT_GT(high, 0.999);
}

}  // namespace
