// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/judging_drill.h"

class RandomSource;

// How one click on a mark was judged.
enum class MarkOutcome { Right, Wrong, NotCounted };

// The right-or-wrong reciprocal drill: a given fraction b1/m1 and a proposed
// answer b2/m2, which the pupil marks "صح" (right) or "خطأ" (wrong). After
// each click the marks rest for a pause, during which the verdict shows;
// the pause's end brings the next pair.
class ReciprocalMarkDrill : public JudgingDrill {
public:
    // The pause after a click.
    enum class Timer { Timer1 };

    ReciprocalMarkDrill(RandomSource& random, Feedback& feedback);

    // The screen's load work: draws the first pair and counts it.
    void start();
    // A click on "صح" (saysRight) or "خطأ". Judged by whether the proposed
    // numbers are the reciprocal; a click while the marks rest changes
    // nothing and is not counted.
    MarkOutcome mark(bool saysRight);
    // Timer1 fired: hides the verdict, wakes the marks, draws and counts the
    // next pair.
    void nextQuestion();

    int b1() const { return m_b1; }
    int m1() const { return m_m1; }
    int b2() const { return m_b2; }
    int m2() const { return m_m2; }
    // 't' when the proposed answer was drawn as the reciprocal, 'f' otherwise.
    char answerKey() const { return m_answerKey; }
    bool marksEnabled() const { return m_marksEnabled; }
    // Whether the proposed answer is the reciprocal of the given fraction.
    bool proposedIsReciprocal() const { return m_b2 == m_m1 && m_m2 == m_b1; }

private:
    void drawPair();

    RandomSource& m_random;
    int m_b1 = 0, m_m1 = 0, m_b2 = 0, m_m2 = 0;
    char m_answerKey = 't';
    bool m_marksEnabled = true;
};
