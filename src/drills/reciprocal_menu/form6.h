#pragma once

#include <memory>

#include "drills/reciprocal_menu/reciprocal_entry_drill.h"
#include "scoring/feedback.h"
#include "scoring/score_panel.h"
#include "ui/screen_window.h"

class AnswerBox;
class Caption;
class QTimer;
class RandomSource;
class ScreenHost;

// Form6: the write-the-reciprocal screen. It shows ReciprocalEntryDrill: the
// fraction, two answer boxes for its reciprocal, the verdict and the score
// panel. The screen looks at keys before the boxes while Enter is open, so
// Enter judges the boxes and Escape ends the program; during the pause after
// a verdict both go straight to the box.
class Form6 final : public ScreenWindow, private Feedback {
    Q_OBJECT

public:
    using Box = ReciprocalEntryDrill::Box;

    explicit Form6(ScreenHost& host);
    ~Form6() override;

    void load() override;

    const ReciprocalEntryDrill& drill() const { return m_drill; }
    QTimer* pauseTimer() const { return m_timer; }
    // What the end of the pause does.
    void pauseEnded();

protected:
    bool screenKey(QKeyEvent* event) override;

private:
    // Feedback: shows the verdict and the counter, then plays.
    void play(Verdict verdict) override;

    void render();
    AnswerBox* box(Box which) const { return which == Box::txtb1 ? m_numerator : m_denominator; }

    ScreenHost& m_host;
    std::unique_ptr<RandomSource> m_random;
    ReciprocalEntryDrill m_drill;

    std::unique_ptr<ScorePanel> m_score;
    Caption* m_b1 = nullptr;
    Caption* m_m1 = nullptr;
    AnswerBox* m_numerator = nullptr;
    AnswerBox* m_denominator = nullptr;
    Caption* m_message = nullptr;
    QTimer* m_timer = nullptr;
};
