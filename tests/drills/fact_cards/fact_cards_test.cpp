// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fact_cards/fact_cards.h"

#include "distribution.h"

// What a card shows and how keys turn it are pinned on the card screens' own test; here, how
// a fact is drawn.
TEST(FactCards, AFactWithBZeroIsDrawnAgainAndEveryOtherComesUpEquallyOften)
{
    // Drawn a then b: 7 × 0 and 3 × 0 are drawn again, each time from a fresh seed, and 4 × 3
    // is kept.
    ScriptedRandomSource random({7.5 / 11, .5 / 11, 3.5 / 11, .5 / 11, 4.5 / 11, 3.5 / 11});
    FactCards scripted(FactKind::Division, random);
    scripted.drawFact();
    EXPECT_TRUE(scripted.cardText() == "12 ÷ 3=" && random.reseedCount() == 3);
    // Every a from 0 to 10 with every b from 1 to 10, equally often.
    FactCards cards(FactKind::Division, seededSource);
    expectDraws(33000, pairs(0, 10, 1, 10),
                [&] { return cards.drawFact(), std::pair(cards.a(), cards.b()); });
}
