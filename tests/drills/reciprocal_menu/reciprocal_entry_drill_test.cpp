// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

using Drill = ReciprocalEntryDrill;
using Request = ScreenRequest;
using Kind = Request::Kind;
using enum Drill::Box;

// A drill over fractions drawn from scripted values, and the sounds it played.
struct Rig final : Feedback {
    explicit Rig(std::vector<int> values)
    {
        for (int value : values)
            units.push_back((value + 0.5) / 21);  // what makes below(21) give `value`
        random.setValues(units);
        drill.start();
    }
    void play(Verdict verdict) override
    {
        EXPECT_FALSE(drill.timerArmed(Drill::Timer::Timer1));  // the pause starts after the sound
        played.push_back(verdict);
    }

    std::vector<double> units;
    ScriptedRandomSource random;
    std::vector<Verdict> played;
    Drill drill{random, *this};
};

TEST(ReciprocalEntryDrill, DrawsEachFractionFromAFreshSeedUntilNeitherPartIsZero)
{
    const struct {
        std::vector<int> values;
        int b1, m1, reseeds;
    } cases[] = {{{0, 5, 7, 0, 20, 4}, 20, 4, 3}, {{6, 6}, 6, 6, 1}, {{4, 20}, 4, 20, 1}};
    for (const auto& c : cases) {
        Rig rig(c.values);
        EXPECT_EQ(std::tuple(rig.drill.b1(), rig.drill.m1(), rig.random.reseedCount()),
                  std::tuple(c.b1, c.m1, c.reseeds));
        EXPECT_EQ(rig.drill.score().questionText(), "عدد الأسئلة :  1");
    }
}

TEST(ReciprocalEntryDrill, JudgesOneAnswerPerFractionAndStartsTheNextAfterThePause)
{
    const struct {
        const char *numerator, *denominator;
        bool right;
    } cases[] = {{"8", "3", true},   {"8", "03", true}, {"08", "3abc", true}, {"3", "8", false},
                 {"8", "8", false}, {"", "", false}};
    for (const auto& c : cases) {
        Rig rig({3, 8, 6, 6});
        EXPECT_EQ(rig.drill.submit(c.numerator, c.denominator), c.right) << c.numerator << c.denominator;
        EXPECT_FALSE(rig.drill.submit("8", "3"));  // a second Enter in the pause
        EXPECT_EQ(rig.played, std::vector{c.right ? Verdict::Right : Verdict::Wrong});
        EXPECT_EQ(rig.drill.feedbackText(), c.right ? "أحسنت إجابة صحيحة " : "أخطأت");
        EXPECT_EQ(rig.drill.score().correctCount() - rig.drill.score().wrongCount(), c.right ? 1 : -1);
        EXPECT_EQ(rig.drill.score().grade(), c.right ? "ممتاز" : "راسب ، لماذا ؟ ");

        rig.drill.nextQuestion();
        EXPECT_EQ(rig.drill.takeRequests(),
                  (std::vector<Request>{{Kind::StartTimer, 0}, {Kind::EmptyBox, int(txtm1)},
                                        {Kind::EmptyBox, int(txtb1)}, {Kind::FocusBox, int(txtb1)},
                                        {Kind::StopTimer, 0}}));
        EXPECT_EQ(std::tuple(rig.drill.b1(), rig.drill.feedbackShown(), rig.drill.enterOpen()),
                  std::tuple(6, false, true));
        rig.drill.nextQuestion();  // a stray tick with no pause running
        EXPECT_EQ(rig.drill.score().questionCount(), 2);
    }
}

// The real source: each value from 1 to 20 about equally often in each
// place, and never more than one answer counted per fraction.
TEST(ReciprocalEntryDrill, DrawsUniformlyAndCountsOneAnswerPerFraction)
{
    struct : Feedback {
        void play(Verdict) override {}
    } quiet;
    ClockRandomSource random(20261206);
    Drill drill(random, quiet);
    std::mt19937 pupil(7);
    std::array<std::array<int, 21>, 2> seen{};
    constexpr int fractions = 21000;
    drill.start();
    for (int i = 0; i < fractions; ++i) {
        ++seen[0][drill.b1()];
        ++seen[1][drill.m1()];
        for (unsigned enters = 1 + pupil() % 3; enters > 0; --enters)
            drill.submit(pupil() % 2 ? std::to_string(drill.m1()) : "", std::to_string(drill.b1()));
        const auto& score = drill.score();
        ASSERT_EQ(score.correctCount() + score.wrongCount(), score.questionCount());
        drill.nextQuestion();
    }
    for (const auto& place : seen) {
        EXPECT_EQ(place[0], 0);
        for (int value = 1; value <= 20; ++value)
            EXPECT_NEAR(place[value], fractions / 20, fractions / 100) << value;
    }
}

}  // namespace
