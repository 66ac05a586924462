// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fraction_division/fraction_division_drill.h"

#include <set>

#include "distribution.h"

namespace {

using Drill = FractionDivisionDrill;
using Box = Drill::Box;
using enum Drill::Box;
using Asked = std::pair<std::set<Box>, int>;  // the boxes emptied, the box focused last or -1

// A drill on 3/4 ÷ 2/5 with step 1 open, the seven boxes as the screen holds them, and a copy
// of the drill taken at each sound. Drawn four at a time, b1 b2 m1 m2, a 0 in each place,
// b1 = m1 and b2 = m2 are drawn again, each time from a fresh seed, before it is kept.
struct Rig final : Feedback {
    Rig()
    {
        std::vector<double> units;
        for (int k : {0, 2, 4, 5, 3, 0, 4, 5, 3, 2, 0, 5, 3, 2, 4, 0, 3, 2, 3, 5, 3, 2, 4, 2,
                      3, 2, 4, 5})
            units.push_back((k + 0.5) / 11);
        random.setValues(units);
        drill.timer1Fired();
        drill.pressStep(1, boxes);
    }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    // Types into step k's boxes (the sign step has one, `top`) and presses its button.
    Asked check(int k, const char* top, const char* bottom = "")
    {
        const Box of[][2] = {{b1, m1}, {amalya, amalya}, {b2, m2}, {b3, m3}};
        boxes[std::size_t(of[k - 1][1])] = bottom;
        boxes[std::size_t(of[k - 1][0])] = top;
        drill.takeRequests();
        drill.pressStep(k, boxes);
        return asked();
    }
    Asked asked()
    {
        Asked asked{{}, -1};
        for (const auto& [kind, target] : drill.takeRequests()) {
            if (kind == ScreenRequest::Kind::EmptyBox)
                asked.first.insert(Box(target));
            if (kind == ScreenRequest::Kind::FocusBox)
                asked.second = target;
        }
        return asked;
    }
    ScriptedRandomSource random;
    Drill drill{random, *this};
    Drill::BoxTexts boxes;
    std::vector<std::pair<Verdict, Drill>> played;
};

// The seven marks as shown: T a tick, X a cross, '.' none shown.
std::string marks(const Drill& d)
{
    std::string s;
    for (int box = 0; box < Drill::boxCount; ++box) {
        const Drill::Mark& mark = d.mark(Box(box));
        s += !mark.shown ? '.' : mark.state == Drill::MarkState::Tick ? 'T' : 'X';
    }
    return s;
}

TEST(FractionSteps, AProblemWorkedThroughBoxByBoxWithItsVerdictsInOrderThenTheNext)
{
    // Each check in turn, after a box of step 1 or 3 is changed: what is typed; the marks;
    // right, wrong and question counts; the box then focused. Step 4 multiplies the boxes of
    // steps 1 and 3 as they stand, never reduced. The help line of each step once open.
    using Counts = std::array<std::int64_t, 3>;
    struct Move { int step; const char *top, *bottom, *marks; Counts counts; int focus = -1;
                  Box edit = b3; const char* edited = ""; };
    const Move moves[] = {
        {1, "", "", "XX.....", {0, 2, 2}}, {1, "3", "5", "TX.....", {1, 3, 2}},
        {1, "03", "4 ", "TT.....", {3, 3, 3}, int(amalya)}, {2, "x", "", "..X....", {3, 4, 3}},
        {2, "÷", "", "..X....", {3, 5, 3}}, {2, "* ", "", "..X....", {3, 6, 3}},
        {2, "*", "", "..T....", {4, 6, 5}, int(b2)}, {3, "2", "5", "...XX..", {4, 8, 5}},
        {3, "1", "2", "...XT..", {5, 9, 5}}, {3, "5", "2", "...TT..", {7, 9, 7}, int(b3)},
        {4, "6", "8", ".....XT", {8, 10, 7}}, {4, "", "", ".....XX", {8, 12, 7}},
        {4, "15", "4", ".....XX", {8, 14, 7}, -1, b1, "6"},
        {4, "30", "0", ".....TT", {10, 14, 7}, -1, m2, ""}};
    const char* help[] = {"نكتب الكسر الأول كما هو", "نكتب بدل رمز القسمة علامة الضرب",
                          "نقلب الكسر الثاني",
                          "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج",
                          "احسنت اجابتك سليمة حاول بحل سؤال آخر"};
    Rig r;
    const auto problem = [&] {
        return std::array{r.drill.b1(), r.drill.m1(), r.drill.b2(), r.drill.m2()};
    };
    EXPECT_TRUE(problem() == (std::array{3, 4, 2, 5}) && r.random.reseedCount() == 7);
    r.drill.toggleHelp();
    for (const Move& m : moves) {
        SCOPED_TRACE(testing::Message() << m.step << ": " << m.top << " over " << m.bottom);
        const auto clear = Drill::Timer(m.step);  // Hide1 to Hide4 follow Timer1
        const bool passes = std::string_view(m.marks).find('X') == std::string_view::npos;
        r.boxes[std::size_t(m.edit)] = m.edited;
        EXPECT_EQ(r.check(m.step, m.top, m.bottom), Asked({}, m.focus));
        const Counts counts{r.drill.score().correctCount(), r.drill.score().wrongCount(),
                            r.drill.score().questionCount()};
        EXPECT_TRUE(marks(r.drill) == m.marks && counts == m.counts);
        EXPECT_TRUE(r.drill.helpText() == help[m.step - !passes] && r.drill.timerArmed(clear));
        EXPECT_EQ(r.drill.phase(m.step) == Drill::StepPhase::Done, passes);
        // At the sound the boxes are counted, but no mark shows, no step has passed, and
        // neither the grade nor the clear countdown has come.
        const Drill& s = r.played.back().second;
        EXPECT_TRUE(marks(s) == "......." && s.phase(m.step) == Drill::StepPhase::Checking);
        EXPECT_TRUE(s.score().correctCount() == counts[0] && s.score().wrongCount() == counts[1]);
        EXPECT_TRUE(s.score().grade().empty() && !s.timerArmed(clear));
        // Two seconds on, the marks go and the crossed boxes are emptied, the focus in the last.
        r.drill.clearMarks(m.step);
        std::set<Box> crossed;
        for (int box = 0; box < Drill::boxCount; ++box)
            if (m.marks[box] == 'X')
                crossed.insert(Box(box));
        EXPECT_EQ(r.asked(), Asked(crossed, crossed.empty() ? -1 : int(*crossed.rbegin())));
        EXPECT_TRUE(marks(r.drill) == "......." && !r.drill.timerArmed(clear));
    }
    EXPECT_TRUE(r.drill.newQuestionShown() && r.drill.score().grade() == "ممتاز");  // 10 of 7
    // A new question empties every box and closes the steps; the score, the open help panel
    // and the problem stay until Timer1 draws the next: 10/2 ÷ 10/2, improper, unreduced and
    // the same fraction twice.
    r.drill.newQuestion();
    EXPECT_EQ(r.asked(), Asked({b1, m1, amalya, b2, m2, b3, m3}, -1));
    using P = Drill::StepPhase;
    EXPECT_TRUE(r.drill.phase(1) == P::Closed && r.drill.phase(2) == P::Hidden);
    EXPECT_EQ(r.drill.phase(4), P::Hidden);
    EXPECT_TRUE(r.drill.stepCaption(1) == "الخطوة الاولى" && !r.drill.newQuestionShown());
    EXPECT_TRUE(r.drill.helpText() == "اضغط على زر الخطوة الاولى" && r.drill.helpShown());
    EXPECT_TRUE(r.drill.score().grade() == "ممتاز" && r.drill.b1() == 3);
    r.random.setValues({10.5 / 11, 10.5 / 11, 2.5 / 11, 2.5 / 11});
    EXPECT_TRUE(r.drill.timerArmed(Drill::Timer::Timer1));
    r.drill.timer1Fired();
    EXPECT_EQ(problem(), (std::array{10, 2, 10, 2}));
    EXPECT_TRUE(r.drill.score().questionCount() == 9 && !r.drill.timerArmed(Drill::Timer::Timer1));
    r.drill.pressStep(1, r.boxes);
    r.check(1, "10", "2");
    r.check(2, "×");  // the multiplication sign itself
    EXPECT_EQ(marks(r.drill), "TTT....");
    // Each fraction is uniform over the 90 pairs of distinct numbers 1 to 10.
    std::map<std::pair<int, int>, double> ninety;
    for (int top = 1; top <= 10; ++top)
        for (int bottom = 1; bottom <= 10; ++bottom)
            if (top != bottom)
                ninety[{top, bottom}] = 1;
    Drill d(seededSource, r);
    expectDraws(9000, ninety, [&] { return d.drawProblem(), std::pair(d.b1(), d.m1()); });
    expectDraws(9000, ninety, [&] { return d.drawProblem(), std::pair(d.b2(), d.m2()); });
}

}  // namespace
