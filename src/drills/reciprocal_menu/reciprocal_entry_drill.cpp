// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"

#include "common/leading_number.h"

ReciprocalEntryDrill::ReciprocalEntryDrill(RandomSource& random, Feedback& feedback)
    : JudgingDrill(GradingRule::PerQuestion, feedback), m_random(random)
{
}

void ReciprocalEntryDrill::start()
{
    m_keyPreview = true;
    hideMessage();
    m_fraction = drawReciprocalFraction(m_random);
    m_score.countQuestions(1);
}

bool ReciprocalEntryDrill::submit(std::string_view numeratorText, std::string_view denominatorText)
{
    if (!enterOpen())
        return false;
    m_keyPreview = false;

    // The reciprocal of b1/m1 is m1/b1. Leading zeros and anything after
    // the number do not matter; an empty box reads 0, which is never right.
    const bool right =
        leadingNumber(numeratorText) == m1() && leadingNumber(denominatorText) == b1();
    giveVerdict({right ? 1 : 0, right ? 0 : 1,
                 std::string(right ? messages::praise : messages::shortWrong)},
                Timer::Timer1);
    return right;
}

void ReciprocalEntryDrill::nextQuestion()
{
    if (!timerArmed(Timer::Timer1))
        return;
    hideMessage();
    // Whatever was typed during the pause goes with the old fraction.
    m_requests.emptyBox(Box::txtm1);
    m_requests.emptyBox(Box::txtb1);
    m_keyPreview = true;
    m_fraction = drawReciprocalFraction(m_random);
    m_requests.focus(Box::txtb1);
    m_score.countQuestions(1);
    m_requests.disarm(Timer::Timer1);
}
