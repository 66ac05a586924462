// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "drills/reciprocal_menu/reciprocal_fraction.h"
#include "scoring/judging_drill.h"

class RandomSource;

// The write-the-reciprocal drill: the pupil sees b1 over m1 and types its
// reciprocal, m1 over b1, into two boxes, then presses Enter. The verdict
// shows for a pause, after which the boxes are emptied and the next
// fraction is drawn by itself.
class ReciprocalEntryDrill : public JudgingDrill {
public:
    // The two answer boxes: the reciprocal's numerator, then its denominator.
    enum class Box { txtb1, txtm1 };
    // The pause after a verdict.
    enum class Timer { Timer1 };

    ReciprocalEntryDrill(RandomSource& random, Feedback& feedback);

    // The screen's load work: the first fraction, counted as a question.
    void start();
    // Judges the two typed boxes while Enter is open; returns whether they
    // hold the reciprocal. Closed, it changes nothing and returns false.
    bool submit(std::string_view numeratorText, std::string_view denominatorText);
    // The pause ended: empties the boxes and puts the next fraction up.
    // Without a pause running it does nothing.
    void nextQuestion();

    int b1() const { return m_fraction.numerator; }
    int m1() const { return m_fraction.denominator; }
    // Whether Enter is taken as an answer: exactly while the screen looks at
    // keys before its boxes.
    bool enterOpen() const { return keyPreview(); }

private:
    RandomSource& m_random;
    ReciprocalFraction m_fraction;
};
