// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fraction_division/fraction_division_drill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <ranges>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

using Drill = FractionDivisionDrill;
using Box = Drill::Box;
using P = Drill::StepPhase;
using Timer = Drill::Timer;
using Kind = ScreenRequest::Kind;
using enum Drill::Box;
constexpr Drill::MarkState T = Drill::MarkState::Tick, X = Drill::MarkState::Cross;
// The boxes of steps 1 to 4 as (numerator, denominator); step 2 has one.
const std::pair<Box, Box> stepBoxes[] = {{b1, m1}, {amalya, amalya}, {b2, m2}, {b3, m3}};

// A drill with 3/4 ÷ 2/5 drawn and step 1 opened, the seven boxes as the screen holds them,
// what the drill has asked of the screen, and a copy of the whole drill taken at each sound.
struct Rig final : Feedback {
    Rig()
    {
        drill.timer1Fired();
        press(1);
    }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    std::string& text(Box box) { return boxes[static_cast<std::size_t>(box)]; }
    // Types into the boxes of a step (the sign step's one box takes `top`) and presses its button.
    void check(int step, const std::string& top, const std::string& bottom = "")
    {
        text(stepBoxes[step - 1].second) = bottom;
        text(stepBoxes[step - 1].first) = top;
        press(step);
    }
    void press(int step) { act([&] { drill.pressStep(step, boxes); }); }
    // Runs an operation and keeps what it asked of the screen: every box emptied so far, the box
    // this operation left the focus in, and every timer started so far.
    void act(const auto& operation)
    {
        operation();
        focus.reset();
        for (const auto& [kind, target] : drill.takeRequests()) {
            switch (kind) {
            case Kind::EmptyBox: emptied.push_back(Box(target)); break;
            case Kind::FocusBox: focus = Box(target); break;
            case Kind::StartTimer: started.push_back(Timer(target)); break;
            case Kind::StopTimer: break;
            }
        }
    }
    // Answers steps 1 to `last` of 3/4 ÷ 2/5 right; a passed step ignores its button.
    void solveUpTo(int last)
    {
        const char* right[][2] = {{"3", "4"}, {"×", ""}, {"5", "2"}, {"15", "8"}};
        for (int k = 1; k <= last; ++k) {
            check(k, right[k - 1][0], right[k - 1][1]);
        }
    }

    ScriptedRandomSource random{{0.3, 0.2, 0.4, 0.5}};  // b1 3, b2 2, m1 4, m2 5 once scaled by 11
    Drill drill{random, *this};
    Drill::BoxTexts boxes;
    std::vector<Box> emptied;
    std::optional<Box> focus;
    std::vector<Timer> started;
    std::vector<std::pair<Verdict, Drill>> played;
};

TEST(FractionDraw, RejectsZerosAndFractionsEqualToOneRedrawingAllFourFromAFreshSeed)
{
    // Numbers in the order drawn, b1 b2 m1 m2, four to an attempt; only the last is kept.
    // Kept: equal fractions, improper and unreduced ones. Rejected: a 0 in each place,
    // b1 = m1, b2 = m2, three in a row.
    for (const std::vector<int>& drawn : std::vector<std::vector<int>>{
             {5, 5, 6, 6}, {10, 2, 3, 8}, {0, 2, 4, 5, 3, 2, 4, 5}, {3, 0, 4, 5, 3, 2, 4, 5},
             {3, 2, 0, 5, 3, 2, 4, 5}, {3, 2, 4, 0, 3, 2, 4, 5}, {3, 2, 3, 5, 3, 2, 4, 5},
             {3, 2, 4, 2, 3, 2, 4, 5}, {0, 0, 0, 0, 5, 2, 5, 4, 5, 2, 4, 2, 5, 2, 4, 3}}) {
        SCOPED_TRACE(testing::PrintToString(drawn));
        Rig r;
        std::vector<double> units;
        for (int k : drawn) {
            units.push_back((k + 0.5) / 11);
        }
        r.random.setValues(units);  // a wrong rejection makes it throw
        r.drill.drawProblem();
        EXPECT_EQ((std::vector{r.drill.b1(), r.drill.b2(), r.drill.m1(), r.drill.m2()}),
                  std::vector(drawn.end() - 4, drawn.end()));
        EXPECT_EQ(r.random.reseedCount(), 1 + static_cast<int>(drawn.size() / 4));
        EXPECT_EQ(r.random.drawCount(), 4 + drawn.size());
    }
}

TEST(FractionDraw, EachFractionIsUniformOverItsNinetyPairs)
{
    Rig silent;  // drawing plays no sound
    ClockRandomSource random(20240611);  // a fixed seed: the same draws on every run
    Drill drill(random, silent);
    std::array<std::map<std::pair<int, int>, int>, 2> counts;
    for (int i = 0; i < 9000; ++i) {
        drill.drawProblem();
        ++counts[0][{drill.b1(), drill.m1()}];
        ++counts[1][{drill.b2(), drill.m2()}];
    }
    for (const auto& fraction : counts) {
        // 90 cells: none holds a 0, a number above 10 or a fraction equal to one.
        EXPECT_EQ(fraction.size(), 90u);
        // With each cell expecting 100, chi-square is sum(n^2) / 100 - 9000; for 89 degrees
        // of freedom 136 is its one-in-a-thousand tail.
        const auto squares = [](double sum, auto cell) { return sum + cell.second * cell.second; };
        EXPECT_LT(std::accumulate(fraction.begin(), fraction.end(), 0.0, squares) / 100, 9136.0);
    }
}

TEST(FractionCheck, CheckTableWithTheClearTimerThatFollows)
{
    // 3/4 ÷ 2/5: step 1 expects 3 over 4, step 2 the sign, step 3 5 over 2, step 4 15 over 8.
    // The boxes crossed (the others get a tick), and a box of step 1 or 3 changed before
    // step 4 is checked.
    struct Case { int step; const char *top, *bottom; std::vector<Box> crossed;
                  std::pair<Box, const char*> edit{b3, ""}; };
    const std::vector<Case> cases{
        {1, "3", "5", {m1}}, {1, "03", "4 ", {}}, {3, "5", "2", {}}, {3, "2", "5", {b2, m2}},
        {3, "1", "2", {b2}}, {4, "15", "8", {}}, {4, "6", "8", {b3}}, {4, "", "", {b3, m3}},
        // The sign box is right only as "×" or "*".
        {2, "×", "", {}}, {2, "*", "", {}}, {2, "x", "", {amalya}}, {2, "÷", "", {amalya}},
        {2, "* ", "", {amalya}}, {2, "", "", {amalya}},
        // Step 4 multiplies the boxes of steps 1 and 3 as they stand, never reduced.
        {4, "30", "8", {}, {b1, "6"}}, {4, "15", "4", {b3, m3}, {b1, "6"}},
        {4, "15", "2", {}, {m1, "1"}}, {4, "21", "8", {}, {b2, "7"}}, {4, "15", "0", {}, {m2, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases.data());
        Rig r;
        r.solveUpTo(c.step - 1);
        r.text(c.edit.first) = c.edit.second;
        const DrillScore before = r.drill.score();
        r.check(c.step, c.top, c.bottom);
        const Box top = stepBoxes[c.step - 1].first, bottom = stepBoxes[c.step - 1].second;
        const auto wrong = std::ssize(c.crossed), right = (top == bottom ? 1 : 2) - wrong;
        const bool passed = wrong == 0;
        // A cross beside each crossed box and a tick beside the others, shown or not.
        const auto expectMarks = [&](const Drill& d, bool shown) {
            for (Box box : {top, bottom}) {
                EXPECT_EQ(d.mark(box).state, std::ranges::count(c.crossed, box) ? X : T);
                EXPECT_EQ(d.mark(box).shown, shown);
            }
        };
        const auto& [verdict, s] = r.played.at(c.step - 1);
        // At the sound: marks set but not shown, counters changed, no next step, no grade.
        EXPECT_EQ(verdict, passed ? Verdict::Right : Verdict::Wrong);
        expectMarks(s, false);
        EXPECT_EQ(s.score().correctCount() - before.correctCount(), right);
        EXPECT_EQ(s.score().wrongCount() - before.wrongCount(), wrong);
        EXPECT_TRUE(s.phase(c.step + 1) == P::Hidden && s.score().grade().empty());
        // After it: marks shown, the step's clear timer (Hide1 to Hide4 follow Timer1)
        // running, the step passed or waiting, and a grade once step 4 has passed.
        expectMarks(r.drill, true);
        EXPECT_TRUE(r.drill.timerArmed(static_cast<Timer>(c.step)));
        EXPECT_EQ(r.drill.phase(c.step), passed ? P::Done : P::Checking);
        EXPECT_EQ(r.drill.phase(c.step + 1), passed && c.step < 4 ? P::Checking : P::Hidden);
        EXPECT_EQ(r.drill.score().grade().empty(), !passed || c.step < 4);
        // The clear timer hides the marks, keeping their states, and empties the crossed
        // boxes in reading order, leaving the focus in the last.
        r.act([&] { r.drill.clearMarks(c.step); });
        expectMarks(r.drill, false);
        EXPECT_EQ(r.emptied, c.crossed);
        EXPECT_EQ(r.focus, passed ? std::nullopt : std::optional(c.crossed.back()));
        EXPECT_FALSE(r.drill.timerArmed(static_cast<Timer>(c.step)));
    }
}

TEST(FractionSteps, AProblemFromItsFirstStepToTheNextProblem)
{
    const std::string help[] = {"نكتب الكسر الأول كما هو", "نكتب بدل رمز القسمة علامة الضرب",
        "نقلب الكسر الثاني", "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج"};
    // The box focused as each step opens, and the questions counted once it has opened.
    const std::pair<Box, int> opened[] = {{b1, 2}, {amalya, 3}, {b2, 5}, {b3, 7}};
    Rig r;
    r.drill.toggleHelp();
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        r.solveUpTo(k - 1);
        EXPECT_EQ(r.focus, opened[k - 1].first);
        EXPECT_EQ(r.drill.helpText(), help[k - 1]);
        r.press(k + 1);  // hidden: does nothing, so counts no question
        r.check(k, k == 1 ? "3" : "");  // wrong (step 1 half right): a retry counts no question
        EXPECT_EQ(r.drill.score().questionCount(), opened[k - 1].second);
    }
    r.solveUpTo(4);  // right, before hide4 has fired
    r.press(4);      // done: does nothing
    EXPECT_EQ(r.played.size(), 8u);
    EXPECT_EQ(r.drill.score().grade(), "ممتاز");  // 8 right of 7 questions
    EXPECT_EQ(r.drill.helpText(), "احسنت اجابتك سليمة حاول بحل سؤال آخر");
    // The wrong check and the right one each started hide4's countdown afresh; when it
    // fires the boxes ticked since stay.
    EXPECT_EQ(std::ranges::count(r.started, Timer::Hide4), 2);
    r.act([&] { r.drill.clearMarks(4); });
    EXPECT_TRUE(r.emptied.empty() && !r.focus);

    // A new question resets the steps and boxes, and leaves the score, the help
    // panel, the marks and the problem until Timer1 fires.
    r.act([&] { r.drill.newQuestion(); });
    EXPECT_EQ(r.emptied, (std::vector{b1, b2, b3, m1, m2, m3, amalya}));
    EXPECT_EQ(r.drill.helpText(), "اضغط على زر الخطوة الاولى");
    EXPECT_EQ((std::array{r.drill.phase(1), r.drill.phase(2), r.drill.phase(3), r.drill.phase(4)}),
              (std::array{P::Closed, P::Hidden, P::Hidden, P::Hidden}));
    EXPECT_EQ(r.drill.helpButtonCaption(), "اخفاء المساعدة");
    EXPECT_TRUE(r.drill.score().grade() == "ممتاز" && r.drill.b1() == 3);
    EXPECT_TRUE(r.drill.mark(m3).state == T && !r.drill.mark(m3).shown);
    ASSERT_TRUE(r.drill.timerArmed(Timer::Timer1));
    r.random.setValues({0.1, 0.2, 0.3, 0.4});
    r.drill.timer1Fired();
    EXPECT_FALSE(r.drill.timerArmed(Timer::Timer1));
    EXPECT_EQ(r.drill.score().questionCount(), 9);
}

}  // namespace
