// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/quotient_choice_drill.h"

#include "judging.h"

TEST(QuotientChoice, EachKindWithItsButtonsAtLoadAndLaterAndOneJudgedChoicePerDivision)
{
    // The kind and its first number a; the division; the buttons at load and later, and which
    // of them is right.
    // clang-format off
    const std::tuple<int, int, std::string, std::array<int, 3>, std::array<int, 3>, int> cases[] = {
        {0, 7, "70÷10=", {700, 7, 70}, {70, 7, 700}, 1},
        {1, 3, "300÷100=", {30, 300, 3}, {30, 300, 3}, 2},
        {2, 42, "42000÷1000=", {42, 420, 4200}, {42, 420, 4200}, 0},
        {3, 1, "1000÷100=", {10, 100, 1000}, {10, 100, 1000}, 0},
        {4, 5, "5000÷10=", {50000, 500, 5000}, {50000, 500, 5000}, 1},
        {5, 99, "990000÷1000=", {99000, 9900, 990}, {99000, 9900, 990}, 2}};
    // clang-format on
    for (const auto& [kind, a, question, atLoad, later, right] : cases) {
        SCOPED_TRACE(question);
        // Two attempts that draw a 0 are drawn again, kind and all, on the one seed.
        const double k = (kind + .5) / 6, first = (a + .5) / (kind ? 100 : 10);
        Rig<QuotientChoiceDrill> r({.5 / 6, .5 / 10, 3.5 / 6, .5 / 100, k, first, k, first});
        r.drill.start();
        EXPECT_EQ(std::tuple(r.drill.questionText(), r.drill.options(), r.random.reseedCount()),
                  std::tuple(question, atLoad, 1));
        // A wrong choice, then one during the pause that is not judged; at the sound the
        // correction and its counter, the buttons at rest.
        EXPECT_FALSE(r.drill.choose((right + 1) % 3) || r.drill.choose(right));
        const std::string wrong = "أخطأت الاجابة الصحيحة هي  " + std::to_string(atLoad[right]);
        EXPECT_EQ(r.heard, "-" + wrong + "|0|1||");
        EXPECT_FALSE(r.played.at(0).optionsEnabled());
        EXPECT_EQ(seen(r.drill), wrong + "|0|1|راسب ، لماذا ؟ |s0");
        r.drill.nextQuestion();
        EXPECT_EQ(r.drill.options(), later);
        EXPECT_TRUE(r.drill.optionsEnabled() && !r.drill.feedbackShown());
        EXPECT_TRUE(r.drill.choose(right));
        EXPECT_EQ(seen(r.drill), "أحسنت إجابة صحيحة |1|1|تدرب أكثر|s0x0s0");  // 1 of 2
    }
    // Kind 0 loses a tenth of its draws to a first number of 0, the others a hundredth. The
    // dividend is a times 10, 100, 1000, 1000, 1000 or 10000 by kind, as in the table.
    const int times[] = {10, 100, 1000, 1000, 1000, 10000};
    Rig<QuotientChoiceDrill> quiet({});
    QuotientChoiceDrill d(seededSource, quiet);
    expectDraws(30000, pairs(0, 5, 1, 99, [](int kind, int a) { return kind ? 1 : (a < 10) * 10; }),
                [&] { return d.start(), std::pair(d.kind(), d.dividend() / times[d.kind()]); });
}
