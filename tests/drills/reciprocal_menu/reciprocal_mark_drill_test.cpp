// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"

#include "judging.h"

using O = MarkOutcome;

TEST(ReciprocalMark, EachMarkIsJudgedByTheNumbersShownThenBothRestUntilTheNextPair)
{
    // b1, m1 and the case drawn; b2 and m2 shown; "صح" and "خطأ" judged. 7/7 is its own
    // reciprocal: "خطأ" is held against the pupil only when the pair was drawn as one.
    // clang-format off
    const std::tuple<int, int, int, int, int, O, O> rows[] = {
        {3, 8, 0, 8, 3, O::Right, O::Wrong}, {3, 8, 1, 8, 11, O::Wrong, O::Right},
        {3, 8, 2, 3, 8, O::Wrong, O::Right}, {20, 20, 1, 20, 40, O::Wrong, O::Right},
        {7, 7, 2, 7, 7, O::Right, O::NotCounted}, {7, 7, 0, 7, 7, O::Right, O::Wrong}};
    // clang-format on
    for (const auto& [b1, m1, kase, b2, m2, yes, no] : rows) {
        for (const bool saysRight : {true, false}) {
            SCOPED_TRACE(testing::Message() << b1 << "/" << m1 << " case " << kase << saysRight);
            // 0/1 comes first, drawn again from a fresh seed; 1/2 shown as 2/1 comes next.
            Rig<ReciprocalMarkDrill> r({.5 / 21, 1.5 / 21, (b1 + .5) / 21, (m1 + .5) / 21,
                                        (kase + .5) / 3, 1.5 / 21, 2.5 / 21, .5 / 3});
            const ReciprocalMarkDrill& d = r.drill;
            r.drill.start();
            EXPECT_TRUE(d.b2() == b2 && d.m2() == m2 && r.random.reseedCount() == 2);
            const O outcome = saysRight ? yes : no;
            EXPECT_EQ(r.drill.mark(saysRight), outcome);
            EXPECT_EQ(r.drill.mark(!saysRight), O::NotCounted);  // during the pause
            // At the sound, if any, the message and its counter: a wrong click names the mark
            // that was right. Then the grade, also after a click not counted, and the pause.
            const std::string wrong =
                "-أخطأت الاجابة الصحيحة هي  " + std::string(saysRight ? "خطأ" : "صح");
            EXPECT_EQ(r.heard, outcome == O::Right   ? "+أحسنت إجابة صحيحة |1|0||"
                               : outcome == O::Wrong ? wrong + "|0|1||"
                                                     : "");
            EXPECT_EQ(d.score().grade(), outcome == O::Right ? "ممتاز" : "راسب ، لماذا ؟ ");
            EXPECT_TRUE(d.timerArmed(ReciprocalMarkDrill::Timer::Timer1) && !d.marksEnabled());
            EXPECT_TRUE(r.played.empty() || !r.played[0].marksEnabled());
            r.drill.nextQuestion();
            EXPECT_TRUE(d.b1() == 1 && d.b2() == 2 && d.marksEnabled() && !d.feedbackShown());
            EXPECT_EQ(d.score().questionCount(), 2);
        }
    }
    // The reciprocal, its numerator over b1 + m1, and the given fraction, equally often.
    Rig<ReciprocalMarkDrill> quiet({});
    ReciprocalMarkDrill drill(seededSource, quiet);
    expectDraws(6000, std::map<int, double>{{0, 1}, {1, 1}, {2, 1}}, [&] {
        return drill.start(), drill.answerKey() == 't' ? 0 : drill.m2() == drill.m1() ? 2 : 1;
    });
}
