// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drill_screen.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "common/random_source.h"
#include "scoring/judging_drill.h"
#include "ui/caption.h"
#include "ui/picture.h"
#include "ui/score_panel.h"
#include "ui/screen_host.h"

DrillScreen::DrillScreen(ScreenId id, ScreenHost& host, const Design& design)
    : ScreenWindow(id, design.widthTwips, design.heightTwips, QString(), design.windowColour),
      m_host(host),
      m_random(host.makeRandomSource())
{
    // Made first, so every other control stands over it.
    m_background = new Picture(this, QStringLiteral("Image1"), design.background,
                               pictures::background, QStringLiteral("صورة الخلفية"));
    if (design.scorePanel)
        m_score = std::make_unique<ScorePanel>(this, design.questionsLeftTwips);
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::act(const std::function<void()>& operation)
{
    if (operation)
        operation();
    refresh();
}

void DrillScreen::refresh()
{
    render();
    if (!m_drill)
        return;
    if (m_score)
        m_score->show(m_drill->score());
    if (m_message) {
        if (m_drill->feedbackShown())
            m_message->setCaption(fromUtf8(m_drill->feedbackText()));
        m_message->setVisible(m_drill->feedbackShown());
    }
    setKeyPreview(m_drill->keyPreview());
    // Starting a running timer restarts its countdown; focusing a box of a
    // hidden screen does nothing.
    for (const ScreenRequest& request : m_drill->takeRequests()) {
        const auto at = std::size_t(request.target);
        switch (request.kind) {
        case ScreenRequest::Kind::EmptyBox: m_boxes.at(at)->clear(); break;
        case ScreenRequest::Kind::FocusBox: m_boxes.at(at)->setFocus(); break;
        case ScreenRequest::Kind::StartTimer: m_timers.at(at).first->start(); break;
        case ScreenRequest::Kind::StopTimer: m_timers.at(at).first->stop(); break;
        }
    }
}

void DrillScreen::play(Verdict verdict)
{
    refresh();
    repaint();
    m_host.playSound(verdict);
}

bool DrillScreen::screenKey(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    m_host.endProgram();
    return true;
}

QTimer* DrillScreen::addTimer(const QString& name, int milliseconds, std::function<void()> tick)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setSingleShot(true);
    timer->setInterval(milliseconds);
    connect(timer, &QTimer::timeout, this, [this, tick] { act(tick); });
    m_timers.emplace_back(timer, std::move(tick));
    return timer;
}

QTimer* DrillScreen::addPauseTimer(std::function<void()> nextQuestion)
{
    return addTimer(QStringLiteral("Timer1"), pauseMilliseconds, std::move(nextQuestion));
}

void DrillScreen::fireTimer(const QString& name)
{
    for (const auto& [timer, tick] : m_timers) {
        if (timer->objectName() == name) {
            timer->stop();
            act(tick);
            return;
        }
    }
}

void DrillScreen::addMessageLabel(const QRect& box, const QColor& colour)
{
    m_message = new Caption(this, QStringLiteral("Label3"), box,
                            CaptionLook{27.75, true, colour, CaptionLook::Align::Centre},
                            QStringLiteral("Label3"));
    m_message->hide();
}

HelpPanel* DrillScreen::addHelpPanel(const HelpPanel::Design& design)
{
    return new HelpPanel(this, design);
}

void DrillScreen::addHomeLabel(const QString& name, int leftTwips, int topTwips, ScreenId target)
{
    connect(makeHomeLabel(this, name, leftTwips, topTwips), &Caption::clicked, this,
            [this, target] { m_host.goTo(id(), target); });
}
