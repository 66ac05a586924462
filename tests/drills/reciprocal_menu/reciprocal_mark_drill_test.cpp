// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"

#include "distribution.h"

namespace {

using O = MarkOutcome;
using Drill = ReciprocalMarkDrill;

// A started drill over scripted draws, with a copy of it taken at each sound.
struct Rig final : Feedback {
    explicit Rig(std::vector<double> units) : random(std::move(units)) { drill.start(); }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    ScriptedRandomSource random;
    Drill drill{random, *this};
    std::vector<std::pair<Verdict, Drill>> played;
};

TEST(ReciprocalMark, EachMarkIsJudgedByTheNumbersShownThenBothRestUntilTheNextPair)
{
    // b1, m1 and the case drawn; b2 and m2 shown; "صح" and "خطأ" judged. 7/7 is its own
    // reciprocal: "خطأ" is held against the pupil only when the pair was drawn as one.
    struct Row { int b1, m1, kase, b2, m2; O yes, no; };
    const Row rows[] = {
        {3, 8, 0, 8, 3, O::Right, O::Wrong}, {3, 8, 1, 8, 11, O::Wrong, O::Right},
        {3, 8, 2, 3, 8, O::Wrong, O::Right}, {20, 20, 1, 20, 40, O::Wrong, O::Right},
        {7, 7, 2, 7, 7, O::Right, O::NotCounted}, {7, 7, 0, 7, 7, O::Right, O::Wrong}};
    for (const Row& row : rows) {
        for (const bool saysRight : {true, false}) {
            SCOPED_TRACE(testing::Message() << row.b1 << "/" << row.m1 << " case " << row.kase
                                            << (saysRight ? " right" : " wrong"));
            // 0/1 comes first, drawn again from a fresh seed; 1/2 shown as 2/1 comes next.
            Rig r({.5 / 21, 1.5 / 21, (row.b1 + .5) / 21, (row.m1 + .5) / 21, (row.kase + .5) / 3,
                   1.5 / 21, 2.5 / 21, .5 / 3});
            const Drill& d = r.drill;
            EXPECT_TRUE(d.b2() == row.b2 && d.m2() == row.m2 && r.random.reseedCount() == 2);
            const O outcome = saysRight ? row.yes : row.no;
            const bool right = outcome == O::Right, wrong = outcome == O::Wrong;
            EXPECT_EQ(r.drill.mark(saysRight), outcome);
            EXPECT_EQ(r.drill.mark(!saysRight), O::NotCounted);  // during the pause
            // A wrong click names the mark that was right; one not counted is still graded.
            const std::string correction = "أخطأت الاجابة الصحيحة هي  ";
            EXPECT_EQ(d.feedbackText(), right   ? "أحسنت إجابة صحيحة "
                                        : wrong ? correction + (saysRight ? "خطأ" : "صح")
                                                : "");
            EXPECT_TRUE(d.score().correctCount() == right && d.score().wrongCount() == wrong);
            EXPECT_EQ(d.score().grade(), right ? "ممتاز" : "راسب ، لماذا ؟ ");
            // At the sound, if any: the message and its counter, both marks at rest; no grade
            // and no pause yet.
            EXPECT_EQ(r.played.size(), std::size_t(right || wrong));
            for (const auto& [verdict, s] : r.played) {
                EXPECT_EQ(verdict, right ? Verdict::Right : Verdict::Wrong);
                EXPECT_TRUE(s.feedbackShown() && !s.marksEnabled());
                EXPECT_EQ(s.score().correctCount() + s.score().wrongCount(), 1);
                EXPECT_TRUE(s.score().grade().empty() && !s.timerArmed(Drill::Timer::Timer1));
            }
            r.drill.nextQuestion();
            EXPECT_TRUE(d.b1() == 1 && d.b2() == 2 && d.marksEnabled() && !d.feedbackShown());
            EXPECT_EQ(d.score().questionCount(), 2);
        }
    }
    // The reciprocal, its numerator over b1 + m1, and the given fraction, equally often.
    Rig quiet({1, 1, 1});
    Drill drill(seededSource, quiet);
    expectDraws(6000, std::map<int, double>{{0, 1}, {1, 1}, {2, 1}}, [&] {
        return drill.start(), drill.answerKey() == 't' ? 0 : drill.m2() == drill.m1() ? 2 : 1;
    });
}

}  // namespace
