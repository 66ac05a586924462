// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"

#include <gtest/gtest.h>

#include <array>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

using O = MarkOutcome;

// A started drill and the sounds it asked for.
struct Rig final : Feedback {
    explicit Rig(RandomSource& random) : drill(random, *this) { drill.start(); }
    void play(Verdict verdict) override { heard.push_back(verdict); }
    std::array<int, 4> numbers() const { return {drill.b1(), drill.m1(), drill.b2(), drill.m2()}; }

    std::vector<Verdict> heard;
    ReciprocalMarkDrill drill;
};

TEST(ReciprocalMark, EachMarkInEachCaseIsJudgedByTheNumbersShownThenRestsUntilTheNextPair)
{
    // b1, m1 and the case drawn; b1, m1, b2, m2 shown; the key; "صح" and "خطأ" judged.
    struct Row { std::array<int, 3> drawn; std::array<int, 4> shown; char key; O yes, no; };
    const Row rows[] = {
        {{3, 8, 0}, {3, 8, 8, 3}, 't', O::Right, O::Wrong},
        {{3, 8, 1}, {3, 8, 8, 11}, 'f', O::Wrong, O::Right},
        {{3, 8, 2}, {3, 8, 3, 8}, 'f', O::Wrong, O::Right},
        {{20, 20, 1}, {20, 20, 20, 40}, 'f', O::Wrong, O::Right},
        // Its own reciprocal: "خطأ" is held against the pupil only if drawn as the reciprocal.
        {{7, 7, 2}, {7, 7, 7, 7}, 'f', O::Right, O::NotCounted},
        {{7, 7, 0}, {7, 7, 7, 7}, 't', O::Right, O::Wrong},
    };
    for (const Row& row : rows) {
        for (const bool saysRight : {true, false}) {
            const auto [b1, m1, kase] = row.drawn;  // then 1/2 as 2/1
            SCOPED_TRACE(testing::Message() << b1 << "/" << m1 << " case " << kase << saysRight);
            ScriptedRandomSource random({(b1 + .5) / 21, (m1 + .5) / 21, (kase + .5) / 3,
                                         1.5 / 21, 2.5 / 21, .5 / 3});
            Rig r(random);
            const ReciprocalMarkDrill& d = r.drill;
            EXPECT_EQ(r.numbers(), row.shown);
            EXPECT_EQ(d.answerKey(), row.key);

            const O expected = saysRight ? row.yes : row.no;
            EXPECT_EQ(r.drill.mark(saysRight), expected);
            const int right = expected == O::Right, wrong = expected == O::Wrong;
            EXPECT_EQ((std::array{d.score().correctCount(), d.score().wrongCount()}),
                      (std::array<std::int64_t, 2>{right, wrong}));
            // A wrong click names the mark that was right.
            const std::string message =
                right ? std::string(messages::praise)
                : wrong ? std::string(messages::correction) + (saysRight ? "خطأ" : "صح") : "";
            EXPECT_EQ(d.feedbackText(), message);
            EXPECT_EQ(d.feedbackShown(), right || wrong);
            // One sound; none for a click not counted, though the grade is worked out.
            const std::vector<Verdict> sound{right ? Verdict::Right : Verdict::Wrong};
            EXPECT_EQ(r.heard, right || wrong ? sound : std::vector<Verdict>{});
            EXPECT_EQ(d.score().grade(), gradeWord(100 * right));

            // The pause: both marks rest and do nothing.
            EXPECT_TRUE(d.timerArmed(ReciprocalMarkDrill::Timer::Timer1) && !d.marksEnabled());
            EXPECT_EQ((std::array{r.drill.mark(true), r.drill.mark(false)}),
                      (std::array{O::NotCounted, O::NotCounted}));
            EXPECT_EQ(r.heard.size(), std::size_t(right || wrong));
            EXPECT_EQ(d.score().correctCount() + d.score().wrongCount(), right + wrong);

            r.drill.nextQuestion();
            EXPECT_EQ(r.numbers(), (std::array{1, 2, 2, 1}));
            EXPECT_TRUE(d.marksEnabled() && !d.feedbackShown() && !d.timerArmed(ReciprocalMarkDrill::Timer::Timer1));
            EXPECT_EQ(d.score().questionCount(), 2);
        }
    }
}

TEST(ReciprocalMark, RealDrawsAreUniformAndTheCountersNeverPassTheQuestions)
{
    ClockRandomSource random(20240611);
    Rig r(random);
    ReciprocalMarkDrill& drill = r.drill;
    constexpr int pairs = 6000;
    std::array<int, 3> cases{};
    for (int i = 0; i < pairs; ++i) {
        ++cases[drill.answerKey() == 't' ? 0 : drill.m2() == drill.b1() + drill.m1() ? 1 : 2];
        drill.mark(i % 3 == 0);
        drill.mark(i % 2 == 0);  // during the pause
        ASSERT_LE(drill.score().correctCount() + drill.score().wrongCount(),
                  drill.score().questionCount());
        drill.nextQuestion();
    }
    // Chi-square below 13.8, its one-in-a-thousand tail for 2 degrees of freedom.
    double chiSquare = 0;
    for (int n : cases)
        chiSquare += (n - pairs / 3.0) * (n - pairs / 3.0) / (pairs / 3.0);
    EXPECT_LT(chiSquare, 13.8);
}

}  // namespace
