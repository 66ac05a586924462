// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fact_cards/fact_cards.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/random_source.h"

namespace {

TEST(FactCards, DrawsBothAgainFromAFreshSeedWhileBIsZeroAndEveryOtherFactEquallyOften)
{
    ScriptedRandomSource script({0.65, 0, 0.3, 0, 0.95, 0.95});  // below(11): 7 0, 3 0, 10 10
    FactCards scripted(FactKind::Division, script);
    scripted.drawFact();
    EXPECT_EQ((std::vector{scripted.a(), scripted.b(), scripted.c(), script.reseedCount()}),
              (std::vector{10, 10, 100, 3}));
    ClockRandomSource random(20240612);  // the real source, with a fixed seed
    FactCards cards(FactKind::Division, random);
    std::vector<int> count(121);  // of each fact, at a × 11 + b
    for (int i = 0; i < 33000; ++i) {
        cards.drawFact();
        ++count.at(std::size_t(cards.a() * 11 + cards.b()));
    }
    // 300 each, give or take 17 by chance, and none with a b of 0.
    for (std::size_t i = 0; i < count.size(); ++i)
        EXPECT_NEAR(count[i], i % 11 ? 300 : 0, 70) << i / 11 << " × " << i % 11;
}

}  // namespace
