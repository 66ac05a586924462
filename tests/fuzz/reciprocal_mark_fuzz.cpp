// SPDX-License-Identifier: GPL-3.0-or-later
// The right-or-wrong reciprocal drill driven in any order by the fuzz input:
// clicks on either mark, the pause's end and the screen's load.

#include "drills/reciprocal_menu/reciprocal_mark_drill.h"
#include "fuzz_support.h"

namespace {

using fuzz::check;

void checkPair(const ReciprocalMarkDrill& d)
{
    const int b1 = d.b1(), m1 = d.m1(), b2 = d.b2(), m2 = d.m2();
    check(b1 >= 1 && b1 <= 20 && m1 >= 1 && m1 <= 20, "a fraction outside 1 to 20");
    // The reciprocal, the right numerator over a wrong denominator, or the fraction itself.
    const bool reciprocal = b2 == m1 && m2 == b1;
    check(reciprocal || (b2 == m1 && m2 == b1 + m1) || (b2 == b1 && m2 == m1),
          "a proposed answer of no known kind");
    check(d.answerKey() == 'f' || reciprocal, "a pair keyed right that is no reciprocal");
}

}  // namespace

void fuzz::run(Script& script)
{
    fuzz::Random random(script.word());
    fuzz::CountingFeedback feedback;
    ReciprocalMarkDrill drill(random, feedback);
    // The screen starts the drill as it loads, before any click can reach it.
    drill.start();
    fuzz::ScoreWatch watch;

    for (int operations = 0; !script.done() && operations < 200; ++operations) {
        const std::int64_t correctBefore = drill.score().correctCount();
        const std::int64_t wrongBefore = drill.score().wrongCount();
        const int playsBefore = feedback.plays;
        const std::uint8_t op = script.byte();
        switch (op % 3) {
        case 0: drill.start(); break;
        case 1: drill.nextQuestion(); break;
        default: {
            const bool enabled = drill.marksEnabled();
            const bool saysRight = op & 0x10;
            const bool reciprocal = drill.proposedIsReciprocal();
            const MarkOutcome outcome = drill.mark(saysRight);
            const bool right = outcome == MarkOutcome::Right;
            const bool wrong = outcome == MarkOutcome::Wrong;
            check(enabled || outcome == MarkOutcome::NotCounted, "a click judged during the pause");
            check(!enabled || right == (saysRight == reciprocal), "a click misjudged");
            check(drill.score().correctCount() - correctBefore == (right ? 1 : 0) &&
                      drill.score().wrongCount() - wrongBefore == (wrong ? 1 : 0),
                  "the counters do not match the verdict");
            check(feedback.plays - playsBefore == (right || wrong ? 1 : 0),
                  "not one sound per counted click");
            check(!drill.marksEnabled(), "the marks awake after a click");
            break;
        }
        }
        watch.check(drill.score());
        const DrillScore& score = drill.score();
        check(score.correctCount() + score.wrongCount() <= score.questionCount(),
              "more verdicts than pairs shown");
        checkPair(drill);
    }
}
