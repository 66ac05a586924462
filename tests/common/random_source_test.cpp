#include "common/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <set>
#include <tuple>
#include <vector>

namespace {

// The first three draws of each of `rounds` sequences, re-seeding between them.
std::vector<std::array<double, 3>> draws(RandomSource&& source, int rounds)
{
    std::vector<std::array<double, 3>> result;
    for (int i = 0; i < rounds; ++i, source.reseed()) {
        result.push_back({source.nextUnit(), source.nextUnit(), source.nextUnit()});
    }
    return result;
}

TEST(RandomSource, ScriptedUnitsGiveBelowAndComeInTurn)
{
    // {unit, n, expected}: a scripted unit outside [0, 1) still lands inside the range.
    for (const auto& [unit, n, expected] : std::vector<std::tuple<double, int, int>>{
             {0.0, 1, 0}, {0.999999, 1, 0}, {0.999999, 9, 8}, {0.999999, 1000, 999}, {0.5, 10, 5},
             {0.49999, 10, 4}, {0.1, 10, 1}, {0.0999999, 10, 0}, {1.0, 10, 9}, {7.5, 10, 9},
             {-0.25, 10, 0}}) {
        EXPECT_EQ(ScriptedRandomSource({unit}).below(n), expected) << unit << " * " << n;
    }
    // Scripted units come in turn and wrap round; a re-seed does not disturb them.
    EXPECT_EQ(draws(ScriptedRandomSource({0.1, 0.2, 0.3, 0.4}), 2),
              (std::vector<std::array<double, 3>>{{0.1, 0.2, 0.3}, {0.4, 0.1, 0.2}}));
}

TEST(ClockRandomSource, ClockSeedsNeverRepeatFixedSeedsDoAndDrawsAreUniform)
{
    // Two sources, and re-seeds in a tight loop that mostly fall within one clock tick.
    auto clock = draws(ClockRandomSource(), 1000);
    clock.push_back(draws(ClockRandomSource(), 1).front());
    EXPECT_EQ(std::set(clock.begin(), clock.end()).size(), clock.size());

    // A fixed seed gives the same sequences again, re-seeds included, and still a new
    // sequence at each re-seed.
    const auto fixed = draws(ClockRandomSource(12345), 4);
    EXPECT_EQ(fixed, draws(ClockRandomSource(12345), 4));
    EXPECT_NE(fixed, draws(ClockRandomSource(12346), 4));
    EXPECT_EQ(std::set(fixed.begin(), fixed.end()).size(), fixed.size());

    ClockRandomSource source(20240611);
    std::array<double, 11> counts{};
    for (int i = 0; i < 110000; ++i) {
        counts.at(static_cast<std::size_t>(source.below(11))) += 1;  // throws when out of range
    }
    // Chi-square, the sum of (count - 10000)^2 / 10000, written as sum(count^2) / 10000 - 110000.
    // 10 degrees of freedom: 29.59 is the 0.1 % point; a missing or a doubled value gives
    // thousands.
    EXPECT_LT(std::inner_product(counts.begin(), counts.end(), counts.begin(), 0.0) / 1e4 - 11e4,
              29.59);
}

}  // namespace
