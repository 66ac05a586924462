// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/drill_score.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const std::string kExcellent = "ممتاز", kVeryGood = "جيد جدا", kGood = "جيد", kAcceptable = "مقبول",
                  kPractise = "تدرب أكثر", kFailed = "راسب ، لماذا ؟ ", kNoGrade = "التقدير";

TEST(DrillScore, PercentRoundsHalfToEvenAfterDividingFirst)
{
    struct Case { std::int64_t correct, total; int percent; const std::string& word; };
    const Case cases[] = {
        // Each grade threshold from both sides; 89.5, 87.5, 62.5 and 49.5 go to the even side.
        {179, 200, 90, kExcellent}, {17, 19, 89, kVeryGood}, {7, 8, 88, kVeryGood},
        {159, 200, 80, kVeryGood}, {79, 100, 79, kGood}, {7, 10, 70, kGood},
        {69, 100, 69, kAcceptable}, {5, 8, 62, kAcceptable}, {3, 5, 60, kAcceptable},
        {59, 100, 59, kPractise}, {99, 200, 50, kPractise}, {49, 100, 49, kFailed},
        // Dividing first gives 57.49999999999999 and 54.50000000000001, where multiplying
        // first would give exactly 57.5 and 54.5; then none right, more right answers than
        // questions (retried boxes), and counts beyond 2^31, the last clamped to the largest int.
        {23, 40, 57, kPractise}, {109, 200, 55, kPractise}, {0, 1, 0, kFailed},
        {9, 7, 129, kExcellent}, {3'000'000'000, 4'000'000'000, 75, kGood},
        {(1LL << 40) - 1, 1LL << 41, 50, kPractise}, {1LL << 40, 1, 2147483647, kExcellent},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundedPercent(c.correct, c.total), c.percent) << c.correct << " / " << c.total;
        EXPECT_EQ(gradeWord(c.percent), c.word) << c.percent;
    }
}

TEST(DrillScore, RuleChoosesTheDenominator)
{
    DrillScore perAttempt(GradingRule::PerAttempt), perQuestion(GradingRule::PerQuestion);
    for (DrillScore* score : {&perAttempt, &perQuestion}) {
        score->countQuestions(1);
        score->recordCorrect(1);
        score->recordCorrect(2);
        score->recordWrong(1);
        score->regrade();
    }
    EXPECT_EQ(perAttempt.grade(), kGood);        // 3 of 4 attempts: 75, whatever the questions
    EXPECT_EQ(perQuestion.grade(), kExcellent);  // 3 of 1 question: 300
}

TEST(DrillScore, PanelTextsAtStartAndAfterUpdates)
{
    // Start texts: a leading blank and one blank before the 0 on Label4, two
    // blanks on Label5, no number and no hamza on Label6.
    DrillScore score(GradingRule::PerQuestion);
    EXPECT_EQ(score.correctText(), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(score.wrongText(), "عدد الاجابات الخاطئة :  0");
    EXPECT_EQ(score.questionText(), "عدد الاسئلة");
    score.recordCorrect(1234);
    score.recordWrong(1);
    score.regrade();  // right answers, but no question to grade them by
    score.countQuestions(2);  // counts, and does not regrade
    EXPECT_EQ(score.correctText(), "عدد الاجابات الصحيحة :  1234");
    EXPECT_EQ(score.wrongText(), "عدد الاجابات الخاطئة :  1");
    EXPECT_EQ(score.questionText(), "عدد الأسئلة :  2");
    EXPECT_EQ(score.gradeText(), kNoGrade);
    score.regrade();
    EXPECT_EQ(score.gradeText(), kExcellent);
}

}  // namespace
