// SPDX-License-Identifier: GPL-3.0-or-later
// The choose-the-quotient drill driven in any order by the fuzz input: clicks
// on any option (and on numbers that are no option), the pause's end and the
// screen's load.

#include <algorithm>

#include "drills/reciprocal_menu/quotient_choice_drill.h"
#include "fuzz_support.h"

namespace {

using fuzz::check;

void checkDivision(const QuotientChoiceDrill& d)
{
    check(d.kind() >= 0 && d.kind() < 6, "a kind of division outside the table");
    check(d.divisor() == 10 || d.divisor() == 100 || d.divisor() == 1000, "a divisor not 10, 100 or 1000");
    check(d.answer() > 0 && d.dividend() == d.answer() * d.divisor(), "a quotient that is wrong");
    const auto& options = d.options();
    check(std::count(options.begin(), options.end(), d.answer()) == 1,
          "the quotient not exactly once among the options");
    for (int times : {10, 100}) {
        check(std::count(options.begin(), options.end(), d.answer() * times) == 1,
              "an option that is not ten or a hundred times the quotient");
    }
    check(d.questionText() == std::to_string(d.dividend()) + "÷" + std::to_string(d.divisor()) + "=",
          "the question does not show the division");
}

}  // namespace

void fuzz::run(Script& script)
{
    fuzz::Random random(script.word());
    fuzz::CountingFeedback feedback;
    QuotientChoiceDrill drill(random, feedback);
    // The screen starts the drill as it loads, before any click can reach it.
    drill.start();
    fuzz::ScoreWatch watch;

    for (int operations = 0; !script.done() && operations < 200; ++operations) {
        const std::int64_t answersBefore = watch.answers();
        const int playsBefore = feedback.plays;
        const std::uint8_t op = script.byte();
        switch (op % 3) {
        case 0: drill.start(); break;
        case 1: drill.nextQuestion(); break;
        default: {
            const bool enabled = drill.optionsEnabled();
            const int option = int(script.byte() % 5) - 1;  // 0, 1 and 2 are the buttons
            const bool valid = option >= 0 && option < QuotientChoiceDrill::optionCount;
            const bool right = drill.choose(option);
            const bool counted = enabled && valid;
            check(!counted || right == (drill.options()[std::size_t(option)] == drill.answer()),
                  "a click misjudged");
            check(counted || !right, "a click judged right that was not judged");
            watch.check(drill.score());
            check(watch.answers() - answersBefore == (counted ? 1 : 0), "not one verdict per click");
            check(feedback.plays - playsBefore == (counted ? 1 : 0), "not one sound per verdict");
            check(drill.optionText(option) == (valid ? std::to_string(drill.options()[std::size_t(option)]) : ""),
                  "an option's text is not its number");
            break;
        }
        }
        watch.check(drill.score());
        const DrillScore& score = drill.score();
        check(score.correctCount() + score.wrongCount() <= score.questionCount(),
              "more verdicts than divisions shown");
        checkDivision(drill);
    }
}
