// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/drill_score.h"

#include <cmath>
#include <limits>

namespace {

// Rounds to the nearest whole number, a value exactly halfway going to the
// even neighbour, whatever the floating-point rounding mode is set to.
double roundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;  // exact for every finite double
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace

int roundedPercent(std::int64_t correct, std::int64_t denominator)
{
    if (denominator == 0) {
        return 0;
    }
    const double q = static_cast<double>(correct) / static_cast<double>(denominator);
    const double x = q * 100.0;
    const double p = roundHalfEven(x);
    if (p >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (p <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(p);
}

std::string gradeWord(int percent)
{
    if (percent >= 90) {
        return "ممتاز";
    }
    if (percent >= 80) {
        return "جيد جدا";
    }
    if (percent >= 70) {
        return "جيد";
    }
    if (percent >= 60) {
        return "مقبول";
    }
    if (percent >= 50) {
        return "تدرب أكثر";
    }
    return "راسب ، لماذا ؟ ";
}

DrillScore::DrillScore(GradingRule rule) : m_rule(rule) {}

void DrillScore::recordCorrect(int n)
{
    if (n > 0) {
        m_correct += n;
    }
}

void DrillScore::recordWrong(int n)
{
    if (n > 0) {
        m_wrong += n;
    }
}

void DrillScore::countQuestions(int n)
{
    if (n > 0) {
        m_questions += n;
    }
}

void DrillScore::regrade()
{
    const std::int64_t denominator =
        m_rule == GradingRule::PerQuestion ? m_questions : m_correct + m_wrong;
    if (denominator == 0) {
        return;
    }
    m_grade = gradeWord(roundedPercent(m_correct, denominator));
}

// Counters start at 0 and grow only by positive steps, so a count above 0
// means the label has had its first update and shows the update text.

std::string DrillScore::correctText() const
{
    if (m_correct == 0) {
        return " عدد الاجابات الصحيحة : 0";
    }
    return "عدد الاجابات الصحيحة :  " + std::to_string(m_correct);
}

std::string DrillScore::wrongText() const
{
    if (m_wrong == 0) {
        return "عدد الاجابات الخاطئة :  0";
    }
    return "عدد الاجابات الخاطئة :  " + std::to_string(m_wrong);
}

std::string DrillScore::questionText() const
{
    if (m_questions == 0) {
        return "عدد الاسئلة";
    }
    return "عدد الأسئلة :  " + std::to_string(m_questions);
}

std::string DrillScore::gradeText() const { return m_grade.empty() ? "التقدير" : m_grade; }
