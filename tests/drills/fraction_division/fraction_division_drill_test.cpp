#include "drills/fraction_division/fraction_division_drill.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

const std::string checkCaption = "اختبار الاجابة";
const std::string newQuestionHelp = "اضغط على زر الخطوة الاولى";
const std::string solvedHelp = "احسنت اجابتك سليمة حاول بحل سؤال آخر";
const std::array<std::string, 4> ownCaptions{"الخطوة الاولى", "الخطوة الثانية", "الخطوة الثالثة",
                                             "الخطوة الرابعة"};
const std::array<std::string, 4> stepHelp{
    "نكتب الكسر الأول كما هو", "نكتب بدل رمز القسمة علامة الضرب", "نقلب الكسر الثاني",
    "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج"};

constexpr MarkState T = MarkState::Tick;
constexpr MarkState X = MarkState::Cross;

// A scripted unit value that draws k from 0 to 10.
double unitFor(int k) { return k == 0 ? 0.0 : k / 11.0 + 1e-9; }

std::size_t at(Box box) { return static_cast<std::size_t>(box); }

// What the screen would show at the moment the sound plays.
struct Snapshot {
    Verdict verdict;
    std::int64_t correct, wrong, questions;
    std::string grade, help;
    std::array<Mark, boxCount> marks;
    std::array<StepPhase, 4> phases;
    bool newQuestionShown;
};

class RecordingFeedback final : public Feedback {
public:
    void play(Verdict verdict) override
    {
        Snapshot s{verdict,
                   drill->score().correctCount(),
                   drill->score().wrongCount(),
                   drill->score().questionCount(),
                   drill->score().grade(),
                   drill->helpText(),
                   {},
                   {},
                   drill->newQuestionShown()};
        for (int i = 0; i < boxCount; ++i) {
            s.marks[static_cast<std::size_t>(i)] = drill->mark(static_cast<Box>(i));
        }
        for (int k = 1; k <= 4; ++k) {
            s.phases[static_cast<std::size_t>(k - 1)] = drill->phase(k);
        }
        played.push_back(s);
    }
    const FractionDivisionDrill* drill = nullptr;
    std::vector<Snapshot> played;
};

// Hands out scripted values once through. A drill that rejects a problem it
// should keep would loop for ever on values that wrap round, so drawing past
// the script fails the test instead.
class ScriptOnce final : public RandomSource {
public:
    double nextUnit() override
    {
        if (script.drawCount() >= m_limit) {
            throw std::logic_error("drew past the scripted values");
        }
        return script.nextUnit();
    }
    void reseed() override { script.reseed(); }
    void setValues(std::vector<double> values)
    {
        m_limit = script.drawCount() + values.size();
        script.setValues(std::move(values));
    }

    ScriptedRandomSource script;

private:
    std::size_t m_limit = 0;
};

// One drill with a scripted source, a recording sound and the seven boxes as
// the screen would hold them.
struct Rig {
    Rig() { feedback.drill = &drill; }
    // Loads the screen and lets Timer1 draw b1/m1 ÷ b2/m2.
    Rig(int b1, int m1, int b2, int m2) : Rig()
    {
        random.setValues({unitFor(b1), unitFor(b2), unitFor(m1), unitFor(m2)});
        drill.load();
        drill.timer1Fired();
    }
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

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
    // Opens step 1 if needed, types the right answer of every step up to
    // `last` and checks each of those steps that is waiting.
    void solveUpTo(int last)
    {
        if (drill.phase(1) == StepPhase::Closed) {
            press(1);
        }
        const int b1 = drill.b1(), m1 = drill.m1(), b2 = drill.b2(), m2 = drill.m2();
        const std::vector<std::pair<Box, std::string>> right{
            {Box::b1, std::to_string(b1)}, {Box::m1, std::to_string(m1)}, {Box::amalya, "×"},
            {Box::b2, std::to_string(m2)}, {Box::m2, std::to_string(b2)},
            {Box::b3, std::to_string(b1 * m2)}, {Box::m3, std::to_string(m1 * b2)}};
        for (const auto& [box, text] : right) {
            if (FractionDivisionDrill::stepOf(box) <= last) {
                type(box, text);
            }
        }
        for (int k = 1; k <= last; ++k) {
            if (drill.phase(k) == StepPhase::Checking) {
                press(k);
            }
        }
    }
    std::array<StepPhase, 4> phases() const
    {
        return {drill.phase(1), drill.phase(2), drill.phase(3), drill.phase(4)};
    }

    ScriptOnce random;
    RecordingFeedback feedback;
    FractionDivisionDrill drill{random, feedback};
    FractionDivisionDrill::BoxTexts boxes;
    std::vector<Box> emptied;
    std::optional<Box> focus;
};

// The boxes of steps 1 to 4 as (numerator, denominator); step 2 has one.
const std::array<std::pair<Box, Box>, 4> stepBoxes{
    {{Box::b1, Box::m1}, {Box::amalya, Box::amalya}, {Box::b2, Box::m2}, {Box::b3, Box::m3}}};
const std::array<DrillTimer, 4> clearTimers{DrillTimer::Hide1, DrillTimer::Hide2,
                                            DrillTimer::Hide3, DrillTimer::Hide4};

using P = StepPhase;

// ---- Drawing a problem ----

TEST(FractionDraw, LoadArmsTimer1WhichDrawsOnceAndDisarms)
{
    Rig r;
    EXPECT_FALSE(r.drill.problemDrawn());
    EXPECT_FALSE(r.drill.keyPreview());
    r.drill.load();
    EXPECT_TRUE(r.drill.timer(DrillTimer::Timer1).armed);
    EXPECT_EQ(r.drill.score().questionCount(), 0);
    r.random.setValues({unitFor(3), unitFor(2), unitFor(4), unitFor(5)});
    r.drill.timer1Fired();
    EXPECT_FALSE(r.drill.timer(DrillTimer::Timer1).armed);
    EXPECT_TRUE(r.drill.problemDrawn());
    EXPECT_TRUE(r.drill.keyPreview());
    EXPECT_EQ(r.drill.score().questionCount(), 2);
    EXPECT_EQ(r.phases(), (std::array{P::Closed, P::Hidden, P::Hidden, P::Hidden}));
    EXPECT_EQ(r.drill.helpText(), "");
}

TEST(FractionDraw, RejectsZerosAndFractionsEqualToOneRedrawingAllFour)
{
    struct Case {
        const char* name;
        std::vector<double> values;  // consumed in the order b1, b2, m1, m2
        std::array<int, 4> problem;  // b1, m1, b2, m2
        int attempts;
    };
    const double k2 = unitFor(2), k3 = unitFor(3), k4 = unitFor(4), k5 = unitFor(5);
    const std::vector<Case> cases{
        {"accepted at once", {k3, k2, k4, k5}, {3, 4, 2, 5}, 1},
        {"top edge reads 10", {1.0 - 1e-12, k2, k4, k5}, {10, 4, 2, 5}, 1},
        {"b1 zero", {0.0, k2, k4, k5, k3, k2, k4, k5}, {3, 4, 2, 5}, 2},
        {"b2 zero", {k3, 0.0, k4, k5, k3, k2, k4, k5}, {3, 4, 2, 5}, 2},
        {"m1 zero", {k3, k2, 0.0, k5, k3, k2, k4, k5}, {3, 4, 2, 5}, 2},
        {"m2 zero", {k3, k2, k4, 0.09, k3, k2, k4, k5}, {3, 4, 2, 5}, 2},
        {"b1 = m1", {k3, k2, k3, k5, k3, k2, k4, k5}, {3, 4, 2, 5}, 2},
        {"b2 = m2", {k3, k2, k4, k2, k3, k2, k4, k5}, {3, 4, 2, 5}, 2},
        {"three rejections",
         {0.0, 0.0, 0.0, 0.0, k5, k2, k5, k4, k5, k2, k4, k2, k5, k2, k4, k3},
         {5, 4, 2, 3},
         4},
        {"equal fractions allowed", {k5, k5, unitFor(6), unitFor(6)}, {5, 6, 5, 6}, 1},
        {"improper, unreduced", {unitFor(10), k2, k3, unitFor(8)}, {10, 3, 2, 8}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.random.setValues(c.values);
        r.drill.drawProblem();
        const auto& d = r.drill;
        EXPECT_EQ((std::array{d.b1(), d.m1(), d.b2(), d.m2()}), c.problem);
        EXPECT_EQ(r.random.script.reseedCount(), c.attempts);
        EXPECT_EQ(r.random.script.drawCount(), static_cast<std::size_t>(4 * c.attempts));
        EXPECT_EQ(d.score().questionCount(), 2);
    }
}

TEST(FractionDraw, EachFractionIsUniformOverItsNinetyPairsAndTheTwoAreIndependent)
{
    // The real source, re-seeded before every attempt as in the program. Its
    // re-seeds take the clock, so the bounds sit at the one-in-a-million tail.
    ClockRandomSource random(20240611);
    RecordingFeedback feedback;
    FractionDivisionDrill drill(random, feedback);
    constexpr int draws = 30000;
    std::map<std::pair<int, int>, int> first, second;
    std::map<std::pair<int, int>, int> numerators;  // b1 against b2
    for (int i = 0; i < draws; ++i) {
        drill.drawProblem();
        for (int v : {drill.b1(), drill.m1(), drill.b2(), drill.m2()}) {
            ASSERT_TRUE(v >= 1 && v <= 10) << v;
        }
        ASSERT_NE(drill.b1(), drill.m1());
        ASSERT_NE(drill.b2(), drill.m2());
        ++first[{drill.b1(), drill.m1()}];
        ++second[{drill.b2(), drill.m2()}];
        ++numerators[{drill.b1(), drill.b2()}];
    }
    auto chiSquare = [](const std::map<std::pair<int, int>, int>& counts, double expected) {
        double sum = 0;
        for (const auto& [pair, n] : counts) {
            sum += (n - expected) * (n - expected) / expected;
        }
        return sum;
    };
    // 89 degrees of freedom: the one-in-a-million tail starts near 168.
    ASSERT_EQ(first.size(), 90u);
    ASSERT_EQ(second.size(), 90u);
    EXPECT_LT(chiSquare(first, draws / 90.0), 168.0);
    EXPECT_LT(chiSquare(second, draws / 90.0), 168.0);
    // Each numerator alone is uniform over 1 to 10, so if the two fractions are
    // independent the 100 cells of (b1, b2) are uniform: 99 degrees of freedom,
    // one-in-a-million tail near 181.
    ASSERT_EQ(numerators.size(), 100u);
    EXPECT_LT(chiSquare(numerators, draws / 100.0), 181.0);
}

// ---- Opening steps and pressing buttons that do nothing ----

TEST(FractionSteps, OpeningStepOneShowsItsBoxesAndCountsNothing)
{
    Rig r(3, 4, 2, 5);
    EXPECT_EQ(r.drill.stepCaption(1), ownCaptions[0]);
    EXPECT_TRUE(r.drill.stepButtonShown(1));
    EXPECT_FALSE(r.drill.stepBoxesShown(1));
    r.press(1);
    EXPECT_EQ(r.drill.phase(1), P::Checking);
    EXPECT_EQ(r.drill.stepCaption(1), checkCaption);
    EXPECT_TRUE(r.drill.stepButtonShown(1));
    EXPECT_TRUE(r.drill.stepBoxesShown(1));
    EXPECT_EQ(r.focus, Box::b1);
    EXPECT_EQ(r.drill.helpText(), stepHelp[0]);
    EXPECT_EQ(r.drill.score().questionCount(), 2);
    EXPECT_TRUE(r.feedback.played.empty());
}

TEST(FractionSteps, PressingHiddenDoneOrUnknownStepsChangesNothing)
{
    Rig r(3, 4, 2, 5);
    auto pressIdle = [&r](std::vector<int> steps) {
        const auto before = r.phases();
        const auto help = r.drill.helpText();
        const auto& s = r.drill.score();
        const auto counts = std::array{s.correctCount(), s.wrongCount(), s.questionCount()};
        r.feedback.played.clear();
        for (int k : steps) {
            SCOPED_TRACE(k);
            r.press(k);
            EXPECT_EQ(r.phases(), before);
            EXPECT_EQ(r.drill.helpText(), help);
            EXPECT_EQ((std::array{s.correctCount(), s.wrongCount(), s.questionCount()}), counts);
            EXPECT_FALSE(r.focus.has_value());
            EXPECT_TRUE(r.emptied.empty());
        }
        EXPECT_TRUE(r.feedback.played.empty());
    };
    pressIdle({0, 2, 3, 4, 5, -1});
    r.solveUpTo(1);
    pressIdle({1, 3, 4});  // step 1 done, steps 3 and 4 hidden
    r.solveUpTo(4);
    pressIdle({1, 2, 3, 4});  // all done
}

// ---- Checking ----

TEST(FractionCheck, TwoBoxCheckTable)
{
    // Problem 3/4 ÷ 2/5: step 1 expects 3 over 4, step 3 5 over 2, step 4 15 over 8.
    struct Case {
        int step;
        const char* top;
        const char* bottom;
        MarkState topMark, bottomMark;
        int right, wrong;
    };
    const std::vector<Case> cases{
        {1, "3", "4", T, T, 2, 0},    {1, "3", "5", T, X, 1, 1},  {1, "4", "4", X, T, 1, 1},
        {1, "", "", X, X, 0, 2},      {1, "4", "3", X, X, 0, 2},  {1, "03", "4 ", T, T, 2, 0},
        {3, "5", "2", T, T, 2, 0},    {3, "2", "5", X, X, 0, 2},  {3, "5", "", T, X, 1, 1},
        {3, "1", "2", X, T, 1, 1},    {4, "15", "8", T, T, 2, 0}, {4, "15", "20", T, X, 1, 1},
        {4, "6", "8", X, T, 1, 1},    {4, "", "", X, X, 0, 2},    {4, "8", "15", X, X, 0, 2},
        {4, "15.0", "8", T, T, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << ": " << c.top << "/" << c.bottom);
        Rig r(3, 4, 2, 5);
        r.boxes = {"3", "4", "×", "5", "2", "", ""};
        r.press(1);
        for (int k = 1; k < c.step; ++k) {
            r.press(k);
        }
        ASSERT_EQ(r.drill.phase(c.step), P::Checking);
        const std::size_t i = static_cast<std::size_t>(c.step - 1);
        const auto [top, bottom] = stepBoxes[i];
        r.type(top, c.top);
        r.type(bottom, c.bottom);
        const auto correct = r.drill.score().correctCount();
        const auto wrong = r.drill.score().wrongCount();
        r.feedback.played.clear();
        r.press(c.step);

        const bool passed = c.wrong == 0;
        ASSERT_EQ(r.feedback.played.size(), 1u);
        const Snapshot& s = r.feedback.played[0];
        EXPECT_EQ(s.verdict, passed ? Verdict::Right : Verdict::Wrong);
        // At the sound: marks set but not yet shown, counters already raised.
        EXPECT_EQ(s.marks[at(top)].state, c.topMark);
        EXPECT_EQ(s.marks[at(bottom)].state, c.bottomMark);
        EXPECT_FALSE(s.marks[at(top)].shown);
        EXPECT_FALSE(s.marks[at(bottom)].shown);
        EXPECT_EQ(s.correct, correct + c.right);
        EXPECT_EQ(s.wrong, wrong + c.wrong);
        EXPECT_EQ(s.phases[i], P::Checking);
        // After it: marks shown, the clear countdown running, the step passed or waiting.
        EXPECT_TRUE(r.drill.mark(top).shown);
        EXPECT_TRUE(r.drill.mark(bottom).shown);
        EXPECT_TRUE(r.drill.timer(clearTimers[i]).armed);
        EXPECT_EQ(r.drill.phase(c.step), passed ? P::Done : P::Checking);
        if (c.step < 4) {
            EXPECT_EQ(r.drill.phase(c.step + 1), passed ? P::Checking : P::Hidden);
        }
        EXPECT_EQ(r.drill.newQuestionShown(), passed && c.step == 4);
        EXPECT_EQ(r.drill.score().grade().empty(), !(passed && c.step == 4));
    }
}

TEST(FractionCheck, SignBoxTakesOnlyTheTimesSignOrTheStar)
{
    const std::vector<std::pair<std::string, bool>> cases{
        {"×", true}, {"*", true}, {"x", false},  {"X", false}, {"÷", false},
        {"", false}, {" *", false}, {"× ", false}, {"**", false}};
    for (const auto& [text, right] : cases) {
        SCOPED_TRACE(text);
        Rig r(3, 4, 2, 5);
        r.solveUpTo(1);
        r.feedback.played.clear();
        r.type(Box::amalya, text);
        r.press(2);
        ASSERT_EQ(r.feedback.played.size(), 1u);
        const Snapshot& s = r.feedback.played[0];
        EXPECT_EQ(s.verdict, right ? Verdict::Right : Verdict::Wrong);
        EXPECT_EQ(s.marks[at(Box::amalya)].state, right ? T : X);
        EXPECT_FALSE(s.marks[at(Box::amalya)].shown);
        EXPECT_EQ(s.correct, right ? 3 : 2);
        EXPECT_EQ(s.wrong, right ? 0 : 1);
        EXPECT_EQ(r.drill.phase(2), right ? P::Done : P::Checking);
        EXPECT_EQ(r.drill.phase(3), right ? P::Checking : P::Hidden);
        EXPECT_TRUE(r.drill.mark(Box::amalya).shown);
        EXPECT_TRUE(r.drill.timer(DrillTimer::Hide2).armed);
    }
}

TEST(FractionCheck, StepFourFollowsTheBoxesOfStepsOneAndThreeAsTheyStandNow)
{
    struct Case {
        Box changed;
        const char* text;
        const char* top;
        const char* bottom;
        MarkState topMark, bottomMark;
    };
    // 3/4 ÷ 2/5, steps 1 and 3 passed as 3/4 and 5/2, then one of those boxes edited.
    const std::vector<Case> cases{
        {Box::b1, "6", "15", "8", X, T},  {Box::b1, "6", "30", "8", T, T},
        {Box::m1, "1", "15", "2", T, T},  {Box::b2, "7", "21", "8", T, T},
        {Box::m2, "3", "15", "12", T, T}, {Box::m2, "3", "15", "8", T, X},
        {Box::m2, "", "15", "0", T, T},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << at(c.changed) << " = '" << c.text << "', "
                                        << c.top << "/" << c.bottom);
        Rig r(3, 4, 2, 5);
        r.solveUpTo(3);
        r.type(c.changed, c.text);
        r.type(Box::b3, c.top);
        r.type(Box::m3, c.bottom);
        r.press(4);
        EXPECT_EQ(r.drill.mark(Box::b3).state, c.topMark);
        EXPECT_EQ(r.drill.mark(Box::m3).state, c.bottomMark);
    }
}

TEST(FractionCheck, WorkedProblems)
{
    struct Case {
        std::array<int, 4> problem;               // b1, m1, b2, m2
        std::array<const char*, 2> turned;        // step 3's right answer
        std::array<const char*, 2> product;       // step 4's right answer
        std::array<const char*, 2> wrongProduct;  // a wrong step 4 answer
        std::array<MarkState, 2> wrongMarks;
    };
    const std::vector<Case> cases{
        {{3, 4, 2, 5}, {"5", "2"}, {"15", "8"}, {"6", "20"}, {X, X}},
        {{2, 4, 1, 2}, {"2", "1"}, {"4", "4"}, {"1", "1"}, {X, X}},
        {{9, 10, 10, 9}, {"9", "10"}, {"81", "100"}, {"81", "10"}, {T, X}},
        {{5, 6, 5, 6}, {"6", "5"}, {"30", "30"}, {"1", "1"}, {X, X}},
    };
    for (const Case& c : cases) {
        const auto [b1, m1, b2, m2] = c.problem;
        SCOPED_TRACE(testing::Message() << b1 << "/" << m1 << " ÷ " << b2 << "/" << m2);
        Rig r(b1, m1, b2, m2);
        r.solveUpTo(2);
        r.type(Box::b2, c.turned[0]);
        r.type(Box::m2, c.turned[1]);
        r.press(3);
        ASSERT_EQ(r.drill.phase(4), P::Checking);
        r.type(Box::b3, c.wrongProduct[0]);
        r.type(Box::m3, c.wrongProduct[1]);
        r.press(4);
        EXPECT_EQ(r.drill.mark(Box::b3).state, c.wrongMarks[0]);
        EXPECT_EQ(r.drill.mark(Box::m3).state, c.wrongMarks[1]);
        EXPECT_EQ(r.drill.phase(4), P::Checking);
        r.type(Box::b3, c.product[0]);
        r.type(Box::m3, c.product[1]);
        r.press(4);
        EXPECT_EQ(r.drill.mark(Box::b3).state, T);
        EXPECT_EQ(r.drill.mark(Box::m3).state, T);
        EXPECT_EQ(r.drill.phase(4), P::Done);
    }
}

// ---- Passing steps and solving a problem ----

TEST(FractionSteps, PassingAStepOpensTheNextOnlyAfterTheSound)
{
    struct Case {
        int passed;
        Box focus;
        int addedQuestions;
    };
    for (const Case& c : std::vector<Case>{{1, Box::amalya, 1}, {2, Box::b2, 2}, {3, Box::b3, 2}}) {
        SCOPED_TRACE(c.passed);
        Rig r(3, 4, 2, 5);
        r.solveUpTo(c.passed - 1);
        r.feedback.played.clear();
        const auto questions = r.drill.score().questionCount();
        r.solveUpTo(c.passed);
        ASSERT_EQ(r.feedback.played.size(), 1u);
        const auto next = static_cast<std::size_t>(c.passed);
        EXPECT_EQ(r.feedback.played[0].phases[next], P::Hidden);
        EXPECT_EQ(r.feedback.played[0].questions, questions);
        EXPECT_EQ(r.drill.phase(c.passed), P::Done);
        EXPECT_FALSE(r.drill.stepButtonShown(c.passed));
        EXPECT_TRUE(r.drill.stepBoxesShown(c.passed));
        EXPECT_EQ(r.drill.phase(c.passed + 1), P::Checking);
        EXPECT_TRUE(r.drill.stepButtonShown(c.passed + 1));
        EXPECT_EQ(r.drill.stepCaption(c.passed + 1), checkCaption);
        EXPECT_TRUE(r.drill.stepBoxesShown(c.passed + 1));
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(r.drill.helpText(), stepHelp[next]);
        EXPECT_EQ(r.drill.score().questionCount(), questions + c.addedQuestions);
    }
}

TEST(FractionSteps, SolvingGradesOnlyAfterTheLastSound)
{
    Rig r(3, 4, 2, 5);
    r.press(1);
    r.type(Box::b1, "3");
    r.type(Box::m1, "9");
    r.press(1);  // tick and cross
    r.type(Box::m1, "4");
    r.press(1);  // step 1 has now brought 3 right and 1 wrong
    r.type(Box::amalya, "×");
    r.press(2);
    r.type(Box::b2, "5");
    r.type(Box::m2, "2");
    r.press(3);
    r.press(4);  // empty product boxes
    EXPECT_TRUE(r.drill.score().grade().empty()) << "graded before the problem was solved";
    r.type(Box::b3, "15");
    r.type(Box::m3, "8");
    r.press(4);

    const Snapshot& s = r.feedback.played.back();
    EXPECT_EQ(s.verdict, Verdict::Right);
    EXPECT_EQ(s.grade, "");
    EXPECT_EQ(s.help, solvedHelp);
    EXPECT_EQ(s.correct, 8);
    EXPECT_EQ(s.marks[at(Box::b3)].state, T);
    EXPECT_EQ(s.marks[at(Box::m3)].state, T);
    EXPECT_TRUE(s.marks[at(Box::b3)].shown) << "kept from the wrong check still counting down";
    EXPECT_EQ(s.phases[3], P::Checking);
    EXPECT_FALSE(s.newQuestionShown);

    EXPECT_EQ(r.drill.score().correctCount(), 8);
    EXPECT_EQ(r.drill.score().wrongCount(), 3);
    EXPECT_EQ(r.drill.score().questionCount(), 7);
    EXPECT_EQ(r.drill.score().grade(), "ممتاز");  // 8 of 7 is above 100
    EXPECT_EQ(r.drill.phase(4), P::Done);
    EXPECT_FALSE(r.drill.stepButtonShown(4));
    EXPECT_TRUE(r.drill.newQuestionShown());
    EXPECT_EQ(r.drill.helpText(), solvedHelp);
    EXPECT_TRUE(r.drill.mark(Box::b3).shown);
    EXPECT_TRUE(r.drill.timer(DrillTimer::Hide4).armed);
}

TEST(FractionSteps, QuestionsCountAnswerBoxesAndRetriesAddNone)
{
    Rig retried(3, 4, 2, 5);
    retried.press(1);
    for (int k = 1; k <= 4; ++k) {
        retried.press(k);  // each step checked once with its boxes empty
        retried.solveUpTo(k);
    }
    EXPECT_EQ(retried.drill.score().questionCount(), 7);
    EXPECT_EQ(retried.drill.score().correctCount(), 7);
    EXPECT_EQ(retried.drill.score().wrongCount(), 7);

    Rig clean(3, 4, 2, 5);
    for (int problem = 1; problem <= 5; ++problem) {
        if (problem > 1) {
            clean.drill.newQuestion();
            clean.applyRequests();
            clean.random.setValues({unitFor(7), unitFor(10), unitFor(3), unitFor(9)});
            clean.drill.timer1Fired();
        }
        clean.solveUpTo(4);
        ASSERT_TRUE(clean.drill.newQuestionShown());
    }
    EXPECT_EQ(clean.drill.score().questionCount(), 35);
    EXPECT_EQ(clean.drill.score().correctCount(), 35);
    EXPECT_EQ(clean.drill.score().wrongCount(), 0);
}

// ---- Clearing the marks ----

TEST(FractionMarks, ClearTimerEmptiesAndFocusesOnlyCrossedBoxes)
{
    struct Case {
        int step;
        const char* top;
        const char* bottom;
        std::vector<Box> emptied;
        std::optional<Box> focus;
    };
    const std::vector<Case> cases{
        {1, "", "", {Box::b1, Box::m1}, Box::m1},   {1, "3", "9", {Box::m1}, Box::m1},
        {1, "9", "4", {Box::b1}, Box::b1},          {1, "3", "4", {}, std::nullopt},
        {2, "x", "", {Box::amalya}, Box::amalya},   {3, "2", "5", {Box::b2, Box::m2}, Box::m2},
        {3, "5", "1", {Box::m2}, Box::m2},          {4, "1", "8", {Box::b3}, Box::b3},
        {4, "1", "1", {Box::b3, Box::m3}, Box::m3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << ": " << c.top << "/" << c.bottom);
        Rig r(3, 4, 2, 5);
        r.solveUpTo(c.step - 1);
        const std::size_t i = static_cast<std::size_t>(c.step - 1);
        const auto [top, bottom] = stepBoxes[i];
        r.type(top, c.top);
        if (bottom != top) {
            r.type(bottom, c.bottom);
        }
        r.press(c.step);
        const auto score = r.drill.score();
        const auto phases = r.phases();
        const auto generation = r.drill.timer(clearTimers[i]).generation;
        const MarkState topMark = r.drill.mark(top).state;
        r.emptied.clear();
        r.drill.clearMarks(c.step);
        r.applyRequests();
        EXPECT_EQ(r.emptied, c.emptied);
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_FALSE(r.drill.mark(top).shown);
        EXPECT_FALSE(r.drill.mark(bottom).shown);
        EXPECT_EQ(r.drill.mark(top).state, topMark) << "a hidden mark keeps its state";
        EXPECT_FALSE(r.drill.timer(clearTimers[i]).armed);
        EXPECT_EQ(r.drill.timer(clearTimers[i]).generation, generation);
        EXPECT_EQ(r.phases(), phases);
        EXPECT_EQ(r.drill.score().correctCount(), score.correctCount());
        EXPECT_EQ(r.drill.score().wrongCount(), score.wrongCount());
    }
}

TEST(FractionMarks, ACheckWithinTheCountdownRestartsItAndTheTimerSeesTheMarksAsTheyAreThen)
{
    Rig r(3, 4, 2, 5);
    r.press(1);
    r.press(1);  // both empty: two crosses
    const auto firstArm = r.drill.timer(DrillTimer::Hide1).generation;
    r.type(Box::b1, "3");
    r.type(Box::m1, "4");
    r.press(1);  // right, before hide1 has fired
    const Snapshot& s = r.feedback.played.back();
    EXPECT_TRUE(s.marks[at(Box::b1)].shown) << "the shown flag is kept through the sound";
    EXPECT_EQ(s.marks[at(Box::b1)].state, T);
    EXPECT_EQ(r.drill.timer(DrillTimer::Hide1).generation, firstArm + 1);
    EXPECT_TRUE(r.drill.timer(DrillTimer::Hide1).armed);
    r.emptied.clear();
    r.drill.clearMarks(1);
    r.applyRequests();
    EXPECT_TRUE(r.emptied.empty());
    EXPECT_FALSE(r.focus.has_value());
    EXPECT_EQ(r.boxes[at(Box::b1)], "3");
    EXPECT_FALSE(r.drill.mark(Box::m1).shown);
}

// ---- New question and help panel ----

TEST(FractionNewQuestion, ResetsTheStepsAndLeavesScoreHelpPanelAndMarks)
{
    Rig r(3, 4, 2, 5);
    r.drill.toggleHelp();
    r.press(1);
    r.press(1);  // two crosses on step 1, never cleared
    r.solveUpTo(4);
    const auto score = r.drill.score();
    std::array<Mark, boxCount> marks;
    for (int i = 0; i < boxCount; ++i) {
        marks[static_cast<std::size_t>(i)] = r.drill.mark(static_cast<Box>(i));
    }
    r.emptied.clear();
    r.drill.newQuestion();
    r.applyRequests();

    EXPECT_EQ(r.drill.helpText(), newQuestionHelp);
    EXPECT_EQ(r.phases(), (std::array{P::Closed, P::Hidden, P::Hidden, P::Hidden}));
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(r.drill.stepCaption(k), ownCaptions[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(r.drill.stepButtonShown(k), k == 1);
        EXPECT_FALSE(r.drill.stepBoxesShown(k));
    }
    EXPECT_FALSE(r.drill.newQuestionShown());
    EXPECT_EQ(r.emptied,
              (std::vector{Box::b1, Box::b2, Box::b3, Box::m1, Box::m2, Box::m3, Box::amalya}));
    EXPECT_TRUE(r.drill.timer(DrillTimer::Timer1).armed);
    EXPECT_TRUE(r.drill.helpShown());
    EXPECT_EQ(r.drill.score().correctCount(), score.correctCount());
    EXPECT_EQ(r.drill.score().wrongCount(), score.wrongCount());
    EXPECT_EQ(r.drill.score().questionCount(), score.questionCount());
    EXPECT_EQ(r.drill.score().grade(), score.grade());
    for (int i = 0; i < boxCount; ++i) {
        SCOPED_TRACE(i);
        const Mark& now = r.drill.mark(static_cast<Box>(i));
        EXPECT_EQ(now.state, marks[static_cast<std::size_t>(i)].state);
        EXPECT_EQ(now.shown, marks[static_cast<std::size_t>(i)].shown);
    }
    // The problem changes only when Timer1 fires; a late clear timer still works.
    EXPECT_EQ(r.drill.b1(), 3);
    r.drill.clearMarks(4);
    EXPECT_FALSE(r.drill.mark(Box::m3).shown);
    EXPECT_EQ(r.drill.mark(Box::m3).state, T);
    r.random.setValues({unitFor(7), unitFor(1), unitFor(8), unitFor(6)});
    r.drill.timer1Fired();
    const auto& d = r.drill;
    EXPECT_EQ((std::array{d.b1(), d.m1(), d.b2(), d.m2()}), (std::array{7, 8, 1, 6}));
    EXPECT_EQ(d.score().questionCount(), score.questionCount() + 2);
}

TEST(FractionHelp, ButtonShowsAndHidesThePanelWithoutTouchingItsText)
{
    Rig r(3, 4, 2, 5);
    r.press(1);
    EXPECT_FALSE(r.drill.helpShown());
    EXPECT_EQ(r.drill.helpButtonCaption(), "اضهار المساعدة");
    r.drill.toggleHelp();
    EXPECT_TRUE(r.drill.helpShown());
    EXPECT_EQ(r.drill.helpButtonCaption(), "اخفاء المساعدة");
    r.drill.toggleHelp();
    EXPECT_FALSE(r.drill.helpShown());
    EXPECT_EQ(r.drill.helpButtonCaption(), "اضهار المساعدة");
    EXPECT_EQ(r.drill.helpText(), stepHelp[0]);
}

}  // namespace
