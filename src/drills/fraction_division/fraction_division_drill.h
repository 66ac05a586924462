#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scoring/drill_score.h"

class RandomSource;
class Feedback;

// Where each step of a problem stands.
enum class StepPhase {
    Hidden,    // neither the step's button nor its boxes are shown
    Closed,    // the button shows the step's own caption; no boxes
    Checking,  // the button reads "اختبار الاجابة"; the boxes are open
    Done,      // the button is gone; the boxes keep the accepted answer
};

enum class MarkState { None, Tick, Cross };

// The seven answer boxes, in reading order. Each has one mark beside it.
enum class Box { b1, m1, amalya, b2, m2, b3, m3 };
inline constexpr int boxCount = 7;

// One-shot timers of the screen: Timer1 draws a problem, hide1 to hide4
// clear the marks of steps 1 to 4.
enum class DrillTimer { Timer1, Hide1, Hide2, Hide3, Hide4 };
inline constexpr int drillTimerCount = 5;

struct Mark {
    MarkState state = MarkState::None;
    bool shown = false;
};

// Whether a timer should be running. `generation` grows each time the timer
// is armed, so a screen can tell a re-arm (which restarts the countdown)
// from a timer that simply stays armed.
struct TimerArm {
    bool armed = false;
    std::uint64_t generation = 0;
};

// The fraction division drill: b1/m1 ÷ b2/m2 worked in four guided steps.
// It holds the problem, the steps, the marks, the help panel, the score and
// the timers' armed flags; the screen shows them and hands it the typed
// boxes when a step is checked.
class FractionDivisionDrill {
public:
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

    const DrillScore& score() const { return m_score; }

    StepPhase phase(int step) const;
    // The caption of step k's button for its current phase.
    std::string stepCaption(int step) const;
    bool stepButtonShown(int step) const;
    // Whether the boxes of step k (with their bar and equals sign) are shown.
    bool stepBoxesShown(int step) const;
    bool newQuestionShown() const;  // `cnew`

    const Mark& mark(Box box) const;

    const std::string& helpText() const { return m_helpText; }
    bool helpShown() const { return m_helpShown; }
    std::string helpButtonCaption() const;  // `Comhelp`

    bool keyPreview() const { return m_keyPreview; }
    const TimerArm& timer(DrillTimer timer) const;

    // Requests the screen carries out once: boxes to empty (in order) and
    // the box to put the focus in (the last request wins).
    std::vector<Box> takeBoxesToEmpty();
    std::optional<Box> takeFocusRequest();

    // The step each box belongs to (1 to 4).
    static int stepOf(Box box);

private:
    // The boxes of step k in reading order (numerator first); one for step 2.
    static std::vector<Box> boxesOf(int step);
    static DrillTimer clearTimerOf(int step);
    static bool isStep(int step) { return step >= 1 && step <= 4; }
    Mark& markOf(Box box) { return m_marks[static_cast<std::size_t>(box)]; }
    void recordVerdicts(int right, int wrong);
    void passStep(int step);
    // The last part of every check: the clear countdown starts and the marks appear.
    void showMarks(int step);

    void openStep(int step);
    void checkFractionStep(int step, const BoxTexts& boxes);
    void checkSignStep(const BoxTexts& boxes);
    void armTimer(DrillTimer timer);
    void disarmTimer(DrillTimer timer);
    void emptyBox(Box box);
    void requestFocus(Box box);

    RandomSource& m_random;
    Feedback& m_feedback;
    DrillScore m_score{GradingRule::PerQuestion};

    int m_b1 = 2, m_m1 = 2, m_b2 = 2, m_m2 = 2;
    bool m_drawn = false;
    std::array<StepPhase, 4> m_phases{StepPhase::Closed, StepPhase::Hidden, StepPhase::Hidden,
                                      StepPhase::Hidden};
    std::array<Mark, boxCount> m_marks{};
    std::string m_helpText;
    bool m_helpShown = false;
    bool m_keyPreview = false;
    std::array<TimerArm, drillTimerCount> m_timers{};
    std::vector<Box> m_boxesToEmpty;
    std::optional<Box> m_focus;
};
