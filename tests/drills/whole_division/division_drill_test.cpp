// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/whole_division/division_drill.h"

#include "judging.h"

namespace {

using Box = DivisionDrill::Box;

// What Form8 shows: each box hidden (-), open (o) or locked (L), + after it when its check
// button shows; the subtraction (S), Comq enabled (Q), Comhelp (H), the hint panel (P), keys
// seen first (K) and Timer1 armed (T); the message (+ praise, - any other, . none: the words
// of "try again" are read at its first sound); the right and wrong counts; how often a hint has
// been written (each writing replaces whatever the pupil typed in its box); then what was asked of
// the screen.
std::string state(DivisionDrill& d)
{
    std::string s;
    for (const Box box : {Box::Txtnatj1, Box::Txtnatj2, Box::Txtnatj3})
        s += "-oL"[d.boxShown(box) + d.boxLocked(box)] + std::string(d.checkButtonShown(box), '+');
    const auto flag = [&](bool on, char letter) { s += on ? letter : '.'; };
    s += ' ', flag(d.subtractionShown(), 'S'), flag(d.newProblemEnabled(), 'Q');
    flag(d.helpButtonShown(), 'H'), flag(d.helpShown(), 'P'), flag(d.keyPreview(), 'K');
    flag(d.timerArmed(DivisionDrill::Timer::Timer1), 'T'), s += ' ';
    s += !d.feedbackShown() ? '.' : d.feedbackText() == "أحسنت إجابة صحيحة " ? '+' : '-';
    return s + " " + std::to_string(d.score().correctCount()) + "/" +
           std::to_string(d.score().wrongCount()) + " " + std::to_string(d.hintWrites()) + " " +
           asked(d);
}

// A move: "n" asks for a problem (Comq), "d" draws it (Timer1), "h" clicks Comhelp, "t" hides
// the message (Timerhidenatija); "2=45" checks 45 in the second box. True for a box found
// empty, which brings up the notice instead of a verdict.
bool act(DivisionDrill& d, std::string_view move)
{
    using D = DivisionDrill;
    const auto check = std::array{&D::submitQuotient, &D::submitProduct, &D::submitRemainder};
    const auto click =
        std::array{&D::requestProblem, &D::drawProblem, &D::toggleHelp, &D::hideFeedback};
    if (move.size() > 1 && move[1] == '=')
        return (d.*check[move[0] - '1'])(move.substr(2)) == CheckResult::Empty;
    for (const char c : move)
        (d.*click[std::string_view("ndht").find(c)])();
    return false;
}

TEST(DivisionSteps, WhatEachStepShowsHowAnswersAreReadAndWhichHintIsWritten)
{
    const std::string a = "كم 5 في العدد 47 ؟", c = "أو وزع العدد 47 على 5 كم ينتج؟",
                      b = "أو ما هو العدد الذي نضربه في 5 لينتج رقم قريبا من 47 ؟",
                      drawn = a + "\r\n" + b + "\r\n" + c,
                      opened = a + "\r\n\r\n" + b + "\r\n\r\n" + c, subtract = "اطرح  47 - 45",
                      product = "اضرب الناتج في المقسوم عليه \r\n\r\nأو اضرب  9 × 5";
    // Each move; what the screen then shows; the hint it has written.
    // clang-format off
    const std::tuple<std::string, std::string, std::string> moves[] = {
        {"", "--- .Q.... . 0/0 0 ", ""},
        {"n", "o+-- ..H..T . 0/0 0 e0e1e2f0s0", ""},
        {"d", "o+-- ..H.K. . 0/0 1 x0", drawn},
        {"h", "o+-- ..HPK. . 0/0 2 ", opened},
        {"1=", "o+-- ..HPK. . 0/0 2 ", opened},  // empty: only the notice
        {"1=   ", "o+-- ..HPK. - 0/1 2 e0f0s1", opened},  // blanks read 0
        {"1=9abc", "Lo+- ..HPK. + 1/1 3 f1s1", product},
        {"hh", "Lo+- ..HPK. + 1/1 4 ", product},  // closed, and written again as it opens
        {"2=47", "Lo+- ..HPK. - 1/2 4 e1f1s1", product},
        {"2= 045", "LLo+ S.HPK. + 2/2 5 f2s1", subtract},
        {"t", "LLo+ S.HPK. . 2/2 5 x1", subtract},
        {"3=3", "LLo+ S.HPK. - 2/3 5 e2f2s1", subtract},
        {"3=2.0", "LLL SQHPK. + 3/3 5 s1", subtract},
        {"n", "o+-- ..HPKT + 3/3 5 e0e1e2f0s0", subtract}};  // the answers still in the boxes
    // clang-format on
    // Dividend then divisor, it draws 0 ÷ 5, 47 ÷ 0, 63 ÷ 9 (exact), 7 ÷ 1 and 95 ÷ 9 (a
    // quotient of 10), each time both again from a fresh seed, before it keeps 47 ÷ 5.
    std::vector<double> units;
    for (int k : {0, 5, 47, 0, 63, 9, 7, 1, 95, 9, 47, 5})
        units.push_back((k + 0.5) / (units.size() % 2 ? 10 : 100));
    Rig<DivisionDrill> r(units);
    for (const auto& [move, shown, hint] : moves) {
        SCOPED_TRACE(move);
        EXPECT_EQ(act(r.drill, move), move == "1=");
        EXPECT_EQ(state(r.drill), shown);
        EXPECT_EQ(r.drill.hintText(), hint);
    }
    // The wrong try emptied and focused its box before its message and counter, the right one
    // opened the next step (f1) after its sound; neither grade nor countdown came before a
    // sound.
    EXPECT_TRUE(r.heard.starts_with(
        "-أخطأت حاول مرة أخرى|0|1||e0f0+أحسنت إجابة صحيحة |1|1|راسب ، لماذا ؟ |-"));
    EXPECT_EQ(r.random.reseedCount(), 6);
    EXPECT_EQ(r.drill.score().grade(), "تدرب أكثر");  // by attempts, 3 of 6, not by questions
    // Every pair kept equally often: each divisor 2 to 9 with each dividend below ten times it
    // that it does not divide, so that a divisor d comes up in proportion to d - 1.
    expectDraws(36000, pairs(1, 89, 2, 9, [](int a, int b) { return a < 10 * b && a % b; }), [&] {
        DivisionDrill drill(seededSource, r);
        return act(drill, "nd"), std::pair(drill.dividend(), drill.divisor());
    });
}

}  // namespace
