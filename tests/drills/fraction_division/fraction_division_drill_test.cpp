#include "drills/fraction_division/fraction_division_drill.h"

#include <gtest/gtest.h>

#include <map>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

using P = StepPhase;
constexpr MarkState T = MarkState::Tick;
constexpr MarkState X = MarkState::Cross;
// The boxes of steps 1 to 4 as (numerator, denominator); step 2 has one.
const std::array<std::pair<Box, Box>, 4> stepBoxes{
    {{Box::b1, Box::m1}, {Box::amalya, Box::amalya}, {Box::b2, Box::m2}, {Box::b3, Box::m3}}};

std::size_t at(Box box) { return static_cast<std::size_t>(box); }

// A drill with b1/m1 ÷ b2/m2 drawn, the seven boxes as the screen holds them, and
// a copy of the whole drill taken while each sound plays.
struct Rig final : Feedback {
    Rig(int b1, int m1, int b2, int m2)
    {
        script({b1, b2, m1, m2});
        drill.load();
        drill.timer1Fired();
    }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    // The next draws give these whole numbers from 0 to 10.
    void script(const std::vector<int>& draws)
    {
        std::vector<double> units;
        for (int k : draws) {
            units.push_back(k / 11.0 + 1e-9);
        }
        random.setValues(units);
    }
    void type(Box box, std::string text) { boxes[at(box)] = std::move(text); }
    // Presses a step's button and carries out the requests as the screen does.
    void press(int step)
    {
        drill.pressStep(step, boxes);
        applyRequests();
    }
    void applyRequests()
    {
        for (Box box : drill.takeBoxesToEmpty()) {
            boxes[at(box)].clear();
            emptied.push_back(box);
        }
        focus = drill.takeFocusRequest();
    }
    // Opens step 1 if it is closed, then types the right answers of steps 1 to
    // `last` and checks each of those steps that is waiting.
    void solveUpTo(int last)
    {
        if (drill.phase(1) == P::Closed) {
            press(1);
        }
        const int b1 = drill.b1(), m1 = drill.m1(), b2 = drill.b2(), m2 = drill.m2();
        const FractionDivisionDrill::BoxTexts right{
            std::to_string(b1), std::to_string(m1), "×", std::to_string(m2),
            std::to_string(b2), std::to_string(b1 * m2), std::to_string(m1 * b2)};
        for (int k = 1; k <= last; ++k) {
            const auto [top, bottom] = stepBoxes[static_cast<std::size_t>(k - 1)];
            type(top, right[at(top)]);
            type(bottom, right[at(bottom)]);
            if (drill.phase(k) == P::Checking) {
                press(k);
            }
        }
    }

    ScriptedRandomSource random;
    FractionDivisionDrill drill{random, *this};
    FractionDivisionDrill::BoxTexts boxes;
    std::vector<Box> emptied;
    std::optional<Box> focus;
    std::vector<std::pair<Verdict, FractionDivisionDrill>> played;
};

TEST(FractionDraw, RejectsZerosAndFractionsEqualToOneRedrawingAllFourFromAFreshSeed)
{
    // Numbers in the order drawn, b1 b2 m1 m2, four to an attempt; only the last is kept.
    // Rejected: a 0 in each place, b1 = m1, b2 = m2, three in a row. Kept: equal fractions,
    // improper and unreduced ones.
    const std::vector<std::vector<int>> cases{
        {3, 2, 4, 5},             {5, 5, 6, 6},             {10, 2, 3, 8},
        {0, 2, 4, 5, 3, 2, 4, 5}, {3, 0, 4, 5, 3, 2, 4, 5}, {3, 2, 0, 5, 3, 2, 4, 5},
        {3, 2, 4, 0, 3, 2, 4, 5}, {3, 2, 3, 5, 3, 2, 4, 5}, {3, 2, 4, 2, 3, 2, 4, 5},
        {0, 0, 0, 0, 5, 2, 5, 4, 5, 2, 4, 2, 5, 2, 4, 3},
    };
    for (const auto& drawn : cases) {
        SCOPED_TRACE(testing::PrintToString(drawn));
        Rig r(3, 4, 2, 5);
        auto values = drawn;
        values.insert(values.end(), {1, 2, 3, 4});  // spare: a wrong rejection ends on it
        r.script(values);
        r.drill.drawProblem();
        const auto& d = r.drill;
        const auto kept = drawn.end() - 4;
        EXPECT_EQ((std::array{d.b1(), d.m1(), d.b2(), d.m2()}),
                  (std::array{kept[0], kept[2], kept[1], kept[3]}));
        EXPECT_EQ(r.random.reseedCount(), 1 + static_cast<int>(drawn.size() / 4));
        EXPECT_EQ(r.random.drawCount(), 4 + drawn.size());
    }
}

TEST(FractionDraw, EachFractionIsUniformOverItsNinetyPairs)
{
    Rig silent(3, 4, 2, 5);  // drawing plays no sound
    // A fixed seed repeats exactly, re-seeds included, so the result never changes.
    ClockRandomSource random(20240611);
    FractionDivisionDrill drill(random, silent);
    constexpr int draws = 12000;
    std::array<std::map<std::pair<int, int>, int>, 2> counts;
    for (int i = 0; i < draws; ++i) {
        drill.drawProblem();
        ++counts[0][{drill.b1(), drill.m1()}];
        ++counts[1][{drill.b2(), drill.m2()}];
    }
    for (const auto& fraction : counts) {
        // 90 cells: none holds a 0, a number above 10 or a fraction equal to one.
        EXPECT_EQ(fraction.size(), 90u);
        double chiSquare = 0;
        for (const auto& [pair, n] : fraction) {
            chiSquare += (n - draws / 90.0) * (n - draws / 90.0) / (draws / 90.0);
        }
        EXPECT_LT(chiSquare, 136.0);  // 89 degrees of freedom, the one-in-a-thousand tail
    }
}

TEST(FractionCheck, CheckTableWithTheClearTimerThatFollows)
{
    // 3/4 ÷ 2/5: step 1 expects 3 over 4, step 2 the sign, step 3 5 over 2, step 4 15 over 8.
    struct Case {
        int step;
        const char *top, *bottom;
        MarkState topMark, bottomMark;
        int right;             // boxes judged right
        Box edited = Box::b3;  // a box of step 1 or 3 changed before step 4 is checked
        const char* edit = "";
    };
    const std::vector<Case> cases{
        {1, "3", "4", T, T, 2},   {1, "3", "5", T, X, 1},  {1, "", "", X, X, 0},
        {1, "03", "4 ", T, T, 2}, {3, "5", "2", T, T, 2},  {3, "2", "5", X, X, 0},
        {3, "1", "2", X, T, 1},   {4, "15", "8", T, T, 2}, {4, "15", "8.5", T, X, 1},
        {4, "6", "8", X, T, 1},   {4, "", "", X, X, 0},    {4, "15.0", "8", T, T, 2},
        // The sign box (its one box takes `top`) is right only as "×" or "*".
        {2, "×", "", T, T, 1}, {2, "*", "", T, T, 1}, {2, "x", "", X, X, 0}, {2, "X", "", X, X, 0},
        {2, "÷", "", X, X, 0}, {2, "", "", X, X, 0}, {2, "* ", "", X, X, 0}, {2, "**", "", X, X, 0},
        // Step 4 multiplies the boxes of steps 1 and 3 as they stand, never reduced.
        {4, "30", "8", T, T, 2, Box::b1, "6"},  {4, "15", "8", X, T, 1, Box::b1, "6"},
        {4, "15", "4", X, X, 0, Box::b1, "6"},  {4, "15", "2", T, T, 2, Box::m1, "1"},
        {4, "21", "8", T, T, 2, Box::b2, "7"},  {4, "15", "0", T, T, 2, Box::m2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases.data());
        Rig r(3, 4, 2, 5);
        r.solveUpTo(c.step - 1);
        r.type(c.edited, c.edit);
        const auto [top, bottom] = stepBoxes[static_cast<std::size_t>(c.step - 1)];
        r.type(bottom, c.bottom);
        r.type(top, c.top);
        const DrillScore before = r.drill.score();
        r.press(c.step);

        const int wrong = (c.step == 2 ? 1 : 2) - c.right;
        ASSERT_EQ(r.played.size(), static_cast<std::size_t>(c.step));
        const auto& [verdict, s] = r.played.back();
        EXPECT_EQ(verdict, wrong == 0 ? Verdict::Right : Verdict::Wrong);
        // At the sound: marks set but not shown, counters changed, no next step, no grade.
        EXPECT_EQ(s.mark(top).state, c.topMark);
        EXPECT_EQ(s.mark(bottom).state, c.bottomMark);
        EXPECT_FALSE(s.mark(top).shown || s.mark(bottom).shown);
        EXPECT_EQ(s.score().correctCount(), before.correctCount() + c.right);
        EXPECT_EQ(s.score().wrongCount(), before.wrongCount() + wrong);
        EXPECT_EQ(s.phase(c.step + 1), P::Hidden);
        EXPECT_EQ(s.score().grade(), "");
        // After it: marks shown, the clear countdown running, the step passed or waiting.
        EXPECT_TRUE(r.drill.mark(top).shown && r.drill.mark(bottom).shown);
        // Hide1 to Hide4 follow Timer1, so step k's clear timer is DrillTimer(k).
        EXPECT_TRUE(r.drill.timer(static_cast<DrillTimer>(c.step)).armed);
        EXPECT_EQ(r.drill.phase(c.step), wrong == 0 ? P::Done : P::Checking);
        EXPECT_EQ(r.drill.phase(c.step + 1), wrong == 0 && c.step < 4 ? P::Checking : P::Hidden);
        EXPECT_EQ(r.drill.score().grade().empty(), wrong != 0 || c.step < 4);

        // The clear timer hides the marks, keeping their states, and empties the crossed
        // boxes in reading order, leaving the focus in the last.
        std::vector<Box> crossed;
        for (const auto& [box, mark] : {std::pair{top, c.topMark}, {bottom, c.bottomMark}}) {
            if (mark == X && (crossed.empty() || crossed.back() != box)) {
                crossed.push_back(box);
            }
        }
        r.drill.clearMarks(c.step);
        r.applyRequests();
        EXPECT_EQ(r.emptied, crossed);
        EXPECT_EQ(r.focus, crossed.empty() ? std::nullopt : std::optional(crossed.back()));
        EXPECT_FALSE(r.drill.mark(top).shown || r.drill.mark(bottom).shown);
        EXPECT_EQ(r.drill.mark(top).state, c.topMark);
        EXPECT_FALSE(r.drill.timer(static_cast<DrillTimer>(c.step)).armed);
    }
}

TEST(FractionSteps, AProblemFromItsFirstStepToTheNextProblem)
{
    const std::array<std::string, 4> help{
        "نكتب الكسر الأول كما هو", "نكتب بدل رمز القسمة علامة الضرب", "نقلب الكسر الثاني",
        "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج"};
    const std::array focus{Box::b1, Box::amalya, Box::b2, Box::b3};
    const std::array questions{2, 3, 5, 7};  // once the step has opened
    Rig r(3, 4, 2, 5);
    r.drill.toggleHelp();
    r.press(2);  // hidden: does nothing, so counts no question
    r.type(Box::b1, "3");
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        r.solveUpTo(k - 1);  // opens step 1 on the first round
        EXPECT_EQ(r.focus, focus[k - 1]);
        EXPECT_EQ(r.drill.helpText(), help[k - 1]);
        r.press(k);  // wrong (step 1 half right): a retry counts no question
        EXPECT_EQ(r.drill.score().questionCount(), questions[k - 1]);
    }
    const auto firstArm = r.drill.timer(DrillTimer::Hide4).generation;
    r.solveUpTo(4);  // right, before hide4 has fired
    r.press(4);      // done: does nothing
    ASSERT_EQ(r.played.size(), 8u);
    EXPECT_EQ(r.played.back().second.score().correctCount(), 8);
    EXPECT_EQ(r.played.back().second.score().grade(), "");
    EXPECT_EQ(r.drill.score().wrongCount(), 6);
    EXPECT_EQ(r.drill.score().questionCount(), 7);
    EXPECT_EQ(r.drill.score().grade(), "ممتاز");  // 8 right of 7 questions
    EXPECT_EQ(r.drill.helpText(), "احسنت اجابتك سليمة حاول بحل سؤال آخر");
    // The check restarted hide4's countdown; when it fires the ticked boxes stay.
    EXPECT_EQ(r.drill.timer(DrillTimer::Hide4).generation, firstArm + 1);
    r.drill.clearMarks(4);
    r.applyRequests();
    EXPECT_TRUE(r.emptied.empty());
    EXPECT_FALSE(r.focus.has_value());

    // A new question resets the steps and boxes, and leaves the score, the help
    // panel, the marks and the problem until Timer1 fires.
    r.drill.newQuestion();
    r.applyRequests();
    EXPECT_EQ(r.emptied,
              (std::vector{Box::b1, Box::b2, Box::b3, Box::m1, Box::m2, Box::m3, Box::amalya}));
    EXPECT_EQ(r.drill.helpText(), "اضغط على زر الخطوة الاولى");
    const auto& d = r.drill;
    EXPECT_EQ((std::array{d.phase(1), d.phase(2), d.phase(3), d.phase(4)}),
              (std::array{P::Closed, P::Hidden, P::Hidden, P::Hidden}));
    EXPECT_EQ(d.helpButtonCaption(), "اخفاء المساعدة");
    EXPECT_EQ(d.score().correctCount(), 8);
    EXPECT_EQ(d.score().grade(), "ممتاز");
    EXPECT_TRUE(d.mark(Box::m3).state == T && !d.mark(Box::m3).shown);
    EXPECT_EQ(d.b1(), 3);
    ASSERT_TRUE(d.timer(DrillTimer::Timer1).armed);
    r.script({7, 1, 8, 6});
    r.drill.timer1Fired();
    EXPECT_FALSE(d.timer(DrillTimer::Timer1).armed);
    EXPECT_EQ((std::array{d.b1(), d.m1(), d.b2(), d.m2()}), (std::array{7, 8, 1, 6}));
    EXPECT_EQ(d.score().questionCount(), 9);
    r.solveUpTo(4);
    EXPECT_EQ(d.score().questionCount(), 14);
}

}  // namespace
