// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fact_cards/fact_cards.h"

#include "distribution.h"

TEST(FactCards, ACardShowsItsFactAnyKeyTurnsItOverAndEnterPutsUpTheNext)
{
    // Drawn a then b: 7 × 0 and 3 × 0 are drawn again, each time from a fresh seed, and 4 × 3
    // is kept; the next is 10 × 10.
    for (const auto& [kind, texts] :
         {std::pair{FactKind::Division, std::array{"12 ÷ 3=", "4", "100 ÷ 10="}},
          {FactKind::Multiplication, std::array{"4 × 3=", "12", "10 × 10="}}}) {
        ScriptedRandomSource random(
            {7.5 / 11, .5 / 11, 3.5 / 11, .5 / 11, 4.5 / 11, 3.5 / 11, 10.5 / 11, 10.5 / 11});
        FactCards cards(kind, random);
        cards.drawFact();
        EXPECT_TRUE(cards.cardText() == texts[0] && random.reseedCount() == 3) << texts[0];
        cards.characterTyped(27);  // Escape turns it over like any other key but Enter
        EXPECT_EQ(cards.cardText(), texts[1]);
        cards.characterTyped(13);  // Enter turns it over and puts up the next question at once
        EXPECT_EQ(cards.cardText(), texts[2]);
    }
    // Every a from 0 to 10 with every b from 1 to 10, equally often.
    FactCards cards(FactKind::Division, seededSource);
    expectDraws(33000, pairs(0, 10, 1, 10),
                [&] { return cards.drawFact(), std::pair(cards.a(), cards.b()); });
}
