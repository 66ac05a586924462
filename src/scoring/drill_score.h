// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How a screen turns its counters into a percentage.
enum class GradingRule {
    PerQuestion,  // correctCount over questionCount
    PerAttempt,   // correctCount over correctCount + wrongCount
};

// The verdict messages the judging screens write into their message label.
namespace messages {
inline constexpr std::string_view praise = "أحسنت إجابة صحيحة ";
inline constexpr std::string_view correction = "أخطأت الاجابة الصحيحة هي  ";
inline constexpr std::string_view shortWrong = "أخطأت";
inline constexpr std::string_view tryAgain = "أخطأت حاول مرة أخرى";
}  // namespace messages

// The whole percentage of `correct` over `denominator`: divided first, then
// multiplied by 100, in double precision, rounded half to even.
// A denominator of 0 gives 0. Values beyond an int are clamped.
int roundedPercent(std::int64_t correct, std::int64_t denominator);

// The grade word for a whole percentage.
std::string gradeWord(int percent);

// The score of one judging screen: three counters that only grow and the
// last grade word. It also knows what the four labels of the score panel
// read, since their first texts differ from the texts written later.
class DrillScore {
public:
    explicit DrillScore(GradingRule rule);

    void recordCorrect(int n);
    void recordWrong(int n);
    void countQuestions(int n);
    // Grades by the rule and keeps the word. With nothing to grade yet (a
    // denominator of 0) the grade stays as it was.
    void regrade();

    std::int64_t correctCount() const { return m_correct; }
    std::int64_t wrongCount() const { return m_wrong; }
    std::int64_t questionCount() const { return m_questions; }
    GradingRule rule() const { return m_rule; }
    // The last grade word; empty before the first regrade.
    const std::string& grade() const { return m_grade; }

    // The texts of the score panel's labels Label4, Label5, Label6, Label9.
    std::string correctText() const;
    std::string wrongText() const;
    std::string questionText() const;
    std::string gradeText() const;

private:
    GradingRule m_rule;
    std::int64_t m_correct = 0;
    std::int64_t m_wrong = 0;
    std::int64_t m_questions = 0;
    std::string m_grade;
};
