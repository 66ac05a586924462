// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"

#include "common/random_source.h"
#include "drills/reciprocal_menu/reciprocal_fraction.h"

namespace {

// How the proposed answer is made from the given fraction b/m.
enum Case {
    Reciprocal = 0,        // m/b, the right answer
    WrongDenominator = 1,  // m/(b + m): the right numerator over a wrong denominator
    SameFraction = 2,      // b/m, the given fraction itself
};
constexpr int caseCount = 3;

constexpr const char* rightMark = "صح";
constexpr const char* wrongMark = "خطأ";

}  // namespace

ReciprocalMarkDrill::ReciprocalMarkDrill(RandomSource& random, Feedback& feedback)
    : JudgingDrill(GradingRule::PerQuestion, feedback), m_random(random)
{
}

void ReciprocalMarkDrill::drawPair()
{
    const ReciprocalFraction given = drawReciprocalFraction(m_random);
    m_b1 = given.numerator;
    m_m1 = given.denominator;
    switch (m_random.below(caseCount)) {
    case Reciprocal:
        m_b2 = m_m1;
        m_m2 = m_b1;
        m_answerKey = 't';
        break;
    case WrongDenominator:
        m_b2 = m_m1;
        m_m2 = m_b1 + m_m1;
        m_answerKey = 'f';
        break;
    default:  // SameFraction
        m_b2 = m_b1;
        m_m2 = m_m1;
        m_answerKey = 'f';
        break;
    }
}

void ReciprocalMarkDrill::start()
{
    m_keyPreview = true;
    m_marksEnabled = true;
    hideMessage();
    drawPair();
    m_score.countQuestions(1);
}

MarkOutcome ReciprocalMarkDrill::mark(bool saysRight)
{
    if (!m_marksEnabled)
        return MarkOutcome::NotCounted;
    m_marksEnabled = false;

    // The click is judged on the numbers shown. The key only tells a wrong
    // click from one that cannot be held against the pupil: "خطأ" on a
    // given fraction that is its own reciprocal (7/7 proposed as 7/7).
    const bool reciprocal = proposedIsReciprocal();
    Judgement judgement;
    MarkOutcome outcome = MarkOutcome::NotCounted;
    if (saysRight == reciprocal) {
        outcome = MarkOutcome::Right;
        judgement = {1, 0, std::string(messages::praise)};
    } else if (m_answerKey == (saysRight ? 'f' : 't')) {
        outcome = MarkOutcome::Wrong;
        // The right answer is named by the mark the pupil should have
        // clicked: a word reads the same in right-to-left text, where a
        // fraction written on one line could be read the wrong way round.
        judgement = {0, 1,
                     std::string(messages::correction) + (reciprocal ? rightMark : wrongMark)};
    }
    giveVerdict(judgement, Timer::Timer1);
    return outcome;
}

void ReciprocalMarkDrill::nextQuestion()
{
    hideMessage();
    m_marksEnabled = true;
    m_keyPreview = true;
    drawPair();
    m_score.countQuestions(1);
    m_requests.disarm(Timer::Timer1);
}
