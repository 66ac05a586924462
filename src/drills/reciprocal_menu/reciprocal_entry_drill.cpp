// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"

#include "common/leading_number.h"
#include "scoring/feedback.h"

ReciprocalEntryDrill::ReciprocalEntryDrill(RandomSource& random, Feedback& feedback)
    : m_random(random), m_feedback(feedback)
{
}

void ReciprocalEntryDrill::start()
{
    m_enterOpen = true;
    m_feedbackShown = false;
    m_fraction = drawReciprocalFraction(m_random);
    m_score.countQuestions(1);
}

bool ReciprocalEntryDrill::submit(std::string_view numeratorText, std::string_view denominatorText)
{
    if (!m_enterOpen)
        return false;
    m_enterOpen = false;

    // The reciprocal of b1/m1 is m1/b1. Leading zeros and anything after
    // the number do not matter; an empty box reads 0, which is never right.
    const bool right = leadingNumber(numeratorText) == m1() && leadingNumber(denominatorText) == b1();
    m_feedbackText = std::string(right ? messages::praise : messages::shortWrong);
    m_feedbackShown = true;
    if (right)
        m_score.recordCorrect(1);
    else
        m_score.recordWrong(1);
    m_feedback.play(right ? Verdict::Right : Verdict::Wrong);
    m_score.regrade();
    m_requests.arm(Timer::Timer1);
    return right;
}

void ReciprocalEntryDrill::nextQuestion()
{
    if (!timerArmed())
        return;
    m_feedbackShown = false;
    // Whatever was typed during the pause goes with the old fraction.
    m_requests.emptyBox(Box::txtm1);
    m_requests.emptyBox(Box::txtb1);
    m_enterOpen = true;
    m_fraction = drawReciprocalFraction(m_random);
    m_requests.focus(Box::txtb1);
    m_score.countQuestions(1);
    m_requests.disarm(Timer::Timer1);
}
