// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/random_source.h"

#include <gtest/gtest.h>

#include <set>

// How often each value comes up is checked on the drills' own draws, which all go through
// below(); here, what no count of draws shows.
TEST(ClockRandomSource, ReseedsNeverRepeatASequence)
{
    // Two clock sources re-seeded in a tight loop, mostly within one clock tick, and a fixed
    // seed: the first draws after every re-seed all differ.
    std::set<double> firsts;
    for (ClockRandomSource s : {ClockRandomSource(), ClockRandomSource(), ClockRandomSource(1)})
        for (int i = 0; i < 300; ++i, s.reseed())
            firsts.insert(s.nextUnit());
    EXPECT_EQ(firsts.size(), 900u);
}
