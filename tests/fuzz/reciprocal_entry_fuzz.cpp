// SPDX-License-Identifier: GPL-3.0-or-later
// The write-the-reciprocal drill driven in any order by the fuzz input: any
// bytes typed into either box, Enter, the pause's end and the screen's load.

#include "drills/reciprocal_menu/reciprocal_entry_drill.h"
#include "fuzz_support.h"

namespace {

using Drill = ReciprocalEntryDrill;
using fuzz::check;

}  // namespace

void fuzz::run(Script& script)
{
    fuzz::Random random(script.word());
    fuzz::CountingFeedback feedback;
    Drill drill(random, feedback);
    std::string numerator, denominator;
    fuzz::ScoreWatch watch;

    for (int operations = 0; !script.done() && operations < 200; ++operations) {
        const std::int64_t answersBefore = watch.answers();
        const int playsBefore = feedback.plays;
        const bool open = drill.enterOpen();
        bool judged = false;
        switch (script.byte() % 6) {
        case 0: drill.start(); break;
        case 1: drill.nextQuestion(); break;
        case 2: numerator = script.text(); break;
        case 3: denominator = script.text(); break;
        case 4: {
            // The reciprocal typed, or one box off by one, then Enter.
            const std::uint8_t form = script.byte();
            const unsigned off = form & 0x40 ? 1 : 0;
            numerator = fuzz::typed(unsigned(drill.m1()) + off, form);
            denominator = fuzz::typed(unsigned(drill.b1()), form);
            const bool right = drill.submit(numerator, denominator);
            check(!open || right == (off == 0), "the reciprocal misjudged");
            judged = true;
            break;
        }
        default: {
            const bool right = drill.submit(numerator, denominator);
            check(open || !right, "an answer judged right while Enter is closed");
            judged = true;
            break;
        }
        }
        watch.check(drill.score());
        const bool counted = judged && open;
        check(watch.answers() - answersBefore == (counted ? 1 : 0), "not one verdict per Enter");
        check(feedback.plays - playsBefore == (counted ? 1 : 0), "not one sound per verdict");
        check(!counted || !drill.enterOpen(), "Enter still open after a verdict");
        for (const auto& request : drill.takeRequests()) {
            if (request.kind == ScreenRequest::Kind::EmptyBox) {
                (request.target == int(Drill::Box::txtb1) ? numerator : denominator).clear();
            }
        }
        const DrillScore& score = drill.score();
        check(score.correctCount() + score.wrongCount() <= score.questionCount(),
              "more verdicts than fractions shown");
        check(drill.b1() >= 1 && drill.b1() <= 20 && drill.m1() >= 1 && drill.m1() <= 20,
              "a fraction outside 1 to 20");
    }
}
