// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/whole_division/division_drill.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

using Step = DivisionStep;
using Box = DivisionDrill::Box;

// A drill whose first problem is 47 ÷ 5 (quotient 9, product 45, remainder 2) and whose
// second is 3 ÷ 7, with what it played and what the step and counters were at each sound.
struct Rig final : Feedback {
    void play(Verdict verdict) override
    {
        played.push_back(verdict);
        stepAtSound = drill.step();
        wrongAtSound = drill.score().wrongCount();
    }
    void draw() { drill.requestProblem(); drill.drawProblem(); }
    CheckResult submit(Box box, std::string_view text)
    {
        return box == Box::Txtnatj1   ? drill.submitQuotient(text)
               : box == Box::Txtnatj2 ? drill.submitProduct(text)
                                      : drill.submitRemainder(text);
    }
    // Answers the first `steps` steps of the current problem right.
    void answerRight(int steps)
    {
        const int rights[] = {drill.quotient(), drill.quotient() * drill.divisor(), drill.remainder()};
        for (int k = 0; k < steps; ++k)
            submit(Box(k), std::to_string(rights[k]));
    }
    ScriptedRandomSource random{{0.475, 0.55, 0.035, 0.75}};  // 47 ÷ 5, then 3 ÷ 7
    DivisionDrill drill{random, *this};
    std::vector<Verdict> played;
    Step stepAtSound = Step::Idle;
    std::int64_t wrongAtSound = 0;
};

TEST(DivisionDraw, DrawsDividendThenDivisorAgainFromAFreshSeedAfterARejectedPair)
{
    Rig r;
    r.random.setValues({0.905, 0.95, 0.475, 0.55});  // 90 ÷ 9 comes out exact; 47 ÷ 5
    r.draw();
    EXPECT_EQ(r.random.reseedCount(), 2);
    EXPECT_EQ(std::pair(r.drill.dividend(), r.drill.divisor()), std::pair(47, 5));
}

TEST(DivisionDraw, AcceptsExactlyTheDesignedPairsEachEquallyOften)
{
    Rig silent;
    ClockRandomSource random(20240611);  // a fixed seed: the same draws on every run
    DivisionDrill drill(random, silent);
    std::map<std::pair<int, int>, int> cells;
    int quotientZero = 0;
    constexpr int problems = 36000;
    for (int i = 0; i < problems; ++i) {
        drill.requestProblem();
        drill.drawProblem();
        const int dividend = drill.dividend(), divisor = drill.divisor();
        // No 0, no exact division, a one-digit quotient.
        ASSERT_TRUE(divisor >= 2 && dividend >= 1 && dividend < 10 * divisor && dividend % divisor)
            << dividend << " ÷ " << divisor;
        ++cells[{dividend, divisor}];
        quotientZero += drill.quotient() == 0;
        drill.submitQuotient(std::to_string(drill.quotient()));
        drill.submitProduct(std::to_string(drill.quotient() * divisor));
        drill.submitRemainder(std::to_string(drill.remainder()));
    }
    // All 360 accepted pairs come up, each expecting 100: chi-square (359 degrees of freedom)
    // stays under its 1-in-1000 tail of 450; a divisor drawn uniformly, not in proportion
    // to d - 1, gives thousands.
    ASSERT_EQ(cells.size(), 360u);
    const auto squares = [](double sum, auto cell) { return sum + double(cell.second) * cell.second; };
    EXPECT_LT(std::accumulate(cells.begin(), cells.end(), 0.0, squares) / 100 - problems, 450.0);
    EXPECT_NEAR(quotientZero / double(problems), 0.1, 0.005);
}

TEST(DivisionCheck, ReadsTheLeadingNumberAndOnlyABoxWithNoCharacterIsEmpty)
{
    using enum CheckResult;
    using enum DivisionDrill::Box;
    const struct {
        int problem;  // 1: 47 ÷ 5, 2: 3 ÷ 7 (quotient 0)
        Box box;
        std::string text;
        CheckResult result;
    } cases[] = {
        {1, Txtnatj1, "9", Correct},   {1, Txtnatj1, "09", Correct},  {1, Txtnatj1, "9.0", Correct},
        {1, Txtnatj1, "  9", Correct}, {1, Txtnatj1, "9abc", Correct}, {1, Txtnatj1, "8", Wrong},
        {1, Txtnatj1, "abc", Wrong},   {1, Txtnatj1, "   ", Wrong},   {1, Txtnatj1, "", Empty},
        {1, Txtnatj1, "9" + std::string(100000, 'x'), Correct},
        {1, Txtnatj2, "45", Correct},  {1, Txtnatj2, "47", Wrong},    {1, Txtnatj3, "2", Correct},
        {1, Txtnatj3, "", Empty},      {2, Txtnatj1, "   ", Correct}, {2, Txtnatj2, "abc", Correct},
        {2, Txtnatj3, "3", Correct},   {2, Txtnatj3, "0", Wrong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 8) + " in box " + std::to_string(int(c.box) + 1));
        Rig r;
        r.draw();
        if (c.problem == 2) {
            r.answerRight(3);
            r.draw();
        }
        r.answerRight(int(c.box));
        r.drill.hideFeedback();
        const Step at = r.drill.step();
        const std::size_t sounds = r.played.size();

        EXPECT_EQ(r.submit(c.box, c.text), c.result);
        EXPECT_EQ(r.drill.step(), c.result == Correct ? Step(int(at) + 1) : at);
        // An empty box changes nothing at all: no message, sound or timer.
        EXPECT_EQ(r.drill.feedbackShown(), c.result != Empty);
        EXPECT_EQ(r.played.size(), sounds + (c.result != Empty));
        EXPECT_EQ(r.drill.timerArmed(DivisionDrill::Timer::Timerhidenatija), c.result != Empty);
        // The next step opens after the sound; a wrong try is counted before it.
        EXPECT_EQ(r.stepAtSound, c.result == Correct ? at : r.stepAtSound);
        EXPECT_EQ(r.wrongAtSound, c.result == Wrong ? 1 : r.wrongAtSound);
    }
}

TEST(DivisionHints, FollowTheStepsInBothLayoutsAndThePanelRewritesTheCurrentOne)
{
    const std::string lines[] = {"كم 5 في العدد 47 ؟", "أو ما هو العدد الذي نضربه في 5 لينتج رقم قريبا من 47 ؟",
                                 "أو وزع العدد 47 على 5 كم ينتج؟"};
    const std::string drawn = lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2];
    const std::string opened = lines[0] + "\r\n\r\n" + lines[1] + "\r\n\r\n" + lines[2];
    const std::string product = "اضرب الناتج في المقسوم عليه \r\n\r\nأو اضرب  9 × 5";
    const std::string subtract = "اطرح  47 - 45";

    Rig r;
    EXPECT_EQ(r.drill.hintText(), "");
    r.draw();
    EXPECT_EQ(r.drill.hintText(), drawn);
    r.drill.toggleHelp();
    EXPECT_EQ(r.drill.hintText(), opened);
    r.submit(Box::Txtnatj1, "1");  // a wrong answer writes nothing
    EXPECT_EQ(r.drill.hintText(), opened);
    r.answerRight(1);
    EXPECT_EQ(r.drill.hintText(), product);
    r.drill.toggleHelp();  // closed: the hint still follows the steps
    r.submit(Box::Txtnatj2, "45");
    EXPECT_EQ(r.drill.hintText(), subtract);
    r.submit(Box::Txtnatj3, "2");
    r.drill.toggleHelp();  // opened in Solved: the remainder's hint stays
    EXPECT_EQ(r.drill.hintText(), subtract);

    r.draw();  // 3 ÷ 7: the panel stays open and the hint is single-spaced again
    EXPECT_TRUE(r.drill.helpShown() && r.drill.hintText().starts_with("كم 7 في العدد 3 ؟\r\nأو"));
    r.answerRight(2);
    EXPECT_EQ(r.drill.hintText(), "اطرح  3 - 0");
}

}  // namespace
