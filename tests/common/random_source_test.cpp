// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

TEST(RandomSource, ScriptedUnitsGiveBelowAndComeInTurnUntilTheyRunOut)
{
    // The whole part of unit × 10: a scripted unit outside [0, 1) still lands in 0 to 9.
    for (const auto& [unit, expected] : {std::pair{0.0, 0}, {0.0999999, 0}, {0.1, 1}, {0.49999, 4},
                                         {0.5, 5}, {0.999999, 9}, {1.0, 9}, {7.5, 9}, {-0.25, 0}}) {
        EXPECT_EQ(ScriptedRandomSource({unit}).below(10), expected) << unit;
    }
    // A spent script refuses to draw, so a draw loop that only ever rejects fails its
    // test instead of running for ever; a re-seed does not start it again.
    ScriptedRandomSource script({0.1, 0.2});
    EXPECT_EQ(script.below(10) + 10 * script.below(1000), 2001);
    script.reseed();
    EXPECT_THROW(script.below(10), std::out_of_range);
}

TEST(ClockRandomSource, ClockSeedsNeverRepeatFixedSeedsDoAndDrawsAreUniform)
{
    // The first three draws of each of `rounds` sequences, re-seeding between them.
    const auto draws = [](RandomSource&& source, int rounds) {
        std::set<std::array<double, 3>> result;
        for (int i = 0; i < rounds; ++i, source.reseed()) {
            result.insert({source.nextUnit(), source.nextUnit(), source.nextUnit()});
        }
        return result;
    };
    // Every sequence differs: from two clock sources, re-seeded in a tight loop that mostly
    // stays within one clock tick, and from two fixed seeds, re-seeds included.
    auto all = draws(ClockRandomSource(), 1000);
    all.merge(draws(ClockRandomSource(), 1));
    all.merge(draws(ClockRandomSource(12345), 4));
    all.merge(draws(ClockRandomSource(12346), 4));
    EXPECT_EQ(all.size(), 1009u);
    // A fixed seed repeats its sequences exactly.
    EXPECT_EQ(draws(ClockRandomSource(12345), 4), draws(ClockRandomSource(12345), 4));

    ClockRandomSource source(20240611);
    std::array<double, 11> n{};
    for (int i = 0; i < 110000; ++i) {
        n.at(static_cast<std::size_t>(source.below(11))) += 1;  // throws when out of range
    }
    // Chi-square with 10 degrees of freedom, sum((n - 10000)^2) / 10000: 29.59 is the 0.1 %
    // point; a missing or a doubled value gives thousands.
    EXPECT_LT(std::inner_product(n.begin(), n.end(), n.begin(), 0.0) / 1e4 - 11e4, 29.59);
}

}  // namespace
