// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"

#include <algorithm>

#include "distribution.h"

namespace {

using Drill = ReciprocalEntryDrill;
using enum ScreenRequest::Kind;

// A started drill with a copy of it taken at each sound. It draws 0/5 and 7/0 first, each
// time both again from a fresh seed, and keeps 3/8; the next fraction is 6/6.
struct Rig final : Feedback {
    Rig() { drill.start(); }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    ScriptedRandomSource random{
        {.5 / 21, 5.5 / 21, 7.5 / 21, .5 / 21, 3.5 / 21, 8.5 / 21, 6.5 / 21, 6.5 / 21}};
    Drill drill{random, *this};
    std::vector<std::pair<Verdict, Drill>> played;
};

TEST(ReciprocalEntry, OneAnswerPerFractionItsVerdictBeforeTheSoundThenEmptyBoxesForTheNext)
{
    for (const auto& [numerator, denominator, right] :
         {std::tuple{"8", "3", true}, {"08", "3abc", true}, {"3", "8", false}, {"8", "8", false},
          {"", "", false}}) {
        SCOPED_TRACE(numerator + std::string(" over ") + denominator);
        Rig r;
        EXPECT_TRUE(r.drill.b1() == 3 && r.drill.m1() == 8 && r.random.reseedCount() == 3);
        EXPECT_EQ(r.drill.submit(numerator, denominator), right);
        EXPECT_FALSE(r.drill.submit("8", "3"));  // a second Enter during the pause: nothing
        // At the sound: the message and its counter, Enter closed; no grade, no pause yet.
        ASSERT_EQ(r.played.size(), 1u);
        const Drill& s = r.played[0].second;
        EXPECT_EQ(s.feedbackText(), right ? "أحسنت إجابة صحيحة " : "أخطأت");
        EXPECT_EQ((std::array{s.score().correctCount(), s.score().wrongCount()}),
                  (std::array<std::int64_t, 2>{right, !right}));
        EXPECT_TRUE(s.feedbackShown() && !s.enterOpen() && s.score().grade().empty());
        EXPECT_FALSE(s.timerArmed(Drill::Timer::Timer1));
        EXPECT_EQ(r.drill.score().grade(), right ? "ممتاز" : "راسب ، لماذا ؟ ");
        // The pause's end empties both boxes, whatever was typed meanwhile, and puts up 6/6.
        r.drill.takeRequests();
        r.drill.nextQuestion();
        EXPECT_TRUE(std::ranges::is_permutation(r.drill.takeRequests(), std::vector<ScreenRequest>{
            {EmptyBox, 0}, {EmptyBox, 1}, {FocusBox, 0}, {StopTimer, 0}}));
        EXPECT_TRUE(r.drill.b1() == 6 && r.drill.enterOpen() && !r.drill.feedbackShown());
        EXPECT_EQ(r.drill.score().correctCount() + r.drill.score().wrongCount(), 1);
        EXPECT_EQ(r.drill.score().questionCount(), 2);
    }
    // Each part from 1 to 20, independently.
    std::map<std::pair<int, int>, double> fractions;
    for (int b1 = 1; b1 <= 20; ++b1)
        for (int m1 = 1; m1 <= 20; ++m1)
            fractions[{b1, m1}] = 1;
    Rig quiet;
    Drill d(seededSource, quiet);
    expectDraws(40000, fractions, [&] { return d.start(), std::pair(d.b1(), d.m1()); });
}

}  // namespace
