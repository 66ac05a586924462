// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scoring/judging_drill.h"

class RandomSource;

// Where the pupil stands in one problem.
enum class DivisionStep { Idle, Drawing, QuotientStep, ProductStep, RemainderStep, Solved };

// What a check made of the pupil's answer. Empty means the box held no
// character at all: the screen tells the pupil so, and nothing else changes.
enum class CheckResult { Empty, Correct, Wrong };

// The long-division drill: a whole number of at most two digits divided by a
// one-digit number that does not go into it exactly. The pupil types the
// quotient, then the product of quotient and divisor, then the remainder,
// each in its own box and checked with its own button; a wrong answer is
// cleared and tried again, a right one opens the next step. Every attempt is
// graded. A hint for the current step is kept ready for the hint panel.
class DivisionDrill : public JudgingDrill {
public:
    // The three answer boxes, one for each step, top to bottom.
    enum class Box { Txtnatj1, Txtnatj2, Txtnatj3 };
    // Timer1 draws a problem; Timerhidenatija hides the verdict message.
    enum class Timer { Timer1, Timerhidenatija };

    DivisionDrill(RandomSource& random, Feedback& feedback);

    // `Comq`: opens a fresh quotient box and arms Timer1 to draw a problem.
    // Only from Idle or Solved: a problem cannot be skipped.
    void requestProblem();  // Comq
    // Timer1 fired: draws the problem and asks for its quotient.
    void drawProblem();  // Timer1 tick
    // The three checks. A check for a step that is not the current one
    // changes nothing and gives Wrong: nothing was accepted.
    CheckResult submitQuotient(std::string_view text);   // enter1
    CheckResult submitProduct(std::string_view text);    // enter2
    CheckResult submitRemainder(std::string_view text);  // enter3
    void hideFeedback();                                 // Timerhidenatija tick
    // `Comhelp`: opens the hint panel, writing the current step's hint, or
    // closes it. Does nothing while the button is hidden (before any problem).
    void toggleHelp();  // Comhelp
    DivisionStep step() const;
    int dividend() const;
    int divisor() const;
    int quotient() const;
    int remainder() const;
    const std::string& hintText() const;  // lines end in "\r\n"
    // How many times the hint has been written, the same text again
    // included: each writing replaces whatever the pupil typed in its box.
    int hintWrites() const { return m_hintWrites; }
    bool helpShown() const;

    // Whether a problem has been drawn yet (the figure shows "??" and "?" until then).
    bool problemDrawn() const { return m_drawn; }

    // What the screen shows, by step: a box is shown from its step on and
    // locked once its step is passed; only the current step's button shows.
    bool boxShown(Box box) const;
    bool boxLocked(Box box) const;
    bool checkButtonShown(Box box) const;  // enter1, enter2, enter3
    bool subtractionShown() const;         // the minus sign `naqs` and the bar `Line4`
    bool newProblemEnabled() const;        // `Comq`
    bool helpButtonShown() const;          // `Comhelp`
    std::string helpButtonCaption() const;
    static std::vector<std::string> helpButtonCaptions();

private:
    // The step whose box and button this is.
    static DivisionStep stepOf(Box box);
    CheckResult check(Box box, std::string_view text, int expected);
    void passStep(Box box);
    void writeHint(std::string hint);

    RandomSource& m_random;

    DivisionStep m_step = DivisionStep::Idle;
    int m_dividend = 0;
    int m_divisor = 0;
    int m_quotient = 0;
    int m_remainder = 0;
    bool m_drawn = false;
    std::string m_hintText;
    int m_hintWrites = 0;
    bool m_helpShown = false;
};
