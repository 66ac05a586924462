// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "scoring/judging_drill.h"

class RandomSource;

// The choose-the-quotient drill: a whole number divided by 10, 100 or 1000,
// with three numbers offered on three buttons. One of them is the quotient,
// the other two are ten and a hundred times it. A click is judged, a message
// shows for a pause, and then the next division is drawn by itself.
class QuotientChoiceDrill : public JudgingDrill {
public:
    // The number of options, one for each of Command1, Command2, Command3.
    static constexpr int optionCount = 3;
    // The pause after a choice.
    enum class Timer { Timer1 };

    QuotientChoiceDrill(RandomSource& random, Feedback& feedback);

    void start();             // the screen's load work
    bool choose(int option);  // 0, 1, 2 for Command1, Command2, Command3
    void nextQuestion();      // Timer1 fired
    int kind() const;
    int dividend() const;
    int divisor() const;
    int answer() const;
    std::string questionText() const;  // "70÷10=", no blanks
    std::string optionText(int option) const;
    bool optionsEnabled() const;

    // The three numbers on the buttons, Command1 first.
    const std::array<int, optionCount>& options() const { return m_options; }

private:
    // Kind 0 puts its options in one order for the division drawn when the
    // screen is loaded and in another for every later one.
    enum class Layout { Load, Later };

    void drawProblem(Layout layout);

    RandomSource& m_random;
    int m_kind = 0;
    int m_dividend = 0;
    int m_divisor = 10;
    int m_answer = 0;
    std::array<int, optionCount> m_options{};
    bool m_optionsEnabled = true;
};
