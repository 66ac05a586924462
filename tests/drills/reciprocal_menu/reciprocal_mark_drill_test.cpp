#include "drills/reciprocal_menu/reciprocal_mark_drill.h"

#include <gtest/gtest.h>

#include <array>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

using O = MarkOutcome;

// The draws of one pair: b1 and m1 from 0 to 20, then the case from 0 to 2.
std::vector<double> pairOf(int b1, int m1, int kase)
{
    return {(b1 + 0.5) / 21, (m1 + 0.5) / 21, (kase + 0.5) / 3};
}

// A drill started on the drawn pairs; each sound keeps the drill as it stood then.
struct Rig final : Feedback {
    explicit Rig(std::vector<double> draws) : random(std::move(draws)) { drill.start(); }
    void play(Verdict verdict) override { heard.push_back({verdict, drill}); }

    ScriptedRandomSource random;
    std::vector<std::pair<Verdict, ReciprocalMarkDrill>> heard;
    ReciprocalMarkDrill drill{random, *this};
};

TEST(ReciprocalMark, EachMarkInEachCaseIsJudgedByTheNumbersShown)
{
    struct Row { int b1, m1, kase, b2, m2; char key; O saysRight, saysWrong; };
    const Row rows[] = {
        {3, 8, 0, 8, 3, 't', O::Right, O::Wrong},   {3, 8, 1, 8, 11, 'f', O::Wrong, O::Right},
        {3, 8, 2, 3, 8, 'f', O::Wrong, O::Right},   {20, 20, 1, 20, 40, 'f', O::Wrong, O::Right},
        // A fraction that is its own reciprocal: "خطأ" on it is held against the pupil
        // only when it was drawn as the reciprocal.
        {7, 7, 2, 7, 7, 'f', O::Right, O::NotCounted}, {7, 7, 0, 7, 7, 't', O::Right, O::Wrong},
    };
    for (const Row& row : rows) {
        for (const bool saysRight : {true, false}) {
            SCOPED_TRACE(testing::Message() << row.b1 << "/" << row.m1 << " case " << row.kase
                                            << (saysRight ? " صح" : " خطأ"));
            std::vector<double> draws = pairOf(row.b1, row.m1, row.kase);
            for (double next : pairOf(1, 2, 0))
                draws.push_back(next);
            Rig r(draws);
            const ReciprocalMarkDrill& d = r.drill;
            EXPECT_EQ((std::array{d.b1(), d.m1(), d.b2(), d.m2()}),
                      (std::array{row.b1, row.m1, row.b2, row.m2}));
            EXPECT_EQ(d.answerKey(), row.key);

            const O expected = saysRight ? row.saysRight : row.saysWrong;
            EXPECT_EQ(r.drill.mark(saysRight), expected);
            const int right = expected == O::Right, wrong = expected == O::Wrong;
            EXPECT_EQ((std::array{d.score().correctCount(), d.score().wrongCount(),
                                  d.score().questionCount()}),
                      (std::array<std::int64_t, 3>{right, wrong, 1}));
            EXPECT_EQ(d.feedbackShown(), expected != O::NotCounted);
            // A wrong click names the mark that was right.
            const std::string message =
                right ? std::string(messages::praise)
                : wrong ? std::string(messages::correction) + (saysRight ? "خطأ" : "صح") : "";
            EXPECT_EQ(d.feedbackText(), message);
            // One sound, heard after the counter and the message and before the grade.
            ASSERT_EQ(r.heard.size(), std::size_t(expected != O::NotCounted));
            if (!r.heard.empty()) {
                EXPECT_EQ(r.heard[0].first, right ? Verdict::Right : Verdict::Wrong);
                EXPECT_EQ(r.heard[0].second.score().correctCount(), right);
                EXPECT_TRUE(r.heard[0].second.feedbackShown());
                EXPECT_EQ(r.heard[0].second.score().grade(), "");
            }
            EXPECT_EQ(d.score().grade(), gradeWord(100 * right));

            // The pause: both marks rest and do nothing.
            EXPECT_TRUE(d.timerArmed());
            const ReciprocalMarkDrill during = d;
            EXPECT_EQ(r.drill.mark(true), O::NotCounted);
            EXPECT_EQ(r.drill.mark(false), O::NotCounted);
            EXPECT_EQ(r.heard.size(), std::size_t(expected != O::NotCounted));
            EXPECT_EQ(d.score().correctCount() + d.score().wrongCount(), right + wrong);
            EXPECT_EQ(d.feedbackText(), during.feedbackText());

            r.drill.nextQuestion();
            EXPECT_EQ((std::array{d.b1(), d.m1(), d.b2(), d.m2()}), (std::array{1, 2, 2, 1}));
            EXPECT_TRUE(d.marksEnabled() && !d.feedbackShown() && !d.timerArmed());
            EXPECT_EQ(d.score().questionCount(), 2);
        }
    }
}

TEST(ReciprocalMark, APairWithAZeroIsDrawnAgainFromAFreshSeedThenTheCase)
{
    // 0/5 and 3/0 are rejected; 4/9 in case 1 is kept.
    Rig r({0.5 / 21, 5.5 / 21, 3.5 / 21, 0.5 / 21, 4.5 / 21, 9.5 / 21, 1.5 / 3});
    EXPECT_EQ((std::array{r.drill.b1(), r.drill.m1(), r.drill.b2(), r.drill.m2()}),
              (std::array{4, 9, 9, 13}));
    EXPECT_EQ(r.random.reseedCount(), 3);
    EXPECT_EQ(r.random.drawCount(), 7u);
    EXPECT_TRUE(r.drill.keyPreview());
}

// A feedback that stays silent, for long runs with the real source.
struct Silent final : Feedback {
    void play(Verdict) override {}
};

TEST(ReciprocalMark, RealDrawsAreUniformAndTheCountersNeverPassTheQuestions)
{
    ClockRandomSource random(20240611);
    Silent silent;
    ReciprocalMarkDrill drill(random, silent);
    drill.start();
    constexpr int pairs = 6000;
    std::array<int, 3> cases{};
    std::array<int, 21> numerators{}, denominators{};
    for (int i = 0; i < pairs; ++i) {
        ASSERT_TRUE(drill.b1() >= 1 && drill.b1() <= 20 && drill.m1() >= 1 && drill.m1() <= 20);
        ++numerators[std::size_t(drill.b1())];
        ++denominators[std::size_t(drill.m1())];
        ++cases[drill.answerKey() == 't' ? 0 : drill.m2() == drill.b1() + drill.m1() ? 1 : 2];
        drill.mark(i % 3 == 0);
        drill.mark(i % 2 == 0);  // during the pause
        const DrillScore& s = drill.score();
        ASSERT_LE(s.correctCount() + s.wrongCount(), s.questionCount());
        drill.nextQuestion();
    }
    // Chi-square bounds at the one-in-a-thousand tail: 13.8 for 2 degrees of freedom,
    // 43.8 for 19.
    auto chiSquare = [](const auto& counts, std::size_t from, double expected) {
        double sum = 0;
        for (std::size_t k = from; k < counts.size(); ++k)
            sum += (counts[k] - expected) * (counts[k] - expected) / expected;
        return sum;
    };
    EXPECT_LT(chiSquare(cases, 0, pairs / 3.0), 13.8);
    EXPECT_LT(chiSquare(numerators, 1, pairs / 20.0), 43.8);
    EXPECT_LT(chiSquare(denominators, 1, pairs / 20.0), 43.8);
}

}  // namespace
