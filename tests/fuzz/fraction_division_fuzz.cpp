// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction division drill driven by the fuzz input as its screen would
// drive it, in any order: texts typed into any box, every button, every timer.
// The harness keeps the seven boxes as the screen does (emptying a box when
// asked) and checks after each operation what must always hold.

#include <algorithm>

#include "common/leading_number.h"
#include "drills/fraction_division/fraction_division_drill.h"
#include "fuzz_support.h"

namespace {

using Drill = FractionDivisionDrill;
using Box = Drill::Box;
using Phase = Drill::StepPhase;
using fuzz::check;

// What step k's boxes must hold to be judged right, in the boxes' order.
std::vector<double> rightAnswer(const Drill& d, int step, const Drill::BoxTexts& boxes)
{
    const auto in = [&](Box box) { return leadingNumber(boxes[std::size_t(box)]); };
    switch (step) {
    case 1: return {double(d.b1()), double(d.m1())};
    case 3: return {double(d.m2()), double(d.b2())};
    case 4: return {in(Box::b1) * in(Box::b2), in(Box::m1) * in(Box::m2)};
    default: return {};
    }
}

const std::vector<Box> stepBoxes[6] = {{}, {Box::b1, Box::m1}, {Box::amalya}, {Box::b2, Box::m2},
                                       {Box::b3, Box::m3}, {}};

void checkState(const Drill& d)
{
    if (d.problemDrawn()) {
        for (int n : {d.b1(), d.m1(), d.b2(), d.m2()}) {
            check(n >= 1 && n <= 10, "a number of the problem outside 1 to 10");
        }
        check(d.b1() != d.m1() && d.b2() != d.m2(), "a fraction equal to one");
    }
    // The steps stand as passed ones, then the open or closed one, then hidden ones.
    int k = 1;
    while (k <= 4 && d.phase(k) == Phase::Done) {
        ++k;
    }
    if (k <= 4) {
        check(d.phase(k) == Phase::Closed || d.phase(k) == Phase::Checking,
              "the step after the passed ones is neither closed nor open");
        for (int later = k + 1; later <= 4; ++later) {
            check(d.phase(later) == Phase::Hidden, "a step shown before its turn");
        }
    }
    check(d.newQuestionShown() == (k == 5), "the new-question button out of step");
    for (int step = 1; step <= 4; ++step) {
        check(!d.stepCaption(step).empty(), "a step button without a caption");
    }
}

}  // namespace

void fuzz::run(Script& script)
{
    fuzz::Random random(script.word());
    fuzz::CountingFeedback feedback;
    Drill drill(random, feedback);
    Drill::BoxTexts boxes;
    fuzz::ScoreWatch watch;

    for (int operations = 0; !script.done() && operations < 200; ++operations) {
        const int before = feedback.plays;
        const std::int64_t answersBefore = watch.answers();
        const std::uint8_t op = script.byte();
        const int step = int(script.byte() % 6);  // 0 and 5 are no step
        switch (op % 9) {
        case 0: drill.load(); break;
        case 1: drill.timer1Fired(); break;
        case 2: drill.drawProblem(); break;
        case 3: drill.newQuestion(); break;
        case 4: drill.clearMarks(step); break;
        case 5: drill.toggleHelp(); break;
        case 6: boxes[std::size_t(script.byte() % Drill::boxCount)] = script.text(); break;
        case 7: {
            // The right answer typed into the step's boxes, then the step's button.
            const std::uint8_t form = script.byte();
            const std::vector<double> right = rightAnswer(drill, step, boxes);
            const bool typable = drill.phase(step) == Phase::Checking && !right.empty() &&
                std::all_of(right.begin(), right.end(),
                            [](double v) { return v >= 0 && v < 1e9 && v == unsigned(v); });
            if (step == 2) {
                boxes[std::size_t(Box::amalya)] = form & 1 ? "*" : "×";
            } else if (typable) {
                for (std::size_t i = 0; i < right.size(); ++i) {
                    boxes[std::size_t(stepBoxes[step][i])] = fuzz::typed(unsigned(right[i]), form);
                }
            }
            const bool checking = drill.phase(step) == Phase::Checking;
            drill.pressStep(step, boxes);
            if (checking && (step == 2 || typable)) {
                check(drill.phase(step) == Phase::Done, "a right answer not accepted");
            }
            break;
        }
        default: {
            const Phase phase = drill.phase(step);
            drill.pressStep(step, boxes);
            // A check judges every box of the step once and plays one sound.
            const bool judged = phase == Phase::Checking;
            check(feedback.plays - before == (judged ? 1 : 0), "not one sound per check");
            watch.check(drill.score());
            check(watch.answers() - answersBefore == (judged ? std::ssize(stepBoxes[step]) : 0),
                  "not one verdict per box");
            if (judged) {
                for (Box box : stepBoxes[step]) {
                    check(drill.mark(box).shown, "a judged box without its mark");
                }
            }
            break;
        }
        }
        for (const auto& request : drill.takeRequests()) {
            if (request.kind == ScreenRequest::Kind::EmptyBox) {
                boxes[std::size_t(request.target)].clear();
            }
        }
        watch.check(drill.score());
        checkState(drill);
    }
}
