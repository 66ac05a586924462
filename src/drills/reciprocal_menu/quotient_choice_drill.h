// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "scoring/drill_score.h"

class RandomSource;
class Feedback;

// The choose-the-quotient drill: a whole number divided by 10, 100 or 1000,
// with three numbers offered on three buttons. One of them is the quotient,
// the other two are ten and a hundred times it. A click is judged, a message
// shows for a pause, and then the next division is drawn by itself.
class QuotientChoiceDrill {
public:
    // The number of options, one for each of Command1, Command2, Command3.
    static constexpr int optionCount = 3;
    // How long the message stays before the next division, in milliseconds.
    static constexpr int pauseMs = 2500;

    QuotientChoiceDrill(RandomSource& random, Feedback& feedback);

    void start();                          // the screen's load work
    bool choose(int option);               // 0, 1, 2 for Command1, Command2, Command3
    void nextQuestion();                   // Timer1 fired
    int kind() const;
    int dividend() const;
    int divisor() const;
    int answer() const;
    std::string questionText() const;      // "70÷10=", no blanks
    std::string optionText(int option) const;
    bool optionsEnabled() const;
    const std::string& feedbackText() const;
    bool feedbackShown() const;
    const DrillScore& score() const;       // GradingRule::PerQuestion

    // The three numbers on the buttons, Command1 first.
    const std::array<int, optionCount>& options() const { return m_options; }
    // Whether the pause timer Timer1 is running.
    bool pauseArmed() const { return m_pauseArmed; }
    // Whether the screen sees keys ahead of its buttons.
    bool keyPreview() const { return m_keyPreview; }

private:
    // Kind 0 puts its options in one order for the division drawn when the
    // screen is loaded and in another for every later one.
    enum class Layout { Load, Later };

    void drawProblem(Layout layout);

    RandomSource& m_random;
    Feedback& m_feedback;
    DrillScore m_score{GradingRule::PerQuestion};

    int m_kind = 0;
    int m_dividend = 0;
    int m_divisor = 10;
    int m_answer = 0;
    std::array<int, optionCount> m_options{};
    bool m_optionsEnabled = true;
    std::string m_feedbackText;
    bool m_feedbackShown = false;
    bool m_pauseArmed = false;
    bool m_keyPreview = false;
};
