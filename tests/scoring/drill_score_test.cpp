#include "scoring/drill_score.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

const std::string kExcellent = "ممتاز";
const std::string kVeryGood = "جيد جدا";
const std::string kGood = "جيد";
const std::string kAcceptable = "مقبول";
const std::string kPractise = "تدرب أكثر";
const std::string kFailed = "راسب ، لماذا ؟ ";

TEST(DrillScore, PercentRoundsHalfToEvenAfterDividingFirst)
{
    struct Case { std::int64_t correct, total; int percent; const std::string& word; };
    const std::int64_t big = std::int64_t{1} << 40;
    const Case cases[] = {
        // Each grade threshold from both sides, and the halfway cases.
        {1, 1, 100, kExcellent}, {179, 200, 90, kExcellent}, {17, 19, 89, kVeryGood},
        {7, 8, 88, kVeryGood}, {159, 200, 80, kVeryGood}, {79, 100, 79, kGood},
        {7, 10, 70, kGood}, {69, 100, 69, kAcceptable}, {2, 3, 67, kAcceptable},
        {5, 8, 62, kAcceptable}, {3, 5, 60, kAcceptable}, {59, 100, 59, kPractise},
        {1, 2, 50, kPractise}, {99, 200, 50, kPractise}, {49, 100, 49, kFailed},
        // None right; then dividing first gives 57.49999999999999 and 54.50000000000001,
        // where multiplying first would give exactly 57.5 and 54.5.
        {0, 1, 0, kFailed}, {23, 40, 57, kPractise}, {109, 200, 55, kPractise},
        // More right answers than questions (retried boxes), and counts beyond 2^31.
        {9, 7, 129, kExcellent}, {3'000'000'000, 4'000'000'000, 75, kGood},
        {big - 1, 2 * big, 50, kPractise}, {big, 1, std::numeric_limits<int>::max(), kExcellent},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundedPercent(c.correct, c.total), c.percent) << c.correct << " / " << c.total;
        EXPECT_EQ(gradeWord(c.percent), c.word) << c.percent;
    }
}

TEST(DrillScore, RuleChoosesTheDenominator)
{
    DrillScore perAttempt(GradingRule::PerAttempt);
    perAttempt.countQuestions(1);
    perAttempt.regrade();  // questions, but no attempt to grade yet
    EXPECT_EQ(perAttempt.gradeText(), "التقدير");
    DrillScore perQuestion(GradingRule::PerQuestion);
    perQuestion.countQuestions(1);
    for (DrillScore* score : {&perAttempt, &perQuestion}) {
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
    DrillScore score(GradingRule::PerQuestion);
    // Start texts: a leading blank and one blank before the 0 on Label4, two
    // blanks on Label5, no number and no hamza on Label6.
    EXPECT_EQ(score.correctText(), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(score.wrongText(), "عدد الاجابات الخاطئة :  0");
    EXPECT_EQ(score.questionText(), "عدد الاسئلة");
    EXPECT_EQ(score.gradeText(), "التقدير");

    for (int i = 0; i < 617; ++i) {
        score.recordCorrect(2);
    }
    score.recordWrong(1);
    EXPECT_EQ(score.correctText(), "عدد الاجابات الصحيحة :  1234");
    EXPECT_EQ(score.wrongText(), "عدد الاجابات الخاطئة :  1");
    score.regrade();  // right answers, but no question to grade them by
    EXPECT_EQ(score.gradeText(), "التقدير");

    score.countQuestions(2);
    EXPECT_EQ(score.questionText(), "عدد الأسئلة :  2");
    EXPECT_EQ(score.gradeText(), "التقدير");  // only a regrade changes it
    score.regrade();
    EXPECT_EQ(score.gradeText(), kExcellent);
}

}  // namespace
