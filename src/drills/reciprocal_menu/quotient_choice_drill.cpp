// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/quotient_choice_drill.h"

#include "common/random_source.h"

namespace {

// One kind of division: how the first number a makes the dividend, the
// divisor and the answer, and which multiple of the answer each button
// carries (1 is the answer itself).
struct Kind {
    int dividendPerA;
    int divisor;
    int answerPerA;
    std::array<int, QuotientChoiceDrill::optionCount> optionTimes;
};

constexpr std::array<Kind, 6> kinds{{
    {10, 10, 1, {10, 1, 100}},  // kind 0 after the first division; see below
    {100, 100, 1, {10, 100, 1}},
    {1000, 1000, 1, {1, 10, 100}},
    {1000, 100, 10, {1, 10, 100}},
    {1000, 10, 100, {100, 1, 10}},
    {10000, 1000, 10, {100, 10, 1}},
}};

// Kind 0's buttons for the division drawn at load.
constexpr std::array<int, QuotientChoiceDrill::optionCount> kindZeroAtLoad{100, 1, 10};

bool isOption(int option) { return option >= 0 && option < QuotientChoiceDrill::optionCount; }

}  // namespace

QuotientChoiceDrill::QuotientChoiceDrill(RandomSource& random, Feedback& feedback)
    : JudgingDrill(GradingRule::PerQuestion, feedback), m_random(random)
{
}

void QuotientChoiceDrill::start()
{
    // Keys reach the screen ahead of its buttons from the start, so Escape
    // works whichever button has the focus.
    m_keyPreview = true;
    drawProblem(Layout::Load);
    m_score.countQuestions(1);
}

bool QuotientChoiceDrill::choose(int option)
{
    // Only one answer per division: a click during the pause is not judged.
    if (!m_optionsEnabled || !isOption(option))
        return false;
    m_optionsEnabled = false;
    const bool right = m_options[static_cast<std::size_t>(option)] == m_answer;
    giveVerdict(right
                    ? Judgement{1, 0, std::string(messages::praise)}
                    : Judgement{0, 1, std::string(messages::correction) + std::to_string(m_answer)},
                Timer::Timer1);
    return right;
}

void QuotientChoiceDrill::nextQuestion()
{
    m_optionsEnabled = true;
    hideMessage();
    m_keyPreview = true;
    drawProblem(Layout::Later);
    m_score.countQuestions(1);
    m_requests.disarm(Timer::Timer1);
}

void QuotientChoiceDrill::drawProblem(Layout layout)
{
    // One fresh seed, then kind and first number together until the first
    // number is not 0: a rejected attempt draws its kind again too.
    m_random.reseed();
    int kind = 0;
    int a = 0;
    do {
        kind = m_random.below(static_cast<int>(kinds.size()));
        a = m_random.below(kind == 0 ? 10 : 100);
    } while (a == 0);

    const Kind& row = kinds[static_cast<std::size_t>(kind)];
    m_kind = kind;
    m_dividend = row.dividendPerA * a;
    m_divisor = row.divisor;
    m_answer = row.answerPerA * a;
    const auto& times = kind == 0 && layout == Layout::Load ? kindZeroAtLoad : row.optionTimes;
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        m_options[i] = times[i] * m_answer;
    }
}

int QuotientChoiceDrill::kind() const { return m_kind; }
int QuotientChoiceDrill::dividend() const { return m_dividend; }
int QuotientChoiceDrill::divisor() const { return m_divisor; }
int QuotientChoiceDrill::answer() const { return m_answer; }

std::string QuotientChoiceDrill::questionText() const
{
    return std::to_string(m_dividend) + "÷" + std::to_string(m_divisor) + "=";
}

std::string QuotientChoiceDrill::optionText(int option) const
{
    return isOption(option) ? std::to_string(m_options[static_cast<std::size_t>(option)])
                            : std::string();
}

bool QuotientChoiceDrill::optionsEnabled() const { return m_optionsEnabled; }
