// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "scoring/feedback.h"
#include "ui/screen_window.h"

class Caption;
class DrillScore;
class Picture;
class QTimer;
class RandomSource;
class ScorePanel;
class ScreenHost;

// What every judging drill screen shares: the host it leaves through, a
// random source of its own, the background picture `Image1` with the score
// panel over it, and the feedback sound, which the pupil hears only once the
// screen shows what the answer has changed so far.
//
// A screen builds its drill from random() and feedback() and draws the
// drill's state in render().
class DrillScreen : public ScreenWindow, private Feedback {
    Q_OBJECT

protected:
    // `background` is where Image1 stands; Label6 of the score panel stands
    // `questionsLeftTwips` from the left.
    DrillScreen(ScreenId id, ScreenHost& host, const QRect& background,
                const QColor& windowColour = Qt::black, int questionsLeftTwips = 3360);
    ~DrillScreen() override;

    // Draws the drill's current state.
    virtual void render() = 0;
    // Escape ends the program. It reaches the screen only while key preview
    // is on, which each drill switches as its rules say.
    bool screenKey(QKeyEvent* event) override;

    ScreenHost& host() const { return m_host; }
    RandomSource& random() const { return *m_random; }
    Feedback& feedback() { return *this; }
    Picture* background() const { return m_background; }
    void showScore(const DrillScore& score);

    // The hidden verdict label `Label3`: 27.75 pt bold, centred.
    Caption* makeMessageLabel(const QRect& box, const QColor& colour);
    // The "الواجهة" label `name` at (left, top) in twips, leading to `target`.
    void addHomeLabel(const QString& name, int leftTwips, int topTwips, ScreenId target);
    // A one-shot timer with its designed name and interval.
    QTimer* makeTimer(const QString& name, int milliseconds);

private:
    // Feedback: shows the state so far, then plays and returns at its end.
    void play(Verdict verdict) override;

    ScreenHost& m_host;
    std::unique_ptr<RandomSource> m_random;
    Picture* m_background;
    std::unique_ptr<ScorePanel> m_score;
};
