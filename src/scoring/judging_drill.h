// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/screen_requests.h"
#include "scoring/drill_score.h"
#include "scoring/feedback.h"

// How long a verdict stays before the next question comes by itself, on every
// screen that pauses after an answer.
inline constexpr int pauseMilliseconds = 2500;

// What one checked answer brought.
struct Judgement {
    int right = 0;  // answers, or boxes, judged right
    int wrong = 0;  // and wrong; neither: a click that is not counted
    // The message shown with it; empty on a screen that marks its boxes instead.
    std::string message;
    // Whether the grade word is worked out again after the sound.
    bool graded = true;

    // The sound heard: the right one only when nothing was wrong.
    Verdict verdict() const { return wrong == 0 ? Verdict::Right : Verdict::Wrong; }
};

// The base of every judging drill: what it offers its screen beside its own
// operations, and the one way it gives a verdict.
//
// After each operation the screen draws the score, the message and the key
// preview flag from here, and carries out the requests (boxes to empty, the
// focus, timers to start or stop) in the order made.
class JudgingDrill {
public:
    const DrillScore& score() const { return m_score; }
    // The verdict message and whether it is shown.
    const std::string& feedbackText() const { return m_feedbackText; }
    bool feedbackShown() const { return m_feedbackShown; }
    // Whether the screen sees typed keys before its controls (Escape).
    bool keyPreview() const { return m_keyPreview; }
    template <typename Timer>
    bool timerArmed(Timer timer) const
    {
        return m_requests.armed(timer);
    }
    // What the screen is to do once, in the order asked.
    std::vector<ScreenRequest> takeRequests() { return m_requests.take(); }

protected:
    JudgingDrill(GradingRule rule, Feedback& feedback) : m_score(rule), m_feedback(feedback) {}
    ~JudgingDrill() = default;
    JudgingDrill(const JudgingDrill&) = default;
    JudgingDrill& operator=(const JudgingDrill&) = delete;

    // Gives a verdict in the one order the pupil sees and hears it: the
    // message is written and shown, the counters grow (right before wrong)
    // and the sound plays to its end, the screen having drawn all of that
    // first. Then `afterSound` makes the drill's own changes (a step passed),
    // the grade word is worked out again, and `then` is armed. A judgement
    // that counts nothing skips the message, the counters and the sound.
    template <typename Timer>
    void giveVerdict(const Judgement& judgement, Timer then,
                     const std::function<void()>& afterSound = {})
    {
        tell(judgement);
        if (afterSound)
            afterSound();
        if (judgement.graded)
            m_score.regrade();
        m_requests.arm(then);
    }

    void hideMessage() { m_feedbackShown = false; }

    DrillScore m_score;
    ScreenRequests m_requests;
    bool m_keyPreview = false;

private:
    // The message, the counters and the sound.
    void tell(const Judgement& judgement);

    Feedback& m_feedback;
    std::string m_feedbackText;
    bool m_feedbackShown = false;
};
