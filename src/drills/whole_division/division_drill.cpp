// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/whole_division/division_drill.h"

#include "common/leading_number.h"
#include "common/random_source.h"
#include "drills/whole_division/division_hints.h"

namespace {

using Box = DivisionDrill::Box;
using Timer = DivisionDrill::Timer;

constexpr const char* openHelpCaption = "مساعدة";
constexpr const char* closeHelpCaption = "اخفاء المساعدة";

constexpr Box allBoxes[] = {Box::Txtnatj1, Box::Txtnatj2, Box::Txtnatj3};

// Whether a drawn pair makes a problem: no 0, a division that does not come
// out exact (so never by 1), and a quotient of one digit.
bool acceptable(int dividend, int divisor)
{
    return dividend != 0 && divisor != 0 && dividend % divisor != 0 && dividend / divisor < 10;
}

}  // namespace

DivisionDrill::DivisionDrill(RandomSource& random, Feedback& feedback)
    : JudgingDrill(GradingRule::PerAttempt, feedback), m_random(random)
{
}

void DivisionDrill::requestProblem()
{
    if (m_step != DivisionStep::Idle && m_step != DivisionStep::Solved)
        return;
    m_step = DivisionStep::Drawing;
    for (Box box : allBoxes)
        m_requests.emptyBox(box);
    m_requests.focus(Box::Txtnatj1);
    m_requests.arm(Timer::Timer1);
}

void DivisionDrill::drawProblem()
{
    // Timer1 runs only between a request and its draw.
    if (m_step != DivisionStep::Drawing)
        return;
    hideMessage();
    m_keyPreview = true;
    int dividend = 0;
    int divisor = 0;
    do {
        // Every attempt starts from a fresh seed and draws both numbers again.
        m_random.reseed();
        dividend = m_random.below(100);
        divisor = m_random.below(10);
    } while (!acceptable(dividend, divisor));
    m_dividend = dividend;
    m_divisor = divisor;
    m_quotient = dividend / divisor;
    m_remainder = dividend - divisor * m_quotient;
    m_drawn = true;
    m_score.countQuestions(1);
    writeHint(quotientHint(m_dividend, m_divisor, HintForm::Drawing));
    m_requests.disarm(Timer::Timer1);
    m_step = DivisionStep::QuotientStep;
}

CheckResult DivisionDrill::submitQuotient(std::string_view text)
{
    return check(Box::Txtnatj1, text, m_quotient);
}

CheckResult DivisionDrill::submitProduct(std::string_view text)
{
    return check(Box::Txtnatj2, text, m_quotient * m_divisor);
}

CheckResult DivisionDrill::submitRemainder(std::string_view text)
{
    return check(Box::Txtnatj3, text, m_remainder);
}

CheckResult DivisionDrill::check(Box box, std::string_view text, int expected)
{
    if (m_step != stepOf(box))
        return CheckResult::Wrong;
    // Only a box with no character at all is empty: blanks read as 0.
    if (text.empty())
        return CheckResult::Empty;
    const bool right = leadingNumber(text) == expected;
    if (!right) {
        // The wrong answer goes before the verdict, and the pupil tries again.
        m_requests.emptyBox(box);
        m_requests.focus(box);
    }
    // A later answer restarts the countdown, so each message stays its full time.
    giveVerdict(right ? Judgement{1, 0, std::string(messages::praise)}
                      : Judgement{0, 1, std::string(messages::tryAgain)},
                Timer::Timerhidenatija, [&] {
                    if (right)
                        passStep(box);
                });
    return right ? CheckResult::Correct : CheckResult::Wrong;
}

void DivisionDrill::passStep(Box box)
{
    switch (box) {
    case Box::Txtnatj1:
        m_step = DivisionStep::ProductStep;
        m_requests.focus(Box::Txtnatj2);
        writeHint(productHint(m_quotient, m_divisor));
        break;
    case Box::Txtnatj2:
        m_step = DivisionStep::RemainderStep;
        m_requests.focus(Box::Txtnatj3);
        writeHint(remainderHint(m_dividend, m_quotient * m_divisor));
        break;
    case Box::Txtnatj3:
        // The remainder's hint stays for a look back at the solved problem.
        m_step = DivisionStep::Solved;
        break;
    }
}

void DivisionDrill::writeHint(std::string hint)
{
    m_hintText = std::move(hint);
    ++m_hintWrites;
}

void DivisionDrill::hideFeedback()
{
    hideMessage();
    m_requests.disarm(Timer::Timerhidenatija);
}

void DivisionDrill::toggleHelp()
{
    if (!helpButtonShown())
        return;
    m_helpShown = !m_helpShown;
    if (!m_helpShown)
        return;
    // The hint of the step whose button shows; when solved, none does and
    // the remainder's hint stays.
    if (checkButtonShown(Box::Txtnatj1))
        writeHint(quotientHint(m_dividend, m_divisor, HintForm::HelpButton));
    else if (checkButtonShown(Box::Txtnatj2))
        writeHint(productHint(m_quotient, m_divisor));
    else if (checkButtonShown(Box::Txtnatj3))
        writeHint(remainderHint(m_dividend, m_quotient * m_divisor));
}

DivisionStep DivisionDrill::step() const { return m_step; }
int DivisionDrill::dividend() const { return m_dividend; }
int DivisionDrill::divisor() const { return m_divisor; }
int DivisionDrill::quotient() const { return m_quotient; }
int DivisionDrill::remainder() const { return m_remainder; }
const std::string& DivisionDrill::hintText() const { return m_hintText; }
bool DivisionDrill::helpShown() const { return m_helpShown; }

DivisionStep DivisionDrill::stepOf(Box box)
{
    switch (box) {
    case Box::Txtnatj1: return DivisionStep::QuotientStep;
    case Box::Txtnatj2: return DivisionStep::ProductStep;
    case Box::Txtnatj3: return DivisionStep::RemainderStep;
    }
    return DivisionStep::Idle;
}

bool DivisionDrill::boxShown(Box box) const
{
    switch (m_step) {
    case DivisionStep::Idle: return false;
    // The quotient's box opens with the request, before the draw.
    case DivisionStep::Drawing: return box == Box::Txtnatj1;
    case DivisionStep::Solved: return true;
    default: return stepOf(box) <= m_step;
    }
}

bool DivisionDrill::boxLocked(Box box) const
{
    return m_step == DivisionStep::Solved ||
           (m_step != DivisionStep::Drawing && stepOf(box) < m_step);
}

bool DivisionDrill::checkButtonShown(Box box) const
{
    return m_step == stepOf(box) || (m_step == DivisionStep::Drawing && box == Box::Txtnatj1);
}

bool DivisionDrill::subtractionShown() const
{
    return m_step == DivisionStep::RemainderStep || m_step == DivisionStep::Solved;
}

bool DivisionDrill::newProblemEnabled() const
{
    return m_step == DivisionStep::Idle || m_step == DivisionStep::Solved;
}

bool DivisionDrill::helpButtonShown() const { return m_step != DivisionStep::Idle; }

std::string DivisionDrill::helpButtonCaption() const
{
    return m_helpShown ? closeHelpCaption : openHelpCaption;
}

std::vector<std::string> DivisionDrill::helpButtonCaptions()
{
    return {openHelpCaption, closeHelpCaption};
}
