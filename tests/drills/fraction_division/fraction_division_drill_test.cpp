// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fraction_division/fraction_division_drill.h"

#include "judging.h"

namespace {

using Drill = FractionDivisionDrill;

// The lines of the help panel: each step's as it opens, a solved problem's and a new question's.
const std::string help[] = {"نكتب الكسر الأول كما هو",
                            "نكتب بدل رمز القسمة علامة الضرب",
                            "نقلب الكسر الثاني",
                            "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج",
                            "احسنت اجابتك سليمة حاول بحل سؤال آخر",
                            "اضغط على زر الخطوة الاولى"};

// What Form2 shows: the seven marks (T a tick, X a cross, . none shown); each step hidden (-),
// closed (c), checking (?) or done (d); cnew (N) and the help line by its number; the right,
// wrong and question counts and the grade; then what was asked of the screen.
std::string state(Drill& d)
{
    std::string s;
    for (int box = 0; box < Drill::boxCount; ++box) {
        const Drill::Mark& mark = d.mark(Drill::Box(box));
        s += !mark.shown ? '.' : mark.state == Drill::MarkState::Tick ? 'T' : 'X';
    }
    s += ' ';
    for (int step = 1; step <= 4; ++step)
        s += "-c?d"[int(d.phase(step))];
    const DrillScore& score = d.score();
    return s + (d.newQuestionShown() ? " N" : " ") +
           std::to_string(std::ranges::find(help, d.helpText()) - std::begin(help)) + " " +
           std::to_string(score.correctCount()) + "/" + std::to_string(score.wrongCount()) + "/" +
           std::to_string(score.questionCount()) + " " + score.grade() + " " + asked(d);
}

TEST(FractionSteps, AProblemWorkedThroughBoxByBoxWithItsVerdictsInOrderThenTheNext)
{
    // What the seven boxes b1, m1, the sign, b2, m2, b3, m3 hold when a step's button is
    // pressed; the state after the check; what clearing its marks asks: the crossed boxes
    // emptied, the focus in the last. Step 4 multiplies the boxes of steps 1 and 3 as they stand,
    // and never reduces.
    // clang-format off
    const std::tuple<int, Drill::BoxTexts, std::string, std::string> moves[] = {
        {1, {}, "XX..... ?--- 0 0/2/2  s1", "e0f0e1f1x1"},
        {1, {"3", "5"}, "TX..... ?--- 0 1/3/2  s1", "e1f1x1"},
        {1, {"03", "4 "}, "TT..... d?-- 1 3/3/3  f2s1", "x1"},
        {2, {"03", "4 ", "x"}, "..X.... d?-- 1 3/4/3  s2", "e2f2x2"},
        {2, {"03", "4 ", "* "}, "..X.... d?-- 1 3/5/3  s2", "e2f2x2"},
        {2, {"03", "4 ", "*"}, "..T.... dd?- 2 4/5/5  f3s2", "x2"},
        {3, {"03", "4 ", "*", "2", "5"}, "...XX.. dd?- 2 4/7/5  s3", "e3f3e4f4x3"},
        {3, {"03", "4 ", "*", "5", "2"}, "...TT.. ddd? 3 6/7/7  f5s3", "x3"},
        {4, {"03", "4 ", "*", "5", "2", "15", "4"}, ".....TX ddd? 3 7/8/7  s4", "e6f6x4"},
        {4, {"6", "4 ", "*", "5", "4", "30", "16"}, ".....TT dddd N4 9/8/7 ممتاز s4", "x4"}};
    // clang-format on
    // Drawn four at a time, b1 b2 m1 m2: 3/0 ÷ 2/5, 3/3 ÷ 2/5 and 3/4 ÷ 2/2 are drawn again,
    // each time from a fresh seed, before 3/4 ÷ 2/5 is kept.
    std::vector<double> units;
    for (int k : {3, 2, 0, 5, 3, 2, 3, 5, 3, 2, 4, 2, 3, 2, 4, 5})
        units.push_back((k + 0.5) / 11);
    Rig<Drill> r(units);
    Drill& d = r.drill;
    d.timer1Fired();
    EXPECT_EQ(r.random.reseedCount(), 4);  // the steps below read the problem kept
    d.toggleHelp();
    d.pressStep(1, {});
    EXPECT_EQ(state(d), "....... ?--- 0 0/0/2  x0f0");
    for (const auto& [step, boxes, after, cleared] : moves) {
        SCOPED_TRACE(testing::Message() << "step " << step << ": " << boxes[0] << boxes[1]);
        d.pressStep(step, boxes);
        EXPECT_EQ(state(d), after);
        Drill s = r.played.back();  // at the sound no mark shows and no step has passed
        EXPECT_TRUE(state(s).starts_with(".......") && s.phase(step) == Drill::StepPhase::Checking);
        d.clearMarks(step);
        EXPECT_EQ(asked(d), cleared);  // the marks it hides, the next state shows hidden
    }
    // Each sound with the counts it follows; neither the grade nor a countdown before it.
    EXPECT_EQ(r.heard, "-|0|2||-|1|3||+|3|3||-|3|4||-|3|5||+|4|5||-|4|7||+|6|7||-|7|8||+|9|8||");
    // The multiplication sign itself passes step 2 too, on a copy taken at the sound of "* ".
    Drill other = r.played[4];
    EXPECT_EQ((other.pressStep(2, {"", "", "×"}), other.phase(2)), Drill::StepPhase::Done);
    // A new question empties every box and closes the steps; the score, the open help panel
    // and the problem stay until Timer1 draws the next.
    d.newQuestion();
    EXPECT_EQ(state(d), "....... c--- 5 9/8/7 ممتاز e0e3e5e1e4e6e2s0");
    EXPECT_TRUE(d.helpShown() && d.b1() == 3);
    // Each fraction is uniform over the 90 pairs of distinct numbers 1 to 10.
    Drill real(seededSource, r);
    const auto ninety = pairs(1, 10, 1, 10, [](int top, int bottom) { return top != bottom; });
    expectDraws(9000, ninety, [&] { return real.drawProblem(), std::pair(real.b1(), real.m1()); });
    expectDraws(9000, ninety, [&] { return real.drawProblem(), std::pair(real.b2(), real.m2()); });
}

}  // namespace
