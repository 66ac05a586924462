// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "scoring/judging_drill.h"

class RandomSource;

// The fraction division drill: b1/m1 ÷ b2/m2 worked in four guided steps.
// It holds the problem, the steps, the marks, the help panel, the score and
// the timers' armed flags; the screen shows them and hands it the typed
// boxes when a step is checked. Its verdicts are marks beside the boxes, so
// it shows no message.
class FractionDivisionDrill : public JudgingDrill {
public:
    // Where each step of a problem stands.
    enum class StepPhase {
        Hidden,    // neither the step's button nor its boxes are shown
        Closed,    // the button shows the step's own caption; no boxes
        Checking,  // the button reads "اختبار الاجابة"; the boxes are open
        Done,      // the button is gone; the boxes keep the accepted answer
    };

    enum class MarkState { None, Tick, Cross };

    // The mark beside a box: what it shows, and whether it is shown. A mark
    // keeps its state once hidden, into the next problem.
    struct Mark {
        MarkState state = MarkState::None;
        bool shown = false;
    };

    // The seven answer boxes, in reading order. Each has one mark beside it.
    enum class Box { b1, m1, amalya, b2, m2, b3, m3 };
    static constexpr int boxCount = 7;

    // One-shot timers of the screen: Timer1 draws a problem, Hide1 to Hide4
    // clear the marks of steps 1 to 4 (so step k's is Timer(k)).
    enum class Timer { Timer1, Hide1, Hide2, Hide3, Hide4 };
    static constexpr int timerCount = 5;

    // The texts of the seven boxes in `Box` order, as UTF-8.
    using BoxTexts = std::array<std::string, boxCount>;

    FractionDivisionDrill(RandomSource& random, Feedback& feedback);

    // The screen's load work: arms Timer1 so the first problem is drawn
    // about 1 ms later.
    void load();
    // Timer1 fired: draws a problem and disarms Timer1.
    void timer1Fired();

    // Draws a new problem (no 0, no fraction equal to one) and counts its
    // two step-1 boxes as questions. Switches key preview on.
    void drawProblem();
    // `cnew`: puts the step area back to its start and arms Timer1.
    void newQuestion();
    // A click on the button of step k (1 to 4): opens a closed step, checks
    // a step that is checking, and does nothing otherwise.
    void pressStep(int step, const BoxTexts& boxes);
    // The clear timer of step k fired: hides the step's marks and empties
    // (and focuses) the boxes marked with a cross.
    void clearMarks(int step);
    // `Comhelp`: shows or hides the help panel.
    void toggleHelp();

    // The problem.
    int b1() const { return m_b1; }
    int m1() const { return m_m1; }
    int b2() const { return m_b2; }
    int m2() const { return m_m2; }
    // Whether a problem has been drawn since load (the labels show "2" until then).
    bool problemDrawn() const { return m_drawn; }

    StepPhase phase(int step) const;
    // The caption of step k's button for its current phase.
    std::string stepCaption(int step) const;
    // Every caption the button of step k, or `Comhelp`, ever carries.
    static std::vector<std::string> stepCaptions(int step);
    static std::vector<std::string> helpButtonCaptions();
    bool stepButtonShown(int step) const;
    // Whether the boxes of step k (with their bar and equals sign) are shown.
    bool stepBoxesShown(int step) const;
    bool newQuestionShown() const;  // `cnew`

    const Mark& mark(Box box) const;

    const std::string& helpText() const { return m_helpText; }
    bool helpShown() const { return m_helpShown; }
    std::string helpButtonCaption() const;  // `Comhelp`

    // The step each box belongs to (1 to 4).
    static int stepOf(Box box);

private:
    // The boxes of step k in reading order (numerator first); one for step 2.
    static std::vector<Box> boxesOf(int step);
    static Timer clearTimerOf(int step);
    static bool isStep(int step) { return step >= 1 && step <= 4; }
    Mark& markOf(Box box) { return m_marks[static_cast<std::size_t>(box)]; }
    // Counts the boxes, plays the sound, passes the step when every box is
    // right, then starts the step's clear countdown and shows its marks.
    void judgeStep(int step, int right, int wrong);
    void passStep(int step);

    void openStep(int step);
    void checkFractionStep(int step, const BoxTexts& boxes);
    void checkSignStep(const BoxTexts& boxes);

    RandomSource& m_random;

    int m_b1 = 2, m_m1 = 2, m_b2 = 2, m_m2 = 2;
    bool m_drawn = false;
    std::array<StepPhase, 4> m_phases{StepPhase::Closed, StepPhase::Hidden, StepPhase::Hidden,
                                      StepPhase::Hidden};
    std::array<Mark, boxCount> m_marks{};
    std::string m_helpText;
    bool m_helpShown = false;
};
