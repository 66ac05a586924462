// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/whole_division/division_drill.h"

#include <algorithm>

#include "distribution.h"

namespace {

using Timer = DivisionDrill::Timer;
using enum ScreenRequest::Kind;

// A drill with a copy of it taken at each sound. Dividend then divisor, it draws 0 ÷ 5,
// 47 ÷ 0, 90 ÷ 9 (exact), 7 ÷ 1 and 95 ÷ 9 (a quotient of 10), each time both again from a
// fresh seed, before it keeps 47 ÷ 5 (quotient 9, product 45, remainder 2); then 3 ÷ 7.
struct Rig final : Feedback {
    Rig()
    {
        std::vector<double> units;
        for (int k : {0, 5, 47, 0, 90, 9, 7, 1, 95, 9, 47, 5, 3, 7})
            units.push_back((k + 0.5) / (units.size() % 2 ? 10 : 100));
        random.setValues(units);
    }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    // A move: '=' and the text checked in the box of the current step (through the one button
    // shown), or letters: 'n' asks for a problem (Comq), 'd' draws it (Timer1), 'h' clicks
    // Comhelp, 't' hides the message (Timerhidenatija).
    void act(std::string_view move)
    {
        const auto check = std::array{&DivisionDrill::submitQuotient, &DivisionDrill::submitProduct,
                                      &DivisionDrill::submitRemainder};
        const auto step = std::size_t(drill.step()) - std::size_t(DivisionStep::QuotientStep);
        if (move.starts_with('='))
            result = (drill.*check[step])(move.substr(1));
        for (const char letter : move.starts_with('=') ? "" : move) {
            switch (letter) {
            case 'n': drill.requestProblem(); break;
            case 'd': drill.drawProblem(); break;
            case 'h': drill.toggleHelp(); break;
            default: drill.hideFeedback(); break;
            }
        }
    }
    ScriptedRandomSource random;
    DivisionDrill drill{random, *this};
    CheckResult result = CheckResult::Empty;
    std::vector<std::pair<Verdict, DivisionDrill>> played;
};

// Whether the drill has asked exactly these of its screen since last time, in any order.
bool asked(DivisionDrill& drill, const std::vector<ScreenRequest>& requests)
{
    return std::ranges::is_permutation(drill.takeRequests(), requests);
}

TEST(DivisionSteps, WhatEachStepShowsHowAnswersAreReadAndWhichHintIsWritten)
{
    const std::string a = "كم 5 في العدد 47 ؟", c = "أو وزع العدد 47 على 5 كم ينتج؟",
                      b = "أو ما هو العدد الذي نضربه في 5 لينتج رقم قريبا من 47 ؟",
                      drawn = a + "\r\n" + b + "\r\n" + c,
                      opened = a + "\r\n\r\n" + b + "\r\n\r\n" + c, subtract = "اطرح  47 - 45",
                      product = "اضرب الناتج في المقسوم عليه \r\n\r\nأو اضرب  9 × 5",
                      drawnAgain = "كم 7 في العدد 3 ؟\r\nأو ما هو العدد الذي نضربه في 7 لينتج رقم "
                                   "قريبا من 3 ؟\r\nأو وزع العدد 3 على 7 كم ينتج؟",
                      productAgain = "اضرب الناتج في المقسوم عليه \r\n\r\nأو اضرب  0 × 7";
    // The move; then each box ('-' hidden, 'o' open, 'L' locked) and the check button shown
    // (0: none); the subtraction, Comq enabled, Comhelp, the message, keys seen first (Escape)
    // and Timer1 armed; right and wrong answers counted; the hint and how often it was written.
    struct Row { const char *move, *boxes; int button; std::array<bool, 6> shown;
                 std::array<int, 2> counted; std::string hint; int writes; };
    const Row rows[] = {
        {"", "---", 0, {0, 1, 0, 0, 0, 0}, {0, 0}, "", 0},
        {"n", "o--", 1, {0, 0, 1, 0, 0, 1}, {0, 0}, "", 0},
        {"d", "o--", 1, {0, 0, 1, 0, 1, 0}, {0, 0}, drawn, 1},
        {"h", "o--", 1, {0, 0, 1, 0, 1, 0}, {0, 0}, opened, 1},
        {"=", "o--", 1, {0, 0, 1, 0, 1, 0}, {0, 0}, opened, 0},  // empty: only the notice
        {"=   ", "o--", 1, {0, 0, 1, 1, 1, 0}, {0, 1}, opened, 0},  // blanks read 0
        {"=9abc", "Lo-", 2, {0, 0, 1, 1, 1, 0}, {1, 1}, product, 1},
        {"h", "Lo-", 2, {0, 0, 1, 1, 1, 0}, {1, 1}, product, 0},  // closed
        {"h", "Lo-", 2, {0, 0, 1, 1, 1, 0}, {1, 1}, product, 1},  // opened: written again
        {"=47", "Lo-", 2, {0, 0, 1, 1, 1, 0}, {1, 2}, product, 0},
        {"= 045", "LLo", 3, {1, 0, 1, 1, 1, 0}, {2, 2}, subtract, 1},
        {"t", "LLo", 3, {1, 0, 1, 0, 1, 0}, {2, 2}, subtract, 0},
        {"=", "LLo", 3, {1, 0, 1, 0, 1, 0}, {2, 2}, subtract, 0},
        {"=2.0", "LLL", 0, {1, 1, 1, 1, 1, 0}, {3, 2}, subtract, 0},
        {"hh", "LLL", 0, {1, 1, 1, 1, 1, 0}, {3, 2}, subtract, 0},  // opened: the last hint stays
        {"n", "o--", 1, {0, 0, 1, 1, 1, 1}, {3, 2}, subtract, 0},  // the answers still in the boxes
        {"d", "o--", 1, {0, 0, 1, 0, 1, 0}, {3, 2}, drawnAgain, 1},  // the panel still open
        {"=abc", "Lo-", 2, {0, 0, 1, 1, 1, 0}, {4, 2}, productAgain, 1},
        {"=0", "LLo", 3, {1, 0, 1, 1, 1, 0}, {5, 2}, "اطرح  3 - 0", 1},
        {"=0", "LLo", 3, {1, 0, 1, 1, 1, 0}, {5, 3}, "اطرح  3 - 0", 0}};
    Rig r;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.move);
        const int writes = r.drill.hintWrites();
        r.act(row.move);
        const DivisionDrill& d = r.drill;
        for (const auto box : {DivisionDrill::Box::Txtnatj1, DivisionDrill::Box::Txtnatj2,
                               DivisionDrill::Box::Txtnatj3}) {
            const char seen = row.boxes[int(box)];
            EXPECT_EQ((std::array{d.boxShown(box), d.boxLocked(box), d.checkButtonShown(box)}),
                      (std::array{seen != '-', seen == 'L', int(box) + 1 == row.button}))
                << "box " << int(box) + 1;
        }
        EXPECT_EQ((std::array{d.subtractionShown(), d.newProblemEnabled(), d.helpButtonShown(),
                              d.feedbackShown(), d.keyPreview(), d.timerArmed(Timer::Timer1)}),
                  row.shown);
        EXPECT_EQ((std::array{int(d.score().correctCount()), int(d.score().wrongCount())}),
                  row.counted);
        EXPECT_TRUE(d.hintText() == row.hint && d.hintWrites() - writes == row.writes);
        if (row.move[0] == '=') {  // an empty box brings up the notice instead of a verdict
            EXPECT_EQ(r.result == CheckResult::Empty, row.move[1] == '\0');
        }
        // Asking for a problem empties all three boxes and puts the focus in the first.
        const bool emptied = asked(r.drill, {{EmptyBox, 0}, {EmptyBox, 1}, {EmptyBox, 2},
                                             {FocusBox, 0}, {StartTimer, 0}});
        EXPECT_EQ(emptied, std::string_view(row.move) == "n");
    }
    EXPECT_EQ(r.random.reseedCount(), 7);
    EXPECT_EQ(r.drill.score().grade(), "مقبول");  // by attempts, 5 of 8, whatever the questions
    // Every pair kept equally often: each divisor 2 to 9 with each quotient 0 to 9 and each
    // remainder, so that a divisor d comes up in proportion to d - 1.
    std::map<std::pair<int, int>, double> pairs;
    for (int divisor = 2; divisor <= 9; ++divisor)
        for (int quotient = 0; quotient <= 9; ++quotient)
            for (int remainder = 1; remainder < divisor; ++remainder)
                pairs[{quotient * divisor + remainder, divisor}] = 1;
    expectDraws(36000, pairs, [&] {
        DivisionDrill drill(seededSource, r);
        drill.requestProblem();
        drill.drawProblem();
        return std::pair(drill.dividend(), drill.divisor());
    });
}

TEST(DivisionCheck, TheVerdictAndItsCounterComeBeforeTheSoundTheNextStepAndGradeAfter)
{
    Rig r;
    r.act("nd");
    r.drill.takeRequests();
    r.act("=8");
    r.act("=9");
    // The wrong try: its box emptied and focused, the message and the counter, no grade and
    // no countdown yet; the right one: the praise and the counter, the quotient still open.
    auto [wrong, right] = std::pair(r.played.at(0).second, r.played.at(1).second);
    EXPECT_TRUE(wrong.feedbackText() == "أخطأت حاول مرة أخرى" && wrong.score().wrongCount() == 1);
    EXPECT_TRUE(asked(wrong, {{EmptyBox, 0}, {FocusBox, 0}}) && wrong.score().grade().empty());
    EXPECT_TRUE(wrong.feedbackShown() && !wrong.timerArmed(Timer::Timerhidenatija));
    EXPECT_TRUE(right.feedbackText() == "أحسنت إجابة صحيحة " && right.score().correctCount() == 1);
    EXPECT_TRUE(right.step() == DivisionStep::QuotientStep && right.feedbackShown());
    EXPECT_EQ(right.score().grade(), "راسب ، لماذا ؟ ");
    EXPECT_EQ(r.drill.score().grade(), "تدرب أكثر");
}

}  // namespace
