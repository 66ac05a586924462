// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"

#include "judging.h"

TEST(ReciprocalEntry, OneAnswerPerFractionItsVerdictBeforeTheSoundThenEmptyBoxesForTheNext)
{
    // 3/8 is shown: the reciprocal 8/3 is right (1) however written, anything else wrong.
    // clang-format off
    const std::tuple<const char*, const char*, bool> answers[] = {
        {"8", "3", 1}, {"08", "3abc", 1}, {"3", "8", 0}, {"8", "8", 0}, {"", "", 0}};
    // clang-format on
    for (const auto& [numerator, denominator, right] : answers) {
        SCOPED_TRACE(numerator + std::string(" over ") + denominator);
        // It draws 0/5 and 7/0 first, each time both again from a fresh seed, and keeps 3/8;
        // the next fraction is 6/6.
        Rig<ReciprocalEntryDrill> r(
            {.5 / 21, 5.5 / 21, 7.5 / 21, .5 / 21, 3.5 / 21, 8.5 / 21, 6.5 / 21, 6.5 / 21});
        r.drill.start();
        EXPECT_TRUE(r.drill.b1() == 3 && r.drill.m1() == 8 && r.random.reseedCount() == 3);
        EXPECT_EQ(r.drill.submit(numerator, denominator), right);
        EXPECT_FALSE(r.drill.submit("8", "3"));  // a second Enter during the pause: nothing
        // At the sound the message and its counter, Enter closed; the grade and pause after.
        const std::string said = right ? "أحسنت إجابة صحيحة |1|0|" : "أخطأت|0|1|",
                          grade = right ? "ممتاز" : "راسب ، لماذا ؟ ";
        EXPECT_EQ(r.heard, (right ? "+" : "-") + said + "|");
        EXPECT_FALSE(r.played.at(0).enterOpen());
        EXPECT_EQ(seen(r.drill), said + grade + "|s0");
        // The pause's end empties both boxes, whatever was typed meanwhile, and puts up 6/6.
        r.drill.nextQuestion();
        EXPECT_EQ(seen(r.drill), said.substr(said.find('|')) + grade + "|s0e1e0f0x0");
        EXPECT_TRUE(r.drill.b1() == 6 && r.drill.enterOpen() &&
                    r.drill.score().questionCount() == 2);
    }
    // Each part from 1 to 20, independently.
    Rig<ReciprocalEntryDrill> quiet({});
    ReciprocalEntryDrill d(seededSource, quiet);
    expectDraws(40000, pairs(1, 20, 1, 20), [&] { return d.start(), std::pair(d.b1(), d.m1()); });
}
