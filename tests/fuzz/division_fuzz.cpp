// SPDX-License-Identifier: GPL-3.0-or-later
// The long-division drill driven in any order by the fuzz input: any bytes
// into any of the three boxes and checked by any of the three buttons, new
// problems, the timers and the hint panel.

#include "drills/whole_division/division_drill.h"
#include "fuzz_support.h"

namespace {

using Drill = DivisionDrill;
using Box = Drill::Box;
using fuzz::check;

const DivisionStep stepOf[] = {DivisionStep::QuotientStep, DivisionStep::ProductStep,
                               DivisionStep::RemainderStep};

CheckResult submit(Drill& d, int box, std::string_view text)
{
    switch (box) {
    case 0: return d.submitQuotient(text);
    case 1: return d.submitProduct(text);
    default: return d.submitRemainder(text);
    }
}

unsigned rightAnswer(const Drill& d, int box)
{
    const int answers[] = {d.quotient(), d.quotient() * d.divisor(), d.remainder()};
    return unsigned(answers[box]);
}

void checkProblem(const Drill& d)
{
    check(d.divisor() >= 1 && d.divisor() <= 9 && d.dividend() >= 1 && d.dividend() <= 99,
          "a problem outside its ranges");
    check(d.quotient() < 10 && d.remainder() > 0 && d.remainder() < d.divisor() &&
              d.dividend() == d.quotient() * d.divisor() + d.remainder(),
          "a quotient or remainder that is wrong");
    check(!d.hintText().empty(), "a problem without a hint");
}

}  // namespace

void fuzz::run(Script& script)
{
    fuzz::Random random(script.word());
    fuzz::CountingFeedback feedback;
    Drill drill(random, feedback);
    fuzz::ScoreWatch watch;

    for (int operations = 0; !script.done() && operations < 200; ++operations) {
        const std::int64_t answersBefore = watch.answers();
        const int playsBefore = feedback.plays;
        const DivisionStep before = drill.step();
        const std::uint8_t op = script.byte();
        const int box = op / 8 % 3;
        switch (op % 8) {
        case 0: drill.requestProblem(); break;
        case 1: drill.drawProblem(); break;
        case 2: drill.hideFeedback(); break;
        case 3: drill.toggleHelp(); break;
        case 4: {
            // The right answer, or one more than it, typed into the box and checked.
            const std::uint8_t form = script.byte();
            const bool off = form & 0x40;
            const CheckResult result = submit(drill, box, fuzz::typed(rightAnswer(drill, box) + off, form));
            if (before == stepOf[box]) {
                check(result == (off ? CheckResult::Wrong : CheckResult::Correct), "an answer misjudged");
            }
            break;
        }
        default: {
            const std::string text = script.text();
            const CheckResult result = submit(drill, box, text);
            // Only a box with no character at all is empty.
            check((result == CheckResult::Empty) == (before == stepOf[box] && text.empty()),
                  "an empty box not told apart");
            break;
        }
        }
        watch.check(drill.score());
        // Every check of the current step with something in the box is one verdict and one sound.
        const bool judged = op % 8 >= 4 && watch.answers() != answersBefore;
        check(watch.answers() - answersBefore == (judged ? 1 : 0), "more than one verdict at once");
        check(feedback.plays - playsBefore == (judged ? 1 : 0), "not one sound per verdict");
        check(!judged || before == stepOf[box], "a check of a step that is not the current one");
        // A right answer opens the next step; nothing else moves the steps on but a new problem.
        if (drill.step() != before) {
            const bool moved = (before == DivisionStep::Idle || before == DivisionStep::Solved)
                ? drill.step() == DivisionStep::Drawing
                : before == DivisionStep::Drawing ? drill.step() == DivisionStep::QuotientStep
                                                  : int(drill.step()) == int(before) + 1 && judged;
            check(moved, "a step skipped or gone back");
        }
        const DrillScore& score = drill.score();
        check(score.correctCount() <= 3 * score.questionCount(), "more right answers than steps");
        if (drill.problemDrawn()) {
            checkProblem(drill);
        }
        drill.takeRequests();
    }
}
