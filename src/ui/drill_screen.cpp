// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drill_screen.h"

#include <QKeyEvent>
#include <QTimer>

#include "common/random_source.h"
#include "scoring/score_panel.h"
#include "ui/caption.h"
#include "ui/picture.h"
#include "ui/screen_host.h"

DrillScreen::DrillScreen(ScreenId id, ScreenHost& host, const QRect& background,
                         const QColor& windowColour, int questionsLeftTwips)
    : ScreenWindow(id, 12000, 9000, QString(), windowColour),
      m_host(host),
      m_random(host.makeRandomSource())
{
    // Made first, so every other control stands over it.
    m_background = new Picture(this, QStringLiteral("Image1"), background, pictures::background,
                               QStringLiteral("صورة الخلفية"));
    m_score = std::make_unique<ScorePanel>(this, questionsLeftTwips);
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::showScore(const DrillScore& score) { m_score->show(score); }

Caption* DrillScreen::makeMessageLabel(const QRect& box, const QColor& colour)
{
    auto* message = new Caption(this, QStringLiteral("Label3"), box,
                                CaptionLook{27.75, true, colour, CaptionLook::Align::Centre},
                                QStringLiteral("Label3"));
    message->hide();
    return message;
}

void DrillScreen::addHomeLabel(const QString& name, int leftTwips, int topTwips, ScreenId target)
{
    connect(makeHomeLabel(this, name, leftTwips, topTwips), &Caption::clicked, this,
            [this, target] { m_host.goTo(id(), target); });
}

QTimer* DrillScreen::makeTimer(const QString& name, int milliseconds)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setSingleShot(true);
    timer->setInterval(milliseconds);
    return timer;
}

bool DrillScreen::screenKey(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    m_host.endProgram();
    return true;
}

void DrillScreen::play(Verdict verdict)
{
    render();
    repaint();
    m_host.playSound(verdict);
}
