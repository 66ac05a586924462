// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "scoring/feedback.h"
#include "scoring/judging_drill.h"
#include "ui/help_panel.h"
#include "ui/screen_window.h"

class Caption;
class Picture;
class QLineEdit;
class QTimer;
class RandomSource;
class ScorePanel;
class ScreenHost;

// The base of every drill screen, and the one way to build one.
//
// A screen makes its controls, hands its drill to follow(), and connects each
// event to one operation of the drill through act(). act() runs the operation
// and then brings the whole screen up to date in one place: the screen's own
// render(), then the score panel, the message label and the key preview flag
// from the drill, then the drill's requests (boxes to empty, the focus, timers
// to start or stop) on the boxes and timers the screen registered. So no
// handler redraws by hand, and none can forget to.
//
// The feedback sound goes through here too: the screen is brought up to date
// and painted first, then the sound plays, so the pupil sees the message and
// the counter change before hearing the verdict and the grade only after.
//
// It also gives every drill screen what they share: the host it leaves
// through, a random source of its own, the background picture `Image1`, the
// optional score panel, the pause timer, the message label `Label3`, the help
// panel and the "الواجهة" label.
class DrillScreen : public ScreenWindow, private Feedback {
    Q_OBJECT

public:
    // Runs the timer's tick now, as if it had fired: the timer stops and its
    // work runs. Tests and the benchmark use it instead of waiting.
    void fireTimer(const QString& name);

protected:
    struct Design {
        QRect background;  // where Image1 stands
        QColor windowColour = Qt::black;
        bool scorePanel = true;
        int questionsLeftTwips = 3360;  // where the score panel's Label6 stands
        int widthTwips = 12000;
        int heightTwips = 9000;
    };

    DrillScreen(ScreenId id, ScreenHost& host, const Design& design);
    ~DrillScreen() override;

    // Draws the screen's own controls from its drill's state.
    virtual void render() = 0;

    // The judging drill the screen shows.
    void follow(JudgingDrill& drill) { m_drill = &drill; }
    // Runs one operation of the drill, then brings the screen up to date.
    void act(const std::function<void()>& operation);
    // A click on the control runs the operation through act().
    template <typename Control, typename Operation>
    void onClick(Control* control, Operation operation)
    {
        connect(control, &Control::clicked, this, [this, operation] { act(operation); });
    }

    // The load work: the screen drawn once, before it is first shown.
    // Screens whose drill starts at load run its start through act() instead.
    void load() override { act({}); }
    // Escape ends the program. It reaches the screen only while key preview
    // is on, which each drill switches as its rules say.
    bool screenKey(QKeyEvent* event) override;

    // The drill's answer boxes, in the order of its Box enum.
    void setAnswerBoxes(std::vector<QLineEdit*> boxes) { m_boxes = std::move(boxes); }
    // A one-shot timer with its designed name and interval whose tick runs
    // `tick` through act(). Timers are made in the order of the drill's
    // Timer enum.
    QTimer* addTimer(const QString& name, int milliseconds, std::function<void()> tick);
    // The pause after a verdict, `Timer1`, which puts the next question.
    QTimer* addPauseTimer(std::function<void()> nextQuestion);
    // The hidden verdict label `Label3`, 27.75 pt bold, centred, drawn from
    // the drill's message.
    void addMessageLabel(const QRect& box, const QColor& colour);
    // The help panel `help` with its text box `Txthelp`.
    HelpPanel* addHelpPanel(const HelpPanel::Design& design);
    // The "الواجهة" label `name` at (left, top) in twips, leading to `target`.
    void addHomeLabel(const QString& name, int leftTwips, int topTwips, ScreenId target);

    ScreenHost& host() const { return m_host; }
    RandomSource& random() const { return *m_random; }
    Feedback& feedback() { return *this; }
    Picture* background() const { return m_background; }

private:
    // render(), then what every drill shows, then the requests made so far.
    void refresh();
    // Feedback: brings the screen up to date and paints it, then plays and
    // returns at the sound's end.
    void play(Verdict verdict) override;

    ScreenHost& m_host;
    std::unique_ptr<RandomSource> m_random;
    Picture* m_background;
    std::unique_ptr<ScorePanel> m_score;
    Caption* m_message = nullptr;
    JudgingDrill* m_drill = nullptr;
    std::vector<QLineEdit*> m_boxes;
    std::vector<std::pair<QTimer*, std::function<void()>>> m_timers;
};

// A drill screen that shows a judging drill of its own: it makes the drill
// from the screen's random source and feedback sound and follows it, and its
// load work starts the drill where the drill has a start.
template <typename Drill>
class JudgingScreen : public DrillScreen {
public:
    const Drill& drill() const { return m_drill; }

protected:
    JudgingScreen(ScreenId id, ScreenHost& host, const Design& design)
        : DrillScreen(id, host, design), m_drill(random(), feedback())
    {
        follow(m_drill);
    }

    void load() override
    {
        if constexpr (requires { m_drill.start(); })
            act([this] { m_drill.start(); });
        else
            DrillScreen::load();
    }

    Drill m_drill;
};
