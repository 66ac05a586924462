// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/drill_score.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(DrillScore, GradesRoundHalfToEvenAfterDividingFirstByTheRulesDenominator)
{
    const std::string excellent = "ممتاز", veryGood = "جيد جدا", good = "جيد", fair = "مقبول",
                      practise = "تدرب أكثر", failed = "راسب ، لماذا ؟ ";
    // clang-format off
    const std::tuple<std::int64_t, std::int64_t, int, const std::string&> cases[] = {
        // Each grade threshold from both sides; 89.5, 87.5, 62.5 and 49.5 go to the even side.
        {179, 200, 90, excellent}, {17, 19, 89, veryGood}, {7, 8, 88, veryGood},
        {159, 200, 80, veryGood}, {79, 100, 79, good}, {7, 10, 70, good}, {69, 100, 69, fair},
        {5, 8, 62, fair}, {3, 5, 60, fair}, {59, 100, 59, practise}, {1, 2, 50, practise},
        {99, 200, 50, practise}, {49, 100, 49, failed},
        // Dividing first gives 57.49999999999999 and 54.50000000000001, where multiplying
        // first would give exactly 57.5 and 54.5; more right answers than questions (boxes
        // retried); counts beyond 2^31.
        {23, 40, 57, practise}, {109, 200, 55, practise}, {9, 7, 129, excellent},
        {3'000'000'000, 4'000'000'000, 75, good}};
    // clang-format on
    for (const auto& [correct, total, percent, word] : cases) {
        EXPECT_EQ(roundedPercent(correct, total), percent) << correct << " / " << total;
        EXPECT_EQ(gradeWord(percent), word) << percent;
    }
    // 3 right of 4 attempts and 2 questions: 150 by questions (the drills' tests tell the two
    // rules apart). The panel's first texts differ from its later ones: a leading blank and one
    // before the 0, two blanks, no number and no hamza; then two blanks before each count.
    DrillScore s(GradingRule::PerQuestion);
    const auto panel = [&] {
        return s.correctText() + "|" + s.wrongText() + "|" + s.questionText() + "|" + s.gradeText();
    };
    EXPECT_EQ(panel(), " عدد الاجابات الصحيحة : 0|عدد الاجابات الخاطئة :  0|عدد الاسئلة|التقدير");
    s.countQuestions(2), s.recordCorrect(3), s.recordWrong(1), s.regrade();
    EXPECT_EQ(panel(),
              "عدد الاجابات الصحيحة :  3|عدد الاجابات الخاطئة :  1|عدد الأسئلة :  2|ممتاز");
}
