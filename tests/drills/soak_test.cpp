// SPDX-License-Identifier: GPL-3.0-or-later
// Each drill's logic through 100 000 problems from a fixed seed, answered by a pupil who types
// right, wrong, empty and garbage answers at random. After every operation the drill is held
// against a model of what it must show, kept here from the drill's rules and not from its code:
// counters that never drop, how right and wrong answers stand against the questions asked,
// steps, marks, timers, emptied boxes, every draw inside its ranges and grade words only from
// the table. Resident memory is sampled at 1 000, 10 000 and 100 000 problems and must stay
// flat: the drills keep nothing per problem.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "../resident_memory.h"
#include "common/random_source.h"
#include "drills/fact_cards/fact_cards.h"
#include "drills/fraction_division/fraction_division_drill.h"
#include "drills/reciprocal_menu/quotient_choice_drill.h"
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"
#include "drills/whole_division/division_drill.h"
#include "scoring/feedback.h"

namespace {

constexpr int kProblems = 100000;
constexpr std::uint64_t kSeed = 20240613;
// Growth of resident memory allowed between 1 000 and 100 000 problems: allocator noise of a
// few pages. Keeping as little as 8 bytes a problem would pass it.
constexpr long kFlatKiB = 512;
// Samples resident memory at 1 000, 10 000 and 100 000 problems, prints the figures and
// expects them flat.
struct MemoryWatch {
    const char* drill;
    std::array<long, 3> kib{};
    void at(int problems)
    {
        for (int i = 0, mark = 1000; i < 3; ++i, mark *= 10)
            if (problems == mark)
                kib[std::size_t(i)] = residentKiB();
        if (problems == kProblems) {
            std::printf("[ memory ] %s: %ld, %ld, %ld KiB resident at 1k, 10k, 100k problems\n",
                        drill, kib[0], kib[1], kib[2]);
            if (residentMemoryTells) {
                EXPECT_LE(kib[2] - kib[0], kFlatKiB) << drill;
            }
        }
    }
};

// The grade table: the percentage rounded half to even (the default rounding mode), then
// the first threshold it reaches.
std::string gradeFor(std::int64_t correct, std::int64_t denominator)
{
    const double percent = std::nearbyint(double(correct) / double(denominator) * 100.0);
    const std::pair<double, const char*> table[] = {
        {90, "ممتاز"}, {80, "جيد جدا"}, {70, "جيد"}, {60, "مقبول"}, {50, "تدرب أكثر"}};
    for (const auto& [least, word] : table)
        if (percent >= least)
            return word;
    return "راسب ، لماذا ؟ ";
}

const std::string praise = "أحسنت إجابة صحيحة ";
const std::string correction = "أخطأت الاجابة الصحيحة هي  ";

// What the score must read, and the sounds heard. Every judged answer plays one sound.
struct ScoreModel final : Feedback {
    explicit ScoreModel(GradingRule rule) : rule(rule) {}
    GradingRule rule;
    std::int64_t correct = 0, wrong = 0, questions = 0;
    std::string grade;
    int sounds = 0, heard = 0;
    DrillScore seen{GradingRule::PerQuestion};  // the last score looked at

    void play(Verdict) override { ++heard; }
    void judged(bool right, int n = 1)
    {
        (right ? correct : wrong) += n;
        ++sounds;
    }
    void regrade() { grade = gradeFor(correct, rule == GradingRule::PerQuestion ? questions : correct + wrong); }
    void expectShown(const DrillScore& score)
    {
        ASSERT_TRUE(score.correctCount() >= seen.correctCount() && score.wrongCount() >= seen.wrongCount() &&
                    score.questionCount() >= seen.questionCount()) << "a counter dropped";
        seen = score;
        ASSERT_EQ(score.correctCount(), correct);
        ASSERT_EQ(score.wrongCount(), wrong);
        ASSERT_EQ(score.questionCount(), questions);
        ASSERT_EQ(score.grade(), grade);
        ASSERT_EQ(heard, sounds);
    }
};

// What the pupil types into a box, and the number the box must be read as.
struct Typed {
    std::string text;
    double reads = 0;
};

// The pupil: right seven times in ten, in any of the ways a number may be written; otherwise
// wrong, empty or garbage.
struct Pupil {
    std::mt19937 rng{kSeed};
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return below(100) < percent; }

    Typed answer(int expected)
    {
        const std::string n = std::to_string(expected);
        switch (below(10)) {
        case 0: return {"", 0};
        case 1: {  // begins with a character no number begins with, then any bytes: reads 0
            std::string text(1, "x#\x01\xd9\xf0"[below(5)]);
            for (int i = below(12); i > 0; --i)
                text += char(below(256));
            return {text, 0};
        }
        case 2: {  // wrong
            const int wrong = expected + 1 + below(9);
            return {std::to_string(wrong), double(wrong)};
        }
        default: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "&H%X", unsigned(expected));
            const std::string forms[] = {n, n, "0" + n, " " + n + "\t", n + ".0", "+" + n,
                                         n + "abc", n + "e0", hex, n.substr(0, 1) + " " + n.substr(1)};
            return {forms[below(10)], double(expected)};
        }
        }
    }
};

// Carries out a drill's requests on the boxes as its screen does; keeps which timers are armed.
template <typename Requests, std::size_t boxes, std::size_t timers>
struct Screen {
    std::array<Typed, boxes> box{};
    std::array<bool, timers> armed{};
    std::array<std::string, boxes> texts() const
    {
        std::array<std::string, boxes> all;
        for (std::size_t i = 0; i < boxes; ++i)
            all[i] = box[i].text;
        return all;
    }
    void apply(const std::vector<typename Requests::Request>& requests)
    {
        using Kind = typename Requests::Request::Kind;
        for (const auto& r : requests) {
            if (r.kind == Kind::EmptyBox)
                box[std::size_t(r.box)] = {};
            else if (r.kind != Kind::FocusBox)
                armed[std::size_t(r.timer)] = r.kind == Kind::StartTimer;
        }
    }
};

bool inRange(int value, int least, int most) { return value >= least && value <= most; }

TEST(Soak, FractionDivisionDrill)
{
    using Drill = FractionDivisionDrill;
    using Phase = Drill::StepPhase;
    using Mark = Drill::MarkState;
    ClockRandomSource random(kSeed);
    ScoreModel model(GradingRule::PerQuestion);
    Drill drill(random, model);
    Pupil pupil;
    Screen<Drill::Requests, Drill::boxCount, Drill::timerCount> screen;
    MemoryWatch memory{"FractionDivisionDrill"};
    const std::array<std::vector<Drill::Box>, 4> stepBoxes{{{Drill::Box::b1, Drill::Box::m1}, {Drill::Box::amalya},
                                                            {Drill::Box::b2, Drill::Box::m2}, {Drill::Box::b3, Drill::Box::m3}}};
    std::array<Phase, 4> phase{Phase::Closed, Phase::Hidden, Phase::Hidden, Phase::Hidden};
    std::array<Drill::Mark, Drill::boxCount> marks{};
    std::array<Typed, Drill::boxCount> boxes{};  // what the boxes must hold
    auto expectShown = [&] {
        ASSERT_NO_FATAL_FAILURE(model.expectShown(drill.score()));
        for (int step = 1; step <= 4; ++step) {
            ASSERT_EQ(drill.phase(step), phase[std::size_t(step - 1)]) << "step " << step;
        }
        for (std::size_t b = 0; b < marks.size(); ++b) {
            ASSERT_TRUE(drill.mark(Drill::Box(b)).state == marks[b].state && drill.mark(Drill::Box(b)).shown == marks[b].shown) << "mark " << b;
            ASSERT_EQ(screen.box[b].text, boxes[b].text) << "box " << b;
        }
        for (int step = 1; step <= 4; ++step) {
            ASSERT_EQ(screen.armed[std::size_t(step)], drill.timerArmed(Drill::Timer(step)));
        }
        ASSERT_EQ(drill.newQuestionShown(), phase[3] == Phase::Done);
        ASSERT_TRUE(drill.keyPreview());
    };
    auto clear = [&](int step) {  // the clear timer of the step fires
        drill.clearMarks(step);
        screen.apply(drill.takeRequests());
        for (Drill::Box b : stepBoxes[std::size_t(step - 1)]) {
            marks[std::size_t(b)].shown = false;
            if (marks[std::size_t(b)].state == Mark::Cross)
                boxes[std::size_t(b)] = {};
        }
        ASSERT_FALSE(screen.armed[std::size_t(step)]);
    };
    auto open = [&](int step) {
        phase[std::size_t(step - 1)] = Phase::Checking;
        if (step > 1)
            model.questions += int(stepBoxes[std::size_t(step - 1)].size());
    };

    drill.load();
    screen.apply(drill.takeRequests());
    for (int problem = 1; problem <= kProblems; ++problem) {
        ASSERT_TRUE(screen.armed[0]);
        drill.timer1Fired();
        screen.apply(drill.takeRequests());
        ASSERT_FALSE(screen.armed[0]);
        const int b1 = drill.b1(), m1 = drill.m1(), b2 = drill.b2(), m2 = drill.m2();
        ASSERT_TRUE(inRange(b1, 1, 10) && inRange(m1, 1, 10) && inRange(b2, 1, 10) && inRange(m2, 1, 10) &&
                    b1 != m1 && b2 != m2) << b1 << "/" << m1 << " ÷ " << b2 << "/" << m2;
        model.questions += 2;
        ASSERT_NO_FATAL_FAILURE(expectShown());
        // A press on a step that is hidden, or on no step, does nothing.
        drill.pressStep(2 + pupil.below(5), screen.texts());
        ASSERT_NO_FATAL_FAILURE(expectShown());
        drill.pressStep(1, screen.texts());
        open(1);
        screen.apply(drill.takeRequests());
        ASSERT_NO_FATAL_FAILURE(expectShown());
        for (int step = 1; step <= 4; ++step) {
            const auto& own = stepBoxes[std::size_t(step - 1)];
            while (phase[std::size_t(step - 1)] == Phase::Checking) {
                // The pupil retypes every box not ticked; now and then changes an accepted box
                // of step 1 or 3, which step 4's products must follow.
                std::array<int, 2> expected{};
                if (step == 4 && pupil.chance(2))
                    boxes[std::size_t(Drill::Box::b1)] = screen.box[std::size_t(Drill::Box::b1)] = pupil.answer(1 + pupil.below(10));
                const auto& now = boxes;
                if (step == 1) expected = {b1, m1};
                if (step == 3) expected = {m2, b2};
                if (step == 4)
                    expected = {int(now[0].reads * now[3].reads), int(now[1].reads * now[4].reads)};
                std::array<bool, 2> right{};
                for (std::size_t i = 0; i < own.size(); ++i) {
                    Typed& typed = boxes[std::size_t(own[i])];
                    if (marks[std::size_t(own[i])].state != Mark::Tick || typed.text.empty() || pupil.chance(5)) {
                        if (step == 2) {
                            const char* signs[] = {"×", "*", "×", "*", "x", "X", "÷", "", "\xd7", "**"};
                            typed = {signs[pupil.below(10)], 0};
                        } else {
                            typed = pupil.answer(expected[i]);
                        }
                    }
                    screen.box[std::size_t(own[i])] = typed;
                    right[i] = step == 2 ? (typed.text == "×" || typed.text == "*") : typed.reads == expected[i];
                    marks[std::size_t(own[i])] = {right[i] ? Mark::Tick : Mark::Cross, true};
                }
                const bool passed = right[0] && (own.size() == 1 || right[1]);
                model.correct += right[0] + (own.size() == 2 && right[1]);
                model.wrong += !right[0] + (own.size() == 2 && !right[1]);
                ++model.sounds;
                drill.pressStep(step, screen.texts());
                screen.apply(drill.takeRequests());
                if (passed) {
                    phase[std::size_t(step - 1)] = Phase::Done;
                    if (step < 4)
                        open(step + 1);
                    else
                        model.regrade();
                }
                ASSERT_TRUE(screen.armed[std::size_t(step)]);
                ASSERT_NO_FATAL_FAILURE(expectShown());
                if (!passed || pupil.chance(50)) {
                    ASSERT_NO_FATAL_FAILURE(clear(step));
                }
                ASSERT_NO_FATAL_FAILURE(expectShown());
                if (problem % 100 == 0 && pupil.chance(20))
                    drill.toggleHelp();
            }
        }
        for (int step = 1; step <= 4; ++step)  // two seconds pass
            if (screen.armed[std::size_t(step)]) {
                ASSERT_NO_FATAL_FAILURE(clear(step));
            }
        ASSERT_NO_FATAL_FAILURE(expectShown());
        memory.at(problem);
        // cnew: every box emptied, step 1 closed, a problem on its way.
        drill.newQuestion();
        screen.apply(drill.takeRequests());
        phase = {Phase::Closed, Phase::Hidden, Phase::Hidden, Phase::Hidden};
        boxes = {};
        ASSERT_NO_FATAL_FAILURE(expectShown());
    }
}

TEST(Soak, ReciprocalEntryDrill)
{
    ClockRandomSource random(kSeed);
    ScoreModel model(GradingRule::PerQuestion);
    ReciprocalEntryDrill drill(random, model);
    Pupil pupil;
    Screen<ReciprocalEntryDrill::Requests, 2, 1> screen;
    MemoryWatch memory{"ReciprocalEntryDrill"};
    std::string message;
    auto expectShown = [&](bool open) {
        ASSERT_NO_FATAL_FAILURE(model.expectShown(drill.score()));
        ASSERT_EQ(drill.enterOpen(), open);
        ASSERT_EQ(drill.feedbackShown(), !open);
        if (!open) {
            ASSERT_EQ(drill.feedbackText(), message);
        }
        ASSERT_EQ(screen.armed[0], !open);
        ASSERT_EQ(drill.timerArmed(), !open);
        const std::int64_t answered = model.correct + model.wrong;
        ASSERT_TRUE(answered == model.questions || answered == model.questions - 1);
    };
    drill.start();
    for (int problem = 1; problem <= kProblems; ++problem) {
        if (problem > 1) {
            drill.nextQuestion();
            screen.apply(drill.takeRequests());
            ASSERT_TRUE(screen.box[0].text.empty() && screen.box[1].text.empty());
        }
        const int b1 = drill.b1(), m1 = drill.m1();
        ASSERT_TRUE(inRange(b1, 1, 20) && inRange(m1, 1, 20)) << b1 << "/" << m1;
        ++model.questions;
        ASSERT_NO_FATAL_FAILURE(expectShown(true));
        drill.nextQuestion();  // no pause is running: nothing happens
        screen.apply(drill.takeRequests());
        ASSERT_NO_FATAL_FAILURE(expectShown(true));
        screen.box = {pupil.answer(m1), pupil.answer(b1)};
        const bool right = screen.box[0].reads == m1 && screen.box[1].reads == b1;
        model.judged(right);
        model.regrade();
        message = right ? praise : "أخطأت";
        ASSERT_EQ(drill.submit(screen.box[0].text, screen.box[1].text), right);
        screen.apply(drill.takeRequests());
        ASSERT_NO_FATAL_FAILURE(expectShown(false));
        if (pupil.chance(10)) {  // Enter again during the pause
            ASSERT_FALSE(drill.submit(std::to_string(m1), std::to_string(b1)));
        }
        ASSERT_NO_FATAL_FAILURE(expectShown(false));
        memory.at(problem);
    }
}

TEST(Soak, ReciprocalMarkDrill)
{
    ClockRandomSource random(kSeed);
    ScoreModel model(GradingRule::PerQuestion);
    ReciprocalMarkDrill drill(random, model);
    Pupil pupil;
    MemoryWatch memory{"ReciprocalMarkDrill"};
    std::string message;
    auto expectShown = [&](bool answering, bool messageShown) {
        ASSERT_NO_FATAL_FAILURE(model.expectShown(drill.score()));
        ASSERT_EQ(drill.marksEnabled(), answering);
        ASSERT_EQ(drill.timerArmed(), !answering);
        ASSERT_EQ(drill.feedbackShown(), messageShown);
        if (messageShown) {
            ASSERT_EQ(drill.feedbackText(), message);
        }
        ASSERT_LE(model.correct + model.wrong, model.questions);
        ASSERT_TRUE(drill.keyPreview());
    };
    drill.start();
    for (int problem = 1; problem <= kProblems; ++problem) {
        if (problem > 1)
            drill.nextQuestion();
        const int b1 = drill.b1(), m1 = drill.m1(), b2 = drill.b2(), m2 = drill.m2();
        // The proposal is the reciprocal, the right numerator over the sum, or the fraction itself.
        const bool drawn = inRange(b1, 1, 20) && inRange(m1, 1, 20) &&
                           ((b2 == m1 && m2 == b1 && drill.answerKey() == 't') ||
                            (b2 == m1 && m2 == b1 + m1 && drill.answerKey() == 'f') ||
                            (b2 == b1 && m2 == m1 && drill.answerKey() == 'f'));
        ASSERT_TRUE(drawn) << b1 << "/" << m1 << " as " << b2 << "/" << m2 << " " << drill.answerKey();
        ++model.questions;
        ASSERT_NO_FATAL_FAILURE(expectShown(true, false));
        const bool saysRight = pupil.chance(50), reciprocal = b2 == m1 && m2 == b1;
        // "خطأ" on a fraction that is its own reciprocal is not held against the pupil.
        const MarkOutcome outcome = saysRight == reciprocal ? MarkOutcome::Right
                                    : !saysRight && drill.answerKey() == 'f' ? MarkOutcome::NotCounted
                                                                             : MarkOutcome::Wrong;
        if (outcome != MarkOutcome::NotCounted)
            model.judged(outcome == MarkOutcome::Right);
        model.regrade();
        message = outcome == MarkOutcome::Right ? praise : correction + (reciprocal ? "صح" : "خطأ");
        ASSERT_EQ(drill.mark(saysRight), outcome);
        ASSERT_NO_FATAL_FAILURE(expectShown(false, outcome != MarkOutcome::NotCounted));
        if (pupil.chance(10)) {  // a second click during the pause
            ASSERT_EQ(drill.mark(!saysRight), MarkOutcome::NotCounted);
        }
        ASSERT_NO_FATAL_FAILURE(expectShown(false, outcome != MarkOutcome::NotCounted));
        memory.at(problem);
    }
}

TEST(Soak, QuotientChoiceDrill)
{
    ClockRandomSource random(kSeed);
    ScoreModel model(GradingRule::PerQuestion);
    QuotientChoiceDrill drill(random, model);
    Pupil pupil;
    MemoryWatch memory{"QuotientChoiceDrill"};
    // Per kind: the dividend and divisor as multiples of a, the answer's factor, and the
    // options as factors of the answer (kind 0 at load, then later).
    struct Kind { int dividend, divisor, answer; std::array<int, 3> options; };
    const Kind kinds[] = {{10, 10, 1, {10, 1, 100}},       {100, 100, 1, {10, 100, 1}},
                          {1000, 1000, 1, {1, 10, 100}},   {1000, 100, 10, {1, 10, 100}},
                          {1000, 10, 100, {100, 1, 10}},   {10000, 1000, 10, {100, 10, 1}}};
    std::string message;
    auto expectShown = [&](bool answering) {
        ASSERT_NO_FATAL_FAILURE(model.expectShown(drill.score()));
        ASSERT_EQ(drill.optionsEnabled(), answering);
        ASSERT_EQ(drill.pauseArmed(), !answering);
        ASSERT_EQ(drill.feedbackShown(), !answering);
        if (!answering) {
            ASSERT_EQ(drill.feedbackText(), message);
        }
        const std::int64_t answered = model.correct + model.wrong;
        ASSERT_TRUE(answered == model.questions || answered == model.questions - 1);
    };
    drill.start();
    for (int problem = 1; problem <= kProblems; ++problem) {
        if (problem > 1)
            drill.nextQuestion();
        const int k = drill.kind();
        ASSERT_TRUE(inRange(k, 0, 5));
        const int a = drill.dividend() / kinds[k].dividend, answer = a * kinds[k].answer;
        std::array<int, 3> options{};
        for (std::size_t i = 0; i < 3; ++i)
            options[i] = answer * (k == 0 && problem == 1 ? std::array{100, 1, 10}[i] : kinds[k].options[i]);
        ASSERT_TRUE(inRange(a, 1, k == 0 ? 9 : 99) && drill.dividend() == a * kinds[k].dividend &&
                    drill.divisor() == kinds[k].divisor && drill.answer() == answer && drill.options() == options &&
                    drill.questionText() == std::to_string(drill.dividend()) + "÷" + std::to_string(drill.divisor()) + "=")
            << "kind " << k << ": " << drill.questionText();
        ++model.questions;
        ASSERT_NO_FATAL_FAILURE(expectShown(true));
        const int chosen = pupil.below(3);
        const bool right = options[std::size_t(chosen)] == answer;
        model.judged(right);
        model.regrade();
        message = right ? praise : correction + std::to_string(answer);
        ASSERT_EQ(drill.choose(chosen), right);
        ASSERT_NO_FATAL_FAILURE(expectShown(false));
        if (pupil.chance(10)) {  // a second click during the pause
            ASSERT_FALSE(drill.choose(pupil.below(3)));
        }
        ASSERT_NO_FATAL_FAILURE(expectShown(false));
        memory.at(problem);
    }
}

TEST(Soak, DivisionDrill)
{
    ClockRandomSource random(kSeed);
    ScoreModel model(GradingRule::PerAttempt);
    DivisionDrill drill(random, model);
    Pupil pupil;
    Screen<DivisionDrill::Requests, 3, 2> screen;
    MemoryWatch memory{"DivisionDrill"};
    const DivisionStep steps[] = {DivisionStep::QuotientStep, DivisionStep::ProductStep, DivisionStep::RemainderStep};
    DivisionStep step = DivisionStep::Idle;
    std::string message;
    bool messageShown = false;
    auto expectShown = [&] {
        ASSERT_NO_FATAL_FAILURE(model.expectShown(drill.score()));
        ASSERT_EQ(drill.step(), step);
        ASSERT_EQ(drill.feedbackShown(), messageShown);
        if (messageShown) {
            ASSERT_EQ(drill.feedbackText(), message);
        }
        ASSERT_EQ(screen.armed[1], drill.timerArmed(DivisionDrill::Timer::Timerhidenatija));
        ASSERT_EQ(drill.newProblemEnabled(), step == DivisionStep::Idle || step == DivisionStep::Solved);
        // Every problem but the one on the board has been solved: three right steps each.
        ASSERT_TRUE(model.correct <= 3 * model.questions && model.correct >= 3 * (model.questions - 1));
    };
    auto submit = [&](int which, const std::string& text) {
        switch (which) {
        case 0: return drill.submitQuotient(text);
        case 1: return drill.submitProduct(text);
        default: return drill.submitRemainder(text);
        }
    };
    for (int problem = 1; problem <= kProblems; ++problem) {
        drill.requestProblem();
        screen.apply(drill.takeRequests());
        step = DivisionStep::Drawing;
        ASSERT_TRUE(screen.armed[0]);
        ASSERT_TRUE(screen.box[0].text.empty() && screen.box[1].text.empty() && screen.box[2].text.empty());
        drill.requestProblem();  // Comq is disabled now: nothing happens
        screen.apply(drill.takeRequests());
        ASSERT_NO_FATAL_FAILURE(expectShown());
        drill.drawProblem();
        screen.apply(drill.takeRequests());
        ASSERT_FALSE(screen.armed[0]);
        const int dividend = drill.dividend(), divisor = drill.divisor();
        ASSERT_TRUE(inRange(divisor, 2, 9) && inRange(dividend, 1, 10 * divisor - 1) && dividend % divisor != 0 &&
                    drill.quotient() == dividend / divisor && drill.remainder() == dividend % divisor)
            << dividend << " ÷ " << divisor;
        ++model.questions;
        step = DivisionStep::QuotientStep;
        messageShown = false;
        ASSERT_NO_FATAL_FAILURE(expectShown());
        const int expected[] = {dividend / divisor, dividend / divisor * divisor, dividend % divisor};
        for (int at = 0; at < 3; ++at) {
            while (step == steps[at]) {
                // Now and then a check of another step: nothing is accepted.
                const int which = pupil.chance(5) ? (at + 1 + pupil.below(2)) % 3 : at;
                const Typed typed = pupil.answer(expected[which]);
                const bool empty = which == at && typed.text.empty(), right = which == at && typed.reads == expected[at];
                if (which == at && !empty) {
                    model.judged(right);
                    model.regrade();
                    message = right ? praise : "أخطأت حاول مرة أخرى";
                    messageShown = true;
                    step = right ? (at < 2 ? steps[at + 1] : DivisionStep::Solved) : step;
                }
                if (which == at)
                    screen.box[std::size_t(at)] = typed;
                const CheckResult result = submit(which, typed.text);
                screen.apply(drill.takeRequests());
                ASSERT_EQ(result, empty ? CheckResult::Empty : right ? CheckResult::Correct : CheckResult::Wrong);
                if (which == at && !empty && !right) {
                    ASSERT_TRUE(screen.box[std::size_t(at)].text.empty());
                }
                ASSERT_NO_FATAL_FAILURE(expectShown());
                if (screen.armed[1] && pupil.chance(30)) {  // three seconds pass
                    drill.hideFeedback();
                    screen.apply(drill.takeRequests());
                    messageShown = false;
                    ASSERT_NO_FATAL_FAILURE(expectShown());
                }
            }
        }
        if (problem % 100 == 0)
            drill.toggleHelp();
        memory.at(problem);
    }
}

TEST(Soak, FactCards)
{
    for (const FactKind kind : {FactKind::Division, FactKind::Multiplication}) {
        const bool division = kind == FactKind::Division;
        SCOPED_TRACE(division ? "division" : "multiplication");
        ClockRandomSource random(kSeed);
        FactCards cards(kind, random);
        Pupil pupil;
        MemoryWatch memory{division ? "FactCards (division)" : "FactCards (multiplication)"};
        cards.drawFact();
        for (int fact = 1; fact <= kProblems; ++fact) {
            const int a = cards.a(), b = cards.b();
            ASSERT_TRUE(inRange(a, 0, 10) && inRange(b, 1, 10) && cards.c() == a * b) << a << " × " << b;
            const std::string question = division ? std::to_string(a * b) + " ÷ " + std::to_string(b) + "="
                                                  : std::to_string(a) + " × " + std::to_string(b) + "=";
            const std::string answer = std::to_string(division ? a : a * b);
            ASSERT_TRUE(!cards.showingAnswer() && cards.cardText() == question) << cards.cardText();
            // Keys that only turn the card over, then Enter.
            for (int key = pupil.below(3); key > 0; --key) {
                const char32_t keys[] = {U' ', U'a', U'7', 27, 8, U'ب'};
                cards.characterTyped(keys[pupil.below(6)]);
                ASSERT_TRUE(cards.showingAnswer() && cards.cardText() == answer && cards.a() == a && cards.b() == b);
            }
            memory.at(fact);
            pupil.chance(50) ? cards.characterTyped(13) : cards.drawFact();
        }
    }
}

}  // namespace
