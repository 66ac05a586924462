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
    struct Case {
        std::int64_t correct;
        std::int64_t denominator;
        int percent;
        const std::string& word;
    };
    const Case cases[] = {
        {1, 1, 100, kExcellent},   {0, 1, 0, kFailed},
        {2, 3, 67, kAcceptable},   {7, 8, 88, kVeryGood},
        {5, 8, 62, kAcceptable},   {179, 200, 90, kExcellent},
        {17, 19, 89, kVeryGood},   {99, 200, 50, kPractise},
        {1, 2, 50, kPractise},     {159, 200, 80, kVeryGood},
        {9, 10, 90, kExcellent},   {4, 5, 80, kVeryGood},
        {79, 100, 79, kGood},      {139, 200, 70, kGood},
        {7, 10, 70, kGood},        {69, 100, 69, kAcceptable},
        {119, 200, 60, kAcceptable}, {3, 5, 60, kAcceptable},
        {59, 100, 59, kPractise},  {49, 100, 49, kFailed},
        {97, 200, 48, kFailed},    {1, 200, 0, kFailed},
        {3, 200, 2, kFailed},
        // Dividing first gives 57.49999999999999 and 54.50000000000001;
        // multiplying first would give exactly 57.5 and 54.5.
        {23, 40, 57, kPractise},   {109, 200, 55, kPractise},
        // More right answers than questions (retried boxes).
        {9, 7, 129, kExcellent},   {30, 7, 429, kExcellent},
    };
    for (const Case& c : cases) {
        const int percent = roundedPercent(c.correct, c.denominator);
        EXPECT_EQ(percent, c.percent) << c.correct << " / " << c.denominator;
        EXPECT_EQ(gradeWord(percent), c.word) << c.correct << " / " << c.denominator;
    }
}

TEST(DrillScore, PercentOfLargeAndEmptyCounts)
{
    const std::int64_t big = std::int64_t{1} << 40;
    EXPECT_EQ(roundedPercent(3'000'000'000, 4'000'000'000), 75);
    EXPECT_EQ(roundedPercent(big, big), 100);
    EXPECT_EQ(roundedPercent(big - 1, 2 * big), 50);
    EXPECT_EQ(roundedPercent(1, 3'000'000'000'000), 0);
    EXPECT_EQ(roundedPercent(big, 1), std::numeric_limits<int>::max());
    EXPECT_EQ(roundedPercent(0, 0), 0);
    EXPECT_EQ(roundedPercent(5, 0), 0);
}

TEST(DrillScore, GradeWordThresholds)
{
    struct Case {
        int percent;
        const std::string& word;
    };
    const Case cases[] = {
        {std::numeric_limits<int>::max(), kExcellent}, {100, kExcellent}, {90, kExcellent},
        {89, kVeryGood}, {80, kVeryGood}, {79, kGood}, {70, kGood},
        {69, kAcceptable}, {60, kAcceptable}, {59, kPractise}, {50, kPractise},
        {49, kFailed}, {0, kFailed}, {-1, kFailed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gradeWord(c.percent), c.word) << c.percent;
    }
}

TEST(DrillScore, RuleChoosesTheDenominator)
{
    // Three right steps and one wrong try, with one problem counted.
    DrillScore perAttempt(GradingRule::PerAttempt);
    DrillScore perQuestion(GradingRule::PerQuestion);
    for (DrillScore* score : {&perAttempt, &perQuestion}) {
        score->countQuestions(1);
        score->recordCorrect(1);
        score->recordCorrect(2);
        score->recordWrong(1);
        score->regrade();
    }
    EXPECT_EQ(perAttempt.grade(), kGood);        // 3 of 4 attempts: 75
    EXPECT_EQ(perQuestion.grade(), kExcellent);  // 3 of 1 question: 300
    EXPECT_EQ(perAttempt.rule(), GradingRule::PerAttempt);

    // A later regrade takes the counts as they are then.
    perAttempt.recordWrong(2);
    perAttempt.regrade();
    EXPECT_EQ(perAttempt.grade(), kPractise);  // 3 of 6: 50
}

TEST(DrillScore, NothingToGradeKeepsTheGrade)
{
    DrillScore perQuestion(GradingRule::PerQuestion);
    perQuestion.recordCorrect(1);  // right answers, but no question counted
    perQuestion.regrade();
    EXPECT_EQ(perQuestion.grade(), "");
    EXPECT_EQ(perQuestion.gradeText(), "التقدير");

    DrillScore perAttempt(GradingRule::PerAttempt);
    perAttempt.countQuestions(2);  // questions, but no attempt yet
    perAttempt.regrade();
    EXPECT_EQ(perAttempt.gradeText(), "التقدير");

    // None right of one question is a grade, not nothing.
    DrillScore none(GradingRule::PerQuestion);
    none.countQuestions(1);
    none.regrade();
    EXPECT_EQ(none.gradeText(), kFailed);
}

TEST(DrillScore, CountersGrowOnlyByPositiveSteps)
{
    DrillScore score(GradingRule::PerQuestion);
    score.recordCorrect(0);
    score.recordWrong(-1);
    score.countQuestions(-2);
    EXPECT_EQ(score.correctCount(), 0);
    EXPECT_EQ(score.wrongCount(), 0);
    EXPECT_EQ(score.questionCount(), 0);
    EXPECT_EQ(score.correctText(), " عدد الاجابات الصحيحة : 0");

    score.recordCorrect(2);
    score.recordCorrect(1);
    score.recordWrong(2);
    score.countQuestions(2);
    score.countQuestions(1);
    score.countQuestions(2);
    EXPECT_EQ(score.correctCount(), 3);
    EXPECT_EQ(score.wrongCount(), 2);
    EXPECT_EQ(score.questionCount(), 5);
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

    score.countQuestions(2);
    EXPECT_EQ(score.questionText(), "عدد الأسئلة :  2");
    EXPECT_EQ(score.correctText(), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(score.wrongText(), "عدد الاجابات الخاطئة :  0");

    score.recordCorrect(1);
    EXPECT_EQ(score.correctText(), "عدد الاجابات الصحيحة :  1");
    score.recordWrong(1);
    EXPECT_EQ(score.wrongText(), "عدد الاجابات الخاطئة :  1");
    EXPECT_EQ(score.gradeText(), "التقدير");  // only a regrade changes it

    score.regrade();  // 1 of 2
    EXPECT_EQ(score.gradeText(), kPractise);

    for (int i = 0; i < 1233; ++i) {
        score.recordCorrect(1);
    }
    score.countQuestions(1);
    EXPECT_EQ(score.correctText(), "عدد الاجابات الصحيحة :  1234");
    EXPECT_EQ(score.questionText(), "عدد الأسئلة :  3");
    EXPECT_EQ(score.gradeText(), kPractise);
    score.regrade();
    EXPECT_EQ(score.gradeText(), kExcellent);
    EXPECT_EQ(score.gradeText(), score.grade());
}

}  // namespace
